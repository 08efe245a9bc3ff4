#pragma once

#include "Construction.h"
#include "Decimal4.h"
#include "ProjectState.h"

// The figures of one layer the hourly computations derive.
struct LayerFigures {
    Decimal4 HeatAbsorption;   // s, W/(m²·°C), as entered
    Decimal4 LayerResistance;  // R = δ/λ, m²·°C/W
    Decimal4 LayerInertia;     // D = R·s
};

// Thermal properties of a layered construction that the hourly wall and roof
// gains rest on, for up to kMaxRoofLayers layers (the roof has the most).
// Nothing of the project is written.
struct ThermalProperties {
    IndexedArray<LayerFigures, 1, kMaxRoofLayers> Layers;         // layers 1..n; the rest 0
    IndexedArray<Decimal4, 1, kMaxRoofLayers> SurfaceAbsorption;  // Y of the outer surface of layers 1..n
    Decimal4 OuterCoeff;                                          // αн, W/(m²·°C)
    Decimal4 LayerSum;                                            // ΣR, m²·°C/W
    Decimal4 Inertia;                                             // D
    Decimal4 Resistance;                                          // R₀, m²·°C/W
    Decimal4 LagValue;                                            // e = 2.7·D − 0.4, h
    int Lag = 0;                                                  // ε, whole hours 0..24
    Decimal4 DampingProduct;                                      // P
    Decimal4 Damping;                                             // ν
};

// Layers 1..count (1..6) of construction `c` under the outer coefficient αн.
// A zero conductivity raises the floating-point fault, said with its layer
// ("при расчёте слоя 2 стены"; a fault of the whole construction "при
// расчёте стены"); a negative thermal inertia is refused with the
// construction's message (kWallNegativeInertiaMessage,
// kRoofNegativeInertiaMessage) before the lag. Requires a computation begun.
ThermalProperties ComputeThermalProperties(const LayerTable& layers, int count, Decimal4 outerCoeff, Construction c);

// The lag of the temperature wave: Round(e) with ties to even, brought into
// 1..24 by whole days when above 24.
int LagOf(Decimal4 lagValue);
