#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Decimal4.h"
#include "IndexedArray.h"

// The fields of one window hour record, numbered 1..19 in their fixed order:
// the results grid shows fields 1..17 as its rows, the project file stores
// fields 1..17 in this order.
enum class WindowField : int {
    GainDirect = 1,             // qвп, W/m²: gain through single glazing, direct radiation
    GainDiffuse = 2,            // qвр, W/m²: gain through single glazing, diffuse radiation
    SunAltitude = 3,            // h, degrees
    SunAzimuth = 4,             // Ac, degrees
    FacadeAzimuth = 5,          // Ao, degrees from south without sign
    SunFacadeAzimuth = 6,       // Aco = |Ac - Ao|, degrees
    BetaAngle = 7,              // β, tg β = ctg h · cos Aco, degrees
    IrradDirect = 8,            // Sв, W/m²: direct radiation on the glazing plane
    IrradDiffuse = 9,           // Dв, W/m²: diffuse radiation on the glazing plane
    TempWaveCoeff = 10,         // β₂: coefficient of the daily outdoor temperature wave
    InsolationCoeff = 11,       // Kинс = field 18 · field 19
    IrradiationCoeff = 12,      // Kобл
    FluxRadiation = 13,         // qпр, W/m²: flux by penetrating radiation
    CondOutdoorTemp = 14,       // tн.усл, °C: conditional outdoor temperature
    FluxTransfer = 15,          // qпт, W/m²: flux by heat transfer
    FluxTotal = 16,             // qпр + qпт, W/m²
    HeatGain = 17,              // Qост, W: heat gain of the room, whole watts
    SunlitHeightFraction = 18,  // unshaded share along the height, 0..1 (not shown)
    SunlitWidthFraction = 19,   // unshaded share along the width, 0..1 (not shown)
};

inline constexpr int kWindowFieldCount = 19;
inline constexpr int kShownFieldCount = 17;  // fields saved and shown
inline constexpr int kOrientationCount = 8;
inline constexpr int kHourCount = 10;

// The word that marks the hour of a maximum under the result grids and on the charts.
inline constexpr std::string_view kPeakMarkerText = "MAX";

// The latitudes the method's tables cover, in whole degrees north.
inline constexpr std::int32_t kFirstLatitude = 40;
inline constexpr std::int32_t kLastLatitude = 60;

// The position 0.. of a value first..last in a table, checked: a value
// outside the range throws std::out_of_range(what). Inline, as every step of
// the computations reaches the table through it.
[[noreturn]] void ThrowOutOfRange(const char* what);
inline std::size_t CheckedPosition(int value, int first, int last, const char* what) {
    if (value < first || value > last) [[unlikely]]
        ThrowOutOfRange(what);
    return static_cast<std::size_t>(value - first);
}

struct WindowHourRecord {
    std::array<Decimal4, kWindowFieldCount> fields{};

    // Field by number 1..19.
    Decimal4& Field(int number) {
        return fields[CheckedPosition(number, 1, kWindowFieldCount, "window field number out of range")];
    }
    const Decimal4& Field(int number) const {
        return fields[CheckedPosition(number, 1, kWindowFieldCount, "window field number out of range")];
    }
    Decimal4& operator[](WindowField f) { return Field(static_cast<int>(f)); }
    const Decimal4& operator[](WindowField f) const { return Field(static_cast<int>(f)); }

    friend bool operator==(const WindowHourRecord&, const WindowHourRecord&) = default;
};

// 8 orientations × 10 hours, orientation-major, then hour, then field: field
// f of hour h of orientation o sits at flat position ((o-1)·10 + (h-1))·19 + (f-1).
struct WindowHourTable {
    std::array<WindowHourRecord, kOrientationCount * kHourCount> records{};

    WindowHourRecord& Record(int orientation, int hour) {
        return records[CheckedPosition(orientation, 1, kOrientationCount, "orientation out of range") *
                           std::size_t{kHourCount} +
                       CheckedPosition(hour, 1, kHourCount, "hour out of range")];
    }
    const WindowHourRecord& Record(int orientation, int hour) const {
        return const_cast<WindowHourTable*>(this)->Record(orientation, hour);
    }

    // Field by its flat storage position 0 .. 8·10·19 − 1.
    Decimal4& AtFlat(int position);
    static int FlatPosition(int orientation, int hour, int field);

    friend bool operator==(const WindowHourTable&, const WindowHourTable&) = default;
};

// One compass orientation of a facade: its name and the facade azimuth the
// window computation assigns.
struct Orientation {
    int index;               // 1..8
    std::string_view name;   // С, СВ, ...
    std::string_view latin;  // N, NE, ...
    int facadeAzimuth;       // degrees from south without sign
};

// clang-format off
inline constexpr std::array<Orientation, kOrientationCount> kOrientations{{
    //  index  name   latin  facade azimuth
    {   1,     "С",   "N",   180 },
    {   2,     "СВ",  "NE",  135 },
    {   3,     "В",   "E",    90 },
    {   4,     "ЮВ",  "SE",   45 },
    {   5,     "Ю",   "S",     0 },
    {   6,     "ЮЗ",  "SW",   45 },
    {   7,     "З",   "W",    90 },
    {   8,     "СЗ",  "NW",  135 },
}};

// Hour intervals 1..10.
inline constexpr std::array<std::string_view, kHourCount> kHourLabels{{
    "8-9", "9-10", "10-11", "11-12", "12-13", "13-14", "14-15", "15-16", "16-17", "17-18",
}};
// clang-format on

const Orientation& OrientationAt(int index);  // 1..8
std::string_view HourLabel(int hour);         // 1..10

// Fields 1..17 of all 80 records := 0 (fields 18, 19 and the peaks stay).
void ClearWindowResults(WindowHourTable& table);
// Field 17 (HeatGain) of all 80 records := 0, nothing else.
void ClearWindowHeatGain(WindowHourTable& table);
