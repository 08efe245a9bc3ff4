#include "Totals.h"

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

// The marker row of each element kind and the hour of its maximum.
struct MarkerRow {
    int row;
    std::optional<int> TotalsView::*hour;
};
// clang-format off
constexpr std::array<MarkerRow, 3> kMarkerRows{{
    { kWindowMarkerRow, &TotalsView::WindowMaxHour },
    { kWallMarkerRow,   &TotalsView::WallMaxHour   },
    { kRoofMarkerRow,   &TotalsView::RoofMaxHour   },
}};
// clang-format on

// The marker rows from the hours of the maxima: "  MAX" under each, nothing elsewhere.
void WriteMarkers(TotalsView& view) {
    for (const MarkerRow& marker : kMarkerRows)
        for (int h = 1; h <= kHourCount; ++h) Cell(view, marker.row, h) = view.*marker.hour == h ? kMaxMarker : "";
}

// Sum over the checked orientations, in orientation order, of one hour.
Decimal4 SumChecked(const std::array<bool, kOrientationCount>& checked, int hour, const auto& valueOf) {
    Decimal4 sum;
    for (int o = 1; o <= kOrientationCount; ++o)
        if (checked[static_cast<std::size_t>(o - 1)]) sum = sum + valueOf(o, hour);
    return sum;
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

void ReadTotalsSharedInputs(const TotalsInputTexts& in) {
    Project.Latitude = ReadingControl("ComboBox1", [&in] { return ReadLatitude(in.Latitude); });
    Project.WindSpeed = ReadInputValue("Edit5", in.WindSpeed);
    Project.OutdoorMeanTemp = ReadInputValue("Edit7", in.OutdoorMeanTemp);
    Project.IndoorTemp = ReadInputValue("Edit6", in.IndoorTemp);
    Project.OutdoorAmplitude = ReadInputValue("Edit12", in.OutdoorAmplitude);
}

void ClearTotalsMarkers(TotalsView& view) {
    for (const MarkerRow& marker : kMarkerRows) (view.*marker.hour).reset();
    WriteMarkers(view);
}

void SumWindowTotals(const TotalsInputTexts& in) {
    for (int h = 1; h <= kHourCount; ++h) {
        Project.WindowHourTotal[h] =
            in.Windows
                ? SumChecked(in.WindowOrientations, h,
                             [](int o, int hour) { return Project.WindowHours.Record(o, hour)[WindowField::HeatGain]; })
                : Decimal4();
    }
}

void ComputeWallTotals(const TotalsInputTexts& in) {
    if (!in.Walls) {
        for (int o = 1; o <= kOrientationCount; ++o) Project.WallHourGain[o].Fill(Decimal4());
        Project.WallHourTotal.Fill(Decimal4());
        return;
    }
    ReadInputValue("Edit39", in.WallInnerResistance);
    Project.WallAbsorptance = ReadInputValue("Edit22", in.WallAbsorptance);
    Project.WallArea = ReadInputValue("Edit4", in.WallArea);
    FillVerticalRadiation();
    ComputeWallGains();
    for (int h = 1; h <= kHourCount; ++h) {
        const Decimal4 sum =
            SumChecked(in.WallOrientations, h, [](int o, int hour) { return Project.WallHourGain[o][hour]; });
        Project.WallHourTotal[h] = RoundToWholeWatts(sum);
    }
}

void ComputeRoofTotals(const TotalsInputTexts& in, TotalsView& view) {
    if (!in.Roof) {
        Project.RoofHourGain.Fill(Decimal4());
        Project.RoofHourGainExact.Fill(Decimal4());
        return;
    }
    UpdateEnvelopeOuterCoeff();
    view.RoofOuterCoeffText = FormatDecimal4(Project.EnvelopeOuterCoeff);
    Project.RoofArea = ReadInputValue("Edit23", in.RoofArea);
    Project.RoofAbsorptance = ReadInputValue("Edit26", in.RoofAbsorptance);
    Project.UnderRoofTemp = ReadInputValue("Edit40", in.UnderRoofTemp);
    FillHorizontalRadiation();
    ComputeRoofGains();
    Project.RoofHourGainExact = Project.RoofHourGain;
    for (int h = 1; h <= kHourCount; ++h) Project.RoofHourGain[h] = RoundToWholeWatts(Project.RoofHourGain[h]);
}

void WriteTotalsValues(TotalsView& view) {
    for (int h = 1; h <= kHourCount; ++h) {
        Cell(view, kWindowValueRow, h) = ValueText(Project.WindowHourTotal[h]);
        Cell(view, kWallValueRow, h) = ValueText(Project.WallHourTotal[h]);
        Cell(view, kRoofValueRow, h) = ValueText(Project.RoofHourGain[h]);
        Project.GrandHourTotal[h] = Project.WindowHourTotal[h] + Project.WallHourTotal[h] + Project.RoofHourGain[h];
        Cell(view, kGrandValueRow, h) = ValueText(Project.GrandHourTotal[h]);
    }
}

void MarkTotalsMaxima(const TotalsInputTexts& in, TotalsView& view) {
    if (in.Windows) view.WindowMaxHour = MaximumHour(Project.WindowHourTotal);
    if (in.Walls) view.WallMaxHour = MaximumHour(Project.WallHourTotal);
    if (in.Roof) view.RoofMaxHour = MaximumHour(Project.RoofHourGain);
    WriteMarkers(view);
    view.GrandMaxHour = MaximumHour(Project.GrandHourTotal);
}

void ShowTotalsPage(const TotalsInputTexts& in, TotalsView& view) {
    view.RoofOuterCoeffText.reset();
    WriteTotalsTitles(view);
    ReadTotalsSharedInputs(in);
    ClearTotalsMarkers(view);
    SumWindowTotals(in);
    ComputeWallTotals(in);
    ComputeRoofTotals(in, view);
    WriteTotalsValues(view);
    MarkTotalsMaxima(in, view);
}
