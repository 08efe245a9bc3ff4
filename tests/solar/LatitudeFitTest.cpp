#include "LatitudeFit.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>

#include "Conversions.h"
#include "FloatingPoint.h"
#include "HorizontalRadiationTable.h"
#include "MeanRadiationTable.h"
#include "SolarTestSupport.h"
#include "SunPositionTable.h"
#include "VerticalRadiationTable.h"

namespace {

using solar::FitEntry;
using solar::FitKind;

struct NamedTable {
    const char* name;
    std::span<const FitEntry> entries;
};

const NamedTable kTables[] = {
    {"vertical", solar::kVerticalRadiationFits},
    {"horizontal", solar::kHorizontalRadiationFits},
    {"sun position", solar::kSunPositionFits},
};

std::string EntryName(const FitEntry& e) {
    const std::string orientation = e.orientation == 0 ? "all" : std::string(OrientationAt(e.orientation).name);
    return orientation + " " + std::string(HourLabel(e.hour)) + " " + std::string(solartest::FieldName(e.field));
}

// The compile-time checks of the tables rest on CoversLatitudes and
// KeysAreUnique: each must refuse a faulty entry or table.
TEST(LatitudeFit, TableChecksRefuseFaultyEntries) {
    using solar::L;
    struct Case {
        const char* name;
        FitEntry entry;
        bool covers;
    };
    // clang-format off
    const Case cases[] = {
        { "two bands",    {"8-9", WindowField::SunAltitude, {{40, 47, L(1, 2)}, {48, 60, L(1, 2)}}}, true },
        { "gap",          {"8-9", WindowField::SunAltitude, {{40, 46, L(1, 2)}, {48, 60, L(1, 2)}}}, false },
        { "overlap",      {"8-9", WindowField::SunAltitude, {{40, 48, L(1, 2)}, {48, 60, L(1, 2)}}}, false },
        { "starts at 41", {"8-9", WindowField::SunAltitude, {{41, 60, L(1, 2)}}},                    false },
        { "ends at 59",   {"8-9", WindowField::SunAltitude, {{40, 59, L(1, 2)}}},                    false },
        { "ends at 61",   {"8-9", WindowField::SunAltitude, {{40, 61, L(1, 2)}}},                    false },
        { "reversed",     {"8-9", WindowField::SunAltitude, {{40, 50, L(1, 2)}, {51, 50, L(1, 2)}, {51, 60, L(1, 2)}}}, false },
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.entry.CoversLatitudes(), c.covers);
        EXPECT_EQ(solar::AllCoverLatitudes(std::array{cases[0].entry, c.entry}), c.covers);
    }
    const FitEntry altitude{"8-9", WindowField::SunAltitude, {{40, 60, L(1, 2)}}};
    const FitEntry azimuth{"8-9", WindowField::SunAzimuth, {{40, 60, L(1, 2)}}};
    const FitEntry northAltitude{"С", "8-9", WindowField::SunAltitude, {{40, 60, L(1, 2)}}};
    EXPECT_TRUE(solar::KeysAreUnique(std::array{altitude, azimuth, northAltitude}));
    EXPECT_FALSE(solar::KeysAreUnique(std::array{altitude, azimuth, altitude}));
}

TEST(LatitudeFit, FortyEightFacadeHoursAreIndependent) {
    // 192 facade entries of four fields each: the mirror rule must leave
    // exactly 48 (orientation, hour) pairs to the table.
    int independentFacadeHours = 0;
    for (int o = 1; o <= kOrientationCount; ++o) {
        for (int h = 1; h <= kHourCount; ++h) independentFacadeHours += solar::IsIndependentFacadeHour(o, h) ? 1 : 0;
    }
    EXPECT_EQ(independentFacadeHours * 4, static_cast<int>(solar::kVerticalRadiationFits.size()));
}

TEST(LatitudeFit, MirrorOfTheFacades) {
    // С ↔ С, СВ ↔ СЗ, В ↔ З, ЮВ ↔ ЮЗ, Ю ↔ Ю; hour h ↔ 9 − h.
    const char* pairs[][2] = {{"С", "С"}, {"СВ", "СЗ"}, {"В", "З"}, {"ЮВ", "ЮЗ"}, {"Ю", "Ю"}};
    for (const auto& p : pairs) {
        EXPECT_EQ(solar::MirrorOrientation(solar::OrientationIndex(p[0])), solar::OrientationIndex(p[1])) << p[0];
        EXPECT_EQ(solar::MirrorOrientation(solar::OrientationIndex(p[1])), solar::OrientationIndex(p[0])) << p[1];
    }
    EXPECT_EQ(solar::MirrorHour(solar::HourIndex("8-9")), solar::HourIndex("15-16"));
    EXPECT_EQ(solar::MirrorHour(solar::HourIndex("11-12")), solar::HourIndex("12-13"));
    // The source of every dependent record is an independent one.
    for (int o = 1; o <= kOrientationCount; ++o) {
        for (int h = 1; h <= 8; ++h) {
            if (!solar::IsIndependentFacadeHour(o, h)) {
                EXPECT_TRUE(solar::IsIndependentFacadeHour(solar::MirrorOrientation(o), solar::MirrorHour(h)));
            }
        }
    }
}

// Band limits of the orientation-free tables: horizontal bands change at 44, 48, 52, 56;
// sun-position bands at 48 and 56; the band 56–60, where present, is linear or
// constant.
TEST(LatitudeFit, BandLimitsOfTheOrientationFreeTables) {
    const std::set<int> horizontalStarts{40, 44, 48, 52, 56};
    const std::set<int> sunStarts{40, 48, 56};
    for (const auto& [table, starts] : {std::pair{kTables[1], horizontalStarts}, std::pair{kTables[2], sunStarts}}) {
        for (const FitEntry& e : table.entries) {
            SCOPED_TRACE(std::string(table.name) + ": " + EntryName(e));
            for (int i = 1; i <= e.bandCount; ++i) {
                const auto& band = e.Band(i);
                EXPECT_TRUE(starts.count(band.first)) << "band starts at " << band.first;
                if (band.first == 56) {
                    EXPECT_TRUE(band.fit.kind == FitKind::Linear || band.fit.kind == FitKind::Constant);
                }
            }
        }
    }
}

TEST(LatitudeFit, EvaluationRule) {
    BeginComputation();
    // (a·φ² + b·φ) + c with the literals as written.
    EXPECT_EQ(solar::EvaluateFit(solar::Q(-0.0313L, 2.375L, 52), 44), (-0.0313L * 1936 + 2.375L * 44) + 52);
    EXPECT_EQ(solar::EvaluateFit(solar::L(-2, 190), 57), 76.0L);
    EXPECT_EQ(solar::EvaluateFit(solar::K(71), 40), 71.0L);
    EXPECT_EQ(solar::EvaluateFit(solar::Zero(), 60), 0.0L);

    const FitEntry e{
        "С", "16-17", WindowField::IrradDirect, {{40, 48, solar::Q(0.375L, -39.51L, 1032)}, {49, 60, solar::Zero()}}};
    EXPECT_EQ(FormatDecimal4(solar::StoreFit(e, 48)), "-0.48");
    EXPECT_EQ(FormatDecimal4(solar::StoreFit(e, 40)), "51.6");
    EXPECT_EQ(FormatDecimal4(solar::StoreFit(e, 49)), "0");
}

// The bands of an entry whose quadratic coefficient is of the order of 1E-15
// (2E-15, 7E-15, ...): the number of them, and that storing without it gives
// the same value at every latitude of the band.
template <class Entry>
int TinyBandsStoreAsWithoutThem(const Entry& e, const std::string& name) {
    int tinyBands = 0;
    for (int i = 1; i <= e.bandCount; ++i) {
        const auto& band = e.Band(i);
        if (band.fit.a == 0.0L || band.fit.a > 1e-12L || band.fit.a < -1e-12L) continue;
        ++tinyBands;
        solar::Fit withoutA = band.fit;
        withoutA.a = 0.0L;
        for (int latitude = band.first; latitude <= band.last; ++latitude) {
            SCOPED_TRACE(name + " at " + std::to_string(latitude));
            EXPECT_EQ(Decimal4::StoreUnits(solar::EvaluateFit(band.fit, latitude)),
                      Decimal4::StoreUnits(solar::EvaluateFit(withoutA, latitude)));
        }
    }
    return tinyBands;
}

TEST(LatitudeFit, TinyCoefficientsNeverChangeAStoredValue) {
    BeginComputation();
    int tinyBands = 0;
    for (const auto& table : kTables) {
        for (const FitEntry& e : table.entries)
            tinyBands += TinyBandsStoreAsWithoutThem(e, std::string(table.name) + ": " + EntryName(e));
    }
    EXPECT_EQ(tinyBands, 11);  // 8 in the facade table, 3 in the sun-position table
    int tinyMeanBands = 0;
    for (const auto& e : solar::kMeanRadiationFits)
        tinyMeanBands += TinyBandsStoreAsWithoutThem(e, "mean radiation " + std::to_string(e.orientation));
    EXPECT_EQ(tinyMeanBands, 2);  // 7E-15 of СВ, 1E-14 of ЮВ
}

TEST(LatitudeFit, AccessorsCheckTheirRanges) {
    const FitEntry& e = solar::kVerticalRadiationFits.front();  // С 8-9 GainDirect: one band
    EXPECT_EQ(e.bandCount, 1);
    EXPECT_NO_THROW(e.Band(1));
    EXPECT_THROW(e.Band(0), std::out_of_range);
    EXPECT_THROW(e.Band(2), std::out_of_range);
    EXPECT_THROW(e.BandAt(39), std::out_of_range);
    EXPECT_THROW(e.BandAt(61), std::out_of_range);
    EXPECT_THROW(solar::StoreFit(e, 39), std::out_of_range);
    EXPECT_THROW(solar::OrientationIndex("N"), std::out_of_range);
    EXPECT_THROW(solar::HourIndex("18-19"), std::out_of_range);
    EXPECT_EQ(solar::OrientationIndex("СЗ"), 8);
    EXPECT_EQ(solar::HourIndex("17-18"), 10);
}

}  // namespace
