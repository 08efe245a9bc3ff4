#pragma once

#include <string>
#include <string_view>

#include "InputControls.h"
#include "ProjectState.h"

// The window heat-gain computation over the window hour table of the project
// state: sun and facade angles, shading and irradiation coefficients, the
// conditional outdoor temperature, the two fluxes through the glazing, the
// heat gain of the room in whole watts and the peak hour of each orientation.
//
// The step operations work on all 8 × 10 records of the state they are given,
// in orientation-major order, and read their inputs from it. They expect the
// floating-point unit to be prepared by BeginComputation (RunWindowComputation
// does that); a fault raises a CalcError at the operation that made it.

// Field 5: the facade azimuth of each orientation.
void AssignFacadeAzimuth(ProjectState& state);
// Field 6: Aco = |Ac − Ao|.
void ComputeSunFacadeAzimuth(ProjectState& state);
// Field 7: β = atan(ctg h · cos Aco), in degrees (vertical and inclined glazing).
void ComputeBetaAngle(ProjectState& state);
// Field 10: the hourly coefficient β₂ of the daily outdoor temperature wave.
void AssignTempWaveCoeff(ProjectState& state);
// Field 12: Kобл from the shading angles of the horizontal and vertical
// shading elements, one value for the whole table, at most 1.
void ComputeIrradiationCoeff(ProjectState& state);
// Parts of ComputeIrradiationCoeff: the shading angles γг = atan(Lг / (H + a))
// and γв = atan(Lв / (B + c)) in degrees, and the factors Kг and Kв of an angle.
Decimal4 HorizontalShadingAngle(const ProjectState& state);
Decimal4 VerticalShadingAngle(const ProjectState& state);
Decimal4 HorizontalShadingFactor(Decimal4 angle);
Decimal4 VerticalShadingFactor(Decimal4 angle);
// Fields 18, 19, 11, 13 and 14 for each kind of glazing.
void ComputeVerticalGlazing(ProjectState& state);
void ComputeInclinedGlazing(ProjectState& state);
void ComputeHorizontalGlazing(ProjectState& state);
// Fields 15, 16 and 17, then the display fields rounded to whole numbers.
void FinishWindowTable(ProjectState& state);
// qпт = (tн.усл − tв) / Rп of FinishWindowTable, before its display rounding.
Decimal4 TransferFlux(const ProjectState& state, Decimal4 condOutdoorTemp);
// WindowPeakGain and WindowPeakHour of each orientation (the earlier hour on a tie).
void FindWindowPeaks(ProjectState& state);

// Parses and stores the nineteen inputs (WindowInputTexts, in the input
// page's reading order), each stored before the next is read: a text that
// does not parse, or a value outside its range (ReadInputValue), raises its
// message naming the control and leaves the earlier inputs stored, and it
// and the later ones as they were. The tilt's range holds for the inclined
// kind only, the one that uses it.
void ReadWindowInputs(ProjectState& state, const WindowInputTexts& inputs, WindowKind kind = WindowKind::Inclined);

// Caption of the insolation row of the results grid: "инс.в.", "инс.н.", "инс.г.".
std::string_view InsolationKindCaption(WindowKind kind);
// What the caption abbreviates, for screen readers: "вертикального остекления", ...
std::string_view InsolationKindName(WindowKind kind);
// Caption of the kind's radio button on the input page: "Вертикальная",
// "Наклонная  (близко к вертикальной)", "Горизонтальная".
std::string_view WindowKindCaption(WindowKind kind);

struct WindowRunResult {
    std::string_view InsolationCaption;  // caption of row 11 for the kind
    bool HideOrientationSelector;        // true for horizontal glazing
};

// The whole computation of the windows page: BeginComputation, the inputs,
// ClearWindowResults, the radiation and sun-position generators and the steps
// of the kind, FinishWindowTable and FindWindowPeaks.
//
// A failure raises its CalcError. The window hour table (fields 1..19 of all
// records) and both peak arrays are then put back as they were before the
// run, so the page never shows a half-computed table; the inputs read before
// the failure stay stored in the project state.
WindowRunResult RunWindowComputation(ProjectState& state, const WindowInputTexts& inputs, WindowKind kind);
