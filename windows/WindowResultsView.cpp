#include "WindowResultsView.h"

#include <stdexcept>

#include "Conversions.h"
#include "ProjectState.h"

namespace {

std::string_view SubscriptDigit(char c) { return c == '2' ? std::string_view("₂") : std::string_view(); }

WindowRowCaption Caption(int row, WindowField field, std::vector<CaptionPart> parts, std::string_view name,
                         CaptionColor color = CaptionColor::Navy) {
    return WindowRowCaption{row, field, std::move(parts), color, name};
}

CaptionPart Sym(std::string text) { return {std::move(text), CaptionPartRole::Symbol}; }
CaptionPart Sub(std::string text) { return {std::move(text), CaptionPartRole::Subscript}; }
CaptionPart Sup(std::string text) { return {std::move(text), CaptionPartRole::Superscript}; }

}  // namespace

std::string WindowCellText(Decimal4 value) {
    std::string text(1, ' ');
    text += FormatDecimal4(value);
    return text;
}

WindowGridView MakeWindowGridView(const ProjectState& state, int orientation) {
    if (orientation < 1 || orientation > kOrientationCount) throw std::out_of_range("orientation out of range");
    WindowGridView view;
    view.Orientation = orientation;
    for (int row = 1; row <= kWindowGridRows; ++row) {
        for (int column = 0; column < kWindowGridColumns; ++column) {
            const Decimal4 value = state.WindowHours.Record(orientation, column + 1).Field(row);
            view.Cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)] = WindowCellText(value);
        }
    }
    view.PeakHour = state.WindowPeakHour[orientation];
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

std::string WindowRowCaption::Description() const {
    std::string text(Name);
    if (const std::string unit = Unit(); !unit.empty()) (text += ", ") += unit;
    return text;
}

std::string WindowRowCaption::Unit() const {
    const std::string text = PlainText();
    const std::size_t comma = text.find(',');
    return comma == std::string::npos ? std::string() : Trimmed(std::string_view(text).substr(comma + 1));
}

std::array<WindowRowCaption, kWindowGridRows> WindowRowCaptions(std::string_view insolationCaption) {
    using F = WindowField;
    // Row, field, caption parts, the quantity in words (row 16's caption
    // shows no unit: the sum of rows 13 and 15 is in theirs, written in its
    // name).
    // clang-format off
    return {{
        Caption( 1, F::GainDirect,       {Sym("q"), Sub("вп , Вт/м"), Sup("2")},          "Теплопоступления через одинарное остекление от прямой солнечной радиации"),
        Caption( 2, F::GainDiffuse,      {Sym("q"), Sub("вр , Вт/м"), Sup("2")},          "Теплопоступления через одинарное остекление от рассеянной солнечной радиации"),
        Caption( 3, F::SunAltitude,      {Sym("h   , °")},                                "Высота солнца"),
        Caption( 4, F::SunAzimuth,       {Sym("Ac   , °")},                               "Азимут солнца"),
        Caption( 5, F::FacadeAzimuth,    {Sym("Ao   , °")},                               "Азимут фасада, от юга без знака"),
        Caption( 6, F::SunFacadeAzimuth, {Sym("Aco   , °")},                              "Азимут солнца относительно фасада"),
        Caption( 7, F::BetaAngle,        {Sym("β"), Sym("   , °")},                       "Угол β: tg β = ctg h · cos Aco"),
        Caption( 8, F::IrradDirect,      {Sym("S"), Sub("в  , Вт/м"), Sup("2")},          "Прямая солнечная радиация на плоскость остекления"),
        Caption( 9, F::IrradDiffuse,     {Sym("D"), Sub("в  , Вт/м"), Sup("2")},          "Рассеянная солнечная радиация на плоскость остекления"),
        Caption(10, F::TempWaveCoeff,    {Sym("β"), Sub("2")},                            "Коэффициент суточного хода температуры наружного воздуха"),
        Caption(11, F::InsolationCoeff,  {Sym("K"), Sub(std::string(insolationCaption))}, "Коэффициент инсоляции"),
        Caption(12, F::IrradiationCoeff, {Sym("K"), Sub("обл")},                          "Коэффициент облучения светового проёма"),
        Caption(13, F::FluxRadiation,    {Sym("q"), Sub("пр , Вт/м"), Sup("2")},          "Тепловой поток через остекление от проникающей солнечной радиации"),
        Caption(14, F::CondOutdoorTemp,  {Sym("t"), Sub("н.усл.  , °С")},                 "Условная температура наружного воздуха"),
        Caption(15, F::FluxTransfer,     {Sym("q"), Sub("пт , Вт/м"), Sup("2")},          "Тепловой поток через остекление за счёт теплопередачи"),
        Caption(16, F::FluxTotal,        {Sym("q"), Sub("пр +"), Sym("q"), Sub("пт ")},   "Суммарный тепловой поток через остекление, Вт/м²"),
        Caption(17, F::HeatGain,         {Sym("Q"), Sub("ост  ,Вт")},                     "Теплопоступления в помещение через окна", CaptionColor::Maroon),
    }};
    // clang-format on
}
