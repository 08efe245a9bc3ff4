#include "RefPagesText.h"

#include <set>
#include <stdexcept>

#include "Materials.h"

namespace {

// Rows of one block of a page at the generator's table font, with room for
// names that wrap onto a second line.
constexpr std::size_t kCityRowsPerBlock = 14;
constexpr std::size_t kMaterialRowsPerPage = 14;

using Cells = std::vector<std::string>;

// A table of one page: its columns with their relative widths, and its rows.
struct PageTable {
    Cells columns;
    std::vector<std::string> widths;
    std::vector<Cells> rows;
};

// A figure as printed on the pages: "," as the decimal separator, "—" for
// a value the source does not give.
std::string Shown(const std::string& text) {
    if (text.empty()) return "—";
    std::string shown = text;
    for (char& c : shown) {
        if (c == '.') c = ',';
    }
    return shown;
}

std::string Joined(const Cells& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].find('|') != std::string::npos) throw std::runtime_error("a page cell holds '|': " + cells[i]);
        line += (i == 0 ? "" : " | ") + cells[i];
    }
    return line;
}

// Sizes of `pages` parts of n rows, the first ones larger by one when they
// cannot be equal.
std::vector<std::size_t> EvenParts(std::size_t n, std::size_t perPage) {
    const std::size_t pages = (n + perPage - 1) / perPage;
    std::vector<std::size_t> sizes;
    for (std::size_t p = 0; p < pages; ++p) sizes.push_back(n / pages + (p < n % pages ? 1 : 0));
    return sizes;
}

// Two copies of a narrow table side by side: the first half of the rows on
// the left, the rest on the right, read top to bottom.
PageTable SideBySide(const PageTable& table) {
    PageTable both;
    for (int copy = 0; copy < 2; ++copy) {
        both.columns.insert(both.columns.end(), table.columns.begin(), table.columns.end());
        both.widths.insert(both.widths.end(), table.widths.begin(), table.widths.end());
    }
    const std::size_t left = (table.rows.size() + 1) / 2;
    for (std::size_t r = 0; r < left; ++r) {
        Cells row = table.rows[r];
        const std::size_t right = left + r;
        const Cells blank(table.columns.size());
        const Cells& other = right < table.rows.size() ? table.rows[right] : blank;
        row.insert(row.end(), other.begin(), other.end());
        both.rows.push_back(row);
    }
    return both;
}

void AddPage(std::string& text, std::string_view fileName, const std::string& heading, const PageTable& table,
             const std::vector<std::string>& notes, const std::string& source) {
    text += "page " + std::string(fileName) + "\n";
    text += "heading " + heading + "\n";
    text += "columns " + Joined(table.columns) + "\n";
    text += "widths " + Joined(table.widths) + "\n";
    for (const Cells& row : table.rows) text += "row " + Joined(row) + "\n";
    for (const std::string& note : notes) text += "note " + note + "\n";
    text += "source " + source + "\n\n";
}

// ---- Materials ----------------------------------------------------------------

struct MaterialColumn {
    std::string_view title;
    std::string_view width;
    std::string MaterialRow::*field;
};
// clang-format off
constexpr MaterialColumn kMaterialColumns[] = {
    {"№",        "0.6", &MaterialRow::number},
    {"Материал", "3.8", &MaterialRow::writtenName},
    {"ρ₀",       "0.9", &MaterialRow::density},
    {"c₀",       "0.8", &MaterialRow::heatCapacity},
    {"λ₀",       "0.8", &MaterialRow::dryConductivity},
    {"w А/Б",    "0.9", &MaterialRow::moisture},
    {"λ А",      "0.8", &MaterialRow::conductivityA},
    {"λ Б",      "0.8", &MaterialRow::conductivityB},
    {"s А",      "0.8", &MaterialRow::absorptionA},
    {"s Б",      "0.8", &MaterialRow::absorptionB},
    {"μ",        "0.8", &MaterialRow::vapourPermeability},
};
// clang-format on

bool Given(const MaterialTable& table, std::string MaterialRow::*field) {
    for (const MaterialRow& row : table.rows) {
        if (!(row.*field).empty()) return true;
    }
    return false;
}

void AddMaterialPages(std::string& text, std::string_view fileName, const MaterialTable& table) {
    // Only the columns the source gives.
    std::vector<const MaterialColumn*> shown;
    for (const MaterialColumn& c : kMaterialColumns) {
        if (Given(table, c.field)) shown.push_back(&c);
    }
    std::vector<std::string> notes = table.notes;
    if (!Given(table, &MaterialRow::absorptionA)) {
        notes.push_back("s в источнике не приводится, и в списке материалов этих строк нет.");
    }
    std::size_t first = 0;
    const bool narrow = shown.size() <= 3;
    for (const std::size_t size :
         EvenParts(table.rows.size(), narrow ? 2 * kMaterialRowsPerPage : kMaterialRowsPerPage)) {
        PageTable page;
        for (const MaterialColumn* c : shown) {
            page.columns.emplace_back(c->title);
            // Side by side, the names take the room the missing figures leave.
            const bool name = c->field == &MaterialRow::writtenName;
            page.widths.emplace_back(narrow && name ? "5" : c->width);
        }
        for (std::size_t r = first; r < first + size; ++r) {
            Cells cells;
            for (const MaterialColumn* c : shown) {
                const MaterialRow& row = table.rows[r];
                if (c->field == &MaterialRow::writtenName) {
                    // A page that goes on with a table names its first material again.
                    cells.push_back(r == first && first > 0 ? row.name : row.writtenName);
                } else {
                    cells.push_back(c->field == &MaterialRow::number ? row.number : Shown(row.*c->field));
                }
            }
            page.rows.push_back(cells);
        }
        first += size;
        AddPage(text, fileName, table.heading, narrow ? SideBySide(page) : page, notes, table.source);
    }
}

}  // namespace

std::vector<std::vector<const City*>> CityPages() {
    // The pages show the rows taken as they are; the doubtful ones are offered with their mark only.
    std::vector<const City*> cities;
    for (const City* city : OfferedCities()) {
        if (!IsDoubtful(*city)) cities.push_back(city);
    }
    std::vector<std::vector<const City*>> pages;
    std::size_t first = 0;
    for (const std::size_t size : EvenParts(cities.size(), 2 * kCityRowsPerBlock)) {
        pages.emplace_back(cities.begin() + static_cast<std::ptrdiff_t>(first),
                           cities.begin() + static_cast<std::ptrdiff_t>(first + size));
        first += size;
    }
    return pages;
}

std::string CityPagesText(std::string_view fileName) {
    std::string text;
    for (const std::vector<const City*>& cities : CityPages()) {
        PageTable page{{"Город", "φ, °", "tн.ср", "Аtн", "t 0,95"}, {"2.3", "1.1", "0.9", "0.9", "0.9"}, {}};
        std::set<std::string> sources;
        for (const City* city : cities) {
            page.rows.push_back({city->name, Shown(city->latitude), Shown(city->julyMean), Shown(city->dailyAmplitude),
                                 Shown(city->warmPeriod095)});
            sources.insert(CityClimateSource(*city));
        }
        std::string source = "климат — ";
        for (const std::string& s : sources) source += (source.ends_with("— ") ? "" : "; ") + s;
        source += "; широта φ — координаты центра города по открытому справочнику городов.";
        AddPage(
            text, fileName,
            "Климатические параметры тёплого периода: " + cities.front()->name + " — " + cities.back()->name,
            SideBySide(page),
            {"φ — широта центра города, ° с. ш.; tн.ср — средняя температура июля; Аtн — средняя суточная амплитуда "
             "температуры наиболее тёплого месяца; t 0,95 — температура тёплого периода обеспеченностью 0,95; °С."},
            source);
    }
    return text;
}

std::string MaterialPagesText(std::string_view fileName) {
    std::string text;
    for (const MaterialTable& table : MaterialTables()) AddMaterialPages(text, fileName, table);
    return text;
}
