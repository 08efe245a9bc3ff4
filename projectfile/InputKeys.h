#pragma once

#include <set>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "JsonTree.h"
#include "ProjectDocument.h"

// The keys of the inputs document one by one, shared by the project document
// and the building document, which groups the same keys by site, room and
// element: each key is read, written and copied by the one table of keys.

// «Ключ "key"», as a message names a key.
std::string KeyWhere(std::string_view key);

// A text value (a JSON number is taken as written) of at most `maxLength`
// characters; raises CalcError naming `where` otherwise.
std::string TextValue(const JsonNode& value, const std::string& where, std::size_t maxLength = kMaxInputTextLength);

// Reads the value of the input key `key` into `p`; an unknown key is refused
// with «Неизвестный ключ "key"», a value of the wrong kind naming the key.
void ReadInputKey(ProjectInputs& p, const std::string& key, const JsonNode& value);

// Writes the input key `key` of `p` into `doc` as the inputs document writes
// it (a derived text or a layer count only when it was given).
void WriteInputKey(const ProjectInputs& p, std::string_view key, nlohmann::ordered_json& doc);

// Copies what the input key `key` stands for (and whether it was given)
// from `from` to `to`.
void CopyInputKey(const ProjectInputs& from, ProjectInputs& to, std::string_view key);

// The climate inputs a city sets that the document left out (`given` holds
// the keys it gave), from the city's row of the climate table.
void FillFromCity(ProjectInputs& p, const std::set<std::string_view>& given);

// The inputs of a bare inputs document's object.
ProjectInputs ProjectInputsOfTree(const JsonNode& object);

// Whether a document's object is a full project file (it has "format").
bool IsProjectFileTree(const JsonNode& root);

// The version and the inputs object of a full project file, its wrapper
// checked: "format" and "version" as written (a version above `newest` is
// refused, asking for a newer program), "inputs" an object, "results" (if
// present) an object, no other key, no key twice.
struct ProjectFileTree {
    int Version = 0;
    const JsonNode* Inputs = nullptr;
};
ProjectFileTree ProjectFileTreeOf(const JsonNode& root, int newest);
