#include "LatitudeFit.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>

#include "Conversions.h"
#include "FloatingPoint.h"
#include "HorizontalRadiationTable.h"
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

TEST(LatitudeFit, EveryBandListCoversFortyToSixtyWithoutGapOrOverlap) {
    for (const auto& table : kTables) {
        for (const FitEntry& e : table.entries) {
            SCOPED_TRACE(std::string(table.name) + ": " + EntryName(e));
            ASSERT_GE(e.bandCount, 1);
            ASSERT_LE(e.bandCount, solar::kMaxBands);
            EXPECT_EQ(e.Band(1).first, 40);
            EXPECT_EQ(e.Band(e.bandCount).last, 60);
            for (int i = 1; i <= e.bandCount; ++i) {
                EXPECT_LE(e.Band(i).first, e.Band(i).last) << "band " << i;
                if (i > 1) {
                    EXPECT_EQ(e.Band(i).first, e.Band(i - 1).last + 1) << "band " << i;
                }
            }
            for (int latitude = 40; latitude <= 60; ++latitude) {
                int containing = 0;
                for (int i = 1; i <= e.bandCount; ++i) containing += e.Band(i).Contains(latitude) ? 1 : 0;
                EXPECT_EQ(containing, 1) << "at " << latitude;
            }
            EXPECT_TRUE(e.CoversLatitudes());
        }
    }
}

TEST(LatitudeFit, TablesHoldTheIndependentEntriesOnce) {
    EXPECT_EQ(solar::kVerticalRadiationFits.size(), 192u);   // 48 (orientation, hour) pairs × 4 fields
    EXPECT_EQ(solar::kHorizontalRadiationFits.size(), 24u);  // 6 hours × 4 fields
    EXPECT_EQ(solar::kSunPositionFits.size(), 12u);          // 6 hours × 2 fields
    int independentFacadeHours = 0;
    for (int o = 1; o <= kOrientationCount; ++o) {
        for (int h = 1; h <= kHourCount; ++h) independentFacadeHours += solar::IsIndependentFacadeHour(o, h) ? 1 : 0;
    }
    EXPECT_EQ(independentFacadeHours, 48);
    for (const auto& table : kTables) {
        std::set<std::string> keys;
        for (const FitEntry& e : table.entries) EXPECT_TRUE(keys.insert(EntryName(e)).second) << EntryName(e);
    }
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

// Only GainDirect and IrradDirect of the facades have 0 entries; the
// horizontal table has none.
TEST(LatitudeFit, ZeroEntriesOnlyWhereTheSunDoesNotReach) {
    for (const auto& table : kTables) {
        for (const FitEntry& e : table.entries) {
            SCOPED_TRACE(std::string(table.name) + ": " + EntryName(e));
            for (int i = 1; i <= e.bandCount; ++i) {
                if (e.Band(i).fit.kind != FitKind::Zero) continue;
                EXPECT_STREQ(table.name, "vertical");
                EXPECT_TRUE(e.field == WindowField::GainDirect || e.field == WindowField::IrradDirect);
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

// The quadratic coefficients of the order of 1E-15 (2E-15, 7E-15, ...) never
// change a stored value at 40..60.
TEST(LatitudeFit, TinyCoefficientsNeverChangeAStoredValue) {
    BeginComputation();
    int tinyBands = 0;
    for (const auto& table : kTables) {
        for (const FitEntry& e : table.entries) {
            for (int i = 1; i <= e.bandCount; ++i) {
                const auto& band = e.Band(i);
                if (band.fit.a == 0.0L || band.fit.a > 1e-12L || band.fit.a < -1e-12L) continue;
                ++tinyBands;
                solar::Fit withoutA = band.fit;
                withoutA.a = 0.0L;
                for (int latitude = band.first; latitude <= band.last; ++latitude) {
                    SCOPED_TRACE(std::string(table.name) + ": " + EntryName(e) + " at " + std::to_string(latitude));
                    EXPECT_EQ(Decimal4::StoreUnits(solar::EvaluateFit(band.fit, latitude)),
                              Decimal4::StoreUnits(solar::EvaluateFit(withoutA, latitude)));
                }
            }
        }
    }
    EXPECT_EQ(tinyBands, 11);  // 8 in the facade table, 3 in the sun-position table
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
