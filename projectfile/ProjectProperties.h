#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

struct JsonNode;

// What the title block of a report says about the project: the object, who
// made and who checked the calculation, and notes. Texts as typed; the
// calculation never reads them.
struct ProjectProperties {
    std::string Object;        // the building's name
    std::string Address;       // where it stands
    std::string Organisation;  // who made the calculation
    std::string Author;
    std::string CheckedBy;
    std::string Notes;  // several lines
    friend bool operator==(const ProjectProperties&, const ProjectProperties&) = default;
};

// One property: its key in the document, its caption in Russian, its text in
// the struct and the longest text it takes, in characters.
struct PropertyField {
    std::string_view key;
    std::string_view caption;
    std::string ProjectProperties::*text;
    std::size_t maxLength;
    bool multiline;
};

// The properties in the order the dialog and the title block show them.
const std::array<PropertyField, 6>& PropertyFields();

// True when no property is given.
bool IsEmpty(const ProjectProperties& properties);

// The object of the inputs document: the keys of the properties given.
nlohmann::ordered_json WritePropertiesJson(const ProjectProperties& properties);

// Reads that object. Every key is optional; a key repeated or unknown, a
// value that is not a text or a text too long is refused with a CalcError
// naming it («Свойства проекта: Неизвестный ключ "Autor" (известны: …)»).
ProjectProperties ReadPropertiesJson(const JsonNode& object);
