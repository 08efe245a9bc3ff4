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

std::string RadiationCsv(const CliRadiationTable& table) {
    std::string out;
    AppendCsvLine(out, {"Orientation", "Hour", "VerticalGainDirect", "VerticalGainDiffuse", "VerticalIrradDirect",
                        "VerticalIrradDiffuse", "HorizontalGainDirect", "HorizontalGainDiffuse",
                        "HorizontalIrradDirect", "HorizontalIrradDiffuse", "SunAltitude", "SunAzimuth"});
    for (int o = 1; o <= kOrientationCount; ++o) {
        for (int h = 1; h <= kHourCount; ++h) {
            const CliRadiationHour& r = table.Hours[o][h];
            AppendCsvLine(
                out, {std::string(OrientationAt(o).name), std::string(HourLabel(h)), Text(r.Vertical.GainDirect),
                      Text(r.Vertical.GainDiffuse), Text(r.Vertical.IrradDirect), Text(r.Vertical.IrradDiffuse),
                      Text(r.Horizontal.GainDirect), Text(r.Horizontal.GainDiffuse), Text(r.Horizontal.IrradDirect),
                      Text(r.Horizontal.IrradDiffuse), Text(r.SunAltitude), Text(r.SunAzimuth)});
        }
    }
    return out;
}
