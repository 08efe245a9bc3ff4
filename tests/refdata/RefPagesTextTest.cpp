#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Cities.h"
#include "Materials.h"
#include "RefPagesText.h"
#include "TableText.h"

namespace {

struct Page {
    std::string file;
    std::string heading;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> notes;
    std::string source;
};

// The pages of a page text, as the generator reads them.
std::vector<Page> Pages(const std::string& text) {
    std::vector<Page> pages;
    for (const std::string_view line : TextLines(text)) {
        const std::size_t space = line.find(' ');
        const std::string_view key = line.substr(0, space);
        const std::string rest(space == std::string_view::npos ? "" : line.substr(space + 1));
        if (key == "page") pages.push_back({rest, {}, {}, {}, {}});
        if (pages.empty()) continue;
        if (key == "heading") pages.back().heading = rest;
        if (key == "row") pages.back().rows.push_back(PipeCells(rest));
        if (key == "note") pages.back().notes.push_back(rest);
        if (key == "source") pages.back().source = rest;
    }
    return pages;
}

// The cities of a page in reading order: down the left half, then the right.
std::vector<std::string> CitiesOf(const Page& page) {
    std::vector<std::string> names;
    for (const std::size_t column : {0u, 5u}) {
        for (const std::vector<std::string>& row : page.rows) {
            if (!row.at(column).empty()) names.push_back(row.at(column));
        }
    }
    return names;
}

TEST(CityPages, EveryOfferedCityOnceAlphabeticallyAndEachHeadingNamesItsFirstAndLast) {
    const std::vector<Page> pages = Pages(CityPagesText("Аtн#.jpg"));
    ASSERT_EQ(pages.size(), CityPages().size());
    EXPECT_EQ(pages.size(), 7u);
    std::vector<std::string> all;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        const std::vector<std::string> names = CitiesOf(pages[p]);
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(pages[p].file, "Аtн#.jpg");
        EXPECT_EQ(names.front(), CityPages()[p].front()->name);
        EXPECT_EQ(names.back(), CityPages()[p].back()->name);
        EXPECT_EQ(pages[p].heading, "Климатические параметры тёплого периода: " + names.front() + " — " + names.back());
        EXPECT_NE(pages[p].source.find("СП 131.13330 (редакции 2018/2020)"), std::string::npos);
        all.insert(all.end(), names.begin(), names.end());
    }
    std::vector<std::string> offered;
    for (const City* c : OfferedCities()) {
        if (!IsDoubtful(*c)) offered.push_back(c->name);
    }
    EXPECT_EQ(all, offered);
    EXPECT_EQ(all.front(), "Абакан");
}

TEST(CityPages, FiguresAsWrittenWithADecimalComma) {
    for (const Page& page : Pages(CityPagesText("Аtн#.jpg"))) {
        for (const std::vector<std::string>& row : page.rows) {
            for (const std::size_t at : {0u, 5u}) {
                if (row[at] != "Москва") continue;
                EXPECT_EQ(std::vector<std::string>(row.begin() + at, row.begin() + at + 5),
                          (std::vector<std::string>{"Москва", "55,7540", "19,2", "10,2", "23,0"}));
                return;
            }
        }
    }
    ADD_FAILURE() << "Москва is on no page";
}

TEST(MaterialPages, EachTableWithItsSourceAndOnlyTheColumnsItGives) {
    const std::vector<Page> pages = Pages(MaterialPagesText("Свойства#.jpg"));
    std::size_t rows = 0;
    std::size_t withoutS = 0;
    for (const Page& page : pages) {
        SCOPED_TRACE(page.heading);
        EXPECT_FALSE(page.source.empty());
        const bool noS = !page.notes.empty() && page.notes.back().starts_with("s в источнике не приводится");
        withoutS += noS;
        for (const std::vector<std::string>& row : page.rows) {
            // The λ-only table stands twice side by side, three cells each.
            rows += row.size() == 6 ? (row[3].empty() ? 1 : 2) : 1;
            for (const std::string& cell : row) EXPECT_EQ(cell.find("(?)"), std::string::npos);
        }
    }
    std::size_t tableRows = 0;
    for (const MaterialTable& t : MaterialTables()) tableRows += t.rows.size();
    EXPECT_EQ(rows, tableRows);
    EXPECT_EQ(withoutS, 2u);  // the 2012 foam plastics and the λ-only table
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0].rows[0], (std::vector<std::string>{"1", "Плиты из пенополистирола", "25–35", "1,34", "0,038",
                                                          "2/10", "0,040", "0,049", "0,34", "0,38", "0,05"}));
}

// What the pages show is sourced or says plainly that it is not included:
// no question marks for doubtful figures, no remarks about damaged copies.
TEST(ReferencePages, NoDoubtMarksOrRemarksAboutDamagedCopies) {
    std::vector<std::pair<std::string, std::string>> texts = {{"cities", CityPagesText("Аtн#.jpg")},
                                                              {"materials", MaterialPagesText("Свойства#.jpg")}};
    for (const auto& file : std::filesystem::directory_iterator(SOLARGAIN_REFPAGES_DATA)) {
        std::ifstream in(file.path());
        std::ostringstream text;
        text << in.rdbuf();
        texts.emplace_back(file.path().filename().string(), text.str());
    }
    EXPECT_EQ(texts.size(), 7u);
    for (const auto& [name, text] : texts) {
        for (const std::string_view line : TextLines(text)) {
            if (line.starts_with('#')) continue;  // a remark of the file, never shown
            SCOPED_TRACE(name + ": " + std::string(line));
            for (const char* mark : {"(?)", "искаж", "повреж", "испорч", "неразборчив", "не читается"})
                EXPECT_EQ(line.find(mark), std::string_view::npos) << mark;
        }
    }
}

}  // namespace
