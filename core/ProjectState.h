#pragma once

#include <cstdint>
#include <string>

#include "Decimal4.h"
#include "IndexedArray.h"
#include "WindowHourTable.h"

// Kind of glazing, chosen by the three radio buttons of the input page.
enum class WindowKind { Vertical, Inclined, Horizontal };

// One material layer of a wall or roof, counted from the room side. Besides
// the values, the layer keeps the texts they were typed as ("0.380" stays
// "0.380"), so that a saved project and the layer grid show the user's own
// typing; each text parses to the value beside it ("0" before any entry).
struct ConstructionLayer {
    std::string MaterialName;              // free text, may be empty
    Decimal4 HeatAbsorption;               // s, W/(m²·°C)
    Decimal4 Conductivity;                 // λ, W/(m·°C)
    Decimal4 Thickness;                    // δ, m
    Decimal4 LayerResistance;              // R = δ/λ, m²·°C/W (derived)
    Decimal4 LayerInertia;                 // D = R·s (derived by the hourly computations)
    std::string HeatAbsorptionText = "0";  // s as typed
    std::string ConductivityText = "0";    // λ as typed
    std::string ThicknessText = "0";       // δ as typed
    bool Entered = false;                  // the layer editor stored this layer (a never entered layer is a gap)

    friend bool operator==(const ConstructionLayer&, const ConstructionLayer&) = default;
};

inline constexpr int kMaxLayers = 50;
using LayerTable = IndexedArray<ConstructionLayer, 1, kMaxLayers>;
using HourValues = IndexedArray<Decimal4, 1, kHourCount>;
using OrientationValues = IndexedArray<Decimal4, 1, kOrientationCount>;
using OrientationHourValues = IndexedArray<HourValues, 1, kOrientationCount>;
using TempWaveRows = IndexedArray<HourValues, 0, 24>;  // row = lag ε in hours

// The one record of the program's inputs, derived values and tables. Every
// Decimal4 is 0 until a handler reads its control; the layer counters start
// at the values the main window's creation sets.
struct ProjectState {
    // Site and climate
    std::int32_t Latitude = 0;  // degrees north, 40..60
    Decimal4 OutdoorMeanTemp;   // tн.ср, °C
    Decimal4 IndoorTemp;        // tв, °C
    Decimal4 OutdoorAmplitude;  // Atн, °C (daily amplitude)
    Decimal4 WindSpeed;         // V, m/s

    // Window
    Decimal4 WindowHeight;         // H, m
    Decimal4 WindowWidth;          // B, m
    Decimal4 ShadeHorizLength;     // Lг, m
    Decimal4 ShadeVertLength;      // Lв, m
    Decimal4 ShadeHorizOffset;     // a, m
    Decimal4 ShadeVertOffset;      // c, m
    Decimal4 RelativePenetration;  // Kотн
    Decimal4 GlazingAbsorptance;   // ρп
    Decimal4 GlazingResistance;    // Rп, m²·°C/W
    Decimal4 GlazingArea;          // Fп, m²
    Decimal4 WindowOuterCoeff;     // αн of vertical surfaces, W/(m²·°C)
    Decimal4 EnvelopeOuterCoeff;   // αн of horizontal surfaces, W/(m²·°C)
    Decimal4 GlazingTilt;          // β', degrees
    Decimal4 FrameShading;         // τ₂

    // Window hour table and its peaks per orientation
    WindowHourTable WindowHours;
    OrientationValues WindowPeakGain;                                 // W
    IndexedArray<std::int32_t, 1, kOrientationCount> WindowPeakHour;  // 1..10, 0 = none yet

    // Layer editors
    std::int32_t WallLayerCount = 3;
    std::int32_t RoofLayerCount = 3;
    std::int32_t WallLayerCurrent = 1;
    std::int32_t RoofLayerCurrent = 1;
    LayerTable WallLayers;
    LayerTable RoofLayers;
    Decimal4 WallResistance;     // R₀ of the wall, m²·°C/W
    Decimal4 WallTransmittance;  // K = 1/R₀ of the wall, W/(m²·°C)
    Decimal4 RoofResistance;     // R₀ of the roof
    Decimal4 RoofTransmittance;  // K of the roof

    // Walls
    Decimal4 WallArea;                   // F, m²
    Decimal4 WallAbsorptance;            // ρст
    Decimal4 WallDampingProduct;         // P
    Decimal4 WallDamping;                // ν
    OrientationHourValues WallHourGain;  // W, [orientation][hour]

    // Roof
    Decimal4 RoofArea;             // F, m²
    Decimal4 RoofAbsorptance;      // ρ
    Decimal4 UnderRoofTemp;        // tпокр, °C
    Decimal4 RoofDampingProduct;   // P
    Decimal4 RoofDamping;          // ν
    HourValues RoofHourGain;       // W
    HourValues RoofHourGainExact;  // W, as computed, before the totals page rounds RoofHourGain to whole watts

    // Shared by the wall and roof computations
    OrientationValues FacadeMeanRadiation;  // W/m², daily mean on each facade
    Decimal4 RoofMeanRadiation;             // W/m², daily mean on a horizontal surface
    TempWaveRows TempWaveTable;             // β by lag 0..24 and hour

    // Totals page
    HourValues WindowHourTotal;
    HourValues WallHourTotal;
    HourValues GrandHourTotal;

    // Reference viewer
    std::int32_t ReferenceTopic = 0;  // 0 at start, then 1..5
    std::int16_t ReferencePage = 0;   // 0 at start, then 1 upward
};
