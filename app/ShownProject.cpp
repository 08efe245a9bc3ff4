// The project as the window shows it, in the project document's terms: the
// inputs read from every control and layer table, and the results the pages
// compute from them. The reports are made from these.

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "InputFields.h"
#include "MainForm.h"
#include "ProjectDocument.h"
#include "ProjectState.h"

namespace {

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

// The layers of a table as the layer editor entered them, up to the last
// entered one; a layer never entered between entered ones is a gap.
LayerList LayersShown(const LayerTable& table) {
    LayerList layers;
    for (int n = 1; n <= kMaxLayers; ++n) {
        const ConstructionLayer& layer = table[n];
        if (!layer.Entered) {
            layers.emplace_back();
            continue;
        }
        layers.emplace_back(
            LayerEntryTexts{layer.MaterialName, layer.HeatAbsorptionText, layer.ConductivityText, layer.ThicknessText});
    }
    while (!layers.empty() && !layers.back()) layers.pop_back();
    return layers;
}

// Keeps the project state as it is while a computation of a copy runs.
class KeptProjectState {
public:
    KeptProjectState() : kept_(Project) {}
    ~KeptProjectState() { Project = kept_; }
    KeptProjectState(const KeptProjectState&) = delete;
    KeptProjectState& operator=(const KeptProjectState&) = delete;

private:
    ProjectState kept_;
};

}  // namespace

ProjectInputs TForm1::ShownProjectInputs() const {
    ProjectInputs p;
    for (const InputControl* input : WindowInputs())
        p.Window.*input->windowText = InputText(input->control).toStdString();
    // Every text is taken as shown, the derived ones too.
    p.GivenShadeHorizLength = p.GivenShadeVertLength = p.GivenGlazingArea = true;
    p.GivenWindowOuterCoeff = p.GivenEnvelopeOuterCoeff = p.GivenWindSpeed = true;
    p.WindowCount = Text(Edit3);
    p.Kind = RadioButton1->isChecked()   ? WindowKind::Vertical
             : RadioButton2->isChecked() ? WindowKind::Inclined
                                         : WindowKind::Horizontal;
    p.Windows = CheckBox1->isChecked();
    p.Walls = CheckBox2->isChecked();
    p.Roof = CheckBox3->isChecked();
    for (const OrientationBox& box : kOrientationBoxes) {
        p.WindowOrientations[static_cast<std::size_t>(box.orientation - 1)] = (this->*box.window)->isChecked();
        p.WallOrientations[static_cast<std::size_t>(box.orientation - 1)] = (this->*box.wall)->isChecked();
    }
    p.WallArea = Text(Edit4);
    p.WallAbsorptance = Text(Edit22);
    p.WallInnerResistance = Text(Edit39);
    p.WallLayerCount = Text(Edit33);
    p.WallLayers = LayersShown(Project.WallLayers);
    p.RoofArea = Text(Edit23);
    p.RoofAbsorptance = Text(Edit26);
    p.UnderRoofTemp = Text(Edit40);
    p.RoofLayerCount = Text(Edit34);
    p.RoofLayers = LayersShown(Project.RoofLayers);
    return p;
}

ProjectResults TForm1::ShownProjectResults(const ProjectInputs& inputs) const {
    const KeptProjectState kept;
    return RunProject(inputs);
}
