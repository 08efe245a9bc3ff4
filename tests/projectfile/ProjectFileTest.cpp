// Saving and reading the project file: the exact line layout, the checks
// made before anything is written, and the replacement of an existing file.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CalcError.h"
#include "Conversions.h"
#include "ProjectFile.h"
#include "ProjectFileTestSupport.h"

namespace {

using namespace projectfile_test;

TEST(ProjectFileLayout, LineNumbersOfTheTable) {
    struct Case {
        int o, h, f, line;
    };
    // clang-format off
    const Case cases[] = {
        {1, 1, 1, 20},     // first table line
        {1, 1, 17, 36},    // HeatGain of С 8-9
        {1, 2, 1, 37},
        {2, 1, 1, 190},    // СВ starts after 10 records of С
        {8, 10, 17, 1379}, // last line of the file
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(ProjectTableLine(c.o, c.h, c.f), c.line) << c.o << " " << c.h << " " << c.f;
}

TEST(ProjectFileSave, WritesTheShownTextsAndTheTableInLineOrderWithCrLf) {
    const std::string text = SampleFile();
    const std::vector<std::string> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 1379u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // every LF is part of a CR LF
    for (std::size_t i = 0; i < SampleHeader().size(); ++i) EXPECT_EQ(lines[i], SampleHeader()[i]) << i + 1;
    // Table: field f of orientation o, hour h holds o·1000 + h·100 + f (sample).
    EXPECT_EQ(lines[ProjectTableLine(1, 1, 1) - 1], "1101");
    EXPECT_EQ(lines[ProjectTableLine(5, 5, 17) - 1], "5517.25");
    EXPECT_EQ(lines[ProjectTableLine(8, 10, 10) - 1], "-9010.5");
}

TEST(ProjectFileSave, EachHeaderTextIsWrittenInItsShortestForm) {
    struct Case {
        int line;
        const char* shown;
        const char* written;  // nullptr: refused with `message`
        const char* message;
    };
    // clang-format off
    const Case cases[] = {
        {1,  " 52",    "52",    nullptr},
        {2,  "1.50",   "1.5",   nullptr},
        {14, "6.0000", "6",     nullptr},
        {18, " 3",     "3",     nullptr},
        {18, "$10",    "16",    nullptr},
        {19, "3.30",   "3.3",   nullptr},
        {19, "0.5 ",   "0.5",   nullptr},
        {1,  "48.5",   nullptr, "«48.5» — не целое число"},
        {18, "2.5",    nullptr, "Количество однотипных окон n: «2.5» — не целое число"},
        {18, "",       nullptr, "Количество однотипных окон n: пусто — введите целое число"},
        {19, "3,3",    "3.3",   nullptr},
        {18, "0",      nullptr, "Количество однотипных окон n должно быть целым числом не меньше 1 (введено 0)"},
        {19, "-0,5",   nullptr, "Скорость ветра V должна быть не меньше 0 (введено -0.5)"},
        {8,  "",       nullptr, "пусто — введите число"},
        {19, "123456789012345.5", nullptr, nullptr},  // 17 characters: longer than a line
    };
    // clang-format on
    const WindowHourTable table = SampleState().WindowHours;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("line ") + std::to_string(c.line) + " '" + c.shown + "'");
        ProjectHeader header = SampleHeader();
        header[static_cast<std::size_t>(c.line - 1)] = c.shown;
        if (c.written != nullptr) {
            EXPECT_EQ(SplitCrLf(ComposeProjectFile(header, table))[static_cast<std::size_t>(c.line - 1)], c.written);
        } else if (c.message != nullptr) {
            EXPECT_EQ(MessageOf([&] { ComposeProjectFile(header, table); }), c.message);
        } else {
            EXPECT_THROW(ComposeProjectFile(header, table), CalcError);
        }
    }
}

TEST(ProjectFileSave, ValuesLongerThanFifteenCharactersAreRefused) {
    WindowHourTable table;
    table.Record(3, 2).Field(17) = ParseDecimal4("1234567890.1234");  // exactly 15
    EXPECT_NO_THROW(ComposeProjectFile(StartUpHeader(), table));
    table.Record(3, 2).Field(17) = ParseDecimal4("-1234567890.1234");  // 16
    const std::string message = MessageOf([&] { ComposeProjectFile(StartUpHeader(), table); });
    EXPECT_NE(message.find("-1234567890.1234"), std::string::npos) << message;
    EXPECT_NE(message.find("строка " + std::to_string(ProjectTableLine(3, 2, 17))), std::string::npos) << message;
    EXPECT_NE(message.find("В, 9-10, Qост"), std::string::npos) << message;
    EXPECT_NE(message.find("не записан"), std::string::npos) << message;
}

TEST(ProjectFileOpen, ReadsBackWhatWasSaved) {
    const ProjectState state = SampleState();
    const ProjectFileContents contents = ParseProjectFile(SampleFile());
    EXPECT_EQ(contents.header[0], "52");
    EXPECT_EQ(contents.header[13], "6");
    EXPECT_EQ(contents.header[17], "2");
    EXPECT_EQ(contents.header[18], "4");
    WindowHourTable table;
    for (auto& record : table.records) record.Field(18) = Decimal4::FromInt(7);
    StoreProjectTable(contents, table);
    for (int o = 1; o <= kOrientationCount; ++o) {
        for (int h = 1; h <= kHourCount; ++h) {
            for (int f = 1; f <= kShownFieldCount; ++f) {
                ASSERT_EQ(table.Record(o, h).Field(f), state.WindowHours.Record(o, h).Field(f)) << o << h << f;
            }
            EXPECT_EQ(table.Record(o, h).Field(18), Decimal4::FromInt(7));  // not in the file: kept
            EXPECT_TRUE(table.Record(o, h).Field(19).IsZero());
        }
    }
}

TEST(ProjectFileOpen, LineEnds) {
    const std::string crlf = SampleFile();
    std::string lf, loneCr;
    for (char c : crlf) {
        if (c != '\r') lf += c;
    }
    for (char c : lf) {
        loneCr += c;
        if (c == '2') loneCr += '\r';  // stray CRs inside lines are ignored
    }
    std::string noFinalBreak = lf.substr(0, lf.size() - 1);
    std::string withBom = "\xEF\xBB\xBF" + crlf;
    const ProjectFileContents expected = ParseProjectFile(crlf);
    for (const std::string* text : {&lf, &loneCr, &noFinalBreak, &withBom}) {
        const ProjectFileContents got = ParseProjectFile(*text);
        EXPECT_EQ(got.header, expected.header);
        EXPECT_EQ(got.table, expected.table);
    }
}

// A line holds at most 15 characters; a longer one is refused whole, since
// its first 15 characters would be another number (25 read as 2.5).
TEST(ProjectFileOpen, LinesLongerThanFifteenCharactersAreRefused) {
    struct Case {
        const char* name;
        int line;
        std::string text;
        std::string message;  // empty: the file is read and the line kept as it is
    };
    const std::string tooLong = "Строка 2: значение длиннее 15 знаков: «2.5e000000000001» (длина 16); файл не загружен";
    // clang-format off
    const Case cases[] = {
        {"header value at the width",      2,    "2.5e00000000001",   ""},
        {"header value one over",          2,    "2.5e000000000001",  tooLong},
        {"blanks up to the width",         1,    "52             ",   ""},
        {"blanks one over",                1,    "52              ",
         "Строка 1: значение длиннее 15 знаков: «52              » (длина 16); файл не загружен"},
        {"letters count as characters",    1,    "севсевсевсевсев",   ""},
        {"letters one over",               1,    "севсевсевсевсевс",
         "Строка 1: значение длиннее 15 знаков: «севсевсевсевсевс» (длина 16); файл не загружен"},
        {"table value at the width",       20,   "123456789012345",   ""},
        {"table value one over",           20,   "1234567890123456",
         "Строка 20: значение длиннее 15 знаков: «1234567890123456» (длина 16); файл не загружен"},
        {"last line one over",             1379, "1234567890.12345",
         "Строка 1379: значение длиннее 15 знаков: «1234567890.12345» (длина 16); файл не загружен"},
        {"a huge line is quoted in part",  30,   "2" + std::string(100000, '5'),
         "Строка 30: значение длиннее 15 знаков: «255555555555555555555555555555…» (длина 100001); файл не загружен"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines = SplitCrLf(SampleFile());
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        const std::string text = JoinCrLf(lines);
        if (!c.message.empty()) {
            EXPECT_EQ(MessageOf([&] { ParseProjectFile(text); }), c.message);
            continue;
        }
        const ProjectFileContents contents = ParseProjectFile(text);
        if (c.line <= kProjectHeaderLines) {
            EXPECT_EQ(contents.header[static_cast<std::size_t>(c.line - 1)], c.text);
        } else {
            EXPECT_EQ(contents.table[static_cast<std::size_t>(c.line - kProjectHeaderLines - 1)],
                      ParseDecimal4(c.text));
        }
    }
}

TEST(ProjectFileOpen, LinesAfterTheLastAreNotRead) {
    std::vector<std::string> lines = SplitCrLf(SampleFile());
    lines.push_back("anything after line 1379 is not read, however long");
    EXPECT_EQ(ParseProjectFile(JoinCrLf(lines)).table, ParseProjectFile(SampleFile()).table);
}

TEST(ProjectFileDisk, RoundTripThroughAFileWithACyrillicNameAndSpaces) {
    TempFolder folder;
    const std::string path = folder.path + "/Проект окна 1.txt";
    const std::string text = SampleFile();
    WriteProjectFileAtomically(path, text);
    EXPECT_EQ(ReadAll(path), text);
    EXPECT_EQ(ParseProjectFile(text).table, ReadProjectFile(path).table);
    EXPECT_EQ(FilesIn(folder.path), std::vector<std::string>{"Проект окна 1.txt"});  // no temporary left
}

TEST(ProjectFileDisk, ReplacingKeepsTheModeAndFollowsALink) {
    TempFolder folder;
    const std::string real = folder.path + "/real.txt";
    const std::string link = folder.path + "/link.txt";
    WriteAll(real, "old");
    ::chmod(real.c_str(), 0640);
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    WriteProjectFileAtomically(link, "new\r\n");
    EXPECT_EQ(ReadAll(real), "new\r\n");
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(ProjectFileDisk, FileErrors) {
    TempFolder folder;
    const std::string missingFolder = folder.path + "/нет такой папки/p.txt";
    EXPECT_EQ(MessageOf([&] { ReadProjectFile(folder.path + "/нет.txt"); }), "файл или папка не найдены");
    EXPECT_EQ(MessageOf([&] { WriteProjectFileAtomically(missingFolder, "x"); }), "файл или папка не найдены");
    EXPECT_EQ(MessageOf([&] { ReadProjectFile(folder.path); }), "нет доступа к файлу");
    EXPECT_EQ(MessageOf([&] { WriteProjectFileAtomically(folder.path, "x"); }), "нет доступа к файлу");
    WriteAll(folder.path + "/plain", "x");
    EXPECT_EQ(MessageOf([&] { ReadProjectFile(folder.path + "/plain/p.txt"); }), "недопустимое имя файла");
    EXPECT_EQ(MessageOf([&] { ReadProjectFile(folder.path + "/" + std::string(300, 'a')); }), "недопустимое имя файла");
    if (::geteuid() != 0) {  // root writes anywhere
        const std::string locked = folder.path + "/locked";
        std::filesystem::create_directory(locked);
        ::chmod(locked.c_str(), 0500);
        EXPECT_EQ(MessageOf([&] { WriteProjectFileAtomically(locked + "/p.txt", "x"); }), "нет доступа к файлу");
        ::chmod(locked.c_str(), 0700);
    }
    struct Code {
        int error;
        const char* message;
    };
    // clang-format off
    const Code codes[] = {
        {ENOENT, "файл или папка не найдены"},      {EMFILE, "слишком много открытых файлов"}, {EACCES, "нет доступа к файлу"},
        {ENOSPC, "на диске нет места"},           {ENAMETOOLONG, "недопустимое имя файла"}, {EIO, "ошибка ввода-вывода (код 5)"},
    };
    // clang-format on
    for (const Code& c : codes) EXPECT_EQ(FileErrorMessage(c.error), c.message);
}

TEST(ProjectFileDisk, AFailedSaveLeavesTheOldFile) {
    TempFolder folder;
    const std::string path = folder.path + "/p.txt";
    WriteAll(path, "old contents");
    if (::geteuid() != 0) {
        ::chmod(folder.path.c_str(), 0500);
        EXPECT_EQ(MessageOf([&] { WriteProjectFileAtomically(path, "new"); }), "нет доступа к файлу");
        ::chmod(folder.path.c_str(), 0700);
    }
    // A save refused by its checks does not reach the file at all.
    ProjectHeader fractionalCount = StartUpHeader();
    fractionalCount[17] = "2.5";
    EXPECT_THROW(WriteProjectFileAtomically(path, ComposeProjectFile(fractionalCount, WindowHourTable{})), CalcError);
    EXPECT_EQ(ReadAll(path), "old contents");
    EXPECT_EQ(FilesIn(folder.path), std::vector<std::string>{"p.txt"});
}

}  // namespace
