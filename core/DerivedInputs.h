#pragma once

#include <optional>
#include <string_view>

#include "Decimal4.h"

// Values that follow the typing on the input page.

// Area of the light openings Fп = (B · H) · n from the texts of H, B and n,
// each parsed (and so rounded) first. Empty when one of the texts is empty.
std::optional<Decimal4> OpeningArea(std::string_view height, std::string_view width, std::string_view count);

// Outer heat-transfer coefficient of vertical surfaces, 5.8 + 11.6·√V.
Decimal4 VerticalOuterCoeff(Decimal4 windSpeed);
// Outer heat-transfer coefficient of horizontal surfaces, 8.7 + 2.6·√V.
Decimal4 HorizontalOuterCoeff(Decimal4 windSpeed);

// Stores the wind speed typed in its edit into the project state; false (and
// nothing stored) when the text is empty.
bool ReadWindSpeed(std::string_view text);
// WindowOuterCoeff and EnvelopeOuterCoeff from the stored wind speed.
void UpdateWindowOuterCoeff();
void UpdateEnvelopeOuterCoeff();
