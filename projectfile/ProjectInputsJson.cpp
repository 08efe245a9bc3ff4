// The inputs document: one table of its keys, read and written from it.

#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "CalcError.h"
#include "Cities.h"
#include "InputKeys.h"
#include "JsonTree.h"
#include "ProjectDocument.h"
#include "TableText.h"

using nlohmann::ordered_json;

bool operator==(const WindowInputTexts& a, const WindowInputTexts& b) {
    for (const InputControl* input : WindowInputs()) {
        if (a.*input->windowText != b.*input->windowText) return false;
    }
    return true;
}

namespace {

// ---------------------------------------------------------------------------
// The keys of the inputs document, in the order they are written.

enum class KeyKind { Text, Kind, CheckBox, Orientations, Conditions, LayerCount, Layers };

using P = ProjectInputs;
using T = WindowInputTexts;

struct InputKey {
    std::string_view name;
    KeyKind kind;
    std::string T::*windowText = nullptr;  // Text: one of the windows page's inputs...
    std::string P::*text = nullptr;        // ...or another text
    bool P::*flag = nullptr;               // Text: that the document gave the derived text; CheckBox: the box
    std::array<bool, kOrientationCount> P::*orientations = nullptr;
    std::optional<std::string> P::*count = nullptr;
    LayerList P::*layers = nullptr;
    std::string_view input = {};  // the input of a text not among the windows page's inputs
};

// clang-format off
constexpr std::array<InputKey, 38> kInputKeys{{
    {.name = "City",                .kind = KeyKind::Text, .text = &P::City},
    {.name = "Latitude",            .kind = KeyKind::Text, .windowText = &T::Latitude},
    {.name = "WindowHeight",        .kind = KeyKind::Text, .windowText = &T::WindowHeight},
    {.name = "WindowWidth",         .kind = KeyKind::Text, .windowText = &T::WindowWidth},
    {.name = "WindowCount",         .kind = KeyKind::Text, .text = &P::WindowCount,         .input = "WindowCount"},
    {.name = "ShadeHorizLength",    .kind = KeyKind::Text, .windowText = &T::ShadeHorizLength,    .flag = &P::GivenShadeHorizLength},
    {.name = "ShadeVertLength",     .kind = KeyKind::Text, .windowText = &T::ShadeVertLength,     .flag = &P::GivenShadeVertLength},
    {.name = "ShadeHorizOffset",    .kind = KeyKind::Text, .windowText = &T::ShadeHorizOffset},
    {.name = "ShadeVertOffset",     .kind = KeyKind::Text, .windowText = &T::ShadeVertOffset},
    {.name = "OutdoorMeanTemp",     .kind = KeyKind::Text, .windowText = &T::OutdoorMeanTemp},
    {.name = "IndoorTemp",          .kind = KeyKind::Text, .windowText = &T::IndoorTemp},
    {.name = "OutdoorAmplitude",    .kind = KeyKind::Text, .windowText = &T::OutdoorAmplitude},
    {.name = "RelativePenetration", .kind = KeyKind::Text, .windowText = &T::RelativePenetration},
    {.name = "GlazingAbsorptance",  .kind = KeyKind::Text, .windowText = &T::GlazingAbsorptance},
    {.name = "GlazingResistance",   .kind = KeyKind::Text, .windowText = &T::GlazingResistance},
    {.name = "GlazingArea",         .kind = KeyKind::Text, .windowText = &T::GlazingArea,         .flag = &P::GivenGlazingArea},
    {.name = "WindowOuterCoeff",    .kind = KeyKind::Text, .windowText = &T::WindowOuterCoeff,    .flag = &P::GivenWindowOuterCoeff},
    {.name = "EnvelopeOuterCoeff",  .kind = KeyKind::Text, .windowText = &T::EnvelopeOuterCoeff,  .flag = &P::GivenEnvelopeOuterCoeff},
    {.name = "GlazingTilt",         .kind = KeyKind::Text, .windowText = &T::GlazingTilt},
    {.name = "FrameShading",        .kind = KeyKind::Text, .windowText = &T::FrameShading},
    {.name = "WindSpeed",           .kind = KeyKind::Text, .windowText = &T::WindSpeed,           .flag = &P::GivenWindSpeed},
    {.name = "WallArea",            .kind = KeyKind::Text, .text = &P::WallArea,            .input = "WallArea"},
    {.name = "WallAbsorptance",     .kind = KeyKind::Text, .text = &P::WallAbsorptance,     .input = "WallAbsorptance"},
    {.name = "WallInnerResistance", .kind = KeyKind::Text, .text = &P::WallInnerResistance, .input = "WallInnerResistance"},
    {.name = "RoofArea",            .kind = KeyKind::Text, .text = &P::RoofArea,            .input = "RoofArea"},
    {.name = "RoofAbsorptance",     .kind = KeyKind::Text, .text = &P::RoofAbsorptance,     .input = "RoofAbsorptance"},
    {.name = "UnderRoofTemp",       .kind = KeyKind::Text, .text = &P::UnderRoofTemp,       .input = "UnderRoofTemp"},
    {.name = "WindowKind",          .kind = KeyKind::Kind},
    {.name = "Windows",             .kind = KeyKind::CheckBox, .flag = &P::Windows},
    {.name = "Walls",               .kind = KeyKind::CheckBox, .flag = &P::Walls},
    {.name = "Roof",                .kind = KeyKind::CheckBox, .flag = &P::Roof},
    {.name = "WindowOrientations",  .kind = KeyKind::Orientations, .orientations = &P::WindowOrientations},
    {.name = "WallOrientations",    .kind = KeyKind::Orientations, .orientations = &P::WallOrientations},
    {.name = "OperatingConditions", .kind = KeyKind::Conditions},
    {.name = "WallLayerCount",      .kind = KeyKind::LayerCount,   .count = &P::WallLayerCount, .input = "WallLayerCount"},
    {.name = "WallLayers",          .kind = KeyKind::Layers,       .layers = &P::WallLayers},
    {.name = "RoofLayerCount",      .kind = KeyKind::LayerCount,   .count = &P::RoofLayerCount, .input = "RoofLayerCount"},
    {.name = "RoofLayers",          .kind = KeyKind::Layers,       .layers = &P::RoofLayers},
}};
// clang-format on

// The text a key stands for, in a project or a read-only one.
template <class Inputs>
auto& TextOf(Inputs& p, const InputKey& k) {
    return k.windowText != nullptr ? p.Window.*k.windowText : p.*k.text;
}

// The parts of a layer object, in the order they are written, with the
// inputs of the wall's and the roof's entry rows they are typed into.
struct LayerPart {
    std::string_view key;
    std::string LayerEntryTexts::*text;
    bool required;
    std::string_view wallInput;
    std::string_view roofInput;
};
constexpr std::array<LayerPart, 4> kLayerParts{{
    {"MaterialName", &LayerEntryTexts::Name, false, "WallLayerMaterial", "RoofLayerMaterial"},
    {"HeatAbsorption", &LayerEntryTexts::HeatAbsorption, true, "WallLayerHeatAbsorption", "RoofLayerHeatAbsorption"},
    {"Conductivity", &LayerEntryTexts::Conductivity, true, "WallLayerConductivity", "RoofLayerConductivity"},
    {"Thickness", &LayerEntryTexts::Thickness, true, "WallLayerThickness", "RoofLayerThickness"},
}};

constexpr std::array<std::string_view, 3> kKindNames{"Vertical", "Inclined", "Horizontal"};

// ---------------------------------------------------------------------------
// Reading. `where` names the value in a message: «Ключ "Walls"», «Слой 2 в
// "WallLayers"», «Ключ "Thickness" слоя 2 в "WallLayers"».

}  // namespace

std::string KeyWhere(std::string_view key) { return "Ключ " + Quoted(key); }

namespace {

[[noreturn]] void Refuse(const std::string& where, const std::string& what) { throw CalcError(where + " " + what); }

}  // namespace

std::string TextValue(const JsonNode& value, const std::string& where, std::size_t maxLength) {
    if (value.type != JsonNode::Type::Text && value.type != JsonNode::Type::Number) {
        Refuse(where, "должен быть текстом или числом");
    }
    if (CharacterCount(value.text) > maxLength) {
        Refuse(where, "содержит текст длиннее " + std::to_string(maxLength) + " знаков");
    }
    return value.text;
}

namespace {

bool BooleanValue(const JsonNode& value, const std::string& where) {
    if (value.type == JsonNode::Type::Boolean) return value.boolean;
    Refuse(where, "должен быть true или false");
}

WindowKind KindValue(const JsonNode& value, const std::string& where) {
    for (std::size_t i = 0; i < kKindNames.size(); ++i) {
        if (value.type == JsonNode::Type::Text && value.text == kKindNames[i]) return static_cast<WindowKind>(i);
    }
    Refuse(where, "должен быть \"Vertical\", \"Inclined\" или \"Horizontal\"");
}

Conditions ConditionsValue(const JsonNode& value, const std::string& where) {
    if (value.type == JsonNode::Type::Text) {
        if (const std::optional<Conditions> c = ConditionsNamed(value.text)) return *c;
    }
    Refuse(where, "должен быть \"А\" или \"Б\"");
}

std::array<bool, kOrientationCount> OrientationsValue(const JsonNode& value, const std::string& where) {
    if (value.type != JsonNode::Type::List) Refuse(where, "должен быть списком названий сторон света");
    std::array<bool, kOrientationCount> checked{};
    for (const JsonNode& item : value.items) {
        if (item.type != JsonNode::Type::Text) Refuse(where, "должен быть списком названий сторон света");
        const int o = OrientationByName(item.text);
        if (o == 0) {
            Refuse(where, "содержит неизвестную сторону света " + Quoted(item.text) +
                              " (известны: С, СВ, В, ЮВ, Ю, ЮЗ, З, СЗ или N, NE, E, SE, S, SW, W, NW)");
        }
        checked[static_cast<std::size_t>(o - 1)] = true;
    }
    return checked;
}

LayerEntryTexts LayerValue(const JsonNode& item, const std::string& where, const std::string& partWhere) {
    if (item.type != JsonNode::Type::Object) {
        Refuse(where, "должен быть объектом с ключами MaterialName, HeatAbsorption, Conductivity, Thickness или null");
    }
    LayerEntryTexts layer;
    std::array<bool, kLayerParts.size()> seen{};
    for (std::size_t k = 0; k < item.keys.size(); ++k) {
        const std::string& key = item.keys[k];
        std::size_t part = 0;
        while (part < kLayerParts.size() && kLayerParts[part].key != key) ++part;
        if (part == kLayerParts.size()) Refuse(where, "содержит неизвестный ключ " + Quoted(key));
        if (seen[part]) Refuse(where, "содержит ключ " + Quoted(key) + " дважды");
        seen[part] = true;
        layer.*kLayerParts[part].text = TextValue(item.items[k], KeyWhere(key) + " " + partWhere);
    }
    for (std::size_t part = 0; part < kLayerParts.size(); ++part) {
        if (kLayerParts[part].required && !seen[part])
            Refuse(where, "не содержит ключа " + Quoted(kLayerParts[part].key));
    }
    return layer;
}

LayerList LayersValue(const JsonNode& value, std::string_view key) {
    const std::string where = KeyWhere(key);
    if (value.type != JsonNode::Type::List) Refuse(where, "должен быть списком слоёв");
    if (value.items.size() > static_cast<std::size_t>(kMaxLayers)) {
        Refuse(where, "перечисляет больше " + std::to_string(kMaxLayers) + " слоёв (" +
                          std::to_string(value.items.size()) + ")");
    }
    LayerList layers;
    for (std::size_t i = 0; i < value.items.size(); ++i) {
        const JsonNode& item = value.items[i];
        if (item.type == JsonNode::Type::Null) {
            layers.emplace_back();
            continue;
        }
        const std::string number = std::to_string(i + 1);
        layers.emplace_back(
            LayerValue(item, "Слой " + number + " в " + Quoted(key), "слоя " + number + " в " + Quoted(key)));
    }
    return layers;
}

void ReadKey(ProjectInputs& p, const InputKey& k, const JsonNode& value) {
    const std::string where = KeyWhere(k.name);
    switch (k.kind) {
        case KeyKind::Text:
            TextOf(p, k) = TextValue(value, where);
            if (k.flag != nullptr) p.*k.flag = true;
            break;
        case KeyKind::Kind:
            p.Kind = KindValue(value, where);
            break;
        case KeyKind::CheckBox:
            p.*k.flag = BooleanValue(value, where);
            break;
        case KeyKind::Orientations:
            p.*k.orientations = OrientationsValue(value, where);
            break;
        case KeyKind::Conditions:
            p.OperatingConditions = ConditionsValue(value, where);
            break;
        case KeyKind::LayerCount:
            p.*k.count = TextValue(value, where);
            break;
        case KeyKind::Layers:
            p.*k.layers = LayersValue(value, k.name);
            break;
    }
}

// ---------------------------------------------------------------------------
// Writing.

ordered_json OrientationsJson(const std::array<bool, kOrientationCount>& checked) {
    ordered_json list = ordered_json::array();
    for (int o = 1; o <= kOrientationCount; ++o) {
        if (checked[static_cast<std::size_t>(o - 1)]) list.push_back(std::string(OrientationAt(o).name));
    }
    return list;
}

ordered_json LayersJson(const LayerList& layers) {
    ordered_json list = ordered_json::array();
    for (const std::optional<LayerEntryTexts>& layer : layers) {
        if (!layer) {
            list.push_back(nullptr);
            continue;
        }
        ordered_json object = ordered_json::object();
        for (const LayerPart& part : kLayerParts) object[std::string(part.key)] = (*layer).*part.text;
        list.push_back(std::move(object));
    }
    return list;
}

void WriteKey(const ProjectInputs& p, const InputKey& k, ordered_json& doc) {
    const std::string name(k.name);
    switch (k.kind) {
        case KeyKind::Text:
            if (k.flag == nullptr || p.*k.flag) doc[name] = TextOf(p, k);
            break;
        case KeyKind::Kind:
            doc[name] = std::string(WindowKindName(p.Kind));
            break;
        case KeyKind::CheckBox:
            doc[name] = p.*k.flag;
            break;
        case KeyKind::Orientations:
            doc[name] = OrientationsJson(p.*k.orientations);
            break;
        case KeyKind::Conditions:
            doc[name] = std::string(ConditionsName(p.OperatingConditions));
            break;
        case KeyKind::LayerCount:
            if (p.*k.count) doc[name] = *(p.*k.count);
            break;
        case KeyKind::Layers:
            doc[name] = LayersJson(p.*k.layers);
            break;
    }
}

}  // namespace

bool operator==(const ProjectInputs&, const ProjectInputs&) = default;

int OrientationByName(std::string_view name) {
    for (const Orientation& o : kOrientations) {
        if (name == o.name || name == o.latin) return o.index;
    }
    return 0;
}

std::string_view WindowKindName(WindowKind kind) { return kKindNames.at(static_cast<std::size_t>(kind)); }

namespace {

constexpr const char* kNotAnObject = "Проект должен быть объектом JSON с именованными входными данными";

// The key of one of the windows page's texts.
std::string_view KeyOfText(std::string T::*text) {
    for (const InputKey& k : kInputKeys) {
        if (k.windowText == text) return k.name;
    }
    throw std::logic_error("a text of the windows page without its key");
}

}  // namespace

// The city is looked up only when one of its inputs is left out.
void FillFromCity(ProjectInputs& p, const std::set<std::string_view>& given) {
    if (Trimmed(p.City).empty()) return;
    std::vector<const CityInput*> missing;
    for (const CityInput& input : kCityInputs) {
        if (!given.contains(KeyOfText(InputControlOf(input.key).windowText))) missing.push_back(&input);
    }
    if (missing.empty()) return;
    const CityChoice choice = ChooseCity(CityNamed(p.City));
    for (const CityInput* input : missing) p.Window.*InputControlOf(input->key).windowText = choice.*input->text;
}

namespace {

const InputKey* KeyNamed(std::string_view name) {
    for (const InputKey& k : kInputKeys) {
        if (k.name == name) return &k;
    }
    return nullptr;
}

const InputKey& KnownKey(std::string_view name) {
    const InputKey* k = KeyNamed(name);
    if (k == nullptr) throw std::logic_error("not a key of the inputs document");
    return *k;
}

}  // namespace

void ReadInputKey(ProjectInputs& p, const std::string& key, const JsonNode& value) {
    const InputKey* k = KeyNamed(key);
    if (k == nullptr) throw CalcError("Неизвестный ключ " + Quoted(key));
    ReadKey(p, *k, value);
}

void WriteInputKey(const ProjectInputs& p, std::string_view key, ordered_json& doc) { WriteKey(p, KnownKey(key), doc); }

void CopyInputKey(const ProjectInputs& from, ProjectInputs& to, std::string_view key) {
    const InputKey& k = KnownKey(key);
    switch (k.kind) {
        case KeyKind::Text:
            TextOf(to, k) = TextOf(from, k);
            if (k.flag != nullptr) to.*k.flag = from.*k.flag;
            break;
        case KeyKind::Kind:
            to.Kind = from.Kind;
            break;
        case KeyKind::CheckBox:
            to.*k.flag = from.*k.flag;
            break;
        case KeyKind::Orientations:
            to.*k.orientations = from.*k.orientations;
            break;
        case KeyKind::Conditions:
            to.OperatingConditions = from.OperatingConditions;
            break;
        case KeyKind::LayerCount:
            to.*k.count = from.*k.count;
            break;
        case KeyKind::Layers:
            to.*k.layers = from.*k.layers;
            break;
    }
}

ProjectInputs ProjectInputsOfTree(const JsonNode& root) {
    ProjectInputs p;
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < root.keys.size(); ++i) {
        const std::string& key = root.keys[i];
        if (!seen.insert(key).second) throw CalcError(KeyWhere(key) + " указан дважды");
        ReadInputKey(p, key, root.items[i]);
    }
    FillFromCity(p, seen);
    return p;
}

namespace {

// The wrapper of a full project file, each key at most once.
struct ProjectFileKeys {
    const JsonNode* format = nullptr;
    const JsonNode* version = nullptr;
    const JsonNode* inputs = nullptr;
    const JsonNode* results = nullptr;
};

ProjectFileKeys FileKeysOf(const JsonNode& root) {
    ProjectFileKeys keys;
    for (std::size_t i = 0; i < root.keys.size(); ++i) {
        const std::string& key = root.keys[i];
        const JsonNode** slot = key == "format"    ? &keys.format
                                : key == "version" ? &keys.version
                                : key == "inputs"  ? &keys.inputs
                                : key == "results" ? &keys.results
                                                   : nullptr;
        if (slot == nullptr) {
            throw CalcError("Неизвестный ключ " + Quoted(key) +
                            " файла проекта (известны: format, version, inputs, results)");
        }
        if (*slot != nullptr) throw CalcError(KeyWhere(key) + " указан дважды");
        *slot = &root.items[i];
    }
    return keys;
}

void CheckFormat(const JsonNode& format) {
    if (format.type == JsonNode::Type::Text && format.text == kProjectFormat) return;
    std::string message = "Файл не является проектом: ключ \"format\" должен быть " + Quoted(kProjectFormat);
    if (format.type == JsonNode::Type::Text) message += ", а не " + Quoted(format.text);
    throw CalcError(message);
}

// The version 1..newest of a file; a newer one asks for a newer program.
int CheckVersion(const JsonNode& version, int newest) {
    const bool whole = version.type == JsonNode::Type::Number && !version.text.empty() &&
                       version.text.find_first_not_of("0123456789") == std::string::npos;
    if (!whole || version.text.find_first_not_of('0') == std::string::npos) {
        throw CalcError("Ключ \"version\" должен быть целым числом не меньше 1");
    }
    for (int v = 1; v <= newest; ++v) {
        if (version.text == std::to_string(v)) return v;
    }
    const std::string readable = newest == 1 ? "только версию 1" : "версии с 1 по " + std::to_string(newest);
    throw CalcError("Файл проекта записан в версии " + version.text + " формата, а эта программа читает " + readable +
                    "; откройте его более новой программой");
}

}  // namespace

ProjectInputs ReadProjectInputs(std::string_view document) {
    const JsonNode root = ParseJsonTree(document);
    if (root.type != JsonNode::Type::Object) throw CalcError(kNotAnObject);
    return ProjectInputsOfTree(root);
}

bool IsProjectFileTree(const JsonNode& root) {
    bool full = false;
    for (const std::string& key : root.keys) full = full || key == "format";
    return full;
}

ProjectFileTree ProjectFileTreeOf(const JsonNode& root, int newest) {
    const ProjectFileKeys keys = FileKeysOf(root);
    CheckFormat(*keys.format);
    if (keys.version == nullptr) throw CalcError("В файле проекта нет ключа \"version\"");
    const int version = CheckVersion(*keys.version, newest);
    if (keys.inputs == nullptr) throw CalcError("В файле проекта нет ключа \"inputs\"");
    if (keys.inputs->type != JsonNode::Type::Object) {
        throw CalcError("Ключ \"inputs\" должен быть объектом JSON с именованными входными данными");
    }
    if (keys.results != nullptr && keys.results->type != JsonNode::Type::Object) {
        throw CalcError("Ключ \"results\" должен быть объектом JSON");
    }
    return {version, keys.inputs};
}

ProjectInputs ReadProjectDocument(std::string_view document) {
    const JsonNode root = ParseJsonTree(document);
    if (root.type != JsonNode::Type::Object) throw CalcError(kNotAnObject);
    if (!IsProjectFileTree(root)) return ProjectInputsOfTree(root);
    return ProjectInputsOfTree(*ProjectFileTreeOf(root, kProjectFormatVersion).Inputs);
}

bool IsJsonDocumentText(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '{';
}

ProjectInputs InputsOfTableFile(const ProjectFileContents& contents) {
    ProjectInputs p;
    for (std::size_t line = 0; line < contents.header.size(); ++line) {
        const InputControl& input = *HeaderInputs()[line];
        const std::string& text = contents.header[line];
        if (input.windowText == nullptr) {
            // The one header line the windows page does not read: the window count n.
            if (input.key != "WindowCount") throw std::logic_error("a header line without an input of the document");
            p.WindowCount = text;
            continue;
        }
        p.Window.*input.windowText = text;
        for (const InputKey& k : kInputKeys) {
            if (k.windowText == input.windowText && k.flag != nullptr) p.*k.flag = true;
        }
    }
    p.Kind = TableFileKind(p, contents);
    return p;
}

ProjectInputs ReadAnyProject(std::string_view text) {
    if (IsJsonDocumentText(text)) return ReadProjectDocument(text);
    ProjectFileContents contents;
    try {
        contents = ParseProjectFile(text);
    } catch (const DocumentTextError&) {
        throw;  // empty: neither a document nor a table
    } catch (const CalcError& e) {
        throw CalcError(std::string("Файл не является ни документом проекта JSON (он не начинается с «{»), ни таблицей "
                                    "окон из 1379 строк: ") +
                        e.what());
    }
    return InputsOfTableFile(contents);
}

namespace {

// The key of the document a control's text comes from: "WindowHeight"; for
// the figure of a layer "WallLayers, слой 2, Thickness" (without the number
// when `layer` is 0); empty for a control no key gives.
std::string DocumentKeyOf(std::string_view control, int layer) {
    const InputControl* input = nullptr;
    for (const InputControl& candidate : InputControls())
        if (candidate.key == control) input = &candidate;
    if (input == nullptr) return {};
    for (const InputKey& k : kInputKeys) {
        if (k.kind == KeyKind::Layers) {
            const bool wall = k.layers == &P::WallLayers;
            for (const LayerPart& part : kLayerParts) {
                if ((wall ? part.wallInput : part.roofInput) != control) continue;
                std::string key(k.name);
                if (layer != 0) key += ", слой " + std::to_string(layer);
                return key + ", " + std::string(part.key);
            }
        } else if (k.input == control || (input->windowText != nullptr && k.windowText == input->windowText)) {
            return std::string(k.name);
        }
    }
    return {};
}

}  // namespace

std::string DocumentRefusalText(const CalcError& error) {
    const std::string key = DocumentKeyOf(error.Input(), error.Layer());
    if (key.empty()) return error.what();
    return key + " (" + InputName(InputControlOf(error.Input())) + "): " + error.ReasonOrMessage();
}

ordered_json WriteProjectInputsJson(const ProjectInputs& inputs) {
    ordered_json doc = ordered_json::object();
    for (const InputKey& k : kInputKeys) WriteKey(inputs, k, doc);
    return doc;
}
