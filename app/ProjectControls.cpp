// The project behind the controls: the inputs read from the controls as one
// project document and put back into them, the start-up state, and the
// title with its modified mark.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <array>

#include "BuildingModel.h"
#include "CalcError.h"
#include "CityPicker.h"
#include "FieldMarks.h"
#include "InputFields.h"
#include "LayerEditor.h"
#include "MainForm.h"
#include "MaterialPicker.h"
#include "ProjectSession.h"
#include "Totals.h"
#include "UndoHistory.h"

namespace {

using P = ProjectInputs;

const QString kProgramTitle = QStringLiteral("Расчёт теплопоступлений от солнечной радиации");

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The texts of the windows page that the typing derives, in the order they
// are put in: the shades (the kind sets them), the area (after H, B and n),
// the wind speed, then the coefficients it shows.
struct DerivedText {
    std::string_view control;
    bool P::*given;
};
constexpr std::array<DerivedText, 6> kDerivedTexts{{
    {"Edit8", &P::GivenShadeHorizLength},
    {"Edit9", &P::GivenShadeVertLength},
    {"Edit17", &P::GivenGlazingArea},
    {"Edit5", &P::GivenWindSpeed},
    {"Edit18", &P::GivenWindowOuterCoeff},
    {"Edit42", &P::GivenEnvelopeOuterCoeff},
}};
// clang-format on

bool IsDerived(std::string_view control) {
    for (const DerivedText& d : kDerivedTexts)
        if (d.control == control) return true;
    return false;
}

// The layer counts and their edits.
struct LayerCountEdit {
    std::string_view control;
    std::optional<std::string> P::*count;
    LayerList P::*layers;
    Construction construction;
};
constexpr std::array<LayerCountEdit, 2> kLayerCounts{{
    {"Edit33", &P::WallLayerCount, &P::WallLayers, Construction::Wall},
    {"Edit34", &P::RoofLayerCount, &P::RoofLayers, Construction::Roof},
}};

}  // namespace

QString TForm1::CurrentProjectFile() const { return session_->File; }

WindowInputTexts TForm1::ShownWindowInputs() const {
    WindowInputTexts texts;
    for (const InputControl* input : WindowInputs())
        texts.*input->windowText = InputText(ControlOfKey(input->key)).toStdString();
    return texts;
}

// The buttons are asked in their order; one of them is always checked.
WindowKind TForm1::ShownWindowKind() const {
    return RadioButton1->isChecked()   ? WindowKind::Vertical
           : RadioButton2->isChecked() ? WindowKind::Inclined
                                       : WindowKind::Horizontal;
}

ProjectInputs TForm1::ShownProjectInputs() const {
    ProjectInputs p;
    p.City = CityPicker1->RecognisedCity().toStdString();  // never a name typed and not chosen
    p.Window = ShownWindowInputs();
    for (const DerivedText& d : kDerivedTexts) p.*d.given = true;
    for (const OtherInputText& t : kOtherInputTexts) p.*t.text = InputText(ControlOfKey(t.key)).toStdString();
    p.Kind = ShownWindowKind();
    p.Windows = CheckBox1->isChecked();
    p.Walls = CheckBox2->isChecked();
    p.Roof = CheckBox3->isChecked();
    for (const OrientationBox& box : kOrientationBoxes) {
        p.WindowOrientations[static_cast<std::size_t>(box.orientation - 1)] = (this->*box.window)->isChecked();
        p.WallOrientations[static_cast<std::size_t>(box.orientation - 1)] = (this->*box.wall)->isChecked();
    }
    for (const LayerCountEdit& c : kLayerCounts) {
        p.*c.count = InputText(c.control).toStdString();
        p.*c.layers = LayerListOf(Project, c.construction);
    }
    p.OperatingConditions = ShownConditions(*this);
    return p;
}

void TForm1::ShowPendingError() {
    if (!pendingError_) return;
    const std::exception_ptr error = pendingError_;
    pendingError_ = nullptr;
    ReportError(error);
}

// Put in as from inside a handler: a change handler that fails leaves its
// error pending instead of marking the field as typing does, and the error
// is shown at once. A snapshot put back by undo goes in as typed instead.
void TForm1::PutByProgram(const std::function<void()>& put) {
    if (putAsTyped_) {
        put();
        return;
    }
    ++handlerDepth_;
    put();
    --handlerDepth_;
    ShowPendingError();
}

void TForm1::PutText(QLineEdit* edit, const QString& text) {
    PutByProgram([edit, &text] { edit->setText(text); });
}

void TForm1::PutChecked(QAbstractButton* button, bool checked) {
    PutByProgram([button, checked] { button->setChecked(checked); });
}

void TForm1::ApplyProjectInputs(const ProjectInputs& p) {
    QRadioButton* kinds[] = {RadioButton1, RadioButton2, RadioButton3};
    PutChecked(kinds[static_cast<int>(p.Kind)], true);
    PutChecked(CheckBox1, p.Windows);
    PutChecked(CheckBox2, p.Walls);
    PutChecked(CheckBox3, p.Roof);
    for (const OrientationBox& box : kOrientationBoxes) {
        PutChecked(this->*box.window, p.WindowOrientations[static_cast<std::size_t>(box.orientation - 1)]);
        PutChecked(this->*box.wall, p.WallOrientations[static_cast<std::size_t>(box.orientation - 1)]);
    }

    const auto put = [this](std::string_view control, const std::string& text) {
        QLineEdit* TForm1::*const edit = InputFieldOf(control).edit;
        if (edit != nullptr) {
            PutText(this->*edit, Text(text));
        } else {
            ComboBox1->setCurrentText(Text(text));  // no change handler
        }
    };
    for (const InputControl* input : WindowInputs()) {
        if (!IsDerived(ControlOfKey(input->key))) put(ControlOfKey(input->key), p.Window.*input->windowText);
    }
    for (const OtherInputText& t : kOtherInputTexts) put(ControlOfKey(t.key), p.*t.text);
    // The city is shown as the file names it; the texts it gave are put in
    // above, and those the file gives win.
    CityPicker1->ShowOpenedCity(Text(p.City));
    PutConditions(*this, p.OperatingConditions);
    for (const DerivedText& d : kDerivedTexts) {
        if (!(p.*d.given)) continue;
        const std::string& text = p.Window.*InputControlOf(KeyOfControl(d.control)).windowText;
        // A wind speed given is typed, so its coefficients follow even when
        // the text is the one shown.
        if (d.control == "Edit5" && Edit5->text() == Text(text)) PutByProgram([this] { Edit5Change(); });
        put(d.control, text);
    }

    // The counts typed, then the layers stored under their numbers.
    for (const LayerCountEdit& c : kLayerCounts) {
        put(c.control, LayerCountText(p.*c.count, p.*c.layers));
        try {
            StoreLayerList(Project, c.construction, p.*c.layers);
        } catch (const CalcError& e) {
            ShowError(e.what());
        }
    }
    ShowLayerEditors();
}

void TForm1::NewProject() {
    marks_->ClearAll();
    delete takeCentralWidget();
    *totalsView_ = TotalsView{};
    const ProjectInputs startUp = session_->StartUp;
    *session_ = ProjectSession{};
    session_->StartUp = startUp;
    session_->Saved = startUp;
    Project = ProjectState();
    BuildPages();
    StartBuilding({});
    ShowProjectTitle();
}

// Every input of the project is watched: a change compares the project as
// shown with the one last saved or opened.
void TForm1::ConnectProjectTracking() {
    const auto watch = [this](QLineEdit* edit) {
        edit->setMaxLength(static_cast<int>(kMaxInputTextLength));  // the longest text a project file holds
        connect(edit, &QLineEdit::textChanged, this, &TForm1::ProjectChanged);
    };
    for (const InputControl* input : WindowInputs()) {
        if (QLineEdit* TForm1::*edit = InputFieldOfKey(input->key).edit) watch(this->*edit);
    }
    for (const OtherInputText& t : kOtherInputTexts) watch(this->*InputFieldOfKey(t.key).edit);
    for (const LayerCountEdit& c : kLayerCounts) watch(this->*InputFieldOf(c.control).edit);
    watch(CityEdit);
    for (QLineEdit* entry : {Edit29, Edit30, Edit31, Edit32, Edit35, Edit36, Edit37, Edit38})
        entry->setMaxLength(static_cast<int>(kMaxInputTextLength));
    ComboBox1->lineEdit()->setMaxLength(static_cast<int>(kMaxInputTextLength));
    connect(ComboBox1, &QComboBox::currentTextChanged, this, &TForm1::ProjectChanged);
    QAbstractButton* buttons[] = {CheckBox1,    CheckBox2,    CheckBox3,   RadioButton1,
                                  RadioButton2, RadioButton3, ConditionsA, ConditionsB};
    for (QAbstractButton* button : buttons) connect(button, &QAbstractButton::toggled, this, &TForm1::ProjectChanged);
    for (const OrientationBox& box : kOrientationBoxes) {
        connect(this->*box.window, &QCheckBox::toggled, this, &TForm1::ProjectChanged);
        connect(this->*box.wall, &QCheckBox::toggled, this, &TForm1::ProjectChanged);
    }
    ConnectUndoHistory();
}

// While another room or group is put into the controls, the building is
// not what the controls show: the mark waits until it is.
void TForm1::ProjectChanged() {
    if (showingSelection_ || !building_) return;
    setWindowModified(!(ShownBuilding() == building_->Saved) || !(session_->Properties == session_->SavedProperties));
    history_->Noticed();
}

// The object's name first, when the project's properties give one.
void TForm1::ShowProjectTitle() {
    setWindowFilePath(session_->File);
    QString title = session_->File.isEmpty()
                        ? kProgramTitle + QStringLiteral("[*]")
                        : QStringLiteral("%1[*] — %2").arg(QFileInfo(session_->File).fileName(), kProgramTitle);
    if (!session_->Properties.Object.empty())
        title = QString::fromStdString(session_->Properties.Object).simplified() + QStringLiteral(" — ") + title;
    setWindowTitle(title);
    ProjectChanged();
}

// The results as the pages last computed them from `inputs`; the caller brings
// them up to date first (BringResultsUpToDate).
ProjectResults TForm1::ShownProjectResults(const ProjectInputs& inputs) const {
    return ProjectResultsOfState(Project, inputs, *totalsView_);
}
