#include "DerivedInputs.h"

#include <stdexcept>

#include "CalcError.h"
#include "Conversions.h"
#include "FloatingPoint.h"
#include "InputControls.h"

std::optional<Decimal4> OpeningArea(std::string_view height, std::string_view width, std::string_view count) {
    if (height.empty() || width.empty() || count.empty()) return std::nullopt;
    const Decimal4 h = ReadingInput("WindowHeight", [height] { return ParseDecimal4(height); });
    const Decimal4 b = ReadingInput("WindowWidth", [width] { return ParseDecimal4(width); });
    const Decimal4 n = ReadInputValue("WindowCount", count);
    return OpeningArea(h, b, n);
}

Decimal4 OpeningArea(Decimal4 h, Decimal4 b, Decimal4 n) {
    BeginComputation();
    // (B · H) · n on the counts: each product of two stored values carries
    // one factor 10000 too many.
    return AtPlaceOfFault(
        [] { return std::string("при расчёте площади световых проёмов Fп = Н · В · n"); },
        [&] { return Decimal4::StoreCounts(b.Counts() * h.Counts() / kScale * n.Counts() / kScale); });
}

std::optional<std::string> OpeningAreaText(std::string_view height, std::string_view width, std::string_view count) {
    const std::optional<Decimal4> area = OpeningArea(height, width, count);
    if (!area) return std::nullopt;
    return FormatDecimal4(*area);
}

Decimal4 VerticalOuterCoeff(Decimal4 windSpeed) {
    BeginComputation();
    return Decimal4::StoreUnits(5.8L + 11.6L * X87Sqrt(windSpeed.Units()));
}

Decimal4 HorizontalOuterCoeff(Decimal4 windSpeed) {
    BeginComputation();
    return Decimal4::StoreUnits(8.7L + 2.6L * X87Sqrt(windSpeed.Units()));
}

std::optional<OuterCoeffTexts> TypeWindSpeed(std::string_view text, bool windowCoeff, ProjectState& state) {
    if (text.empty()) return std::nullopt;
    state.WindSpeed = ReadInputValue("WindSpeed", text);
    OuterCoeffTexts shown;
    if (windowCoeff) {
        state.WindowOuterCoeff = VerticalOuterCoeff(state.WindSpeed);
        shown.Window = FormatDecimal4(state.WindowOuterCoeff);
    }
    state.EnvelopeOuterCoeff = HorizontalOuterCoeff(state.WindSpeed);
    shown.Envelope = FormatDecimal4(state.EnvelopeOuterCoeff);
    return shown;
}

WindowKindSwitch KindSwitch(WindowKind kind) {
    switch (kind) {
        case WindowKind::Vertical:
            return {InputControlOf("ShadeHorizLength").defaultText, InputControlOf("ShadeVertLength").defaultText, true,
                    false, true};
        case WindowKind::Inclined:
            return {std::nullopt, std::nullopt, true, true, true};
        case WindowKind::Horizontal:
            return {"0", "0", false, false, false};
    }
    throw std::invalid_argument("unknown window kind");
}
