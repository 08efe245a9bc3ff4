#include "SolarRadiation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <vector>

#include "CalcError.h"
#include "Conversions.h"
#include "FloatingPoint.h"
#include "ProjectState.h"
#include "SolarTestSupport.h"

namespace {

using solartest::RunAt;
using solartest::Shown;
using solartest::Stored;
using solartest::Trace;

constexpr std::array<WindowField, 4> kRadiationFields{WindowField::GainDirect, WindowField::GainDiffuse,
                                                      WindowField::IrradDirect, WindowField::IrradDiffuse};
constexpr std::array<WindowField, 2> kSunFields{WindowField::SunAltitude, WindowField::SunAzimuth};

struct Generator {
    const char* name;
    void (*run)(ProjectState&);
};
const Generator kVertical{"FillVerticalRadiation", FillVerticalRadiation};
const Generator kHorizontal{"FillHorizontalRadiation", FillHorizontalRadiation};
const Generator kSunPosition{"FillSunPosition", FillSunPosition};

// A stated value of the tables: an edge case or an end of a value range.
struct StatedValue {
    const Generator* generator;
    int latitude;
    const char* orientation;  // nullptr: all eight orientations
    const char* hour;
    WindowField field;
    const char* expected;
};

void CheckStated(const std::vector<StatedValue>& cases) {
    ProjectState state;
    for (const auto& c : cases) {
        RunAt(state, c.latitude, c.generator->run);
        if (c.orientation != nullptr) {
            SCOPED_TRACE(std::string(c.generator->name) + ": " +
                         Trace(solar::OrientationIndex(c.orientation), solar::HourIndex(c.hour), c.field, c.latitude));
            EXPECT_EQ(Shown(state, c.orientation, c.hour, c.field), c.expected);
            continue;
        }
        for (const auto& o : kOrientations) {
            SCOPED_TRACE(std::string(c.generator->name) + ": " +
                         Trace(o.index, solar::HourIndex(c.hour), c.field, c.latitude));
            EXPECT_EQ(Shown(state, o.name, c.hour, c.field), c.expected);
        }
    }
}

// A generator run at every latitude of the tables, then `check` on each of
// its four radiation fields of every record.
template <class Check>
void ForEveryRadiationEntry(void (*generator)(ProjectState&), Check check) {
    ProjectState state;
    for (int latitude = 40; latitude <= 60; ++latitude) {
        RunAt(state, latitude, generator);
        for (int o = 1; o <= kOrientationCount; ++o) {
            for (int h = 1; h <= kHourCount; ++h) {
                for (WindowField f : kRadiationFields) {
                    SCOPED_TRACE(Trace(o, h, f, latitude));
                    check(latitude, o, h, f, Stored(state, o, h, f));
                }
            }
        }
    }
}

// The fields of every orientation equal those of С, and the hours 12-13 ..
// 15-16 equal 11-12 .. 8-9.
template <std::size_t N>
void ExpectSameInEveryOrientationAndSymmetric(const ProjectState& state, int latitude,
                                              const std::array<WindowField, N>& fields) {
    for (int h = 1; h <= kHourCount; ++h) {
        for (WindowField f : fields) {
            for (int o = 2; o <= kOrientationCount; ++o) {
                SCOPED_TRACE(Trace(o, h, f, latitude) + " vs С");
                EXPECT_EQ(Stored(state, o, h, f), Stored(state, 1, h, f));
            }
            if (h >= 5 && h <= 8) {
                SCOPED_TRACE(Trace(1, h, f, latitude) + " vs " + std::string(HourLabel(9 - h)));
                EXPECT_EQ(Stored(state, 1, h, f), Stored(state, 1, 9 - h, f));
            }
        }
    }
}

// ---- Vertical facades ----------------------------------------------------------

TEST(FillVerticalRadiation, StatedValues) {
    using enum WindowField;
    const Generator* v = &kVertical;
    CheckStated({
        {v, 48, "Ю", "11-12", GainDirect, "317"},
        {v, 48, "Ю", "12-13", GainDirect, "317"},
        {v, 60, "Ю", "11-12", IrradDirect, "534"},
        {v, 60, "Ю", "12-13", IrradDirect, "534"},
        {v, 40, "В", "8-9", GainDirect, "471"},
        {v, 40, "З", "15-16", GainDirect, "471"},
        {v, 40, "В", "12-13", IrradDirect, "101"},
        {v, 40, "З", "11-12", IrradDirect, "101"},
        {v, 44, "В", "12-13", IrradDirect, "0"},
        {v, 44, "З", "11-12", IrradDirect, "0"},
        {v, 48, "ЮВ", "9-10", GainDirect, "418.8848"},
        {v, 48, "С", "16-17", IrradDirect, "-0.48"},
        {v, 40, "С", "16-17", IrradDirect, "51.6"},
        {v, 60, "СВ", "9-10", IrradDiffuse, "19"},
        {v, 60, "СЗ", "14-15", IrradDiffuse, "19"},
        {v, 46, "СВ", "16-17", GainDiffuse, "54"},
        {v, 47, "СВ", "16-17", GainDiffuse, "50"},
        {v, 60, "СВ", "16-17", GainDiffuse, "50"},
        {v, 60, "Ю", "17-18", IrradDirect, "5"},
        {v, 50, "ЮВ", "13-14", GainDirect, "0"},
        {v, 51, "ЮВ", "13-14", GainDirect, "18.8125"},
        {v, 50, "ЮЗ", "10-11", GainDirect, "0"},
        {v, 51, "ЮЗ", "10-11", GainDirect, "18.8125"},
        {v, 52, "З", "17-18", IrradDirect, "663.8752"},  // the largest value of the table
    });
}

TEST(FillVerticalRadiation, StatedRuns) {
    ProjectState state;
    using enum WindowField;
    for (int latitude = 40; latitude <= 60; ++latitude) {
        RunAt(state, latitude, FillVerticalRadiation);
        SCOPED_TRACE(testing::Message() << "at " << latitude);
        if (latitude >= 49) {
            EXPECT_EQ(Shown(state, "С", "16-17", IrradDirect), "0");
        }
        if (latitude >= 48 && latitude <= 59) {
            EXPECT_EQ(Shown(state, "СВ", "16-17", GainDiffuse), "53");
        }
        if (latitude <= 59) {
            EXPECT_EQ(Shown(state, "Ю", "17-18", IrradDirect), "0");
        }
        // No direct radiation reaches the north facade before 16-17.
        for (int hour = 1; hour <= 8; ++hour) {
            EXPECT_TRUE(Stored(state, 1, hour, GainDirect).IsZero()) << HourLabel(hour);
            EXPECT_TRUE(Stored(state, 1, hour, IrradDirect).IsZero()) << HourLabel(hour);
        }
    }
}

// 0 ≤ value ≤ 664 for every entry, except IrradDirect of С at 16-17 at 48
// (−0.48); the diffuse fields are positive everywhere; the largest value is
// 663.8752.
TEST(FillVerticalRadiation, ValueRangeAtEveryLatitude) {
    const Decimal4 lowest = Decimal4::FromInt(0);
    const Decimal4 highest = Decimal4::FromInt(664);
    const Decimal4 largest = ParseDecimal4("663.8752");
    Decimal4 seenLargest;
    ForEveryRadiationEntry(FillVerticalRadiation, [&](int latitude, int o, int h, WindowField f, Decimal4 value) {
        if (value > seenLargest) seenLargest = value;
        EXPECT_LE(value, highest);
        if (o == 1 && h == 9 && f == WindowField::IrradDirect && latitude == 48) {
            EXPECT_EQ(FormatDecimal4(value), "-0.48");
        } else if (f == WindowField::GainDiffuse || f == WindowField::IrradDiffuse) {
            EXPECT_GT(value, lowest);
        } else {
            EXPECT_GE(value, lowest);
        }
    });
    EXPECT_EQ(seenLargest, largest);
}

// For the hours 8-9 .. 15-16 each record equals its mirror orientation at the
// hour 9 − h: С ↔ С, СВ ↔ СЗ, В ↔ З, ЮВ ↔ ЮЗ, Ю ↔ Ю.
TEST(FillVerticalRadiation, MirrorPairsAreEqualAtEveryLatitude) {
    ProjectState state;
    struct Pair {
        const char* east;
        const char* west;
    };
    const Pair pairs[] = {{"С", "С"}, {"СВ", "СЗ"}, {"В", "З"}, {"ЮВ", "ЮЗ"}, {"Ю", "Ю"}};
    for (int latitude = 40; latitude <= 60; ++latitude) {
        RunAt(state, latitude, FillVerticalRadiation);
        for (const auto& p : pairs) {
            const int east = solar::OrientationIndex(p.east);
            const int west = solar::OrientationIndex(p.west);
            for (int h = 1; h <= 8; ++h) {
                for (WindowField f : kRadiationFields) {
                    SCOPED_TRACE(Trace(east, h, f, latitude) + " vs " + Trace(west, 9 - h, f, latitude));
                    EXPECT_EQ(Stored(state, east, h, f), Stored(state, west, 9 - h, f));
                }
            }
        }
    }
}

TEST(FillVerticalRadiation, LeavesNoHorizontalValueBehind) {
    ProjectState state;
    for (int latitude = 40; latitude <= 60; ++latitude) {
        SCOPED_TRACE(testing::Message() << "at " << latitude);
        RunAt(state, latitude, FillVerticalRadiation);
        const WindowHourTable alone = state.WindowHours;

        RunAt(state, latitude, FillHorizontalRadiation);
        FillVerticalRadiation(state);
        EXPECT_EQ(state.WindowHours, alone);
        // An entry the facade table defines as 0, where the horizontal one is not.
        EXPECT_EQ(Shown(state, "С", "12-13", WindowField::IrradDirect), "0");
    }
}

// ---- Horizontal surface ---------------------------------------------------------

TEST(FillHorizontalRadiation, StatedValues) {
    using enum WindowField;
    const Generator* h = &kHorizontal;
    const char* all = nullptr;
    CheckStated({
        {h, 48, all, "11-12", GainDirect, "643"},
        {h, 48, all, "11-12", GainDiffuse, "98"},
        {h, 48, all, "11-12", IrradDirect, "733"},
        {h, 48, all, "11-12", IrradDiffuse, "133"},
        {h, 48, all, "12-13", GainDirect, "643"},
        {h, 48, all, "12-13", GainDiffuse, "98"},
        {h, 48, all, "12-13", IrradDirect, "733"},
        {h, 48, all, "12-13", IrradDiffuse, "133"},
        {h, 40, all, "10-11", GainDirect, "651"},
        {h, 40, all, "11-12", GainDirect, "629"},
        {h, 44, all, "10-11", GainDirect, "629"},
        {h, 44, all, "11-12", GainDirect, "668"},
        {h, 40, all, "11-12", IrradDirect, "788"},  // the largest value of the table
        {h, 44, all, "8-9", GainDirect, "431.0968"},
        {h, 44, all, "15-16", GainDirect, "431.0968"},
        {h, 60, all, "17-18", GainDirect, "178"},
        {h, 60, all, "8-9", IrradDiffuse, "90.82"},
        {h, 58, all, "17-18", GainDiffuse, "56.5432"},  // the smallest value of the table
    });
}

// 56.5432 ≤ value ≤ 788 for every entry at every latitude (no entry is 0), and
// both ends are reached.
TEST(FillHorizontalRadiation, ValueRangeAtEveryLatitude) {
    const Decimal4 lowest = ParseDecimal4("56.5432");
    const Decimal4 highest = Decimal4::FromInt(788);
    Decimal4 seenLowest = highest;
    Decimal4 seenHighest = lowest;
    ForEveryRadiationEntry(FillHorizontalRadiation, [&](int, int, int, WindowField, Decimal4 value) {
        EXPECT_GE(value, lowest);
        EXPECT_LE(value, highest);
        if (value < seenLowest) seenLowest = value;
        if (value > seenHighest) seenHighest = value;
    });
    EXPECT_EQ(seenLowest, lowest);
    EXPECT_EQ(seenHighest, highest);
}

// All eight orientations hold the same record in the four fields, and the
// hours 12-13 .. 15-16 equal 11-12 .. 8-9; also after FillVerticalRadiation.
TEST(FillHorizontalRadiation, SameInEveryOrientationAndSymmetricAboutNoon) {
    ProjectState state;
    for (int latitude = 40; latitude <= 60; ++latitude) {
        RunAt(state, latitude, FillVerticalRadiation);
        FillHorizontalRadiation(state);
        ExpectSameInEveryOrientationAndSymmetric(state, latitude, kRadiationFields);
    }
}

// ---- Sun position ---------------------------------------------------------------

TEST(FillSunPosition, StatedValues) {
    using enum WindowField;
    const Generator* s = &kSunPosition;
    const char* all = nullptr;
    CheckStated({
        {s, 40, all, "11-12", SunAltitude, "69"},
        {s, 40, all, "11-12", SunAzimuth, "20"},
        {s, 40, all, "12-13", SunAltitude, "69"},
        {s, 40, all, "12-13", SunAzimuth, "20"},
        {s, 48, all, "11-12", SunAltitude, "61.1152"},
        {s, 48, all, "11-12", SunAzimuth, "16"},
        {s, 48, all, "8-9", SunAltitude, "40.1152"},
        {s, 48, all, "8-9", SunAzimuth, "76.1152"},
        {s, 60, all, "11-12", SunAltitude, "50"},
        {s, 60, all, "11-12", SunAzimuth, "11"},
        {s, 60, all, "17-18", SunAltitude, "21"},
        {s, 60, all, "17-18", SunAzimuth, "94"},
        {s, 40, all, "17-18", SunAltitude, "19.08"},
        {s, 40, all, "17-18", SunAzimuth, "104.08"},
        {s, 44, all, "8-9", SunAltitude, "40.0968"},
        {s, 42, all, "17-18", SunAltitude, "18.9632"},
        {s, 60, all, "12-13", SunAzimuth, "11"},
    });
}

// SunAltitude 18.9632 .. 69 and SunAzimuth 11 .. 104.08 at every latitude,
// both ends reached; SunAzimuth exceeds 90 at 16-17 exactly for latitudes up
// to 45 and at 17-18 for all latitudes.
TEST(FillSunPosition, ValueRangeAtEveryLatitude) {
    ProjectState state;
    using enum WindowField;
    const Decimal4 altitudeLow = ParseDecimal4("18.9632");
    const Decimal4 altitudeHigh = Decimal4::FromInt(69);
    const Decimal4 azimuthLow = Decimal4::FromInt(11);
    const Decimal4 azimuthHigh = ParseDecimal4("104.08");
    const Decimal4 ninety = Decimal4::FromInt(90);
    Decimal4 minAltitude = altitudeHigh, maxAltitude = altitudeLow;
    Decimal4 minAzimuth = azimuthHigh, maxAzimuth = azimuthLow;
    for (int latitude = 40; latitude <= 60; ++latitude) {
        RunAt(state, latitude, FillSunPosition);
        for (int o = 1; o <= kOrientationCount; ++o) {
            for (int h = 1; h <= kHourCount; ++h) {
                SCOPED_TRACE(Trace(o, h, SunAltitude, latitude));
                const Decimal4 altitude = Stored(state, o, h, SunAltitude);
                const Decimal4 azimuth = Stored(state, o, h, SunAzimuth);
                EXPECT_GE(altitude, altitudeLow);
                EXPECT_LE(altitude, altitudeHigh);
                EXPECT_GE(azimuth, azimuthLow);
                EXPECT_LE(azimuth, azimuthHigh);
                minAltitude = std::min(minAltitude, altitude);
                maxAltitude = std::max(maxAltitude, altitude);
                minAzimuth = std::min(minAzimuth, azimuth);
                maxAzimuth = std::max(maxAzimuth, azimuth);
                const bool northOfEastWest = h == 10 || (h == 9 && latitude <= 45);
                EXPECT_EQ(azimuth > ninety, northOfEastWest);
            }
        }
    }
    EXPECT_EQ(minAltitude, altitudeLow);
    EXPECT_EQ(maxAltitude, altitudeHigh);
    EXPECT_EQ(minAzimuth, azimuthLow);
    EXPECT_EQ(maxAzimuth, azimuthHigh);
}

TEST(FillSunPosition, SameInEveryOrientationAndSymmetricAboutNoon) {
    ProjectState state;
    for (int latitude = 40; latitude <= 60; ++latitude) {
        RunAt(state, latitude, FillSunPosition);
        ExpectSameInEveryOrientationAndSymmetric(state, latitude, kSunFields);
    }
}

// ---- All three generators -------------------------------------------------------

struct GeneratorFields {
    const Generator* generator;
    std::vector<int> fields;  // the field numbers it writes
};

const GeneratorFields kGenerators[] = {
    {&kVertical, {1, 2, 8, 9}},
    {&kHorizontal, {1, 2, 8, 9}},
    {&kSunPosition, {3, 4}},
};

bool Writes(const GeneratorFields& g, int field) {
    for (int f : g.fields) {
        if (f == field) return true;
    }
    return false;
}

// Every field of every record (and the peaks) holds a value no generator
// produces; afterwards the generator's fields are all rewritten (zeros
// included) and every other field is as it was.
TEST(SolarGenerators, WriteAllTheirEntriesAndNothingElse) {
    const Decimal4 sentinel = ParseDecimal4("-12345.6789");
    for (const auto& g : kGenerators) {
        for (int latitude = 40; latitude <= 60; ++latitude) {
            ProjectState state;
            for (auto& record : state.WindowHours.records) record.fields.fill(sentinel);
            state.WindowPeakGain.Fill(sentinel);
            state.WindowPeakHour.Fill(7);
            state.Latitude = latitude;
            g.generator->run(state);
            for (int o = 1; o <= kOrientationCount; ++o) {
                for (int h = 1; h <= kHourCount; ++h) {
                    for (int f = 1; f <= kWindowFieldCount; ++f) {
                        const Decimal4 value = state.WindowHours.Record(o, h).Field(f);
                        SCOPED_TRACE(std::string(g.generator->name) + ": " +
                                     Trace(o, h, static_cast<WindowField>(f), latitude) + " (field " +
                                     std::to_string(f) + ")");
                        if (Writes(g, f)) {
                            EXPECT_NE(value, sentinel);
                        } else {
                            EXPECT_EQ(value, sentinel);
                        }
                    }
                }
            }
            for (int o = 1; o <= kOrientationCount; ++o) {
                EXPECT_EQ(state.WindowPeakGain[o], sentinel);
                EXPECT_EQ(state.WindowPeakHour[o], 7);
            }
            EXPECT_EQ(state.Latitude, latitude);
        }
    }
}

TEST(SolarGenerators, SameLatitudeSameValues) {
    ProjectState state;
    for (const auto& g : kGenerators) {
        SCOPED_TRACE(g.generator->name);
        RunAt(state, 53, g.generator->run);
        const WindowHourTable first = state.WindowHours;
        g.generator->run(state);
        EXPECT_EQ(state.WindowHours, first);
    }
}

// Outside 40..60 the tables are undefined: each generator refuses the latitude
// with the latitude message and leaves the table as it was.
TEST(SolarGenerators, RefuseLatitudesOutsideTheTables) {
    ProjectState state;
    const std::int32_t latitudes[] = {39, 61, 0, -48, 90, INT_MIN, INT_MAX};
    for (const auto& g : kGenerators) {
        for (std::int32_t latitude : latitudes) {
            SCOPED_TRACE(std::string(g.generator->name) + " at " + std::to_string(latitude));
            RunAt(state, 50, g.generator->run);
            const WindowHourTable before = state.WindowHours;
            state.Latitude = latitude;
            try {
                g.generator->run(state);
                ADD_FAILURE() << "no error raised";
            } catch (const CalcError& e) {
                EXPECT_EQ(std::string(e.what()), kLatitudeRangeMessage);
            }
            EXPECT_EQ(state.WindowHours, before);
        }
    }
}

// ---- MeanRadiationAt -----------------------------------------------------------------

TEST(MeanRadiationAt, BandsChangeAfter43AndAt52AndEndAt60) {
    struct Case {
        std::int32_t latitude;
        const char* north;  // or the message
    };
    const Case cases[] = {{43, "70.25"},
                          {44, "70.0968"},
                          {51, "77.3488"},
                          {52, "79.1352"},
                          {60, "82.18"},
                          {39, kLatitudeRangeMessage.c_str()},
                          {61, kLatitudeRangeMessage.c_str()},
                          {0, kLatitudeRangeMessage.c_str()}};
    BeginComputation();
    for (const Case& c : cases) {
        SCOPED_TRACE("latitude " + std::to_string(c.latitude));
        std::string north;
        try {
            north = FormatDecimal4(MeanRadiationAt(c.latitude).Facade[1]);
        } catch (const CalcError& e) {
            north = e.what();
        }
        EXPECT_EQ(north, c.north);
    }
}

// ---- ReadLatitude -------------------------------------------------------------------

TEST(ReadLatitude, AcceptsTheWholeDegreesOfTheTables) {
    struct Case {
        const char* text;
        std::int32_t latitude;
    };
    const Case cases[] = {{"40", 40}, {"48", 48}, {"60", 60}, {"  52", 52}, {"+45", 45}, {"$30", 48}, {"0x3C", 60}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadLatitude(c.text), c.latitude);
    }
}

TEST(ReadLatitude, RefusesOtherTexts) {
    struct Case {
        const char* text;
        std::string message;
    };
    const std::string range = kLatitudeRangeMessage;
    const Case cases[] = {
        {"39", range},
        {"61", range},
        {"0", range},
        {"-48", range},
        {"2147483647", range},
        {"", "пусто — введите целое число"},
        {"48 ", "«48 » — не целое число"},
        {"48.5", "«48.5» — не целое число"},
        {"abc", "«abc» — не целое число"},
        {"2147483648", "«2147483648» — слишком большое по модулю целое число"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.text << "'");
        try {
            ReadLatitude(c.text);
            ADD_FAILURE() << "no error raised";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
    EXPECT_EQ(ErrorBoxText(range), "Широта должна быть целым числом от 40 до 60 градусов.");
}

}  // namespace
