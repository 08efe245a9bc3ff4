#include <gtest/gtest.h>

#include "CalcError.h"
#include "CliRadiation.h"
#include "CliTestSupport.h"
#include "WorkedWindow.h"

using namespace cli_test;

namespace {

TEST(CliRadiation, RadiationTableOfALatitude) {
    const CliRadiationTable t = ComputeRadiationTable("48");
    EXPECT_EQ(t.Latitude, 48);
    const CliRadiationHour& southNoon = t.Hours[kSouth][kNoon];
    EXPECT_EQ(Shown(southNoon.Vertical.GainDirect), "317");
    EXPECT_EQ(Shown(southNoon.Vertical.GainDiffuse), "87.7924");
    EXPECT_EQ(Shown(southNoon.Vertical.IrradDirect), "370.1152");
    EXPECT_EQ(Shown(southNoon.Horizontal.IrradDirect), "733");
    EXPECT_EQ(Shown(southNoon.Horizontal.IrradDiffuse), "133");
    EXPECT_EQ(Shown(southNoon.SunAltitude), "61.1152");
    EXPECT_EQ(Shown(southNoon.SunAzimuth), "16");
    for (const char* refused : {"39", "61", "x", ""}) {
        SCOPED_TRACE(refused);
        EXPECT_THROW(ComputeRadiationTable(refused), CalcError);
    }
}

}  // namespace
