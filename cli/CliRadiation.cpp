#include "CliRadiation.h"

#include "Conversions.h"
#include "ProjectState.h"
#include "SolarRadiation.h"

CliRadiationTable ComputeRadiationTable(std::string_view latitudeText) {
    ProjectState state;
    CliRadiationTable table;
    table.Latitude = ReadLatitude(latitudeText);
    state.Latitude = table.Latitude;
    const auto copy = [&table, &state](auto&& store) {
        for (int o = 1; o <= kOrientationCount; ++o) {
            for (int h = 1; h <= kHourCount; ++h) store(table.Hours[o][h], state.WindowHours.Record(o, h));
        }
    };
    const auto radiation = [](CliRadiationValues& v, const WindowHourRecord& r) {
        v = {r[WindowField::GainDirect], r[WindowField::GainDiffuse], r[WindowField::IrradDirect],
             r[WindowField::IrradDiffuse]};
    };
    FillVerticalRadiation(state);
    copy([&](CliRadiationHour& out, const WindowHourRecord& r) { radiation(out.Vertical, r); });
    FillHorizontalRadiation(state);
    copy([&](CliRadiationHour& out, const WindowHourRecord& r) { radiation(out.Horizontal, r); });
    FillSunPosition(state);
    copy([](CliRadiationHour& out, const WindowHourRecord& r) {
        out.SunAltitude = r[WindowField::SunAltitude];
        out.SunAzimuth = r[WindowField::SunAzimuth];
    });
    return table;
}
