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

// Parses a document; raises CalcError «Проект не является документом JSON: …»
// with the parser's reason, or for lists and objects nested too deeply.
JsonNode ParseJsonTree(std::string_view document);

// «"key"», as messages quote a key or a name.
std::string Quoted(std::string_view key);
