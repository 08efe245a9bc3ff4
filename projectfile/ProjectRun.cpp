// The whole calculation of a project's inputs, typed as a user would.

#include "CalcError.h"
#include "Construction.h"
#include "DerivedInputs.h"
#include "EnvelopeGains.h"
#include "ProjectDocument.h"
#include "ThermalProperties.h"
#include "Totals.h"
#include "WindowComputation.h"

namespace {

// The outer coefficients as the wind speed shows them (Edit5Change, and the
// radio buttons); a coefficient the document gives stays as given.
void ShowOuterCoeffs(const ProjectInputs& p, WindowInputTexts& texts, bool windowCoeff) {
    const std::optional<OuterCoeffTexts> shown = TypeWindSpeed(texts.WindSpeed, windowCoeff);
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
WindowInputTexts TypeInputPage(const ProjectInputs& p) {
    WindowInputTexts texts = p.Window;
    if (p.Kind != WindowKind::Vertical) {
        const WindowKindSwitch chosen = KindSwitch(p.Kind);
        if (chosen.ShadeHorizText && !p.GivenShadeHorizLength) texts.ShadeHorizLength = *chosen.ShadeHorizText;
        if (chosen.ShadeVertText && !p.GivenShadeVertLength) texts.ShadeVertLength = *chosen.ShadeVertText;
        ShowOuterCoeffs(p, texts, chosen.WindowCoeff);
    }
    if (!p.GivenGlazingArea) {
        const std::optional<std::string> area = OpeningAreaText(texts.WindowHeight, texts.WindowWidth, p.WindowCount);
        if (area) texts.GlazingArea = *area;
    }
    if (p.GivenWindSpeed) ShowOuterCoeffs(p, texts, true);
    return texts;
}

// The layer count typed into its edit, then each listed layer up to the count
// typed into the entry row under its number and confirmed with the Enter
// button, from layer 1 on; a gap is skipped. The layers above the count are
// kept: stored under their numbers, used by nothing.
void EnterLayers(Construction c, const std::optional<std::string>& countText, const LayerList& layers) {
    SetLayerCount(c, countText ? *countText : std::to_string(layers.size()));
    ResistanceAfterCountChange(c);
    const GridCellWriter noGrid = [](int, int, const std::string&) {};
    const int count = LayerCountOf(c);
    for (int n = 1; n <= static_cast<int>(layers.size()) && n <= count; ++n) {
        const std::optional<LayerEntryTexts>& layer = layers[static_cast<std::size_t>(n - 1)];
        if (!layer) continue;
        LayerCurrentOf(c) = n;
        EnterLayer(c, *layer, noGrid);
        ResistanceAfterEntry(c);
    }
    for (int n = count + 1; n <= static_cast<int>(layers.size()); ++n) {
        const std::optional<LayerEntryTexts>& layer = layers[static_cast<std::size_t>(n - 1)];
        if (layer) StoreLayer(c, n, *layer, noGrid);
    }
}

ConstructionFigures FiguresOf(Construction c) {
    const ThermalProperties t =
        ComputeThermalProperties(LayersOf(c), LayerCountOf(c), OuterCoeffOf(c),
                                 c == Construction::Wall ? kWallNegativeInertiaMessage : kRoofNegativeInertiaMessage);
    return {t.Resistance, t.Inertia, t.Lag, t.DampingProduct, t.Damping};
}

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

}  // namespace

ProjectResults RunProject(const ProjectInputs& p) {
    ResetProjectState();
    ProjectResults results;

    // Input page.
    const WindowInputTexts windowTexts = TypeInputPage(p);
    if (!p.Windows) ClearWindowHeatGain();  // "Окна" is checked at start-up
    EnterLayers(Construction::Wall, p.WallLayerCount, p.WallLayers);
    EnterLayers(Construction::Roof, p.RoofLayerCount, p.RoofLayers);

    // Windows page.
    if (p.Windows) {
        const WindowRunResult run = RunWindowComputation(windowTexts, p.Kind);
        ProjectWindowResults& w = results.Windows.emplace();
        w.Kind = p.Kind;
        w.InsolationCaption = std::string(run.InsolationCaption);
        w.Table = Project.WindowHours;
        w.PeakGain = Project.WindowPeakGain;
        w.PeakHour = Project.WindowPeakHour;
    }

    // Totals page.
    TotalsView view;
    ShowTotalsPage(TotalsInputsOf(p), view);
    ProjectTotals& t = results.Totals;
    t.WindowHourTotal = Project.WindowHourTotal;
    t.WallHourTotal = Project.WallHourTotal;
    t.RoofHourGain = Project.RoofHourGain;
    t.GrandHourTotal = Project.GrandHourTotal;
    t.WindowMaxHour = view.WindowMaxHour;
    t.WallMaxHour = view.WallMaxHour;
    t.RoofMaxHour = view.RoofMaxHour;
    t.GrandMaxHour = view.GrandMaxHour;

    // The construction figures the gains rest on, from the same functions and
    // inputs as the page's wall and roof steps, and the roof gains as computed,
    // before the page rounded them to whole watts.
    if (p.Walls) {
        ProjectWallResults& w = results.Walls.emplace();
        w.HourGain = Project.WallHourGain;
        w.Figures = FiguresOf(Construction::Wall);
    }
    if (p.Roof) {
        ProjectRoofResults& r = results.Roof.emplace();
        r.HourGain = Project.RoofHourGainExact;
        r.Figures = FiguresOf(Construction::Roof);
    }
    return results;
}

WindowInputTexts ShownWindowInputTexts(const ProjectInputs& inputs) { return TypeInputPage(inputs); }

ProjectOutcome ComputeProject(const ProjectInputs& inputs) {
    try {
        return RunProject(inputs);
    } catch (const CalcError& e) {
        return ProjectError{ErrorBoxText(e.what())};
    }
}
