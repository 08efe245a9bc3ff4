#include <array>

#include "WindowArithmetic.h"
#include "WindowComputation.h"

using namespace window_arithmetic;

namespace {

// Allowance on the heat gain of the room.
constexpr long double kGainAllowance = 1.015L;

// Fields shown as whole numbers once a record is finished, in the order they
// are rounded. Fields 5, 10, 11, 12 and 14 keep their four decimals.
// clang-format off
constexpr std::array<WindowField, 11> kWholeFields{{
    WindowField::GainDirect,    WindowField::GainDiffuse,  WindowField::SunAltitude,
    WindowField::SunAzimuth,    WindowField::SunFacadeAzimuth, WindowField::BetaAngle,
    WindowField::IrradDirect,   WindowField::IrradDiffuse, WindowField::FluxTotal,
    WindowField::FluxTransfer,  WindowField::FluxRadiation,
}};
// clang-format on

void FinishRecord(const ProjectState& state, WindowHourRecord& r) {
    r[WindowField::FluxTransfer] = TransferFlux(state, r[WindowField::CondOutdoorTemp]);
    r[WindowField::FluxTotal] = r[WindowField::FluxRadiation] + r[WindowField::FluxTransfer];
    // Qост from the unrounded sum, in whole watts.
    const long double gain = Product(r[WindowField::FluxTotal], state.GlazingArea) * kGainAllowance / kScale2;
    r[WindowField::HeatGain] = Decimal4::StoreWhole(gain);
    for (WindowField f : kWholeFields) r[f] = r[f].RoundedWhole();
}

}  // namespace

Decimal4 TransferFlux(const ProjectState& state, Decimal4 condOutdoorTemp) {
    const Decimal4 difference = condOutdoorTemp - state.IndoorTemp;
    return Decimal4::StoreUnits(Quotient(difference.Counts(), state.GlazingResistance.Counts()));
}

void FinishWindowTable(ProjectState& state) {
    ForEachWindowRecord(state, [&state](int, int, WindowHourRecord& r) { FinishRecord(state, r); });
    // A fault no operation of the run reported on its own.
    AtPlaceOfFault([] { return std::string("при расчёте окон"); }, [] { CheckFloatingPoint(); });
}

void FindWindowPeaks(ProjectState& state) {
    for (int o = 1; o <= kOrientationCount; ++o) {
        Decimal4 peak = state.WindowHours.Record(o, 1)[WindowField::HeatGain];
        int peakHour = 1;
        for (int h = 2; h <= kHourCount; ++h) {
            const Decimal4 gain = state.WindowHours.Record(o, h)[WindowField::HeatGain];
            if (gain > peak) {
                peak = gain;
                peakHour = h;
            }
        }
        state.WindowPeakGain[o] = peak;
        state.WindowPeakHour[o] = peakHour;
    }
}
