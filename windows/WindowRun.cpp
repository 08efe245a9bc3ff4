#include "CalcError.h"
#include "Conversions.h"
#include "FloatingPoint.h"
#include "SolarRadiation.h"
#include "WindowComputation.h"

void ReadWindowInputs(const WindowInputTexts& texts) {
    for (const InputControl* input : WindowInputs()) {
        const std::string& text = texts.*input->windowText;
        if (input->field.integer != nullptr) {
            // The one whole number among them: the latitude of its box.
            Project.*input->field.integer = ReadLatitude(text);
        } else {
            Project.*input->field.decimal = ParseDecimal4(text);
        }
    }
}

std::string_view InsolationKindCaption(WindowKind kind) {
    switch (kind) {
        case WindowKind::Vertical:
            return "инс.в.";
        case WindowKind::Inclined:
            return "инс.н.";
        case WindowKind::Horizontal:
            return "инс.г.";
    }
    throw CalcError("Неизвестный вид остекления");
}

std::string_view WindowKindCaption(WindowKind kind) {
    switch (kind) {
        case WindowKind::Vertical:
            return "Вертикальная";
        case WindowKind::Inclined:
            return "Наклонная  (близко к вертикальной)";
        case WindowKind::Horizontal:
            return "Горизонтальная";
    }
    throw CalcError("Неизвестный вид остекления");
}

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
        ReadWindowInputs(inputs);
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
