#pragma once

#include <string_view>

#include "Conversions.h"
#include "FloatingPoint.h"
#include "ProjectState.h"
#include "WindowComputation.h"
#include "WorkedWindow.h"

namespace window_test {

inline Decimal4 D(std::string_view text) { return ParseDecimal4(text); }

// The radiation and sun position of one hour as the generators would give it.
struct GivenRecord {
    std::string_view gainDirect, gainDiffuse, sunAltitude, sunAzimuth, irradDirect, irradDiffuse;
};

// `state` afresh with the default inputs of the input page read in,
// changed by `edit` first, and the floating-point unit prepared.
template <class Edit>
void StartWithInputs(ProjectState& state, Edit edit) {
    state = ProjectState();
    WindowInputTexts texts = DefaultWindowInputTexts();
    edit(texts);
    ReadWindowInputs(state, texts);
    BeginComputation();
}
inline void StartWithDefaults(ProjectState& state) {
    StartWithInputs(state, [](WindowInputTexts&) {});
}

// Gives every one of the 80 records the same radiation and sun position, so
// that the steps, which run over the whole table, meet no empty record.
inline void FillAllRecords(ProjectState& state, const GivenRecord& g) {
    for (auto& r : state.WindowHours.records) {
        r[WindowField::GainDirect] = D(g.gainDirect);
        r[WindowField::GainDiffuse] = D(g.gainDiffuse);
        r[WindowField::SunAltitude] = D(g.sunAltitude);
        r[WindowField::SunAzimuth] = D(g.sunAzimuth);
        r[WindowField::IrradDirect] = D(g.irradDirect);
        r[WindowField::IrradDiffuse] = D(g.irradDiffuse);
    }
}

// The steps shared by the vertical and inclined kinds, up to the kind step.
inline void RunCommonSteps(ProjectState& state, bool withBeta = true) {
    AssignFacadeAzimuth(state);
    ComputeSunFacadeAzimuth(state);
    if (withBeta) ComputeBetaAngle(state);
    AssignTempWaveCoeff(state);
    ComputeIrradiationCoeff(state);
}

// Every record given `g`, then the common steps and the vertical kind step,
// on the default inputs.
inline void ComputeVerticalWith(ProjectState& state, const GivenRecord& g) {
    StartWithDefaults(state);
    FillAllRecords(state, g);
    RunCommonSteps(state);
    ComputeVerticalGlazing(state);
}

// South facade at 12-13, latitude 48, as the vertical facade tables give it.
inline constexpr GivenRecord kSouthNoon{"317", "87.7924", "61.1152", "16", "370.1152", "120"};
// A horizontal surface at 12-13, latitude 48.
inline constexpr GivenRecord kHorizontalNoon{"643", "98", "61.1152", "16", "733", "133"};

}  // namespace window_test
