#pragma once

#include <string>
#include <string_view>

#include "Decimal4.h"
#include "ProjectState.h"

// The two layered constructions of the envelope: the external wall and the
// roof. They share the layer editor and the heat-gain method and differ in
// their tables, counters and outer heat-transfer coefficient.
enum class Construction { Wall, Roof };

// αв, the heat-transfer coefficient of the inner surface, W/(m²·°C).
inline constexpr Decimal4 InnerSurfaceCoeff = Decimal4::FromCount(87000);
// 1/αв in ten-thousandths, 10⁸/87000 rounded once to the 64-bit significand
// (a single division of two exact values).
inline constexpr long double kInnerResistanceCounts = kScale2 / InnerSurfaceCoeff.Counts();
static_assert(kInnerResistanceCounts == 100000.0L / 87.0L);
// αв in ten-thousandths, exact: the αв of the damping product and of the
// oscillating term.
inline constexpr long double kInnerCoeffCounts = InnerSurfaceCoeff.Counts();

// Layers the hourly computations cover: the damping product is defined for
// one to five wall layers and one to six roof layers.
inline constexpr int kMaxWallLayers = 5;
inline constexpr int kMaxRoofLayers = 6;

// "стены" or "покрытия": the construction named in messages ("слой 2 стены").
std::string_view ConstructionGenitive(Construction c);

// Where a fault of a construction's computation arose: "при расчёте стены",
// with a layer "при расчёте слоя 2 стены".
std::string ConstructionPlace(Construction c);
std::string LayerPlace(Construction c, int layer);

// The state's layer table, layer count and current layer of a construction.
LayerTable& LayersOf(ProjectState& state, Construction c);
const LayerTable& LayersOf(const ProjectState& state, Construction c);
std::int32_t& LayerCountOf(ProjectState& state, Construction c);
std::int32_t LayerCountOf(const ProjectState& state, Construction c);
std::int32_t& LayerCurrentOf(ProjectState& state, Construction c);

// αн of the construction's outer surface from the stored wind speed: the
// wall takes 5.8 + 11.6·√V, the roof 8.7 + 2.6·√V.
Decimal4 OuterCoeffOf(const ProjectState& state, Construction c);

// R = δ/λ of a layer; a zero conductivity is a division by zero.
Decimal4 ResistanceOf(const ConstructionLayer& layer);

// R₀ = 1/αн + (1/8.7 + ΣR), evaluated in ten-thousandths and rounded once.
Decimal4 TotalResistance(Decimal4 outerCoeff, Decimal4 layerSum);

// K = 1/R₀, W/(m²·°C), evaluated in ten-thousandths and rounded once.
Decimal4 TransmittanceOf(Decimal4 resistance);

// Recomputes R = δ/λ of the leading run of entered layers within the count
// (layer 1, then on while the next layer's conductivity is not zero, at most
// up to the count; none for a count of 0) and the construction's R₀ and
// K = 1/R₀. A zero conductivity of layer 1 raises the floating-point fault;
// then nothing is changed.
void UpdateWallResistance(ProjectState& state);
void UpdateRoofResistance(ProjectState& state);
void UpdateResistance(ProjectState& state, Construction c);

// Refuses a count that reaches past the entered layers: the first of layers
// 1..count never entered (a gap, or a count larger than the layers typed)
// raises «Не введён слой N стены: введите его или уменьшите число слоёв»
// («…слой N покрытия…» for the roof). The wall and roof computations ask it
// before they start.
void RequireEnteredLayers(const ProjectState& state, Construction c);
