#pragma once

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
    table[number].MaterialName = "слой " + std::to_string(number);
    table[number].HeatAbsorption = ParseDecimal4(layer.s);
    table[number].Conductivity = ParseDecimal4(layer.lambda);
    table[number].Thickness = ParseDecimal4(layer.delta);
}

inline const TypedLayer kBrick{"9.2", "0.81", "0.38"};

inline std::string Text(Decimal4 value) { return FormatDecimal4(value); }

// Climate and wall of the worked hours: latitude 48, V 3.3, tн 22.5,
// tв 20, Atн 14.7, ρ 0.7, F 10, one brick layer.
inline void SetWorkedWall() {
    Project.Latitude = 48;
    Project.WindSpeed = ParseDecimal4("3.3");
    Project.OutdoorMeanTemp = ParseDecimal4("22.5");
    Project.IndoorTemp = ParseDecimal4("20");
    Project.OutdoorAmplitude = ParseDecimal4("14.7");
    Project.WallAbsorptance = ParseDecimal4("0.7");
    Project.WallArea = ParseDecimal4("10");
    Project.WallLayerCount = 1;
    SetLayer(Project.WallLayers, 1, kBrick);
}

// The roof of the worked hour: the same climate, tпокр 22, ρ 0.7, F 10.
inline void SetWorkedRoof() {
    Project.Latitude = 48;
    Project.WindSpeed = ParseDecimal4("3.3");
    Project.OutdoorMeanTemp = ParseDecimal4("22.5");
    Project.OutdoorAmplitude = ParseDecimal4("14.7");
    Project.UnderRoofTemp = ParseDecimal4("22");
    Project.RoofAbsorptance = ParseDecimal4("0.7");
    Project.RoofArea = ParseDecimal4("10");
    Project.RoofLayerCount = 1;
    SetLayer(Project.RoofLayers, 1, kBrick);
}

// Direct and diffuse radiation of one record.
inline void SetIrradiance(int orientation, int hour, const char* direct, const char* diffuse) {
    WindowHourRecord& record = Project.WindowHours.Record(orientation, hour);
    record[WindowField::IrradDirect] = ParseDecimal4(direct);
    record[WindowField::IrradDiffuse] = ParseDecimal4(diffuse);
}
