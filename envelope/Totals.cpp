#include "Totals.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "CalcError.h"
#include "Construction.h"
#include "Conversions.h"
#include "DerivedInputs.h"
#include "EnvelopeGains.h"
#include "InputControls.h"
#include "SolarRadiation.h"

namespace {

struct RowTitle {
    int row;
    std::string_view text;
};

// clang-format off
constexpr std::array<RowTitle, 4> kRowTitles{{
    { kWindowTitleRow, "  Окна"    },
    { kWallTitleRow,   " Стены"    },
    { kRoofTitleRow,   "Покрытие"  },
    { kGrandTitleRow,  "  ВСЕГО"   },
}};
// clang-format on

// The cell of a row in the column of hour 1..10.
std::string& Cell(TotalsView& view, int row, int hour) {
    return view.Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(hour - 1)];
}

std::string ValueText(Decimal4 value) { return "  " + FormatDecimal4(value); }

// The rows of each element kind, in the order the page computes them: its
// values, whether it is included, the marker row and the hour of its maximum.
struct ElementRows {
    int valueRow;
    HourValues ProjectState::*values;
    bool TotalsInputTexts::*included;
    int markerRow;
    std::optional<int> TotalsView::*hour;
};
// clang-format off
constexpr std::array<ElementRows, 3> kElementRows{{
    { kWindowValueRow, &ProjectState::WindowHourTotal, &TotalsInputTexts::Windows, kWindowMarkerRow, &TotalsView::WindowMaxHour },
    { kWallValueRow,   &ProjectState::WallHourTotal,   &TotalsInputTexts::Walls,   kWallMarkerRow,   &TotalsView::WallMaxHour   },
    { kRoofValueRow,   &ProjectState::RoofHourGain,    &TotalsInputTexts::Roof,    kRoofMarkerRow,   &TotalsView::RoofMaxHour   },
}};
// clang-format on

// The marker rows from the hours of the maxima: "  MAX" under each, nothing elsewhere.
void WriteMarkers(TotalsView& view) {
    for (const ElementRows& marker : kElementRows)
        for (int h = 1; h <= kHourCount; ++h)
            Cell(view, marker.markerRow, h) = view.*marker.hour == h ? kMaxMarker : "";
}

// The window hour table as the page found it, put back on every way out.
class WindowTableLoan {
public:
    explicit WindowTableLoan(ProjectState& state) : state_(state), kept_(state.WindowHours) {}
    ~WindowTableLoan() { state_.WindowHours = kept_; }
    WindowTableLoan(const WindowTableLoan&) = delete;
    WindowTableLoan& operator=(const WindowTableLoan&) = delete;

private:
    ProjectState& state_;
    WindowHourTable kept_;
};

// Where a sum of the page faulted: "при сложении стен, 8-9".
std::string SumPlace(std::string_view what, int hour) {
    return "при сложении " + std::string(what) + ", " + std::string(HourLabel(hour));
}

// Sum over the checked orientations, in orientation order, of one hour; a
// sum past the range of a stored value says which (`what`: "окон", "стен").
Decimal4 SumChecked(const std::array<bool, kOrientationCount>& checked, int hour, std::string_view what,
                    const auto& valueOf) {
    return AtPlaceOfFault([what, hour] { return SumPlace(what, hour); },
                          [&] {
                              Decimal4 sum;
                              for (int o = 1; o <= kOrientationCount; ++o)
                                  if (checked[static_cast<std::size_t>(o - 1)]) sum = sum + valueOf(o, hour);
                              return sum;
                          });
}

}  // namespace

int MaximumHour(const HourValues& values) {
    int best = 1;
    for (int h = 2; h <= kHourCount; ++h)
        if (values[h] > values[best]) best = h;
    return best;
}

Decimal4 RoundToWholeWatts(Decimal4 value) { return value.RoundedWhole(); }

void WriteTotalsTitles(TotalsView& view) {
    for (int h = 1; h <= kHourCount; ++h) Cell(view, kTotalsHeaderRow, h) = "   " + std::string(HourLabel(h));
    for (const RowTitle& title : kRowTitles)
        view.Cells[static_cast<std::size_t>(title.row)][kTotalsTitleColumn] = title.text;
}

void ReadTotalsSharedInputs(ProjectState& state, const TotalsInputTexts& in) {
    state.Latitude = ReadingInput("Latitude", [&in] { return ReadLatitude(in.Latitude); });
    state.WindSpeed = ReadInputValue("WindSpeed", in.WindSpeed);
    state.OutdoorMeanTemp = ReadInputValue("OutdoorMeanTemp", in.OutdoorMeanTemp);
    state.IndoorTemp = ReadInputValue("IndoorTemp", in.IndoorTemp);
    state.OutdoorAmplitude = ReadInputValue("OutdoorAmplitude", in.OutdoorAmplitude);
}

void ClearTotalsMarkers(TotalsView& view) {
    for (const ElementRows& marker : kElementRows) (view.*marker.hour).reset();
    WriteMarkers(view);
}

void SumWindowTotals(ProjectState& state, const TotalsInputTexts& in) {
    for (int h = 1; h <= kHourCount; ++h) {
        state.WindowHourTotal[h] = in.Windows
                                       ? SumChecked(in.WindowOrientations, h, "окон",
                                                    [&state](int o, int hour) {
                                                        return state.WindowHours.Record(o, hour)[WindowField::HeatGain];
                                                    })
                                       : Decimal4();
    }
}

void ComputeWallTotals(ProjectState& state, const TotalsInputTexts& in) {
    if (!in.Walls) {
        for (int o = 1; o <= kOrientationCount; ++o) state.WallHourGain[o].Fill(Decimal4());
        state.WallHourTotal.Fill(Decimal4());
        return;
    }
    ReadInputValue("WallInnerResistance", in.WallInnerResistance);
    state.WallAbsorptance = ReadInputValue("WallAbsorptance", in.WallAbsorptance);
    state.WallArea = ReadInputValue("WallArea", in.WallArea);
    RequireEnteredLayers(state, Construction::Wall);
    FillVerticalRadiation(state);
    ComputeWallGains(state);
    for (int h = 1; h <= kHourCount; ++h) {
        const Decimal4 sum = SumChecked(in.WallOrientations, h, "стен",
                                        [&state](int o, int hour) { return state.WallHourGain[o][hour]; });
        state.WallHourTotal[h] = RoundToWholeWatts(sum);
    }
}

void ComputeRoofTotals(ProjectState& state, const TotalsInputTexts& in, TotalsView& view) {
    if (!in.Roof) {
        state.RoofHourGain.Fill(Decimal4());
        state.RoofHourGainExact.Fill(Decimal4());
        return;
    }
    // The roof's αн, from the wind speed as the roof gains take it; the
    // coefficient of horizontal windows typed on the input page stays.
    view.RoofOuterCoeffText = FormatDecimal4(HorizontalOuterCoeff(state.WindSpeed));
    state.RoofArea = ReadInputValue("RoofArea", in.RoofArea);
    state.RoofAbsorptance = ReadInputValue("RoofAbsorptance", in.RoofAbsorptance);
    state.UnderRoofTemp = ReadInputValue("UnderRoofTemp", in.UnderRoofTemp);
    RequireEnteredLayers(state, Construction::Roof);
    FillHorizontalRadiation(state);
    ComputeRoofGains(state);
    state.RoofHourGainExact = state.RoofHourGain;
    for (int h = 1; h <= kHourCount; ++h) state.RoofHourGain[h] = RoundToWholeWatts(state.RoofHourGain[h]);
}

void WriteTotalsValues(ProjectState& state, TotalsView& view) {
    for (int h = 1; h <= kHourCount; ++h) {
        Cell(view, kWindowValueRow, h) = ValueText(state.WindowHourTotal[h]);
        Cell(view, kWallValueRow, h) = ValueText(state.WallHourTotal[h]);
        Cell(view, kRoofValueRow, h) = ValueText(state.RoofHourGain[h]);
        state.GrandHourTotal[h] = AtPlaceOfFault(
            [h] { return SumPlace("окон, стен и покрытия", h); },
            [&state, h] { return state.WindowHourTotal[h] + state.WallHourTotal[h] + state.RoofHourGain[h]; });
        Cell(view, kGrandValueRow, h) = ValueText(state.GrandHourTotal[h]);
    }
}

void MarkTotalsMaxima(const ProjectState& state, const TotalsInputTexts& in, TotalsView& view) {
    for (const ElementRows& element : kElementRows)
        if (in.*element.included) view.*element.hour = PeakHour(state.*element.values);
    WriteMarkers(view);
    view.GrandMaxHour = PeakHour(state.GrandHourTotal);
    if (!view.GrandMaxHour) view.NoGain = NoGainReason(in);
}

std::optional<int> PeakHour(const HourValues& values) {
    for (int h = 1; h <= kHourCount; ++h)
        if (!values[h].IsZero()) return MaximumHour(values);
    return std::nullopt;
}

std::string NoGainReason(const TotalsInputTexts& in) {
    const auto none = [](const std::array<bool, kOrientationCount>& ticked) {
        return std::none_of(ticked.begin(), ticked.end(), [](bool on) { return on; });
    };
    std::string why;
    if (!in.Windows && !in.Walls && !in.Roof)
        why = "не отмечено ни окон, ни стен, ни покрытия";
    else if (!in.Roof && (!in.Windows || none(in.WindowOrientations)) && (!in.Walls || none(in.WallOrientations)))
        why = "не отмечена ни одна ориентация";
    else
        why = "теплопоступления равны нулю во все часы (проверьте площади)";
    return "нет теплопоступлений: " + why;
}

void ShowTotalsPage(ProjectState& state, const TotalsInputTexts& in, TotalsView& view) {
    const WindowTableLoan windowTable(state);
    view.RoofOuterCoeffText.reset();
    view.Failure.reset();
    view.GrandMaxHour.reset();
    view.NoGain.reset();
    TotalsStep step = TotalsStep::Windows;
    try {
        WriteTotalsTitles(view);
        ReadTotalsSharedInputs(state, in);
        ClearTotalsMarkers(view);
        SumWindowTotals(state, in);
        step = TotalsStep::Walls;
        ComputeWallTotals(state, in);
        step = TotalsStep::Roof;
        ComputeRoofTotals(state, in, view);
        step = TotalsStep::Sum;
        WriteTotalsValues(state, view);
        MarkTotalsMaxima(state, in, view);
    } catch (const CalcError& e) {
        TotalsNotComputed(state, in, step, ErrorBoxText(e.what()), view);
        throw;
    }
}

void TotalsNotComputed(const ProjectState& state, const TotalsInputTexts& in, TotalsStep failed,
                       const std::string& message, TotalsView& view) {
    WriteTotalsTitles(view);
    for (std::size_t e = 0; e < kElementRows.size(); ++e) {
        const ElementRows& element = kElementRows[e];
        const bool computed = e < static_cast<std::size_t>(failed);
        for (int h = 1; h <= kHourCount; ++h)
            Cell(view, element.valueRow, h) = computed ? ValueText((state.*element.values)[h]) : "";
        view.*element.hour = std::nullopt;
        if (computed && in.*element.included) view.*element.hour = PeakHour(state.*element.values);
    }
    WriteMarkers(view);
    for (int h = 1; h <= kHourCount; ++h) Cell(view, kGrandValueRow, h).clear();
    view.Failure = message;
}
