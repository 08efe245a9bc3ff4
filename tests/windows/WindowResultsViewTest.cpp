#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "WindowResultsView.h"
#include "WindowTestSupport.h"

using namespace window_test;

namespace {

TEST(WindowResultsView, CellTextIsABlankAndTheShortestForm) {
    // clang-format off
    const struct { const char* value; const char* text; } cases[] = {
        { "760",    " 760"    },
        { "0.8979", " 0.8979" },
        { "-0.13",  " -0.13"  },
        { "0.6000", " 0.6"    },
        { "0",      " 0"      },
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(WindowCellText(D(c.value)), c.text);
    }
}

TEST(WindowResultsView, MarkerColumnFollowsThePeakHour) {
    // clang-format off
    const struct { int peakHour; std::optional<int> column; } cases[] = {
        {  1, 0 }, {  5, 4 }, { 10, 9 },
        {  0, std::nullopt }, { 11, std::nullopt }, { -1, std::nullopt },
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.peakHour);
        ProjectState state;
        state.WindowPeakHour[3] = c.peakHour;
        EXPECT_EQ(MakeWindowGridView(state, 3).PeakColumn, c.column);
    }
}

TEST(WindowResultsView, GridShowsOneOrientationOfTheTable) {
    ProjectState state;
    // Before any computation: zeros everywhere and no marker move.
    WindowGridView view = MakeWindowGridView(state, 1);
    EXPECT_EQ(view.Cells[16][9], " 0");
    EXPECT_FALSE(view.PeakColumn);

    RunWindowComputation(state, DefaultWindowInputTexts(), WindowKind::Vertical);
    view = MakeWindowGridView(state, 5);
    EXPECT_EQ(view.Orientation, 5);
    EXPECT_EQ(view.Cells[16][4], " 760");     // Qост at 12-13
    EXPECT_EQ(view.Cells[9][0], " -0.13");    // β₂ at 8-9
    EXPECT_EQ(view.Cells[9][3], " 0.6");      // β₂ at 11-12
    EXPECT_EQ(view.Cells[10][4], " 0.5961");  // Kинс
    EXPECT_EQ(view.PeakHour, state.WindowPeakHour[5]);
    ASSERT_TRUE(view.PeakColumn);
    EXPECT_EQ(*view.PeakColumn, view.PeakHour - 1);

    // Another orientation shows its own records without recomputing.
    const WindowHourTable table = state.WindowHours;
    view = MakeWindowGridView(state, 8);
    EXPECT_EQ(state.WindowHours, table);
    EXPECT_EQ(view.Cells[4][0], " 135");  // Ao of СЗ
    EXPECT_EQ(view.PeakHour, state.WindowPeakHour[8]);
    EXPECT_THROW(MakeWindowGridView(state, 9), std::out_of_range);
}

TEST(WindowResultsView, RowCaptions) {
    // clang-format off
    const struct { int row; const char* text; const char* symbol; const char* unit; } cases[] = {
        {  1, "qвп , Вт/м²",   "qвп",      "Вт/м²" },
        {  2, "qвр , Вт/м²",   "qвр",      "Вт/м²" },
        {  3, "h   , °",       "h",        "°"     },
        {  6, "Aco   , °",     "Aco",      "°"     },
        {  7, "β   , °",       "β",        "°"     },
        {  8, "Sв  , Вт/м²",   "Sв",       "Вт/м²" },
        { 10, "β₂",            "β₂",       ""      },
        { 11, "Kинс.н.",       "Kинс.н.",  ""      },
        { 12, "Kобл",          "Kобл",     ""      },
        { 14, "tн.усл.  , °С", "tн.усл.",  "°С"    },
        { 16, "qпр +qпт ",     "qпр +qпт", ""      },
        { 17, "Qост  ,Вт",     "Qост",     "Вт"    },
    };
    // clang-format on
    const auto captions = WindowRowCaptions(InsolationKindCaption(WindowKind::Inclined));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const WindowRowCaption& caption = captions[static_cast<std::size_t>(c.row - 1)];
        EXPECT_EQ(caption.Row, c.row);
        EXPECT_EQ(static_cast<int>(caption.Field), c.row);
        EXPECT_EQ(caption.PlainText(), c.text);
        EXPECT_EQ(caption.Symbol(), c.symbol);
        EXPECT_EQ(caption.Unit(), c.unit);
        EXPECT_EQ(caption.Color, c.row == 17 ? CaptionColor::Maroon : CaptionColor::Navy);
    }
    // Every row has a name of its own; the tooltip joins it to the unit.
    std::set<std::string_view> names;
    for (const WindowRowCaption& caption : captions) {
        EXPECT_FALSE(caption.Name.empty()) << caption.Row;
        names.insert(caption.Name);
    }
    EXPECT_EQ(names.size(), captions.size());
    EXPECT_EQ(captions[2].Description(), "Высота солнца, °");
    EXPECT_EQ(captions[16].Description(), "Теплопоступления в помещение через окна, Вт");
    EXPECT_EQ(captions[11].Description(), "Коэффициент облучения светового проёма");  // no unit
    // The raised "2" of the areas is its own part.
    const WindowRowCaption& first = captions[0];
    ASSERT_EQ(first.Parts.size(), 3u);
    EXPECT_EQ(first.Parts[2].Text, "2");
    EXPECT_EQ(first.Parts[2].Role, CaptionPartRole::Superscript);
}

}  // namespace
