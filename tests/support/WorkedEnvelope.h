#pragma once

// The worked wall and roof: climate, constructions and layers as typed. Used
// by the envelope tests and the envelope benchmark.

#include <initializer_list>
#include <string>

#include "Construction.h"
#include "Conversions.h"
#include "ProjectState.h"

// A layer as typed: s, λ, δ.
struct TypedLayer {
    const char* s;
    const char* lambda;
    const char* delta;
};

inline void SetLayer(LayerTable& table, int number, const TypedLayer& layer) {
    ConstructionLayer& entered = table[number];
    entered.MaterialName = "слой " + std::to_string(number);
    entered.HeatAbsorption = ParseDecimal4(layer.s);
    entered.Conductivity = ParseDecimal4(layer.lambda);
    entered.Thickness = ParseDecimal4(layer.delta);
    entered.HeatAbsorptionText = layer.s;
    entered.ConductivityText = layer.lambda;
    entered.ThicknessText = layer.delta;
    entered.Entered = true;
}

// Layers 1, 2, … of a table in the order given; the number of layers set.
template <class Layers>
int SetLayers(LayerTable& table, const Layers& layers) {
    int n = 0;
    for (const TypedLayer& layer : layers) SetLayer(table, ++n, layer);
    return n;
}
inline int SetLayers(LayerTable& table, std::initializer_list<TypedLayer> layers) {
    return SetLayers<std::initializer_list<TypedLayer>>(table, layers);
}

inline const TypedLayer kBrick{"9.2", "0.81", "0.38"};

// Climate of the worked hours: latitude 48, V 3.3, tн 22.5, Atн 14.7.
inline void SetWorkedClimate(ProjectState& state) {
    state.Latitude = 48;
    state.WindSpeed = ParseDecimal4("3.3");
    state.OutdoorMeanTemp = ParseDecimal4("22.5");
    state.OutdoorAmplitude = ParseDecimal4("14.7");
}

// The wall of the worked hours: tв 20, ρ 0.7, F 10, one brick layer.
inline void SetWorkedWall(ProjectState& state) {
    SetWorkedClimate(state);
    state.IndoorTemp = ParseDecimal4("20");
    state.WallAbsorptance = ParseDecimal4("0.7");
    state.WallArea = ParseDecimal4("10");
    state.WallLayerCount = 1;
    SetLayer(state.WallLayers, 1, kBrick);
}

// The roof of the worked hour: tпокр 22, ρ 0.7, F 10, one brick layer.
inline void SetWorkedRoof(ProjectState& state) {
    SetWorkedClimate(state);
    state.UnderRoofTemp = ParseDecimal4("22");
    state.RoofAbsorptance = ParseDecimal4("0.7");
    state.RoofArea = ParseDecimal4("10");
    state.RoofLayerCount = 1;
    SetLayer(state.RoofLayers, 1, kBrick);
}
