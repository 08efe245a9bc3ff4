#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Decimal4.h"
#include "InputControls.h"
#include "LayerEditor.h"
#include "ProjectState.h"
#include "WindowComputation.h"
#include "WindowHourTable.h"

// A project as the command-line tool reads it: the texts a user would type
// into the controls of the input page, the three element check boxes, the
// orientation check boxes, the window kind and the layers of the wall and the
// roof. A key left out of the document keeps the input page's default.
struct CliProject {
    // The nineteen inputs of the windows page, in their reading order, as the
    // document gives them or with their default texts. RunCliProject derives
    // the opening area and the outer coefficients the document leaves out,
    // as the input page does (see GivenGlazingArea and below).
    WindowInputTexts Window = DefaultWindowInputTexts();
    std::string WindowCount = DefaultTextOf("Edit3");  // n

    // Which of the texts the document gave; the others follow the typing as
    // the input page derives them.
    bool GivenShadeHorizLength = false;
    bool GivenShadeVertLength = false;
    bool GivenGlazingArea = false;
    bool GivenWindowOuterCoeff = false;
    bool GivenEnvelopeOuterCoeff = false;
    bool GivenWindSpeed = false;

    WindowKind Kind = WindowKind::Vertical;

    // Element check boxes "Окна", "Стены", "Покрытие".
    bool Windows = true;
    bool Walls = false;
    bool Roof = false;
    // Orientation check boxes, index 0..7 for С .. СЗ.
    std::array<bool, kOrientationCount> WindowOrientations{};
    std::array<bool, kOrientationCount> WallOrientations{};

    // Wall group "Для стен".
    std::string WallArea = DefaultTextOf("Edit4");              // F, m²
    std::string WallAbsorptance = DefaultTextOf("Edit22");      // ρст
    std::string WallInnerResistance = DefaultTextOf("Edit39");  // Rв.пр. (read and checked, unused)
    std::optional<std::string> WallLayerCount;                  // Edit33; absent: the number of layers listed
    std::vector<LayerEntryTexts> WallLayers;                    // from the room side outwards

    // Roof group "Для покрытий".
    std::string RoofArea = DefaultTextOf("Edit23");         // F, m²
    std::string RoofAbsorptance = DefaultTextOf("Edit26");  // ρ
    std::string UnderRoofTemp = DefaultTextOf("Edit40");    // tпокр, °C
    std::optional<std::string> RoofLayerCount;              // Edit34; absent: the number of layers listed
    std::vector<LayerEntryTexts> RoofLayers;
};

// Reads a project from a JSON document. Keys are the field names of the
// project state; values are texts (a JSON number is taken as it is written),
// booleans for the check boxes, lists of orientation names ("С" .. "СЗ" or
// "N" .. "NW") and lists of layer objects. Raises CalcError with a message
// that names the key for a document that is not JSON, is not an object, has
// an unknown or repeated key, a value of the wrong type or an unknown name.
CliProject ReadCliProject(std::string_view document);

// The orientation 1..8 of a name, Cyrillic or Latin; 0 when unknown.
int OrientationByName(std::string_view name);

// What the windows page showed: the kind caption of the insolation row and,
// per orientation, the 17 displayed fields of the ten hours and the peak.
struct CliWindowResults {
    WindowKind Kind = WindowKind::Vertical;
    std::string InsolationCaption;
    WindowHourTable Table;  // fields 1..17 as displayed, 18 and 19 as computed
    OrientationValues PeakGain;
    IndexedArray<std::int32_t, 1, kOrientationCount> PeakHour;
};

// Thermal figures of a layered construction that its hourly gains rest on.
struct CliConstructionFigures {
    Decimal4 Resistance;      // R₀, m²·°C/W
    Decimal4 Inertia;         // D
    std::int32_t Lag = 0;     // ε, whole hours
    Decimal4 DampingProduct;  // P
    Decimal4 Damping;         // ν
};

struct CliWallResults {
    OrientationHourValues HourGain;  // W, [orientation][hour]
    CliConstructionFigures Figures;
};

struct CliRoofResults {
    HourValues HourGain;  // W, before the totals page rounds it to whole watts
    CliConstructionFigures Figures;
};

// The four rows of the totals page and the hours of their maxima (1..10; an
// excluded element kind has none).
struct CliTotals {
    HourValues WindowHourTotal;
    HourValues WallHourTotal;
    HourValues RoofHourGain;
    HourValues GrandHourTotal;
    std::optional<int> WindowMaxHour;
    std::optional<int> WallMaxHour;
    std::optional<int> RoofMaxHour;
    int GrandMaxHour = 1;
};

struct CliResults {
    std::optional<CliWindowResults> Windows;  // empty when "Окна" is not checked
    std::optional<CliWallResults> Walls;      // empty when "Стены" is not checked
    std::optional<CliRoofResults> Roof;       // empty when "Покрытие" is not checked
    CliTotals Totals;
};

// The whole calculation of one project from the program's start-up state:
// the typing on the input page (derived texts, layer counts, layers entered
// with the Enter button), then the windows page when "Окна" is checked, then
// the totals page. The functions are the ones the pages call, with their
// inputs in the same order. Raises the CalcError the program would show.
CliResults RunCliProject(const CliProject& project);

// The solar data the program generates for a latitude: the vertical facade
// and horizontal surface radiation and the sun position of every orientation
// and hour, as the generators store them.
struct CliRadiationValues {
    Decimal4 GainDirect;
    Decimal4 GainDiffuse;
    Decimal4 IrradDirect;
    Decimal4 IrradDiffuse;
};
struct CliRadiationHour {
    CliRadiationValues Vertical;
    CliRadiationValues Horizontal;
    Decimal4 SunAltitude;
    Decimal4 SunAzimuth;
};
struct CliRadiationTable {
    std::int32_t Latitude = 0;
    IndexedArray<IndexedArray<CliRadiationHour, 1, kHourCount>, 1, kOrientationCount> Hours;
};

// The latitude as the input page's box reads it (refused outside 40..60).
CliRadiationTable ComputeRadiationTable(std::string_view latitudeText);
