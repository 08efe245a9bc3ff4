#include "CliProject.h"

#include <cstdint>
#include <set>
#include <utility>

#include <nlohmann/json.hpp>

#include "CalcError.h"
#include "Construction.h"
#include "Conversions.h"
#include "DerivedInputs.h"
#include "EnvelopeGains.h"
#include "SolarRadiation.h"
#include "ThermalProperties.h"
#include "Totals.h"

namespace {

// ---------------------------------------------------------------------------
// The JSON document as read: numbers keep the text they were written with, so
// that "1.50" or 15E-1 reach the conversions exactly as a user would type them.

struct JsonNode {
    enum class Type { Null, Boolean, Number, Text, List, Object };
    Type type = Type::Null;
    bool boolean = false;
    std::string text;               // a text, or a number as written
    std::vector<JsonNode> items;    // of a list, or the values of an object
    std::vector<std::string> keys;  // of an object: keys[i] names items[i]
};

// Nothing in a project nests deeper than three levels; a limit keeps a
// hostile document from exhausting the stack when the tree is destroyed.
constexpr std::size_t kMaxNesting = 32;

using Json = nlohmann::json;

class JsonBuilder : public nlohmann::json_sax<Json> {
public:
    JsonNode root;
    std::string error;

    bool null() override { return Add(JsonNode{}); }
    bool boolean(bool value) override {
        JsonNode n;
        n.type = JsonNode::Type::Boolean;
        n.boolean = value;
        return Add(std::move(n));
    }
    bool number_integer(number_integer_t value) override { return Number(std::to_string(value)); }
    bool number_unsigned(number_unsigned_t value) override { return Number(std::to_string(value)); }
    bool number_float(number_float_t, const string_t& written) override { return Number(written); }
    bool string(string_t& value) override {
        JsonNode n;
        n.type = JsonNode::Type::Text;
        n.text = std::move(value);
        return Add(std::move(n));
    }
    bool binary(binary_t&) override { return Fail("binary values are not JSON text"); }
    bool start_object(std::size_t) override {
        JsonNode n;
        n.type = JsonNode::Type::Object;
        return Open(std::move(n));
    }
    bool key(string_t& name) override {
        pendingKey_ = std::move(name);
        return true;
    }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override {
        JsonNode n;
        n.type = JsonNode::Type::List;
        return Open(std::move(n));
    }
    bool end_array() override { return Close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& ex) override {
        // "[json.exception.parse_error.101] parse error at line 1, column 2: ..."
        std::string what = ex.what();
        const std::size_t bracket = what.find("] ");
        if (bracket != std::string::npos) what.erase(0, bracket + 2);
        return Fail(what);
    }

private:
    std::vector<JsonNode*> open_;
    std::string pendingKey_;

    bool Fail(const std::string& message) {
        if (error.empty()) error = "The project is not a JSON document: " + message;
        return false;
    }
    bool Number(std::string written) {
        JsonNode n;
        n.type = JsonNode::Type::Number;
        n.text = std::move(written);
        return Add(std::move(n));
    }
    JsonNode* Place(JsonNode&& n) {
        if (open_.empty()) {
            root = std::move(n);
            return &root;
        }
        JsonNode& parent = *open_.back();
        if (parent.type == JsonNode::Type::Object) {
            parent.keys.push_back(std::move(pendingKey_));
            pendingKey_.clear();
        }
        parent.items.push_back(std::move(n));
        return &parent.items.back();
    }
    bool Add(JsonNode&& n) {
        Place(std::move(n));
        return true;
    }
    bool Open(JsonNode&& n) {
        if (open_.size() >= kMaxNesting) {
            error = "The project nests lists and objects too deeply";
            return false;
        }
        open_.push_back(Place(std::move(n)));
        return true;
    }
    bool Close() {
        open_.pop_back();
        return true;
    }
};

JsonNode ParseDocument(std::string_view document) {
    JsonBuilder builder;
    const bool ok = Json::sax_parse(document.begin(), document.end(), &builder);
    if (!ok || !builder.error.empty()) {
        throw CalcError(builder.error.empty() ? "The project is not a JSON document" : builder.error);
    }
    return std::move(builder.root);
}

// ---------------------------------------------------------------------------
// The project's keys.

std::string Quoted(std::string_view key) { return "\"" + std::string(key) + "\""; }

[[noreturn]] void Refuse(const std::string& where, const std::string& what) { throw CalcError(where + " " + what); }

std::string TextOf(const JsonNode& value, const std::string& where) {
    if (value.type == JsonNode::Type::Text || value.type == JsonNode::Type::Number) return value.text;
    Refuse(where, "must be a text or a number");
}

bool BooleanOf(const JsonNode& value, const std::string& where) {
    if (value.type == JsonNode::Type::Boolean) return value.boolean;
    Refuse(where, "must be true or false");
}

WindowKind KindOf(const JsonNode& value, const std::string& where) {
    if (value.type == JsonNode::Type::Text) {
        if (value.text == "Vertical") return WindowKind::Vertical;
        if (value.text == "Inclined") return WindowKind::Inclined;
        if (value.text == "Horizontal") return WindowKind::Horizontal;
    }
    Refuse(where, "must be \"Vertical\", \"Inclined\" or \"Horizontal\"");
}

std::array<bool, kOrientationCount> OrientationsOf(const JsonNode& value, const std::string& where) {
    if (value.type != JsonNode::Type::List) Refuse(where, "must be a list of orientation names");
    std::array<bool, kOrientationCount> checked{};
    for (const JsonNode& item : value.items) {
        if (item.type != JsonNode::Type::Text) Refuse(where, "must be a list of orientation names");
        const int o = OrientationByName(item.text);
        if (o == 0) {
            Refuse(where, "has an unknown orientation " + Quoted(item.text) +
                              " (known: С, СВ, В, ЮВ, Ю, ЮЗ, З, СЗ or N, NE, E, SE, S, SW, W, NW)");
        }
        checked[static_cast<std::size_t>(o - 1)] = true;
    }
    return checked;
}

std::vector<LayerEntryTexts> LayerListOf(const JsonNode& value, const std::string& where) {
    if (value.type != JsonNode::Type::List) Refuse(where, "must be a list of layers");
    if (value.items.size() > static_cast<std::size_t>(kMaxLayers)) {
        Refuse(where, "lists " + std::to_string(value.items.size()) + " layers; a construction holds at most " +
                          std::to_string(kMaxLayers));
    }
    std::vector<LayerEntryTexts> layers;
    for (std::size_t i = 0; i < value.items.size(); ++i) {
        const JsonNode& item = value.items[i];
        const std::string layerWhere = where + "[" + std::to_string(i + 1) + "]";
        if (item.type != JsonNode::Type::Object) {
            Refuse(layerWhere, "must be an object with MaterialName, HeatAbsorption, Conductivity and Thickness");
        }
        LayerEntryTexts layer;
        struct Part {
            std::string_view key;
            std::string LayerEntryTexts::*text;
            bool required;
            bool seen;
        };
        std::array<Part, 4> parts{{
            {"MaterialName", &LayerEntryTexts::Name, false, false},
            {"HeatAbsorption", &LayerEntryTexts::HeatAbsorption, true, false},
            {"Conductivity", &LayerEntryTexts::Conductivity, true, false},
            {"Thickness", &LayerEntryTexts::Thickness, true, false},
        }};
        for (std::size_t k = 0; k < item.keys.size(); ++k) {
            const std::string& key = item.keys[k];
            Part* part = nullptr;
            for (Part& p : parts) {
                if (p.key == key) part = &p;
            }
            if (part == nullptr) Refuse(layerWhere, "has an unknown key " + Quoted(key));
            if (part->seen) Refuse(layerWhere, "has the key " + Quoted(key) + " twice");
            part->seen = true;
            layer.*(part->text) = TextOf(item.items[k], layerWhere + "." + key);
        }
        for (const Part& p : parts) {
            if (p.required && !p.seen) Refuse(layerWhere, "has no " + Quoted(p.key));
        }
        layers.push_back(std::move(layer));
    }
    return layers;
}

// The text keys: the control's text in the project, and the flag that records
// that the document gave it (for the texts the input page derives).
struct TextKey {
    std::string_view key;
    std::string* (*text)(CliProject&);
    bool CliProject::*given;
};

// clang-format off
const std::array<TextKey, 26> kTextKeys{{
    {"Latitude",            [](CliProject& p) { return &p.Window.Latitude; },            nullptr},
    {"WindowHeight",        [](CliProject& p) { return &p.Window.WindowHeight; },        nullptr},
    {"WindowWidth",         [](CliProject& p) { return &p.Window.WindowWidth; },         nullptr},
    {"WindowCount",         [](CliProject& p) { return &p.WindowCount; },                nullptr},
    {"ShadeHorizLength",    [](CliProject& p) { return &p.Window.ShadeHorizLength; },    &CliProject::GivenShadeHorizLength},
    {"ShadeVertLength",     [](CliProject& p) { return &p.Window.ShadeVertLength; },     &CliProject::GivenShadeVertLength},
    {"ShadeHorizOffset",    [](CliProject& p) { return &p.Window.ShadeHorizOffset; },    nullptr},
    {"ShadeVertOffset",     [](CliProject& p) { return &p.Window.ShadeVertOffset; },     nullptr},
    {"OutdoorMeanTemp",     [](CliProject& p) { return &p.Window.OutdoorMeanTemp; },     nullptr},
    {"IndoorTemp",          [](CliProject& p) { return &p.Window.IndoorTemp; },          nullptr},
    {"OutdoorAmplitude",    [](CliProject& p) { return &p.Window.OutdoorAmplitude; },    nullptr},
    {"RelativePenetration", [](CliProject& p) { return &p.Window.RelativePenetration; }, nullptr},
    {"GlazingAbsorptance",  [](CliProject& p) { return &p.Window.GlazingAbsorptance; },  nullptr},
    {"GlazingResistance",   [](CliProject& p) { return &p.Window.GlazingResistance; },   nullptr},
    {"GlazingArea",         [](CliProject& p) { return &p.Window.GlazingArea; },         &CliProject::GivenGlazingArea},
    {"WindowOuterCoeff",    [](CliProject& p) { return &p.Window.WindowOuterCoeff; },    &CliProject::GivenWindowOuterCoeff},
    {"EnvelopeOuterCoeff",  [](CliProject& p) { return &p.Window.EnvelopeOuterCoeff; },  &CliProject::GivenEnvelopeOuterCoeff},
    {"GlazingTilt",         [](CliProject& p) { return &p.Window.GlazingTilt; },         nullptr},
    {"FrameShading",        [](CliProject& p) { return &p.Window.FrameShading; },        nullptr},
    {"WindSpeed",           [](CliProject& p) { return &p.Window.WindSpeed; },           &CliProject::GivenWindSpeed},
    {"WallArea",            [](CliProject& p) { return &p.WallArea; },                   nullptr},
    {"WallAbsorptance",     [](CliProject& p) { return &p.WallAbsorptance; },            nullptr},
    {"WallInnerResistance", [](CliProject& p) { return &p.WallInnerResistance; },        nullptr},
    {"RoofArea",            [](CliProject& p) { return &p.RoofArea; },                   nullptr},
    {"RoofAbsorptance",     [](CliProject& p) { return &p.RoofAbsorptance; },            nullptr},
    {"UnderRoofTemp",       [](CliProject& p) { return &p.UnderRoofTemp; },              nullptr},
}};
// clang-format on

// Every other key, with what its value must be.
void ReadOtherKey(CliProject& p, const std::string& key, const JsonNode& value) {
    const std::string where = Quoted(key);
    if (key == "WindowKind") {
        p.Kind = KindOf(value, where);
    } else if (key == "Windows") {
        p.Windows = BooleanOf(value, where);
    } else if (key == "Walls") {
        p.Walls = BooleanOf(value, where);
    } else if (key == "Roof") {
        p.Roof = BooleanOf(value, where);
    } else if (key == "WindowOrientations") {
        p.WindowOrientations = OrientationsOf(value, where);
    } else if (key == "WallOrientations") {
        p.WallOrientations = OrientationsOf(value, where);
    } else if (key == "WallLayers") {
        p.WallLayers = LayerListOf(value, where);
    } else if (key == "RoofLayers") {
        p.RoofLayers = LayerListOf(value, where);
    } else if (key == "WallLayerCount") {
        p.WallLayerCount = TextOf(value, where);
    } else if (key == "RoofLayerCount") {
        p.RoofLayerCount = TextOf(value, where);
    } else {
        throw CalcError("Unknown key " + where);
    }
}

}  // namespace

int OrientationByName(std::string_view name) {
    for (const Orientation& o : kOrientations) {
        if (name == o.name || name == o.latin) return o.index;
    }
    return 0;
}

CliProject ReadCliProject(std::string_view document) {
    const JsonNode root = ParseDocument(document);
    if (root.type != JsonNode::Type::Object) throw CalcError("The project must be a JSON object of named inputs");
    CliProject p;
    std::set<std::string_view> seen;
    for (std::size_t k = 0; k < root.keys.size(); ++k) {
        const std::string& key = root.keys[k];
        const JsonNode& value = root.items[k];
        if (!seen.insert(key).second) throw CalcError("The key " + Quoted(key) + " is given twice");
        bool isText = false;
        for (const TextKey& t : kTextKeys) {
            if (t.key != key) continue;
            *t.text(p) = TextOf(value, Quoted(key));
            if (t.given != nullptr) p.*(t.given) = true;
            isText = true;
        }
        if (!isText) ReadOtherKey(p, key, value);
    }
    return p;
}

namespace {

// ---------------------------------------------------------------------------
// The input page, typed from its start-up state.

// The outer coefficients as the wind speed shows them (Edit5Change, and the
// radio buttons); a coefficient the document gives stays as given.
void ShowOuterCoeffs(const CliProject& p, WindowInputTexts& texts, bool windowCoeff) {
    const std::optional<OuterCoeffTexts> shown = TypeWindSpeed(texts.WindSpeed, windowCoeff);
    if (!shown) return;
    if (shown->Window && !p.GivenWindowOuterCoeff) texts.WindowOuterCoeff = *shown->Window;
    if (!p.GivenEnvelopeOuterCoeff) texts.EnvelopeOuterCoeff = shown->Envelope;
}

// The texts of the window and site controls once the document's inputs are
// typed: the window kind chosen first (its radio button sets the shading
// lengths and shows the coefficients), then the window size and count (the
// opening area follows), then the wind speed (the coefficients follow).
// Vertical glazing is the start-up choice, so choosing it runs no handler.
// A text the document gives stays as given.
WindowInputTexts TypeInputPage(const CliProject& p) {
    WindowInputTexts texts = p.Window;
    if (p.Kind != WindowKind::Vertical) {
        const WindowKindSwitch chosen = KindSwitch(p.Kind);
        if (chosen.ShadeHorizText && !p.GivenShadeHorizLength) texts.ShadeHorizLength = *chosen.ShadeHorizText;
        if (chosen.ShadeVertText && !p.GivenShadeVertLength) texts.ShadeVertLength = *chosen.ShadeVertText;
        ShowOuterCoeffs(p, texts, chosen.WindowCoeff);
    }
    if (!p.GivenGlazingArea) {
        const std::optional<std::string> area = OpeningAreaText(texts.WindowHeight, texts.WindowWidth, p.WindowCount);
        if (area) texts.GlazingArea = *area;
    }
    if (p.GivenWindSpeed) ShowOuterCoeffs(p, texts, true);
    return texts;
}

// The layer count typed into its edit, then each layer typed into the entry
// row and confirmed with the Enter button, from layer 1 on.
void EnterLayers(Construction c, const std::optional<std::string>& countText,
                 const std::vector<LayerEntryTexts>& layers, std::string_view layersKey, std::string_view countKey) {
    const std::string count = countText ? *countText : std::to_string(layers.size());
    SetLayerCount(c, count);
    ResistanceAfterCountChange(c);
    if (static_cast<long long>(layers.size()) > LayerCountOf(c)) {
        throw CalcError(Quoted(layersKey) + " lists more layers (" + std::to_string(layers.size()) + ") than " +
                        Quoted(countKey) + " (" + count + ")");
    }
    const GridCellWriter noGrid = [](int, int, const std::string&) {};
    for (const LayerEntryTexts& layer : layers) {
        EnterLayer(c, layer, noGrid);
        ResistanceAfterEntry(c);
    }
}

CliConstructionFigures FiguresOf(Construction c) {
    const ThermalProperties t =
        ComputeThermalProperties(LayersOf(c), LayerCountOf(c), OuterCoeffOf(c),
                                 c == Construction::Wall ? kWallNegativeInertiaMessage : kRoofNegativeInertiaMessage);
    return {t.Resistance, t.Inertia, t.Lag, t.DampingProduct, t.Damping};
}

TotalsInputTexts TotalsInputsOf(const CliProject& p) {
    TotalsInputTexts in;
    in.Latitude = p.Window.Latitude;
    in.WindSpeed = p.Window.WindSpeed;
    in.OutdoorMeanTemp = p.Window.OutdoorMeanTemp;
    in.IndoorTemp = p.Window.IndoorTemp;
    in.OutdoorAmplitude = p.Window.OutdoorAmplitude;
    in.WallInnerResistance = p.WallInnerResistance;
    in.WallAbsorptance = p.WallAbsorptance;
    in.WallArea = p.WallArea;
    in.RoofArea = p.RoofArea;
    in.RoofAbsorptance = p.RoofAbsorptance;
    in.UnderRoofTemp = p.UnderRoofTemp;
    in.Windows = p.Windows;
    in.Walls = p.Walls;
    in.Roof = p.Roof;
    in.WindowOrientations = p.WindowOrientations;
    in.WallOrientations = p.WallOrientations;
    return in;
}

}  // namespace

CliResults RunCliProject(const CliProject& p) {
    ResetProjectState();
    CliResults results;

    // Input page.
    const WindowInputTexts windowTexts = TypeInputPage(p);
    if (!p.Windows) ClearWindowHeatGain();  // "Окна" is checked at start-up
    EnterLayers(Construction::Wall, p.WallLayerCount, p.WallLayers, "WallLayers", "WallLayerCount");
    EnterLayers(Construction::Roof, p.RoofLayerCount, p.RoofLayers, "RoofLayers", "RoofLayerCount");

    // Windows page.
    if (p.Windows) {
        const WindowRunResult run = RunWindowComputation(windowTexts, p.Kind);
        CliWindowResults& w = results.Windows.emplace();
        w.Kind = p.Kind;
        w.InsolationCaption = std::string(run.InsolationCaption);
        w.Table = Project.WindowHours;
        w.PeakGain = Project.WindowPeakGain;
        w.PeakHour = Project.WindowPeakHour;
    }

    // Totals page.
    TotalsView view;
    ShowTotalsPage(TotalsInputsOf(p), view);
    CliTotals& t = results.Totals;
    t.WindowHourTotal = Project.WindowHourTotal;
    t.WallHourTotal = Project.WallHourTotal;
    t.RoofHourGain = Project.RoofHourGain;
    t.GrandHourTotal = Project.GrandHourTotal;
    t.WindowMaxHour = view.WindowMaxHour;
    t.WallMaxHour = view.WallMaxHour;
    t.RoofMaxHour = view.RoofMaxHour;
    t.GrandMaxHour = view.GrandMaxHour;

    // The construction figures the gains rest on, from the same functions and
    // inputs as the page's wall and roof steps, and the roof gains as computed,
    // before the page rounded them to whole watts.
    if (p.Walls) {
        CliWallResults& w = results.Walls.emplace();
        w.HourGain = Project.WallHourGain;
        w.Figures = FiguresOf(Construction::Wall);
    }
    if (p.Roof) {
        CliRoofResults& r = results.Roof.emplace();
        r.HourGain = Project.RoofHourGainExact;
        r.Figures = FiguresOf(Construction::Roof);
    }
    return results;
}

CliRadiationTable ComputeRadiationTable(std::string_view latitudeText) {
    ResetProjectState();
    CliRadiationTable table;
    table.Latitude = ReadLatitude(latitudeText);
    Project.Latitude = table.Latitude;
    const auto copy = [&table](auto&& store) {
        for (int o = 1; o <= kOrientationCount; ++o) {
            for (int h = 1; h <= kHourCount; ++h) store(table.Hours[o][h], Project.WindowHours.Record(o, h));
        }
    };
    const auto radiation = [](CliRadiationValues& v, const WindowHourRecord& r) {
        v = {r[WindowField::GainDirect], r[WindowField::GainDiffuse], r[WindowField::IrradDirect],
             r[WindowField::IrradDiffuse]};
    };
    FillVerticalRadiation();
    copy([&](CliRadiationHour& out, const WindowHourRecord& r) { radiation(out.Vertical, r); });
    FillHorizontalRadiation();
    copy([&](CliRadiationHour& out, const WindowHourRecord& r) { radiation(out.Horizontal, r); });
    FillSunPosition();
    copy([](CliRadiationHour& out, const WindowHourRecord& r) {
        out.SunAltitude = r[WindowField::SunAltitude];
        out.SunAzimuth = r[WindowField::SunAzimuth];
    });
    return table;
}
