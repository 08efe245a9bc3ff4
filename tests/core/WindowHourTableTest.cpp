#include <gtest/gtest.h>

#include "ProjectState.h"

namespace {

TEST(WindowHourTable, StartsAtZero) {
    ResetProjectState();
    for (const auto& record : Project.WindowHours.records) {
        for (int f = 1; f <= kWindowFieldCount; ++f) EXPECT_TRUE(record.Field(f).IsZero());
    }
    for (int o = 1; o <= kOrientationCount; ++o) EXPECT_EQ(Project.WindowPeakHour[o], 0);
    EXPECT_EQ(Project.WallLayerCount, 3);
    EXPECT_EQ(Project.RoofLayerCurrent, 1);
}

TEST(WindowHourTable, StorageOrderIsOrientationHourField) {
    EXPECT_EQ(WindowHourTable::FlatPosition(2, 1, 1), 190);
    EXPECT_EQ(WindowHourTable::FlatPosition(1, 2, 1), 19);
    ResetProjectState();
    Project.WindowHours.Record(3, 4)[WindowField::FluxTotal] = Decimal4::FromInt(7);
    EXPECT_EQ(Project.WindowHours.AtFlat(WindowHourTable::FlatPosition(3, 4, 16)), Decimal4::FromInt(7));
    EXPECT_THROW(Project.WindowHours.Record(9, 1), std::out_of_range);
    EXPECT_THROW(Project.WindowHours.Record(1, 0), std::out_of_range);
}

TEST(WindowHourTable, ClearingRules) {
    ResetProjectState();
    for (auto& record : Project.WindowHours.records) {
        for (int f = 1; f <= kWindowFieldCount; ++f) record.Field(f) = Decimal4::FromInt(f);
    }
    ClearWindowHeatGain();
    const auto& r = Project.WindowHours.Record(8, 10);
    EXPECT_TRUE(r[WindowField::HeatGain].IsZero());
    EXPECT_EQ(r[WindowField::FluxTotal], Decimal4::FromInt(16));

    Project.WindowPeakHour[2] = 5;
    ClearWindowResults();
    for (int f = 1; f <= kShownFieldCount; ++f) EXPECT_TRUE(r.Field(f).IsZero());
    EXPECT_EQ(r[WindowField::SunlitHeightFraction], Decimal4::FromInt(18));
    EXPECT_EQ(r[WindowField::SunlitWidthFraction], Decimal4::FromInt(19));
    EXPECT_EQ(Project.WindowPeakHour[2], 5);
}

TEST(Orientations, CaptionsAndAzimuths) {
    EXPECT_EQ(OrientationAt(1).caption, "   С");
    EXPECT_EQ(OrientationAt(5).facadeAzimuth, 0);
    EXPECT_EQ(OrientationAt(8).facadeAzimuth, 135);
    EXPECT_EQ(HourLabel(5), "12-13");
}

}  // namespace
