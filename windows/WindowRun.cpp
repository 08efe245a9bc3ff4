#include "CalcError.h"
#include "Conversions.h"
#include "FloatingPoint.h"
#include "SolarRadiation.h"
#include "WindowComputation.h"

WindowInputTexts DefaultWindowInputTexts() {
    // clang-format off
    return WindowInputTexts{
        .Latitude            = "48",
        .WindowHeight        = "1.5",
        .WindowWidth         = "2",
        .ShadeHorizLength    = "0.3",
        .ShadeVertLength     = "0.3",
        .ShadeHorizOffset    = "0",
        .ShadeVertOffset     = "0",
        .OutdoorMeanTemp     = "22.5",
        .IndoorTemp          = "20",
        .OutdoorAmplitude    = "14.7",
        .RelativePenetration = "0.9",
        .GlazingAbsorptance  = "0.25",
        .GlazingResistance   = "0.34",
        .GlazingArea         = "3",
        .WindowOuterCoeff    = "26.87",
        .EnvelopeOuterCoeff  = "13.42",
        .GlazingTilt         = "0",
        .FrameShading        = "0.9",
        .WindSpeed           = "3.3",
    };
    // clang-format on
}

void ReadWindowInputs(const WindowInputTexts& t) {
    Project.Latitude = ReadLatitude(t.Latitude);
    Project.WindowHeight = ParseDecimal4(t.WindowHeight);
    Project.WindowWidth = ParseDecimal4(t.WindowWidth);
    Project.ShadeHorizLength = ParseDecimal4(t.ShadeHorizLength);
    Project.ShadeVertLength = ParseDecimal4(t.ShadeVertLength);
    Project.ShadeHorizOffset = ParseDecimal4(t.ShadeHorizOffset);
    Project.ShadeVertOffset = ParseDecimal4(t.ShadeVertOffset);
    Project.OutdoorMeanTemp = ParseDecimal4(t.OutdoorMeanTemp);
    Project.IndoorTemp = ParseDecimal4(t.IndoorTemp);
    Project.OutdoorAmplitude = ParseDecimal4(t.OutdoorAmplitude);
    Project.RelativePenetration = ParseDecimal4(t.RelativePenetration);
    Project.GlazingAbsorptance = ParseDecimal4(t.GlazingAbsorptance);
    Project.GlazingResistance = ParseDecimal4(t.GlazingResistance);
    Project.GlazingArea = ParseDecimal4(t.GlazingArea);
    Project.WindowOuterCoeff = ParseDecimal4(t.WindowOuterCoeff);
    Project.EnvelopeOuterCoeff = ParseDecimal4(t.EnvelopeOuterCoeff);
    Project.GlazingTilt = ParseDecimal4(t.GlazingTilt);
    Project.FrameShading = ParseDecimal4(t.FrameShading);
    Project.WindSpeed = ParseDecimal4(t.WindSpeed);
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
