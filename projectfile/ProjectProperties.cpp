#include "ProjectProperties.h"

#include <set>

#include "BuildingDocument.h"
#include "CalcError.h"
#include "InputKeys.h"
#include "JsonTree.h"

namespace {

// Where a refusal lies.
constexpr std::string_view kWhere = "Свойства проекта";

// clang-format off
const std::array<PropertyField, 6> kFields{{
    {"Object",       "Объект",         &ProjectProperties::Object,       kMaxBuildingNameLength, false},
    {"Address",      "Адрес",          &ProjectProperties::Address,      kMaxBuildingNameLength, false},
    {"Organisation", "Организация",    &ProjectProperties::Organisation, kMaxBuildingNameLength, false},
    {"Author",       "Расчёт выполнил", &ProjectProperties::Author,      kMaxBuildingNameLength, false},
    {"CheckedBy",    "Проверил",       &ProjectProperties::CheckedBy,    kMaxBuildingNameLength, false},
    {"Notes",        "Примечания",     &ProjectProperties::Notes,        kMaxInputTextLength,    true},
}};
// clang-format on

[[noreturn]] void Refuse(const std::string& what) { throw CalcError(std::string(kWhere) + ": " + what); }

const PropertyField* FieldOf(std::string_view key) {
    for (const PropertyField& f : kFields)
        if (f.key == key) return &f;
    return nullptr;
}

std::string KnownKeys() {
    std::string text;
    for (const PropertyField& f : kFields) text += (text.empty() ? "" : ", ") + std::string(f.key);
    return text;
}

}  // namespace

const std::array<PropertyField, 6>& PropertyFields() { return kFields; }

bool IsEmpty(const ProjectProperties& properties) { return properties == ProjectProperties{}; }

nlohmann::ordered_json WritePropertiesJson(const ProjectProperties& properties) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const PropertyField& f : kFields) {
        const std::string& text = properties.*f.text;
        if (!text.empty()) object[std::string(f.key)] = text;
    }
    return object;
}

ProjectProperties ReadPropertiesJson(const JsonNode& object) {
    if (object.type != JsonNode::Type::Object) Refuse("должны быть объектом JSON");
    ProjectProperties properties;
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < object.keys.size(); ++i) {
        const std::string& key = object.keys[i];
        const PropertyField* field = FieldOf(key);
        if (field == nullptr) Refuse("Неизвестный ключ " + Quoted(key) + " (известны: " + KnownKeys() + ")");
        if (!seen.insert(field->key).second) Refuse(KeyWhere(key) + " указан дважды");
        const JsonNode& value = object.items[i];
        if (value.type != JsonNode::Type::Text) Refuse(KeyWhere(key) + " должен быть текстом");
        try {
            properties.*field->text = TextValue(value, KeyWhere(key), field->maxLength);
        } catch (const CalcError& e) {
            Refuse(e.what());
        }
    }
    return properties;
}
