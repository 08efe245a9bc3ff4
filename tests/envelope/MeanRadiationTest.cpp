#include <gtest/gtest.h>

#include <array>
#include <string>

#include "EnvelopeTestSupport.h"
#include "MeanRadiation.h"
#include "TempWave.h"

namespace {

TEST(MeanRadiation, ReferenceValues) {
    struct Case {
        int latitude;
        // С, СВ, В, ЮВ, Ю, horizontal
        std::array<const char*, 6> values;
    };
    const Case cases[] = {
        {40, {"71", "127", "169", "147", "110", "333"}},
        {48, {"73.1152", "125", "184", "177", "149", "328"}},
        {52, {"79.1352", "127.1352", "194", "191", "168", "329"}},
        {60, {"82.18", "134.18", "206", "213", "204", "319"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("latitude " + std::to_string(c.latitude));
        ProjectState state;
        state.Latitude = c.latitude;
        UpdateMeanRadiation(state);
        for (int o = 1; o <= 5; ++o) EXPECT_EQ(Text(state.FacadeMeanRadiation[o]), c.values[o - 1]) << "o " << o;
        EXPECT_EQ(Text(state.RoofMeanRadiation), c.values[5]);
        // The west side copies the east side.
        EXPECT_EQ(state.FacadeMeanRadiation[8], state.FacadeMeanRadiation[2]);
        EXPECT_EQ(state.FacadeMeanRadiation[7], state.FacadeMeanRadiation[3]);
        EXPECT_EQ(state.FacadeMeanRadiation[6], state.FacadeMeanRadiation[4]);
    }
}

// The daily cycle of the wave, w₀..w₂₃, in hundredths.
constexpr std::array<int, 24> kCycle{-13, 13,  38,  60,  79,  92,  99,  99,  92,  79,  60,  38,
                                     13,  -13, -38, -60, -79, -92, -99, -99, -92, -79, -60, -38};

TEST(TempWaveTable, IsTheShiftedCycleExceptFourCells) {
    struct Irregular {
        int lag;
        int hour;
        const char* value;
    };
    const Irregular irregular[] = {{2, 6, "0.61"}, {3, 7, "0.61"}, {8, 1, "-0.78"}, {20, 1, "0.78"}};
    ProjectState state;
    FillTempWaveTable(state);
    for (int lag = 0; lag <= 24; ++lag) {
        for (int h = 1; h <= kHourCount; ++h) {
            SCOPED_TRACE("lag " + std::to_string(lag) + " hour " + std::string(HourLabel(h)));
            std::string expected =
                Text(Decimal4::FromCount(kCycle[static_cast<std::size_t>((h - 1 - lag + 48) % 24)] * 100));
            for (const Irregular& cell : irregular)
                if (cell.lag == lag && cell.hour == h) expected = cell.value;
            EXPECT_EQ(Text(state.TempWaveTable[lag][h]), expected);
        }
    }
    EXPECT_EQ(state.TempWaveTable[24], state.TempWaveTable[0]);
    EXPECT_EQ(Text(state.TempWaveTable[11][5]), "-0.92");
}

}  // namespace
