// The results as JSON, and the full project file.

#include <stdexcept>

#include "Conversions.h"
#include "ProjectDocument.h"

using nlohmann::ordered_json;

namespace {

struct FieldName {
    WindowField field;
    std::string_view name;
};

// clang-format off
constexpr std::array<FieldName, kShownFieldCount> kFieldNames{{
    { WindowField::GainDirect,       "GainDirect"       },
    { WindowField::GainDiffuse,      "GainDiffuse"      },
    { WindowField::SunAltitude,      "SunAltitude"      },
    { WindowField::SunAzimuth,       "SunAzimuth"       },
    { WindowField::FacadeAzimuth,    "FacadeAzimuth"    },
    { WindowField::SunFacadeAzimuth, "SunFacadeAzimuth" },
    { WindowField::BetaAngle,        "BetaAngle"        },
    { WindowField::IrradDirect,      "IrradDirect"      },
    { WindowField::IrradDiffuse,     "IrradDiffuse"     },
    { WindowField::TempWaveCoeff,    "TempWaveCoeff"    },
    { WindowField::InsolationCoeff,  "InsolationCoeff"  },
    { WindowField::IrradiationCoeff, "IrradiationCoeff" },
    { WindowField::FluxRadiation,    "FluxRadiation"    },
    { WindowField::CondOutdoorTemp,  "CondOutdoorTemp"  },
    { WindowField::FluxTransfer,     "FluxTransfer"     },
    { WindowField::FluxTotal,        "FluxTotal"        },
    { WindowField::HeatGain,         "HeatGain"         },
}};
// clang-format on

std::string Text(Decimal4 value) { return FormatDecimal4(value); }

ordered_json HourLabelOrNull(const std::optional<int>& hour) {
    if (!hour) return nullptr;
    return std::string(HourLabel(*hour));
}

// {"8-9": "…", …, "17-18": "…"}
ordered_json HourTexts(const HourValues& values) {
    ordered_json row = ordered_json::object();
    for (int h = 1; h <= kHourCount; ++h) row[std::string(HourLabel(h))] = Text(values[h]);
    return row;
}

ordered_json WindowOrientationJson(const ProjectWindowResults& w, int o) {
    ordered_json hours = ordered_json::object();
    for (int h = 1; h <= kHourCount; ++h) {
        const WindowHourRecord& record = w.Table.Record(o, h);
        ordered_json fields = ordered_json::object();
        for (const FieldName& f : kFieldNames) fields[std::string(f.name)] = Text(record[f.field]);
        hours[std::string(HourLabel(h))] = std::move(fields);
    }
    ordered_json orientation = ordered_json::object();
    orientation["name"] = std::string(OrientationAt(o).name);
    orientation["hours"] = std::move(hours);
    orientation["WindowPeakGain"] = Text(w.PeakGain[o]);
    const int peak = w.PeakHour[o];
    orientation["WindowPeakHour"] =
        HourLabelOrNull(peak >= 1 && peak <= kHourCount ? std::optional<int>(peak) : std::nullopt);
    return orientation;
}

ordered_json WindowsJson(const ProjectWindowResults& w) {
    ordered_json windows = ordered_json::object();
    windows["WindowKind"] = std::string(WindowKindName(w.Kind));
    windows["InsolationCaption"] = w.InsolationCaption;
    ordered_json orientations = ordered_json::array();
    for (int o = 1; o <= kOrientationCount; ++o) orientations.push_back(WindowOrientationJson(w, o));
    windows["orientations"] = std::move(orientations);
    return windows;
}

void AddFigures(ordered_json& section, const ConstructionFigures& f) {
    section["Resistance"] = Text(f.Resistance);
    section["Inertia"] = Text(f.Inertia);
    section["Lag"] = f.Lag;
    section["DampingProduct"] = Text(f.DampingProduct);
    section["Damping"] = Text(f.Damping);
}

ordered_json WallsJson(const ProjectWallResults& w) {
    ordered_json gains = ordered_json::object();
    for (int o = 1; o <= kOrientationCount; ++o) gains[std::string(OrientationAt(o).name)] = HourTexts(w.HourGain[o]);
    ordered_json walls = ordered_json::object();
    walls["WallHourGain"] = std::move(gains);
    AddFigures(walls, w.Figures);
    return walls;
}

ordered_json RoofJson(const ProjectRoofResults& r) {
    ordered_json roof = ordered_json::object();
    roof["RoofHourGain"] = HourTexts(r.HourGain);
    AddFigures(roof, r.Figures);
    return roof;
}

ordered_json TotalsJson(const ProjectTotals& t) {
    ordered_json totals = ordered_json::object();
    totals["WindowHourTotal"] = HourTexts(t.WindowHourTotal);
    totals["WallHourTotal"] = HourTexts(t.WallHourTotal);
    totals["RoofHourGain"] = HourTexts(t.RoofHourGain);
    totals["GrandHourTotal"] = HourTexts(t.GrandHourTotal);
    totals["WindowMaxHour"] = HourLabelOrNull(t.WindowMaxHour);
    totals["WallMaxHour"] = HourLabelOrNull(t.WallMaxHour);
    totals["RoofMaxHour"] = HourLabelOrNull(t.RoofMaxHour);
    totals["GrandMaxHour"] = HourLabelOrNull(t.GrandMaxHour);
    if (t.NoGain) totals["NoGainNote"] = *t.NoGain;
    return totals;
}

}  // namespace

std::string_view WindowFieldName(WindowField field) {
    for (const FieldName& f : kFieldNames) {
        if (f.field == field) return f.name;
    }
    throw std::out_of_range("not a shown field of the window hour table");
}

ordered_json WriteProjectResultsJson(const ProjectResults& results) {
    ordered_json doc = ordered_json::object();
    doc["windows"] = results.Windows ? WindowsJson(*results.Windows) : ordered_json(nullptr);
    doc["walls"] = results.Walls ? WallsJson(*results.Walls) : ordered_json(nullptr);
    doc["roof"] = results.Roof ? RoofJson(*results.Roof) : ordered_json(nullptr);
    doc["totals"] = TotalsJson(results.Totals);
    return doc;
}

ordered_json ErrorJson(const std::string& message) {
    ordered_json doc = ordered_json::object();
    doc["error"] = message;
    return doc;
}

ordered_json WriteProjectOutcomeJson(const ProjectOutcome& outcome) {
    if (const ProjectError* error = std::get_if<ProjectError>(&outcome)) return ErrorJson(error->Message);
    return WriteProjectResultsJson(std::get<ProjectResults>(outcome));
}

std::string JsonDocumentText(const ordered_json& document) {
    return document.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

std::string WriteProjectFile(const ProjectInputs& inputs, const ProjectOutcome& outcome) {
    ordered_json doc = ordered_json::object();
    doc["format"] = std::string(kProjectFormat);
    doc["version"] = kProjectFormatVersion;
    doc["inputs"] = WriteProjectInputsJson(inputs);
    doc["results"] = WriteProjectOutcomeJson(outcome);
    return JsonDocumentText(doc);
}
