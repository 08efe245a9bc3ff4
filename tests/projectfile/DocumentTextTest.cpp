// A document's text as a whole: NUL bytes, JSON that does not parse, an
// empty file, and hostile lengths are refused in Russian with where they
// are, and no message repeats more than a few dozen characters of the input.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "BuildingDocument.h"
#include "ErrorMessage.h"
#include "ProjectDocument.h"
#include "ProjectFileTestSupport.h"

namespace {

using namespace projectfile_test;

constexpr std::size_t kShortMessage = 1024;

// Places are counted in lines and in characters, not bytes.
TEST(DocumentText, JsonThatDoesNotParseIsSaidInRussianWithItsPlace) {
    struct Case {
        const char* name;
        std::string document;
        std::string message;
    };
    const Case cases[] = {
        {"a string not closed", "{\n  \"Latitude\": \"52\n}",
         "ошибка в строке 2, столбце 18: управляющий знак внутри строки (его записывают как \\uXXXX); прочитано: "
         "«\"52<U+000A>»"},
        {"a comma too many, line 3", "{\n \"Latitude\": \"52\",\n \"Город\": 1,\n}",
         "ошибка в строке 4, столбце 1: неожиданный знак; прочитано: «1,<U+000A>}»; ожидалось: строка в кавычках"},
        {"a bad number after Cyrillic", "{\"Город\": -x}",
         "ошибка в строке 1, столбце 12: недопустимое число; прочитано: «-x»"},
        {"a word that is not JSON", "{\"Windows\": yes}",
         "ошибка в строке 1, столбце 13: недопустимое слово: ожидались число, строка в кавычках, true, false или "
         "null; прочитано: «\"Windows\": y»"},
        {"text after the document", "{}\n{}",
         "ошибка в строке 2, столбце 1: после конца документа стоит ещё текст; прочитано: «{}<U+000A>{»; ожидалось: "
         "конец текста"},
        {"cut short", "{\"Latitude\": [1,",
         "ошибка в строке 1, столбце 17: текст кончается раньше документа: не хватает закрывающей скобки или "
         "значения; ожидалось: '[', '{' или значение"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MessageOf([&] { ReadProjectDocument(c.document); }), c.message);
        EXPECT_THROW(ReadAnyProjectOrBuilding(c.document), DocumentTextError);
    }
}

// The parser would stop at a NUL byte and take what came before it for the
// whole document.
TEST(DocumentText, ANulByteIsRefusedWhereverTheTextIsRead) {
    const std::string document = std::string("{\"Latitude\":\"50\"}\0garbage", 25);
    const std::string atEnd = "в строке 1, столбце 18 стоит нулевой байт: это не текст";
    EXPECT_EQ(MessageOf([&] { ReadProjectDocument(document); }), atEnd);
    EXPECT_EQ(MessageOf([&] { ReadAnyProjectOrBuilding(document); }), atEnd);
    EXPECT_EQ(MessageOf([&] { ReadProjectDocument(std::string("{\n\"Город\": \"Ом") + '\0' + "ск\"}"); }),
              "в строке 2, столбце 13 стоит нулевой байт: это не текст");

    TempFolder folder;
    const std::string path = folder.path + "/проект.json";
    WriteAll(path, document);
    EXPECT_EQ(MessageOf([&] { ReadProjectText(path); }), atEnd);
    EXPECT_EQ(MessageOf([&] { OpenProjectFile(path); }), atEnd);
    std::istringstream in(document);
    EXPECT_EQ(MessageOf([&] { ReadProjectStream(in); }), atEnd);
    // The window table file says its line.
    WriteAll(path, std::string("52\r\n1.5\0\r\n", 10));
    EXPECT_EQ(MessageOf([&] { OpenProjectFile(path); }), "в строке 2, столбце 4 стоит нулевой байт: это не текст");
    EXPECT_EQ(MessageOf([&] { ReadProjectFile(path); }),
              "Файл не является файлом проекта: в строке 2 стоит управляющий знак с кодом 0; файл не загружен");
}

TEST(DocumentText, AnEmptyFileIsSaidToBeEmpty) {
    TempFolder folder;
    for (const std::string text : {"", "\r\n\r\n", "\n"}) {
        SCOPED_TRACE(text.size());
        const std::string path = folder.path + "/пустой.txt";
        WriteAll(path, text);
        EXPECT_EQ(MessageOf([&] { OpenProjectFile(path); }), kEmptyFileMessage);
        EXPECT_THROW(ReadAnyProjectOrBuilding(text), DocumentTextError);
        EXPECT_EQ(MessageOf([&] { ReadAnyProjectOrBuilding(text); }), kEmptyFileMessage);
    }
}

// Whatever the length of the hostile text, the message stays short.
TEST(DocumentText, MessagesRepeatOnlyTheStartOfALongText) {
    const std::string number(15 * 1024 * 1024, '7');
    const std::string key(1024 * 1024, 'k');
    struct Case {
        const char* name;
        std::string document;
        std::string start;  // of the message
    };
    const Case cases[] = {
        {"a 15 MB number", "{\"WindowHeight\": " + number + "}",
         "ошибка в строке 1, столбце 15728657: число слишком велико"},
        {"a 15 MB number as text", "{\"WindowHeight\": \"" + number + "\"}",
         "Ключ \"WindowHeight\" содержит текст длиннее"},
        {"a 15 MB fraction", "{\"WindowHeight\": 0." + number + "}", "Ключ \"WindowHeight\" содержит текст длиннее"},
        {"a 15 MB number cut short", "{\"WindowHeight\": " + number, "ошибка в строке 1, столбце "},
        {"a 15 MB number in a list", "{\"WindowOrientations\": [0." + number + "]}", "Ключ \"WindowOrientations\""},
        {"a 1 MB key", "{\"" + key + "\": 1}", "Неизвестный ключ \"kkkk"},
        {"a 1 MB key not closed", "{\"" + key, "ошибка в строке 1, столбце "},
        {"a 1 MB key with a bad escape", "{\"" + key + "\\q\": 1}", "ошибка в строке 1, столбце 1048580"},
        {"a 1 MB city", "{\"City\": \"" + key.substr(0, 999) + "\"}", "Город «kkkk"},
        {"a 1 MB orientation", "{\"WallOrientations\": [\"" + key.substr(0, 999) + "\"]}",
         "Ключ \"WallOrientations\" содержит неизвестную сторону света \"kkkk"},
        {"a long room name",
         R"({"format": "solargain-project", "version": 2, "inputs": {"Rooms": [{"Name": ")" + key.substr(0, 199) +
             R"(", "Windows": 5}]}})",
         "Помещение «kkkk"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string message = MessageOf([&] { ReadAnyProjectOrBuilding(c.document); });
        EXPECT_EQ(message.rfind(c.start, 0), 0u) << message.substr(0, 300);
        EXPECT_LT(message.size(), kShortMessage) << message.substr(0, 300);
    }
}

}  // namespace
