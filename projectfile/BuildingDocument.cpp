// The building's inputs: which keys each part holds, the project of one
// element, and the building document read and written.

#include "BuildingDocument.h"

#include <set>
#include <stdexcept>

#include "CalcError.h"
#include "InputKeys.h"
#include "JsonTree.h"
#include "QuotedText.h"

using nlohmann::ordered_json;

namespace {

// clang-format off
const std::vector<std::string_view> kSiteKeys{
    "City", "Latitude", "OutdoorMeanTemp", "OutdoorAmplitude", "WindSpeed",
    "WindowOuterCoeff", "EnvelopeOuterCoeff", "OperatingConditions"};
const std::vector<std::string_view> kWindowKeys{
    "WindowKind", "WindowHeight", "WindowWidth", "WindowCount",
    "ShadeHorizLength", "ShadeVertLength", "ShadeHorizOffset", "ShadeVertOffset",
    "RelativePenetration", "GlazingAbsorptance", "GlazingResistance", "GlazingArea",
    "GlazingTilt", "FrameShading", "WindowOrientations"};
const std::vector<std::string_view> kWallKeys{
    "WallArea", "WallAbsorptance", "WallInnerResistance", "WallLayerCount", "WallLayers", "WallOrientations"};
const std::vector<std::string_view> kRoofKeys{
    "RoofArea", "RoofAbsorptance", "UnderRoofTemp", "RoofLayerCount", "RoofLayers"};
// clang-format on

// The keys of the building document's own objects.
constexpr std::string_view kNameKey = "Name";
constexpr std::string_view kIndoorTempKey = "IndoorTemp";
constexpr std::string_view kSiteKey = "Site";
constexpr std::string_view kRoomsKey = "Rooms";
constexpr std::string_view kWindowsKey = "Windows";
constexpr std::string_view kWallsKey = "Walls";
constexpr std::string_view kRoofKey = "Roof";
constexpr std::string_view kIncludedKey = "Included";
constexpr std::string_view kPropertiesKey = "Properties";

// What each part is called in a message, and the check box of its element.
struct PartWords {
    BuildingPart part;
    std::string_view noun;  // «окно», «стена», «покрытие»
    bool ProjectInputs::*checkBox;
};
// clang-format off
constexpr std::array<PartWords, 3> kPartWords{{
    {BuildingPart::Window, "окно",     &ProjectInputs::Windows},
    {BuildingPart::Wall,   "стена",    &ProjectInputs::Walls},
    {BuildingPart::Roof,   "покрытие", &ProjectInputs::Roof},
}};
// clang-format on
constexpr std::string_view kSiteWhere = "Район строительства";

const PartWords& WordsOf(BuildingPart part) {
    for (const PartWords& w : kPartWords) {
        if (w.part == part) return w;
    }
    throw std::logic_error("the site is no element");
}

// The names a project's one room and its elements get in a building.
constexpr const char* kProjectRoomName = "1";
constexpr const char* kProjectWindowName = "Окна";
constexpr const char* kProjectWallName = "Стены";
constexpr const char* kProjectRoofName = "Покрытие";

// «noun «name»», numbered («noun 3 «name»», «noun 3») when the name is empty
// or shared with another of `names`.
std::string NumberedLabel(std::string_view noun, const std::vector<std::string>& names, std::size_t index) {
    const std::string& name = names[index];
    std::size_t holders = 0;
    for (const std::string& other : names) holders += other == name ? 1 : 0;
    std::string label(noun);
    if (name.empty() || holders > 1) label += " " + std::to_string(index + 1);
    if (!name.empty()) label += " " + QuotedText(name);
    return label;
}

// «покрытие «name»», or «покрытие»: a room has one roof at most.
std::string RoofLabelOf(const std::string& name) {
    return std::string(WordsOf(BuildingPart::Roof).noun) + (name.empty() ? "" : " " + QuotedText(name));
}

template <class Named>
std::vector<std::string> NamesOf(const std::vector<Named>& items) {
    std::vector<std::string> names;
    names.reserve(items.size());
    for (const Named& item : items) names.push_back(item.Name);
    return names;
}

// ---------------------------------------------------------------------------
// Reading. A refusal names where it lies: the site, or the room and the
// element, then the key.

[[noreturn]] void RefuseAt(const std::string& where, const std::string& what) { throw CalcError(where + ": " + what); }

std::string KnownKeysText(std::initializer_list<std::string_view> own, const std::vector<std::string_view>& keys) {
    std::string text;
    for (const std::string_view key : own) text += (text.empty() ? "" : ", ") + std::string(key);
    for (const std::string_view key : keys) text += (text.empty() ? "" : ", ") + std::string(key);
    return text;
}

// The keys of an object, each at most once and each one of `known`.
void CheckKeys(const JsonNode& object, const std::string& where, std::initializer_list<std::string_view> own,
               const std::vector<std::string_view>& keys) {
    std::set<std::string_view> seen;
    for (const std::string& key : object.keys) {
        if (!seen.insert(key).second) RefuseAt(where, KeyWhere(key) + " указан дважды");
        bool known = false;
        for (const std::string_view k : own) known = known || k == key;
        for (const std::string_view k : keys) known = known || k == key;
        if (!known) {
            RefuseAt(where, "Неизвестный ключ " + Quoted(key) + " (известны: " + KnownKeysText(own, keys) + ")");
        }
    }
}

const JsonNode* Member(const JsonNode& object, std::string_view key) {
    for (std::size_t i = 0; i < object.keys.size(); ++i) {
        if (object.keys[i] == key) return &object.items[i];
    }
    return nullptr;
}

// The name an object gives, or empty (also for one that does not read: the
// reading refuses it later, under a numbered label).
std::string NameOf(const JsonNode& object) {
    const JsonNode* name = object.type == JsonNode::Type::Object ? Member(object, kNameKey) : nullptr;
    if (name == nullptr) return "";
    try {
        return TextValue(*name, "", kMaxBuildingNameLength);
    } catch (const CalcError&) {
        return "";
    }
}

std::string NameValue(const JsonNode& object, const std::string& where) {
    const JsonNode* name = Member(object, kNameKey);
    if (name == nullptr) return "";
    try {
        return TextValue(*name, KeyWhere(kNameKey), kMaxBuildingNameLength);
    } catch (const CalcError& e) {
        RefuseAt(where, e.what());
    }
}

// The keys of a part from its object into `p`; returns the keys given.
std::set<std::string_view> ReadPartKeys(const JsonNode& object, const std::string& where, ProjectInputs& p) {
    std::set<std::string_view> given;
    for (std::size_t i = 0; i < object.keys.size(); ++i) {
        const std::string& key = object.keys[i];
        if (key == kNameKey || key == kIncludedKey) continue;
        try {
            ReadInputKey(p, key, object.items[i]);
        } catch (const CalcError& e) {
            RefuseAt(where, e.what());
        }
        given.insert(key);
    }
    return given;
}

SiteInputs SiteOf(const JsonNode& object) {
    const std::string where(kSiteWhere);
    if (object.type != JsonNode::Type::Object) RefuseAt(where, "Ключ \"Site\" должен быть объектом JSON");
    CheckKeys(object, where, {}, kSiteKeys);
    SiteInputs site;
    const std::set<std::string_view> given = ReadPartKeys(object, where, site.Inputs);
    try {
        FillFromCity(site.Inputs, given);
    } catch (const CalcError& e) {
        RefuseAt(where, e.what());
    }
    return site;
}

ElementInputs ElementOf(const JsonNode& object, const std::string& where, BuildingPart part) {
    if (object.type != JsonNode::Type::Object) RefuseAt(where, "должно быть объектом JSON");
    CheckKeys(object, where, {kNameKey, kIncludedKey}, KeysOfPart(part));
    ElementInputs element;
    element.Name = NameValue(object, where);
    if (const JsonNode* included = Member(object, kIncludedKey)) {
        if (included->type != JsonNode::Type::Boolean)
            RefuseAt(where, KeyWhere(kIncludedKey) + " должен быть true или false");
        element.Included = included->boolean;
    }
    ReadPartKeys(object, where, element.Inputs);
    return element;
}

std::vector<ElementInputs> ElementListOf(const JsonNode* list, const std::string& roomWhere, std::string_view key,
                                         BuildingPart part) {
    std::vector<ElementInputs> elements;
    if (list == nullptr) return elements;
    if (list->type != JsonNode::Type::List) RefuseAt(roomWhere, KeyWhere(key) + " должен быть списком");
    std::vector<std::string> names;
    for (const JsonNode& item : list->items) names.push_back(NameOf(item));
    for (std::size_t i = 0; i < list->items.size(); ++i) {
        const std::string where = roomWhere + ", " + NumberedLabel(WordsOf(part).noun, names, i);
        elements.push_back(ElementOf(list->items[i], where, part));
    }
    return elements;
}

RoomInputs RoomOf(const JsonNode& object, const std::string& where) {
    if (object.type != JsonNode::Type::Object) RefuseAt(where, "должно быть объектом JSON");
    CheckKeys(object, where, {kNameKey, kIndoorTempKey, kWindowsKey, kWallsKey, kRoofKey}, {});
    RoomInputs room;
    room.Name = NameValue(object, where);
    if (const JsonNode* indoor = Member(object, kIndoorTempKey)) {
        try {
            room.IndoorTemp = TextValue(*indoor, KeyWhere(kIndoorTempKey));
        } catch (const CalcError& e) {
            RefuseAt(where, e.what());
        }
    }
    room.Windows = ElementListOf(Member(object, kWindowsKey), where, kWindowsKey, BuildingPart::Window);
    room.Walls = ElementListOf(Member(object, kWallsKey), where, kWallsKey, BuildingPart::Wall);
    const JsonNode* roof = Member(object, kRoofKey);
    if (roof != nullptr && roof->type != JsonNode::Type::Null) {
        room.Roof = ElementOf(*roof, where + ", " + RoofLabelOf(NameOf(*roof)), BuildingPart::Roof);
    }
    return room;
}

BuildingInputs BuildingOfTree(const JsonNode& object) {
    if (object.type != JsonNode::Type::Object) {
        throw CalcError("Ключ \"inputs\" должен быть объектом JSON с ключами \"Site\" и \"Rooms\"");
    }
    std::set<std::string_view> seen;
    for (const std::string& key : object.keys) {
        if (!seen.insert(key).second) throw CalcError(KeyWhere(key) + " указан дважды");
        if (key != kSiteKey && key != kRoomsKey && key != kPropertiesKey) {
            throw CalcError("Неизвестный ключ " + Quoted(key) + " здания (известны: Site, Rooms, Properties)");
        }
    }
    BuildingInputs building;
    if (const JsonNode* properties = Member(object, kPropertiesKey)) {
        building.Properties = ReadPropertiesJson(*properties);
    }
    if (const JsonNode* site = Member(object, kSiteKey)) building.Site = SiteOf(*site);
    const JsonNode* rooms = Member(object, kRoomsKey);
    if (rooms == nullptr) return building;
    if (rooms->type != JsonNode::Type::List) throw CalcError("Ключ \"Rooms\" должен быть списком помещений");
    if (rooms->items.size() > kMaxRooms) {
        throw CalcError("Ключ \"Rooms\" перечисляет больше " + std::to_string(kMaxRooms) + " помещений (" +
                        std::to_string(rooms->items.size()) + ")");
    }
    std::vector<std::string> names;
    for (const JsonNode& item : rooms->items) names.push_back(NameOf(item));
    std::size_t elements = 0;
    for (std::size_t i = 0; i < rooms->items.size(); ++i) {
        const std::string where = NumberedLabel("Помещение", names, i);
        const RoomInputs& room = building.Rooms.emplace_back(RoomOf(rooms->items[i], where));
        elements += room.Windows.size() + room.Walls.size() + (room.Roof ? 1 : 0);
        if (elements > kMaxBuildingElements) {
            RefuseAt(where, "в здании больше " + std::to_string(kMaxBuildingElements) +
                                " окон, стен и покрытий; разделите его на несколько проектов");
        }
    }
    return building;
}

// A bare document of a building rather than of a project: it has "Site" or "Rooms".
bool IsBuildingTree(const JsonNode& object) {
    return Member(object, kSiteKey) != nullptr || Member(object, kRoomsKey) != nullptr;
}

// ---------------------------------------------------------------------------
// Writing.

ordered_json PartJson(const ProjectInputs& p, BuildingPart part) {
    ordered_json object = ordered_json::object();
    for (const std::string_view key : KeysOfPart(part)) WriteInputKey(p, key, object);
    return object;
}

ordered_json ElementJson(const ElementInputs& element, BuildingPart part) {
    ordered_json object = ordered_json::object();
    object[std::string(kNameKey)] = element.Name;
    if (!element.Included) object[std::string(kIncludedKey)] = false;
    object.update(PartJson(element.Inputs, part));
    return object;
}

ordered_json RoomJson(const RoomInputs& room) {
    ordered_json object = ordered_json::object();
    object[std::string(kNameKey)] = room.Name;
    object[std::string(kIndoorTempKey)] = room.IndoorTemp;
    ordered_json windows = ordered_json::array();
    for (const ElementInputs& w : room.Windows) windows.push_back(ElementJson(w, BuildingPart::Window));
    object[std::string(kWindowsKey)] = std::move(windows);
    ordered_json walls = ordered_json::array();
    for (const ElementInputs& w : room.Walls) walls.push_back(ElementJson(w, BuildingPart::Wall));
    object[std::string(kWallsKey)] = std::move(walls);
    if (room.Roof) object[std::string(kRoofKey)] = ElementJson(*room.Roof, BuildingPart::Roof);
    return object;
}

}  // namespace

const std::vector<std::string_view>& KeysOfPart(BuildingPart part) {
    switch (part) {
        case BuildingPart::Site:
            return kSiteKeys;
        case BuildingPart::Window:
            return kWindowKeys;
        case BuildingPart::Wall:
            return kWallKeys;
        case BuildingPart::Roof:
            return kRoofKeys;
    }
    throw std::logic_error("an unknown part of a building");
}

void CopyPartKeys(const ProjectInputs& from, ProjectInputs& to, BuildingPart part) {
    for (const std::string_view key : KeysOfPart(part)) CopyInputKey(from, to, key);
}

bool SamePartInputs(const ProjectInputs& a, const ProjectInputs& b, BuildingPart part) {
    return PartJson(a, part) == PartJson(b, part);
}

ProjectInputs ElementProject(const SiteInputs& site, const RoomInputs& room, BuildingPart part,
                             const ElementInputs& element) {
    ProjectInputs p;
    CopyPartKeys(site.Inputs, p, BuildingPart::Site);
    p.Window.IndoorTemp = room.IndoorTemp;
    CopyPartKeys(element.Inputs, p, part);
    for (const PartWords& w : kPartWords) p.*w.checkBox = w.part == part;
    return p;
}

BuildingInputs BuildingOfProject(const ProjectInputs& project) {
    BuildingInputs building;
    CopyPartKeys(project, building.Site.Inputs, BuildingPart::Site);
    RoomInputs& room = building.Rooms.emplace_back();
    room.Name = kProjectRoomName;
    room.IndoorTemp = project.Window.IndoorTemp;
    const ProjectInputs blank;
    const auto element = [&project, &blank](const char* name, BuildingPart part,
                                            bool included) -> std::optional<ElementInputs> {
        if (!included && SamePartInputs(project, blank, part)) return std::nullopt;
        ElementInputs e{name, {}, included};
        CopyPartKeys(project, e.Inputs, part);
        return e;
    };
    if (auto w = element(kProjectWindowName, BuildingPart::Window, project.Windows)) room.Windows.push_back(*w);
    if (auto w = element(kProjectWallName, BuildingPart::Wall, project.Walls)) room.Walls.push_back(*w);
    room.Roof = element(kProjectRoofName, BuildingPart::Roof, project.Roof);
    return building;
}

std::string_view PartNoun(BuildingPart part) { return WordsOf(part).noun; }

std::string RoomLabel(const std::vector<RoomInputs>& rooms, std::size_t index) {
    return NumberedLabel("Помещение", NamesOf(rooms), index);
}

std::string ElementLabel(const std::vector<ElementInputs>& elements, std::size_t index, BuildingPart part) {
    return NumberedLabel(WordsOf(part).noun, NamesOf(elements), index);
}

std::string RoofLabel(const ElementInputs& roof) { return RoofLabelOf(roof.Name); }

ordered_json WriteBuildingInputsJson(const BuildingInputs& building) {
    ordered_json doc = ordered_json::object();
    doc[std::string(kSiteKey)] = PartJson(building.Site.Inputs, BuildingPart::Site);
    ordered_json rooms = ordered_json::array();
    for (const RoomInputs& room : building.Rooms) rooms.push_back(RoomJson(room));
    doc[std::string(kRoomsKey)] = std::move(rooms);
    if (!IsEmpty(building.Properties)) doc[std::string(kPropertiesKey)] = WritePropertiesJson(building.Properties);
    return doc;
}

std::string WriteBuildingFile(const BuildingInputs& building, const BuildingOutcome& outcome) {
    ordered_json doc = ordered_json::object();
    doc["format"] = std::string(kProjectFormat);
    doc["version"] = kBuildingFormatVersion;
    doc["inputs"] = WriteBuildingInputsJson(building);
    doc["results"] = WriteBuildingOutcomeJson(outcome);
    return JsonDocumentText(doc);
}

AnyProject ReadAnyProjectOrBuilding(std::string_view text) {
    if (!IsJsonDocumentText(text)) return {std::nullopt, ReadAnyProject(text)};
    const JsonNode root = ParseJsonTree(text);
    if (root.type == JsonNode::Type::Object) {
        if (IsProjectFileTree(root)) {
            const ProjectFileTree file = ProjectFileTreeOf(root, kBuildingFormatVersion);
            if (file.Version == kBuildingFormatVersion) return {BuildingOfTree(*file.Inputs), std::nullopt};
            return {std::nullopt, ProjectInputsOfTree(*file.Inputs)};
        }
        if (IsBuildingTree(root)) return {BuildingOfTree(root), std::nullopt};
        return {std::nullopt, ProjectInputsOfTree(root)};
    }
    return {std::nullopt, ReadProjectDocument(text)};
}

BuildingInputs ReadAnyBuilding(std::string_view text) {
    AnyProject any = ReadAnyProjectOrBuilding(text);
    return any.Building ? std::move(*any.Building) : BuildingOfProject(*any.Project);
}

std::vector<StoredResultDifference> StoredBuildingDifferences(std::string_view text, const BuildingOutcome& computed) {
    const ordered_json root = ordered_json::parse(text, nullptr, false);
    if (!root.is_object() || !root.contains("format") || !root.contains("results")) return {};
    return StoredJsonDifferences(root["results"], WriteBuildingOutcomeJson(computed));
}
