#pragma once

#include <string>
#include <string_view>
#include <vector>

// A JSON document as the project reader sees it: numbers keep the text they
// were written with, so that "1.50" or 15E-1 reach the conversions exactly as
// a user would type them, and an object keeps its keys in order, repeated
// ones included, so that the reader can refuse them.
struct JsonNode {
    enum class Type { Null, Boolean, Number, Text, List, Object };
    Type type = Type::Null;
    bool boolean = false;
    std::string text;               // a text, or a number as written
    std::vector<JsonNode> items;    // of a list, or the values of an object
    std::vector<std::string> keys;  // of an object: keys[i] names items[i]
};

// Parses a document; raises DocumentTextError with the place and the reason
// in Russian («ошибка в строке 3, столбце 14: строка не закрыта кавычкой;
// прочитано: «"abc»»), for a NUL byte, and for lists and objects nested too
// deeply.
JsonNode ParseJsonTree(std::string_view document);

// Line and column (1-based, the column in UTF-8 characters) of a byte of a text.
struct TextPlace {
    std::size_t line = 1;
    std::size_t column = 1;
};
TextPlace PlaceInText(std::string_view text, std::size_t byte);

// Raises DocumentTextError «в строке 2, столбце 5 стоит нулевой байт: это не
// текст» for the first NUL byte of `text`.
void RefuseNulBytes(std::string_view text);

// «"key"», as messages quote a key or a name (cut as ShortenedText cuts).
std::string Quoted(std::string_view key);
