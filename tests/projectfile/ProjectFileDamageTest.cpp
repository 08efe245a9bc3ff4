// Damaged project files are refused whole, with the line that is wrong, and
// the header is checked against the change handlers before it is applied.

#include <gtest/gtest.h>

#include "CalcError.h"
#include "Conversions.h"
#include "ProjectFile.h"
#include "ProjectFileTestSupport.h"

namespace {

using namespace projectfile_test;

std::vector<std::string> SampleLines() { return SplitCrLf(SampleFile()); }

std::string FirstLines(std::size_t count) {
    std::vector<std::string> lines = SampleLines();
    lines.resize(count);
    return JoinCrLf(lines);
}

std::string WithLine(int line, const std::string& text) {
    std::vector<std::string> lines = SampleLines();
    lines[static_cast<std::size_t>(line - 1)] = text;
    return JoinCrLf(lines);
}

TEST(ProjectFileDamage, ShortAndBrokenFilesNameTheirLine) {
    struct Case {
        const char* name;
        std::string text;
        std::string message;
    };
    const std::string big(1 << 20, '7');
    // clang-format off
    const Case cases[] = {
        {"empty file",            "",
         "в нём нет ни одной строки (файл пуст)"},
        {"empty lines only",      "\r\n\n\r\n",
         "в нём нет ни одной строки (файл пуст)"},
        {"one blank line",        " \r\n",
         "Нет строки 20 файла проекта: файл кончается на строке 1 из 1379"},
        {"a few header lines",    FirstLines(5),
         "Нет строки 20 файла проекта: файл кончается на строке 5 из 1379"},
        {"header only",           FirstLines(19),
         "Нет строки 20 файла проекта: файл кончается на строке 19 из 1379"},
        {"cut after orientation С", FirstLines(19 + 170),
         "Нет строки 190 файла проекта: файл кончается на строке 189 из 1379"},
        {"last line missing",     FirstLines(1378),
         "Нет строки 1379 файла проекта: файл кончается на строке 1378 из 1379"},
        {"garbage in the table",  WithLine(500, "12,5,0"),
         "«12,5,0» — не число (строка 500 файла проекта)"},
        {"empty table line",      WithLine(21, ""),
         "пусто — введите число (строка 21 файла проекта)"},
        {"very long garbage line", WithLine(30, "1e" + big),
         "Строка 30: значение длиннее 15 знаков: «1e7777777777777777777777777777…» (длина 1048578); файл не загружен"},
        {"out of range value",    WithLine(40, "999999999999999"),
         "«999999999999999» — слишком большое по модулю число (строка 40 файла проекта)"},
        {"binary file",           std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10) + std::string(2000, '\0'),
         "Файл не является файлом проекта: в строке 1 стоит управляющий знак с кодом 127; файл не загружен"},
        {"tab in a line",         WithLine(700, "12\t"),
         "Файл не является файлом проекта: в строке 700 стоит управляющий знак с кодом 9; файл не загружен"},
        {"NUL far in a long line", WithLine(3, "2" + std::string(100, ' ') + std::string(1, '\0')),
         "Файл не является файлом проекта: в строке 3 стоит управляющий знак с кодом 0; файл не загружен"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MessageOf([&] { ParseProjectFile(c.text); }), c.message);
    }
}

TEST(ProjectFileDamage, HeaderTextsThatNoHandlerParsesAreTakenAsTheyAre) {
    // Latitude and the inputs without change handlers go into their controls
    // unchanged; they fail only when a page is computed.
    std::vector<std::string> lines = SampleLines();
    lines[0] = "север";
    lines[7] = "";
    const ProjectFileContents contents = ParseProjectFile(JoinCrLf(lines));
    EXPECT_EQ(contents.header[0], "север");
    EXPECT_EQ(contents.header[7], "");
}

TEST(ProjectFileDamage, ReadingAFileFromDiskRefusesTheSameWay) {
    TempFolder folder;
    const std::string path = folder.path + "/damaged.txt";
    WriteAll(path, WithLine(1000, "x"));
    EXPECT_EQ(MessageOf([&] { ReadProjectFile(path); }), "«x» — не число (строка 1000 файла проекта)");
    // A huge file: only its first lines are read.
    std::string huge = JoinCrLf(SampleLines()) + std::string(8 << 20, 'z');
    WriteAll(path, huge);
    EXPECT_EQ(ReadProjectFile(path).header[18], "4");
    // Lines split across the read pieces and a line far longer than a piece.
    std::vector<std::string> lines = SampleLines();
    lines[0] = "52" + std::string(200000, ' ');
    WriteAll(path, JoinCrLf(lines));
    EXPECT_EQ(
        MessageOf([&] { ReadProjectFile(path); }),
        "Строка 1: значение длиннее 15 знаков: «52                            …» (длина 200002); файл не загружен");
    lines[0] = "52";
    WriteAll(path, JoinCrLf(lines) + std::string(200000, '9'));  // after line 1379: not read
    EXPECT_EQ(ReadProjectFile(path).table, ParseProjectFile(JoinCrLf(SampleLines())).table);
}

ProjectHeader Shown(const char* height, const char* width, const char* count, const char* wind) {
    ProjectHeader shown;
    shown.fill("0");
    shown[1] = height;
    shown[2] = width;
    shown[17] = count;
    shown[18] = wind;
    return shown;
}

TEST(ProjectFileDamage, HeaderIsCheckedAgainstTheChangeHandlers) {
    struct Case {
        const char* name;
        ProjectHeader shown;
        std::vector<std::pair<int, std::string>> lines;  // changed header lines of the sample file
        std::string message;                             // empty: accepted
    };
    const ProjectHeader defaults = Shown("1.5", "2", "1", "3.3");
    // clang-format off
    const Case cases[] = {
        {"sample file",                 defaults, {},                           ""},
        {"height not a number",         defaults, {{2, "1.5м"}},               "Высота окна Н: «1.5м» — не число (строка 2 файла проекта)"},
        {"width not a number",          defaults, {{3, "abc"}},                "Ширина окна В: «abc» — не число (строка 3 файла проекта)"},
        {"count not a number",          defaults, {{18, "two"}},               "Количество однотипных окон n: «two» — не число (строка 18 файла проекта)"},
        {"wind speed not a number",     defaults, {{19, "4 m/s"}},             "Скорость ветра V: «4 m/s» — не число (строка 19 файла проекта)"},
        {"negative wind speed",         defaults, {{19, "-1"}},                "Скорость ветра V должна быть не меньше 0 (введено -1) (строка 19 файла проекта)"},
        {"no window",                   defaults, {{18, "0"}},                 "Количество однотипных окон n должно быть целым числом не меньше 1 (введено 0) (строка 18 файла проекта)"},
        {"decimal comma",               defaults, {{2, "1,5"}, {19, "3,3"}},   ""},
        {"area out of range",           defaults, {{2, "999999999999"}, {3, "999999999999"}},
                                                                                "Ошибка вычисления: недопустимая операция при расчёте площади световых проёмов Fп = Н · В · n (строка 3 файла проекта)"},
        {"empty texts stop quietly",    defaults, {{2, ""}, {19, ""}},          ""},
        {"width shown is not a number", Shown("1", "x", "1", "3.3"), {},     "Ширина окна В: «x» — не число (строка 2 файла проекта)"},
        {"bad text equal to the shown", Shown("x", "x", "2", "3.3"), {{2, "x"}, {3, "x"}}, ""},
        {"count 2.5",                   defaults, {{18, "2.5"}},               "Количество однотипных окон n должно быть целым числом не меньше 1 (введено 2.5) (строка 18 файла проекта)"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectHeader loaded = ParseProjectFile(JoinCrLf(SampleLines())).header;
        for (const auto& [line, text] : c.lines) loaded[static_cast<std::size_t>(line - 1)] = text;
        if (c.message.empty()) {
            EXPECT_NO_THROW(CheckHeaderAssignment(loaded, c.shown));
        } else {
            EXPECT_EQ(MessageOf([&] { CheckHeaderAssignment(loaded, c.shown); }), c.message);
        }
    }
}

TEST(ProjectFileDamage, AnUnchangedLineRunsNoHandler) {
    // With "x" shown for H and the same "x" on line 2, H's handler does
    // not run; line 3 then changes B and its handler parses the "x".
    ProjectHeader loaded = ParseProjectFile(JoinCrLf(SampleLines())).header;
    loaded[1] = "x";
    EXPECT_EQ(MessageOf([&] { CheckHeaderAssignment(loaded, Shown("x", "5", "1", "3.3")); }),
              "Высота окна Н: «x» — не число (строка 3 файла проекта)");
}

}  // namespace
