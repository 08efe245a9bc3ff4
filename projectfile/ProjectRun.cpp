// The whole calculation of a project's inputs, typed as a user would.

#include "CalcError.h"
#include "Construction.h"
#include "DerivedInputs.h"
#include "EnvelopeGains.h"
#include "FloatingPoint.h"
#include "LayerEditor.h"
#include "ProjectDocument.h"
#include "ThermalProperties.h"
#include "Totals.h"
#include "WindowComputation.h"

namespace {

// The outer coefficients as the wind speed shows them (typing V, and the
// radio buttons); a coefficient the document gives stays as given.
void ShowOuterCoeffs(ProjectState& state, const ProjectInputs& p, WindowInputTexts& texts, bool windowCoeff) {
    const std::optional<OuterCoeffTexts> shown = TypeWindSpeed(texts.WindSpeed, windowCoeff, state);
    if (!shown) return;
    if (shown->Window && !p.GivenWindowOuterCoeff) texts.WindowOuterCoeff = *shown->Window;
    if (!p.GivenEnvelopeOuterCoeff) texts.EnvelopeOuterCoeff = shown->Envelope;
}

// The texts of the window and site controls once the document's inputs are
// typed: the window kind chosen first (its radio button sets the shading
// lengths and shows the coefficients), then the window size and count (the
// opening area follows), then the wind speed (the coefficients follow).
// Vertical glazing is the start-up choice, so choosing it runs no handler.
// A text the document gives stays as given.
WindowInputTexts TypeInputPage(ProjectState& state, const ProjectInputs& p) {
    WindowInputTexts texts = p.Window;
    if (p.Kind != WindowKind::Vertical) {
        const WindowKindSwitch chosen = KindSwitch(p.Kind);
        if (chosen.ShadeHorizText && !p.GivenShadeHorizLength) texts.ShadeHorizLength = *chosen.ShadeHorizText;
        if (chosen.ShadeVertText && !p.GivenShadeVertLength) texts.ShadeVertLength = *chosen.ShadeVertText;
        ShowOuterCoeffs(state, p, texts, chosen.WindowCoeff);
    }
    // The count is refused as the input page refuses it, whether or not the area is given.
    ReadInputValue("WindowCount", p.WindowCount);
    if (!p.GivenGlazingArea) {
        const std::optional<std::string> area = OpeningAreaText(texts.WindowHeight, texts.WindowWidth, p.WindowCount);
        if (area) texts.GlazingArea = *area;
    }
    if (p.GivenWindSpeed) ShowOuterCoeffs(state, p, texts, true);
    return texts;
}

ConstructionFigures FiguresOf(const ProjectState& state, Construction c) {
    const ThermalProperties t =
        ComputeThermalProperties(LayersOf(state, c), LayerCountOf(state, c), OuterCoeffOf(state, c), c);
    return {t.Resistance, t.Inertia, t.Lag, t.DampingProduct, t.Damping};
}

}  // namespace

TotalsInputTexts TotalsInputsOf(const ProjectInputs& p) {
    TotalsInputTexts in;
    in.Latitude = p.Window.Latitude;
    in.WindSpeed = p.Window.WindSpeed;
    in.OutdoorMeanTemp = p.Window.OutdoorMeanTemp;
    in.IndoorTemp = p.Window.IndoorTemp;
    in.OutdoorAmplitude = p.Window.OutdoorAmplitude;
    in.WallInnerResistance = p.WallInnerResistance;
    in.WallAbsorptance = p.WallAbsorptance;
    in.WallArea = p.WallArea;
    in.RoofArea = p.RoofArea;
    in.RoofAbsorptance = p.RoofAbsorptance;
    in.UnderRoofTemp = p.UnderRoofTemp;
    in.Windows = p.Windows;
    in.Walls = p.Walls;
    in.Roof = p.Roof;
    in.WindowOrientations = p.WindowOrientations;
    in.WallOrientations = p.WallOrientations;
    return in;
}

ProjectResults ProjectResultsOfState(const ProjectState& state, const ProjectInputs& p, const TotalsView& view) {
    BeginComputation();
    ProjectResults results;
    if (p.Windows) {
        ProjectWindowResults& w = results.Windows.emplace();
        w.Kind = p.Kind;
        w.InsolationCaption = std::string(InsolationKindCaption(p.Kind));
        w.Table = state.WindowHours;
        w.PeakGain = state.WindowPeakGain;
        w.PeakHour = state.WindowPeakHour;
    }
    ProjectTotals& t = results.Totals;
    t.WindowHourTotal = state.WindowHourTotal;
    t.WallHourTotal = state.WallHourTotal;
    t.RoofHourGain = state.RoofHourGain;
    t.GrandHourTotal = state.GrandHourTotal;
    t.WindowMaxHour = view.WindowMaxHour;
    t.WallMaxHour = view.WallMaxHour;
    t.RoofMaxHour = view.RoofMaxHour;
    t.GrandMaxHour = view.GrandMaxHour;
    t.NoGain = view.NoGain;

    // The construction figures the gains rest on, from the same functions and
    // inputs as the page's wall and roof steps, and the roof gains as computed,
    // before the page rounded them to whole watts.
    if (p.Walls) {
        ProjectWallResults& w = results.Walls.emplace();
        w.HourGain = state.WallHourGain;
        w.Figures = FiguresOf(state, Construction::Wall);
    }
    if (p.Roof) {
        ProjectRoofResults& r = results.Roof.emplace();
        r.HourGain = state.RoofHourGainExact;
        r.Figures = FiguresOf(state, Construction::Roof);
    }
    return results;
}

ProjectResults RunProject(const ProjectInputs& p) {
    // The program's start-up state, of this calculation alone.
    ProjectState state;
    return RunProject(p, state);
}

ProjectResults RunProject(const ProjectInputs& p, ProjectState& state) {
    BeginComputation();
    state = ProjectState();

    // Input page.
    const WindowInputTexts windowTexts = TypeInputPage(state, p);
    if (!p.Windows) ClearWindowHeatGain(state.WindowHours);  // "Окна" is checked at start-up
    // The layer counts typed, then every listed layer stored under its number.
    SetLayerCount(state, Construction::Wall, LayerCountText(p.WallLayerCount, p.WallLayers));
    StoreLayerList(state, Construction::Wall, p.WallLayers);
    SetLayerCount(state, Construction::Roof, LayerCountText(p.RoofLayerCount, p.RoofLayers));
    StoreLayerList(state, Construction::Roof, p.RoofLayers);

    // Windows page, then the totals page, which leaves the window table as it was.
    if (p.Windows) RunWindowComputation(state, windowTexts, p.Kind);
    TotalsView view;
    ShowTotalsPage(state, TotalsInputsOf(p), view);
    return ProjectResultsOfState(state, p, view);
}

WindowInputTexts ShownWindowInputTexts(const ProjectInputs& inputs) {
    ProjectState scratch;  // what the typing stores goes here: showing the texts changes nothing
    return TypeInputPage(scratch, inputs);
}

ProjectOutcome ComputeProject(const ProjectInputs& inputs) {
    try {
        return RunProject(inputs);
    } catch (const CalcError& e) {
        return ProjectError{ErrorBoxText(e.what()), ErrorBoxText(DocumentRefusalText(e))};
    }
}
