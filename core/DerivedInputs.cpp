#include "DerivedInputs.h"

#include "Conversions.h"
#include "FloatingPoint.h"
#include "ProjectState.h"

std::optional<Decimal4> OpeningArea(std::string_view height, std::string_view width, std::string_view count) {
    if (height.empty() || width.empty() || count.empty()) return std::nullopt;
    const Decimal4 h = ParseDecimal4(height);
    const Decimal4 b = ParseDecimal4(width);
    const Decimal4 n = ParseDecimal4(count);
    BeginComputation();
    // (B · H) · n on the counts: each product of two stored values carries
    // one factor 10000 too many.
    return Decimal4::StoreCounts(b.Counts() * h.Counts() / kScale * n.Counts() / kScale);
}

Decimal4 VerticalOuterCoeff(Decimal4 windSpeed) {
    BeginComputation();
    return Decimal4::StoreUnits(5.8L + 11.6L * X87Sqrt(windSpeed.Units()));
}

Decimal4 HorizontalOuterCoeff(Decimal4 windSpeed) {
    BeginComputation();
    return Decimal4::StoreUnits(8.7L + 2.6L * X87Sqrt(windSpeed.Units()));
}

bool ReadWindSpeed(std::string_view text) {
    if (text.empty()) return false;
    Project.WindSpeed = ParseDecimal4(text);
    return true;
}

void UpdateWindowOuterCoeff() { Project.WindowOuterCoeff = VerticalOuterCoeff(Project.WindSpeed); }

void UpdateEnvelopeOuterCoeff() { Project.EnvelopeOuterCoeff = HorizontalOuterCoeff(Project.WindSpeed); }
