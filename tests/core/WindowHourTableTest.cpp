#include <gtest/gtest.h>

#include "ProjectState.h"

namespace {

TEST(WindowHourTable, StartsAtZero) {
    ProjectState state;
    for (const auto& record : state.WindowHours.records) {
        for (int f = 1; f <= kWindowFieldCount; ++f) EXPECT_TRUE(record.Field(f).IsZero());
    }
    for (int o = 1; o <= kOrientationCount; ++o) EXPECT_EQ(state.WindowPeakHour[o], 0);
    EXPECT_EQ(state.WallLayerCount, 3);
    EXPECT_EQ(state.RoofLayerCurrent, 1);
}

TEST(WindowHourTable, StorageOrderIsOrientationHourField) {
    EXPECT_EQ(WindowHourTable::FlatPosition(2, 1, 1), 190);
    EXPECT_EQ(WindowHourTable::FlatPosition(1, 2, 1), 19);
    ProjectState state;
    state.WindowHours.Record(3, 4)[WindowField::FluxTotal] = Decimal4::FromInt(7);
    EXPECT_EQ(state.WindowHours.AtFlat(WindowHourTable::FlatPosition(3, 4, 16)), Decimal4::FromInt(7));
    EXPECT_THROW(state.WindowHours.Record(9, 1), std::out_of_range);
    EXPECT_THROW(state.WindowHours.Record(1, 0), std::out_of_range);
}

TEST(WindowHourTable, ClearingRules) {
    ProjectState state;
    for (auto& record : state.WindowHours.records) {
        for (int f = 1; f <= kWindowFieldCount; ++f) record.Field(f) = Decimal4::FromInt(f);
    }
    ClearWindowHeatGain(state.WindowHours);
    const auto& r = state.WindowHours.Record(8, 10);
    EXPECT_TRUE(r[WindowField::HeatGain].IsZero());
    EXPECT_EQ(r[WindowField::FluxTotal], Decimal4::FromInt(16));

    state.WindowPeakHour[2] = 5;
    ClearWindowResults(state.WindowHours);
    for (int f = 1; f <= kShownFieldCount; ++f) EXPECT_TRUE(r.Field(f).IsZero());
    EXPECT_EQ(r[WindowField::SunlitHeightFraction], Decimal4::FromInt(18));
    EXPECT_EQ(r[WindowField::SunlitWidthFraction], Decimal4::FromInt(19));
    EXPECT_EQ(state.WindowPeakHour[2], 5);
}

TEST(Orientations, NamesAndAzimuths) {
    EXPECT_EQ(OrientationAt(2).name, "СВ");
    EXPECT_EQ(OrientationAt(5).facadeAzimuth, 0);
    EXPECT_EQ(OrientationAt(8).facadeAzimuth, 135);
    EXPECT_EQ(HourLabel(5), "12-13");
}

}  // namespace
