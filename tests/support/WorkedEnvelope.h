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
inline void SetWorkedClimate() {
    Project.Latitude = 48;
    Project.WindSpeed = ParseDecimal4("3.3");
    Project.OutdoorMeanTemp = ParseDecimal4("22.5");
    Project.OutdoorAmplitude = ParseDecimal4("14.7");
}

// The wall of the worked hours: tв 20, ρ 0.7, F 10, one brick layer.
inline void SetWorkedWall() {
    SetWorkedClimate();
    Project.IndoorTemp = ParseDecimal4("20");
    Project.WallAbsorptance = ParseDecimal4("0.7");
    Project.WallArea = ParseDecimal4("10");
    Project.WallLayerCount = 1;
    SetLayer(Project.WallLayers, 1, kBrick);
}

// The roof of the worked hour: tпокр 22, ρ 0.7, F 10, one brick layer.
inline void SetWorkedRoof() {
    SetWorkedClimate();
    Project.UnderRoofTemp = ParseDecimal4("22");
    Project.RoofAbsorptance = ParseDecimal4("0.7");
    Project.RoofArea = ParseDecimal4("10");
    Project.RoofLayerCount = 1;
    SetLayer(Project.RoofLayers, 1, kBrick);
}
