#include "CliOutput.h"

#include <array>
#include <stdexcept>
#include <vector>

#include "Conversions.h"

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

std::string_view KindName(WindowKind kind) {
    switch (kind) {
        case WindowKind::Vertical:
            return "Vertical";
        case WindowKind::Inclined:
            return "Inclined";
        case WindowKind::Horizontal:
            return "Horizontal";
    }
    return "";
}

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

ordered_json WindowOrientationJson(const CliWindowResults& w, int o) {
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

ordered_json WindowsJson(const CliWindowResults& w) {
    ordered_json windows = ordered_json::object();
    windows["WindowKind"] = std::string(KindName(w.Kind));
    windows["InsolationCaption"] = w.InsolationCaption;
    ordered_json orientations = ordered_json::array();
    for (int o = 1; o <= kOrientationCount; ++o) orientations.push_back(WindowOrientationJson(w, o));
    windows["orientations"] = std::move(orientations);
    return windows;
}

void AddFigures(ordered_json& section, const CliConstructionFigures& f) {
    section["Resistance"] = Text(f.Resistance);
    section["Inertia"] = Text(f.Inertia);
    section["Lag"] = f.Lag;
    section["DampingProduct"] = Text(f.DampingProduct);
    section["Damping"] = Text(f.Damping);
}

ordered_json WallsJson(const CliWallResults& w) {
    ordered_json gains = ordered_json::object();
    for (int o = 1; o <= kOrientationCount; ++o) gains[std::string(OrientationAt(o).name)] = HourTexts(w.HourGain[o]);
    ordered_json walls = ordered_json::object();
    walls["WallHourGain"] = std::move(gains);
    AddFigures(walls, w.Figures);
    return walls;
}

ordered_json RoofJson(const CliRoofResults& r) {
    ordered_json roof = ordered_json::object();
    roof["RoofHourGain"] = HourTexts(r.HourGain);
    AddFigures(roof, r.Figures);
    return roof;
}

ordered_json TotalsJson(const CliTotals& t) {
    ordered_json totals = ordered_json::object();
    totals["WindowHourTotal"] = HourTexts(t.WindowHourTotal);
    totals["WallHourTotal"] = HourTexts(t.WallHourTotal);
    totals["RoofHourGain"] = HourTexts(t.RoofHourGain);
    totals["GrandHourTotal"] = HourTexts(t.GrandHourTotal);
    totals["WindowMaxHour"] = HourLabelOrNull(t.WindowMaxHour);
    totals["WallMaxHour"] = HourLabelOrNull(t.WallMaxHour);
    totals["RoofMaxHour"] = HourLabelOrNull(t.RoofMaxHour);
    totals["GrandMaxHour"] = std::string(HourLabel(t.GrandMaxHour));
    return totals;
}

ordered_json RadiationValuesJson(const CliRadiationValues& v) {
    ordered_json values = ordered_json::object();
    values["GainDirect"] = Text(v.GainDirect);
    values["GainDiffuse"] = Text(v.GainDiffuse);
    values["IrradDirect"] = Text(v.IrradDirect);
    values["IrradDiffuse"] = Text(v.IrradDiffuse);
    return values;
}

// One CSV line of fields.
void CsvLine(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        out += CsvField(fields[i]);
    }
    out += '\n';
}

std::vector<std::string> HourHeader(std::string first) {
    std::vector<std::string> line{std::move(first)};
    for (int h = 1; h <= kHourCount; ++h) line.emplace_back(HourLabel(h));
    return line;
}

std::vector<std::string> HourRow(std::string name, const HourValues& values) {
    std::vector<std::string> line{std::move(name)};
    for (int h = 1; h <= kHourCount; ++h) line.push_back(Text(values[h]));
    return line;
}

}  // namespace

std::string_view WindowFieldName(WindowField field) {
    for (const FieldName& f : kFieldNames) {
        if (f.field == field) return f.name;
    }
    throw std::out_of_range("not a shown field of the window hour table");
}

ordered_json ResultsJson(const CliResults& results) {
    ordered_json doc = ordered_json::object();
    doc["windows"] = results.Windows ? WindowsJson(*results.Windows) : ordered_json(nullptr);
    doc["walls"] = results.Walls ? WallsJson(*results.Walls) : ordered_json(nullptr);
    doc["roof"] = results.Roof ? RoofJson(*results.Roof) : ordered_json(nullptr);
    doc["totals"] = TotalsJson(results.Totals);
    return doc;
}

ordered_json RadiationJson(const CliRadiationTable& table) {
    ordered_json orientations = ordered_json::array();
    for (int o = 1; o <= kOrientationCount; ++o) {
        ordered_json hours = ordered_json::object();
        for (int h = 1; h <= kHourCount; ++h) {
            const CliRadiationHour& r = table.Hours[o][h];
            ordered_json hour = ordered_json::object();
            hour["Vertical"] = RadiationValuesJson(r.Vertical);
            hour["Horizontal"] = RadiationValuesJson(r.Horizontal);
            hour["SunAltitude"] = Text(r.SunAltitude);
            hour["SunAzimuth"] = Text(r.SunAzimuth);
            hours[std::string(HourLabel(h))] = std::move(hour);
        }
        ordered_json orientation = ordered_json::object();
        orientation["name"] = std::string(OrientationAt(o).name);
        orientation["hours"] = std::move(hours);
        orientations.push_back(std::move(orientation));
    }
    ordered_json doc = ordered_json::object();
    doc["Latitude"] = table.Latitude;
    doc["orientations"] = std::move(orientations);
    return doc;
}

ordered_json ErrorJson(const std::string& message) {
    ordered_json doc = ordered_json::object();
    doc["error"] = message;
    return doc;
}

std::string JsonText(const ordered_json& document) {
    return document.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

std::string ResultsCsv(const CliResults& results) {
    std::string out;
    const CliTotals& t = results.Totals;
    CsvLine(out, HourHeader("Totals"));
    CsvLine(out, HourRow("WindowHourTotal", t.WindowHourTotal));
    CsvLine(out, HourRow("WallHourTotal", t.WallHourTotal));
    CsvLine(out, HourRow("RoofHourGain", t.RoofHourGain));
    CsvLine(out, HourRow("GrandHourTotal", t.GrandHourTotal));
    if (!results.Windows) return out;
    const CliWindowResults& w = *results.Windows;
    for (int o = 1; o <= kOrientationCount; ++o) {
        out += '\n';
        CsvLine(out, HourHeader(std::string(OrientationAt(o).name)));
        for (const FieldName& f : kFieldNames) {
            std::vector<std::string> line{std::string(f.name)};
            for (int h = 1; h <= kHourCount; ++h) line.push_back(Text(w.Table.Record(o, h)[f.field]));
            CsvLine(out, line);
        }
    }
    return out;
}

std::string RadiationCsv(const CliRadiationTable& table) {
    std::string out;
    CsvLine(out, {"Orientation", "Hour", "VerticalGainDirect", "VerticalGainDiffuse", "VerticalIrradDirect",
                  "VerticalIrradDiffuse", "HorizontalGainDirect", "HorizontalGainDiffuse", "HorizontalIrradDirect",
                  "HorizontalIrradDiffuse", "SunAltitude", "SunAzimuth"});
    for (int o = 1; o <= kOrientationCount; ++o) {
        for (int h = 1; h <= kHourCount; ++h) {
            const CliRadiationHour& r = table.Hours[o][h];
            CsvLine(out, {std::string(OrientationAt(o).name), std::string(HourLabel(h)), Text(r.Vertical.GainDirect),
                          Text(r.Vertical.GainDiffuse), Text(r.Vertical.IrradDirect), Text(r.Vertical.IrradDiffuse),
                          Text(r.Horizontal.GainDirect), Text(r.Horizontal.GainDiffuse), Text(r.Horizontal.IrradDirect),
                          Text(r.Horizontal.IrradDiffuse), Text(r.SunAltitude), Text(r.SunAzimuth)});
        }
    }
    return out;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}
