#include <array>

#include "CalcError.h"
#include "Conversions.h"
#include "FloatingPoint.h"
#include "SolarRadiation.h"
#include "WindowComputation.h"

void ReadWindowInputs(const WindowInputTexts& texts, WindowKind kind) {
    for (const InputControl* input : WindowInputs()) {
        const std::string& text = texts.*input->windowText;
        if (input->field.integer != nullptr) {
            // The one whole number among them: the latitude of its box.
            Project.*input->field.integer = ReadingControl(input->control, [&text] { return ReadLatitude(text); });
        } else if (input->field.decimal == &ProjectState::GlazingTilt && kind != WindowKind::Inclined) {
            // Only inclined glazing turns by the tilt; the other kinds read it
            // as it is (its field is hidden then).
            Project.GlazingTilt = ReadingControl(input->control, [&text] { return ParseDecimal4(text); });
        } else {
            // A value outside its range stops the reading before it is stored.
            Project.*input->field.decimal = ReadInputValue(*input, text);
        }
    }
}

namespace {

// The texts of each window kind: its radio button on the input page, the
// caption of the insolation row of the results grid, and what that caption
// abbreviates (for screen readers).
struct WindowKindTexts {
    WindowKind kind;
    std::string_view radioCaption;
    std::string_view insolationCaption;
    std::string_view insolationName;
};

// clang-format off
constexpr std::array<WindowKindTexts, 3> kWindowKindTexts{{
    // kind                    radio button                            insolation  what it abbreviates
    {WindowKind::Vertical,     "Вертикальная",                         "инс.в.",   "вертикального остекления"},
    {WindowKind::Inclined,     "Наклонная  (близко к вертикальной)",   "инс.н.",   "наклонного остекления"},
    {WindowKind::Horizontal,   "Горизонтальная",                       "инс.г.",   "горизонтального остекления"},
}};
// clang-format on

const WindowKindTexts& TextsOf(WindowKind kind) {
    for (const WindowKindTexts& texts : kWindowKindTexts)
        if (texts.kind == kind) return texts;
    throw CalcError("Неизвестный вид остекления");
}

}  // namespace

std::string_view InsolationKindCaption(WindowKind kind) { return TextsOf(kind).insolationCaption; }
std::string_view InsolationKindName(WindowKind kind) { return TextsOf(kind).insolationName; }
std::string_view WindowKindCaption(WindowKind kind) { return TextsOf(kind).radioCaption; }

namespace {

// The kind's radiation generator and steps up to the kind step.
void RunKindSequence(WindowKind kind) {
    switch (kind) {
        case WindowKind::Vertical:
        case WindowKind::Inclined:
            FillVerticalRadiation();
            break;
        case WindowKind::Horizontal:
            FillHorizontalRadiation();
            break;
    }
    FillSunPosition();
    AssignFacadeAzimuth();
    ComputeSunFacadeAzimuth();
    // A horizontal glazing has no β: field 7 stays 0.
    if (kind != WindowKind::Horizontal) ComputeBetaAngle();
    AssignTempWaveCoeff();
    ComputeIrradiationCoeff();
    switch (kind) {
        case WindowKind::Vertical:
            ComputeVerticalGlazing();
            break;
        case WindowKind::Inclined:
            ComputeInclinedGlazing();
            break;
        case WindowKind::Horizontal:
            ComputeHorizontalGlazing();
            break;
    }
}

// What a failed run puts back.
struct WindowTableSnapshot {
    WindowHourTable hours = Project.WindowHours;
    OrientationValues peakGain = Project.WindowPeakGain;
    IndexedArray<std::int32_t, 1, kOrientationCount> peakHour = Project.WindowPeakHour;

    void Restore() const {
        Project.WindowHours = hours;
        Project.WindowPeakGain = peakGain;
        Project.WindowPeakHour = peakHour;
    }
};

}  // namespace

WindowRunResult RunWindowComputation(const WindowInputTexts& inputs, WindowKind kind) {
    const std::string_view caption = InsolationKindCaption(kind);
    BeginComputation();
    const WindowTableSnapshot before;
    try {
        ReadWindowInputs(inputs, kind);
        ClearWindowResults();
        RunKindSequence(kind);
        FinishWindowTable();
        FindWindowPeaks();
    } catch (...) {
        before.Restore();
        throw;
    }
    return WindowRunResult{caption, kind == WindowKind::Horizontal};
}
