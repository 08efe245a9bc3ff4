#include "WindowResultsView.h"

#include <stdexcept>

#include "Conversions.h"
#include "ProjectState.h"

namespace {

// clang-format off
constexpr std::array<std::string_view, kWindowGridColumns> kHeader{{
    "     8-9", "    9-10", "   10-11", "   11-12", "   12-13",
    "   13-14", "   14-15", "   15-16", "   16-17", "   17-18",
}};
// clang-format on

std::string_view SubscriptDigit(char c) { return c == '2' ? std::string_view("₂") : std::string_view(); }

WindowRowCaption Caption(int row, WindowField field, std::vector<CaptionPart> parts,
                         CaptionColor color = CaptionColor::Navy) {
    return WindowRowCaption{row, field, std::move(parts), color};
}

CaptionPart Sym(std::string text) { return {std::move(text), CaptionPartRole::Symbol}; }
CaptionPart Sub(std::string text) { return {std::move(text), CaptionPartRole::Subscript}; }
CaptionPart Sup(std::string text) { return {std::move(text), CaptionPartRole::Superscript}; }

}  // namespace

const std::array<std::string_view, kWindowGridColumns>& WindowGridHeader() { return kHeader; }

std::string WindowCellText(Decimal4 value) {
    std::string text(1, ' ');
    text += FormatDecimal4(value);
    return text;
}

WindowGridView MakeWindowGridView(int orientation) {
    if (orientation < 1 || orientation > kOrientationCount) throw std::out_of_range("orientation out of range");
    WindowGridView view;
    view.Orientation = orientation;
    for (int row = 1; row <= kWindowGridRows; ++row) {
        for (int column = 0; column < kWindowGridColumns; ++column) {
            const Decimal4 value = Project.WindowHours.Record(orientation, column + 1).Field(row);
            view.Cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)] = WindowCellText(value);
        }
    }
    view.PeakHour = Project.WindowPeakHour[orientation];
    if (view.PeakHour >= 1 && view.PeakHour <= kHourCount) view.PeakColumn = view.PeakHour - 1;
    return view;
}

std::string WindowRowCaption::PlainText() const {
    std::string text;
    for (const CaptionPart& part : Parts) {
        if (part.Role == CaptionPartRole::Superscript && part.Text == "2") {
            text += "²";
        } else if (part.Role == CaptionPartRole::Subscript && part.Text.size() == 1 &&
                   !SubscriptDigit(part.Text[0]).empty()) {
            text += SubscriptDigit(part.Text[0]);
        } else {
            text += part.Text;
        }
    }
    return text;
}

namespace {

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::string WindowRowCaption::Symbol() const {
    const std::string text = PlainText();
    return Trimmed(std::string_view(text).substr(0, text.find(',')));
}

std::string WindowRowCaption::Unit() const {
    const std::string text = PlainText();
    const std::size_t comma = text.find(',');
    return comma == std::string::npos ? std::string() : Trimmed(std::string_view(text).substr(comma + 1));
}

std::array<WindowRowCaption, kWindowGridRows> WindowRowCaptions(std::string_view insolationCaption) {
    using F = WindowField;
    // clang-format off
    return {{
        Caption( 1, F::GainDirect,       {Sym("q"), Sub("вп , Вт/м"), Sup("2")}),
        Caption( 2, F::GainDiffuse,      {Sym("q"), Sub("вр , Вт/м"), Sup("2")}),
        Caption( 3, F::SunAltitude,      {Sym("h   , °")}),
        Caption( 4, F::SunAzimuth,       {Sym("Ac   , °")}),
        Caption( 5, F::FacadeAzimuth,    {Sym("Ao   , °")}),
        Caption( 6, F::SunFacadeAzimuth, {Sym("Aco   , °")}),
        Caption( 7, F::BetaAngle,        {Sym("β"), Sym("   , °")}),
        Caption( 8, F::IrradDirect,      {Sym("S"), Sub("в  , Вт/м"), Sup("2")}),
        Caption( 9, F::IrradDiffuse,     {Sym("D"), Sub("в  , Вт/м"), Sup("2")}),
        Caption(10, F::TempWaveCoeff,    {Sym("β"), Sub("2")}),
        Caption(11, F::InsolationCoeff,  {Sym("K"), Sub(std::string(insolationCaption))}),
        Caption(12, F::IrradiationCoeff, {Sym("K"), Sub("обл")}),
        Caption(13, F::FluxRadiation,    {Sym("q"), Sub("пр , Вт/м"), Sup("2")}),
        Caption(14, F::CondOutdoorTemp,  {Sym("t"), Sub("н.усл.  , °С")}),
        Caption(15, F::FluxTransfer,     {Sym("q"), Sub("пт , Вт/м"), Sup("2")}),
        Caption(16, F::FluxTotal,        {Sym("q"), Sub("пр +"), Sym("q"), Sub("пт ")}),
        Caption(17, F::HeatGain,         {Sym("Q"), Sub("ост  ,Вт")}, CaptionColor::Maroon),
    }};
    // clang-format on
}
