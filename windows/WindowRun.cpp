#include <array>

#include "CalcError.h"
#include "Conversions.h"
#include "FloatingPoint.h"
#include "SolarRadiation.h"
#include "WindowComputation.h"

void ReadWindowInputs(ProjectState& state, const WindowInputTexts& texts, WindowKind kind) {
    for (const InputControl* input : WindowInputs()) {
        const std::string& text = texts.*input->windowText;
        if (input->field.integer != nullptr) {
            // The one whole number among them: the latitude of its box.
            state.*input->field.integer = ReadingInput(input->key, [&text] { return ReadLatitude(text); });
        } else if (input->field.decimal == &ProjectState::GlazingTilt && kind != WindowKind::Inclined) {
            // Only inclined glazing turns by the tilt; the other kinds read it
            // as it is (its field is hidden then).
            state.GlazingTilt = ReadingInput(input->key, [&text] { return ParseDecimal4(text); });
        } else {
            // A value outside its range stops the reading before it is stored.
            state.*input->field.decimal = ReadInputValue(*input, text);
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
void RunKindSequence(ProjectState& state, WindowKind kind) {
    switch (kind) {
        case WindowKind::Vertical:
        case WindowKind::Inclined:
            FillVerticalRadiation(state);
            break;
        case WindowKind::Horizontal:
            FillHorizontalRadiation(state);
            break;
    }
    FillSunPosition(state);
    AssignFacadeAzimuth(state);
    ComputeSunFacadeAzimuth(state);
    // A horizontal glazing has no β: field 7 stays 0.
    if (kind != WindowKind::Horizontal) ComputeBetaAngle(state);
    AssignTempWaveCoeff(state);
    ComputeIrradiationCoeff(state);
    switch (kind) {
        case WindowKind::Vertical:
            ComputeVerticalGlazing(state);
            break;
        case WindowKind::Inclined:
            ComputeInclinedGlazing(state);
            break;
        case WindowKind::Horizontal:
            ComputeHorizontalGlazing(state);
            break;
    }
}

// What a failed run puts back.
struct WindowTableSnapshot {
    explicit WindowTableSnapshot(const ProjectState& state)
        : hours(state.WindowHours), peakGain(state.WindowPeakGain), peakHour(state.WindowPeakHour) {}

    WindowHourTable hours;
    OrientationValues peakGain;
    IndexedArray<std::int32_t, 1, kOrientationCount> peakHour;

    void Restore(ProjectState& state) const {
        state.WindowHours = hours;
        state.WindowPeakGain = peakGain;
        state.WindowPeakHour = peakHour;
    }
};

}  // namespace

WindowRunResult RunWindowComputation(ProjectState& state, const WindowInputTexts& inputs, WindowKind kind) {
    const std::string_view caption = InsolationKindCaption(kind);
    BeginComputation();
    const WindowTableSnapshot before(state);
    try {
        ReadWindowInputs(state, inputs, kind);
        ClearWindowResults(state.WindowHours);
        RunKindSequence(state, kind);
        FinishWindowTable(state);
        FindWindowPeaks(state);
    } catch (...) {
        before.Restore(state);
        throw;
    }
    return WindowRunResult{caption, kind == WindowKind::Horizontal};
}
