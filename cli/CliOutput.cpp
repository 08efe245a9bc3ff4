#include "CliOutput.h"

#include <vector>

#include "Conversions.h"

using nlohmann::ordered_json;

namespace {

std::string Text(Decimal4 value) { return FormatDecimal4(value); }

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

std::string ResultsCsv(const ProjectResults& results) {
    std::string out;
    const ProjectTotals& t = results.Totals;
    CsvLine(out, HourHeader("Totals"));
    CsvLine(out, HourRow("WindowHourTotal", t.WindowHourTotal));
    CsvLine(out, HourRow("WallHourTotal", t.WallHourTotal));
    CsvLine(out, HourRow("RoofHourGain", t.RoofHourGain));
    CsvLine(out, HourRow("GrandHourTotal", t.GrandHourTotal));
    if (!results.Windows) return out;
    const ProjectWindowResults& w = *results.Windows;
    for (int o = 1; o <= kOrientationCount; ++o) {
        out += '\n';
        CsvLine(out, HourHeader(std::string(OrientationAt(o).name)));
        for (int f = 1; f <= kShownFieldCount; ++f) {
            const auto field = static_cast<WindowField>(f);
            std::vector<std::string> line{std::string(WindowFieldName(field))};
            for (int h = 1; h <= kHourCount; ++h) line.push_back(Text(w.Table.Record(o, h)[field]));
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
