#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Decimal4.h"
#include "ProjectState.h"

// The rules of the input page that follow the typing: the opening area from
// the window size and count, the outer coefficients from the wind speed, and
// what choosing a window kind sets. The window's handlers, the command-line
// tool and the project file's header check all apply them from here.

// Area of the light openings Fп = (B · H) · n from the texts of H, B and n,
// each parsed (and so rounded) first. Empty when one of the texts is empty.
// n is the one of them read nowhere else, so its range (at least 1) is
// checked here; H and B are checked when the windows page reads them (a
// project file saved before any computation holds H = B = 0 and must open).
// A failure names the control of its text.
std::optional<Decimal4> OpeningArea(std::string_view height, std::string_view width, std::string_view count);
// Fп = (B · H) · n from the stored values, whatever their range.
Decimal4 OpeningArea(Decimal4 height, Decimal4 width, Decimal4 count);
// H, B or n typed: the text of Fп for the
// texts of H, B and n; empty when one of them is empty.
std::optional<std::string> OpeningAreaText(std::string_view height, std::string_view width, std::string_view count);

// Outer heat-transfer coefficient of vertical surfaces, 5.8 + 11.6·√V.
Decimal4 VerticalOuterCoeff(Decimal4 windSpeed);
// Outer heat-transfer coefficient of horizontal surfaces, 8.7 + 2.6·√V.
Decimal4 HorizontalOuterCoeff(Decimal4 windSpeed);

// The texts the wind speed shows.
struct OuterCoeffTexts {
    std::optional<std::string> Window;  // αн of vertical surfaces; empty: left as it is
    std::string Envelope;               // αн of horizontal surfaces
};

// The wind speed typed: nothing for an empty text. Otherwise WindSpeed := V, read as
// the windows page reads it (a negative speed is refused and not stored),
// and stored first so that it stays when a coefficient fails; then
// WindowOuterCoeff (only when `windowCoeff`) and EnvelopeOuterCoeff from it,
// and their texts.
// `state` is the project state, or a scratch one for a check that must
// change nothing.
std::optional<OuterCoeffTexts> TypeWindSpeed(std::string_view text, bool windowCoeff, ProjectState& state);

// What choosing a window kind with its radio button does to the input page.
struct WindowKindSwitch {
    std::optional<std::string_view> ShadeHorizText;  // new text of Lг; empty: unchanged
    std::optional<std::string_view> ShadeVertText;   // new text of Lв; empty: unchanged
    bool ShadesEnabled;                              // Lг and Lв
    bool TiltShown;                                  // the tilt line with β'
    bool WindowCoeff;  // the wind speed then shows αн of vertical as well as horizontal surfaces (TypeWindSpeed)
};

// Vertical: the shades back to their start-up texts, enabled, tilt hidden.
// Inclined: the shades as they are, enabled, tilt shown. Horizontal: the
// shades 0 and locked, tilt hidden, and only the coefficient of horizontal
// surfaces follows the wind speed.
WindowKindSwitch KindSwitch(WindowKind kind);
