// Undo and redo over every change of the project: the snapshots of the
// window, the steps of the undo stack and how they are named, and the undo
// keys kept from the line edits.

#include "UndoHistory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

#include <array>
#include <optional>
#include <utility>

#include "BuildingModel.h"
#include "InputFields.h"
#include "LayerEditor.h"
#include "MainForm.h"

namespace {

using S = ProjectSnapshot;
using R = LayerEntryRow;

// The texts of the layer entry rows, by the input each edit shows; the
// number first, as it is put back: it shows its layer in the row, and the
// row's own texts follow.
struct EntryField {
    std::string_view key;
    LayerEntryRow ProjectSnapshot::*row;
    std::string LayerEntryRow::*text;
};
// clang-format off
constexpr std::array<EntryField, 10> kEntryFields{{
    {"WallLayerNumber",         &S::WallEntry, &R::Number},
    {"WallLayerMaterial",       &S::WallEntry, &R::Material},
    {"WallLayerHeatAbsorption", &S::WallEntry, &R::HeatAbsorption},
    {"WallLayerConductivity",   &S::WallEntry, &R::Conductivity},
    {"WallLayerThickness",      &S::WallEntry, &R::Thickness},
    {"RoofLayerNumber",         &S::RoofEntry, &R::Number},
    {"RoofLayerMaterial",       &S::RoofEntry, &R::Material},
    {"RoofLayerHeatAbsorption", &S::RoofEntry, &R::HeatAbsorption},
    {"RoofLayerConductivity",   &S::RoofEntry, &R::Conductivity},
    {"RoofLayerThickness",      &S::RoofEntry, &R::Thickness},
}};

// The layer counts, and the names of the steps that enter or remove a layer.
struct LayerSteps {
    std::string_view countKey;
    std::optional<std::string> ProjectInputs::*count;
    LayerList ProjectInputs::*layers;
    const char* entered;
    const char* removed;
};
constexpr std::array<LayerSteps, 2> kLayerSteps{{
    {"WallLayerCount", &ProjectInputs::WallLayerCount, &ProjectInputs::WallLayers, "Слой стены %1",    "Удаление слоя стены %1"},
    {"RoofLayerCount", &ProjectInputs::RoofLayerCount, &ProjectInputs::RoofLayers, "Слой покрытия %1", "Удаление слоя покрытия %1"},
}};
// clang-format on

const QString kKindStep = QStringLiteral("Вид остекления");
const QString kConditionsStep = QStringLiteral("Условия эксплуатации");
// A change none of the inputs shows (R₀ and K alone).
const QString kOtherStep = QStringLiteral("Изменение проекта");

// While a handler runs, its changes are not over: the comparison waits.
constexpr int kHandlerWaitMs = 50;

// The text of the input `key` in a snapshot; nullptr for an input it does not
// hold (the values shown only).
const std::string* SnapshotText(const ProjectSnapshot& snapshot, std::string_view key) {
    const InputControl& input = InputControlOf(key);
    if (input.windowText != nullptr) return &(snapshot.Inputs.Window.*input.windowText);
    for (const OtherInputText& t : kOtherInputTexts)
        if (t.key == key) return &(snapshot.Inputs.*t.text);
    for (const LayerSteps& l : kLayerSteps) {
        const std::optional<std::string>& count = snapshot.Inputs.*l.count;
        if (l.countKey == key) return count ? &*count : nullptr;
    }
    for (const EntryField& f : kEntryFields)
        if (f.key == key) return &(snapshot.*f.row.*f.text);
    return nullptr;
}

QString LayerStepName(const LayerSteps& steps, const LayerList& before, const LayerList& after) {
    std::size_t same = 0;
    while (same < before.size() && same < after.size() && before[same] == after[same]) ++same;
    // A removal moves the layers above down: the list gets shorter.
    return QString::fromUtf8(after.size() < before.size() ? steps.removed : steps.entered).arg(same + 1);
}

// The change from `before` to `after`, named after the input that differs:
// the city, a layer entered or removed, the kind, a check box, the operating
// conditions, then the first text in the order of the input table, where a
// typed text comes before the texts derived from it. Only a typed text
// names its field, whose further typing may join the step.
struct StepChange {
    QString name;
    int field = -1;  // the place of the field in the input table
};
// A change of the building's rooms or of a room's groups, by its name; none
// when the rooms and groups are the same and only inputs changed.
std::optional<QString> RoomsChange(const ProjectSnapshot& before, const ProjectSnapshot& after) {
    const std::vector<RoomInputs>& b = before.Building.Rooms;
    const std::vector<RoomInputs>& a = after.Building.Rooms;
    if (b.size() < a.size()) return QStringLiteral("Добавление помещения");
    if (b.size() > a.size()) return QStringLiteral("Удаление помещения");
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (b[i].Name == a[i].Name) continue;
        return before.Selection.Room == after.Selection.Room ? QStringLiteral("Название помещения")
                                                             : QStringLiteral("Перемещение помещения");
    }
    const std::pair<std::vector<ElementInputs> RoomInputs::*, const char*> kinds[] = {{&RoomInputs::Windows, "окон"},
                                                                                      {&RoomInputs::Walls, "стен"}};
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (const auto& [groups, noun] : kinds) {
            const std::vector<ElementInputs>& was = b[i].*groups;
            const std::vector<ElementInputs>& is = a[i].*groups;
            const QString kind = QString::fromUtf8(noun);
            if (was.size() < is.size()) return QStringLiteral("Добавление группы ") + kind;
            if (was.size() > is.size()) return QStringLiteral("Удаление группы ") + kind;
            for (std::size_t g = 0; g < is.size(); ++g)
                if (was[g].Name != is[g].Name) return QStringLiteral("Название группы ") + kind;
        }
    }
    return std::nullopt;
}

StepChange ChangeBetween(const TForm1& form, const ProjectSnapshot& before, const ProjectSnapshot& after) {
    if (const std::optional<QString> rooms = RoomsChange(before, after)) return {*rooms};
    const ProjectInputs& b = before.Inputs;
    const ProjectInputs& a = after.Inputs;
    if (b.City != a.City) return {form.CityEdit->accessibleName()};
    for (const LayerSteps& l : kLayerSteps)
        if (b.*l.layers != a.*l.layers) return {LayerStepName(l, b.*l.layers, a.*l.layers)};
    if (b.Kind != a.Kind) return {kKindStep};
    const std::pair<bool ProjectInputs::*, QCheckBox * TForm1::*> elements[] = {
        {&ProjectInputs::Windows, &TForm1::CheckBox1},
        {&ProjectInputs::Walls, &TForm1::CheckBox2},
        {&ProjectInputs::Roof, &TForm1::CheckBox3},
    };
    for (const auto& [included, box] : elements)
        if (b.*included != a.*included) return {(form.*box)->accessibleName()};
    for (const OrientationBox& box : kOrientationBoxes) {
        const auto o = static_cast<std::size_t>(box.orientation - 1);
        if (b.WindowOrientations[o] != a.WindowOrientations[o]) return {(form.*box.window)->accessibleName()};
        if (b.WallOrientations[o] != a.WallOrientations[o]) return {(form.*box.wall)->accessibleName()};
    }
    if (b.OperatingConditions != a.OperatingConditions) return {kConditionsStep};
    const auto& inputs = InputControls();
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::string* was = SnapshotText(before, inputs[i].key);
        const std::string* is = SnapshotText(after, inputs[i].key);
        if (was == nullptr && is == nullptr) continue;
        if (was == nullptr || is == nullptr || *was != *is)
            return {QString::fromStdString(InputName(inputs[i])), static_cast<int>(i)};
    }
    return {kOtherStep};
}

// One step: the project before and after it. The change was made when the
// step is pushed, so its first redo does nothing.
class ProjectStep : public QUndoCommand {
public:
    ProjectStep(UndoHistory* history, ProjectSnapshot before, ProjectSnapshot after, const StepChange& change)
        : history_(history), before_(std::move(before)), after_(std::move(after)), field_(change.field) {
        setText(change.name);
    }

    int id() const override { return field_; }

    // Typing on in the same field: this step now ends where the new one
    // does; typed back to where it began, it is no step at all.
    bool mergeWith(const QUndoCommand* other) override {
        if (!history_->MergeOpen()) return false;
        after_ = static_cast<const ProjectStep*>(other)->after_;
        setObsolete(before_ == after_);
        return true;
    }

    void undo() override { history_->Restore(before_); }
    void redo() override {
        if (std::exchange(made_, false)) return;
        history_->Restore(after_);
    }

private:
    UndoHistory* history_;
    ProjectSnapshot before_;
    ProjectSnapshot after_;
    int field_;
    bool made_ = true;
};

// Keeps the undo and redo keys of a line edit for the project's steps: the
// edit's own undo would take back its text behind the history's back. The
// window's shortcut takes the key; a key it does not hold (another binding
// of the platform, or nothing to undo) triggers the item, or nothing.
class UndoKeys : public QObject {
public:
    UndoKeys(QObject* parent, QAction* undo, QAction* redo) : QObject(parent), undo_(undo), redo_(redo) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool override = event->type() == QEvent::ShortcutOverride;
        if (!override && event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        QAction* item = ItemOf(static_cast<QKeyEvent*>(event));
        if (item == nullptr) return QObject::eventFilter(watched, event);
        if (override) {
            event->ignore();
        } else {
            item->trigger();
        }
        return true;
    }

private:
    QAction* ItemOf(const QKeyEvent* key) const {
        const QKeySequence pressed(key->keyCombination());
        if (key->matches(QKeySequence::Undo) || undo_->shortcuts().contains(pressed)) return undo_;
        if (key->matches(QKeySequence::Redo) || redo_->shortcuts().contains(pressed)) return redo_;
        return nullptr;
    }

    QAction* undo_;
    QAction* redo_;
};

}  // namespace

// ---- The history ----------------------------------------------------------------

UndoHistory::UndoHistory(TForm1* form, QUndoStack* stack)
    : QObject(form), form_(form), stack_(stack), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &UndoHistory::Compare);
}

void UndoHistory::Noticed() {
    if (restoring_) return;
    pending_ = true;
    timer_->start(0);
}

void UndoHistory::Seal() {
    if (pending_) {
        sealPending_ = true;
    } else {
        mergeOpen_ = false;
    }
}

void UndoHistory::Flush() { Compare(); }

void UndoHistory::Compare() {
    if (!pending_) return;
    if (form_->InHandler()) {
        timer_->start(kHandlerWaitMs);
        return;
    }
    pending_ = false;
    ProjectSnapshot now = form_->TakeSnapshot();
    // Another room or group selected changes nothing to take back.
    if (now.Building == last_.Building && !(now.Selection == last_.Selection)) last_ = now;
    if (!(now == last_)) {
        auto* step = new ProjectStep(this, last_, now, ChangeBetween(*form_, last_, now));
        last_ = std::move(now);
        stack_->push(step);
        mergeOpen_ = true;
    }
    if (std::exchange(sealPending_, false)) mergeOpen_ = false;
}

void UndoHistory::Restart() {
    timer_->stop();
    stack_->clear();
    last_ = form_->TakeSnapshot();
    pending_ = sealPending_ = mergeOpen_ = false;
}

void UndoHistory::Undo() {
    Flush();
    mergeOpen_ = false;
    stack_->undo();
}

void UndoHistory::Redo() {
    Flush();
    mergeOpen_ = false;
    stack_->redo();
}

void UndoHistory::Restore(const ProjectSnapshot& snapshot) {
    restoring_ = true;
    form_->RestoreSnapshot(snapshot);
    restoring_ = false;
    timer_->stop();
    last_ = form_->TakeSnapshot();
    pending_ = sealPending_ = mergeOpen_ = false;
}

// ---- The window's side ---------------------------------------------------------

ProjectSnapshot TForm1::TakeSnapshot() const {
    ProjectSnapshot snapshot;
    if (building_) {  // none while the window is made
        snapshot.Building = ShownBuilding();
        snapshot.Selection = building_->Selection;
    }
    snapshot.Inputs = ShownProjectInputs();
    for (const EntryField& f : kEntryFields) snapshot.*f.row.*f.text = InputText(ControlOfKey(f.key)).toStdString();
    snapshot.Resistances = {Project.WallResistance, Project.WallTransmittance, Project.RoofResistance,
                            Project.RoofTransmittance};
    return snapshot;
}

// The layers put in are the only ones, R₀ and K stand as they stood until
// the layers give them again, and every text is put in as typing would (a
// text refused is marked at its field); the page shown shows the results of
// what was put back.
void TForm1::RestoreSnapshot(const ProjectSnapshot& snapshot) {
    building_->Inputs = snapshot.Building;
    building_->Selection = snapshot.Selection;
    Project.WallLayers = LayerTable{};
    Project.RoofLayers = LayerTable{};
    Project.WallResistance = snapshot.Resistances.WallResistance;
    Project.WallTransmittance = snapshot.Resistances.WallTransmittance;
    Project.RoofResistance = snapshot.Resistances.RoofResistance;
    Project.RoofTransmittance = snapshot.Resistances.RoofTransmittance;
    putAsTyped_ = true;
    ApplyProjectInputs(snapshot.Inputs);
    for (const EntryField& f : kEntryFields)
        (this->*InputFieldOfKey(f.key).edit)->setText(QString::fromStdString(snapshot.*f.row.*f.text));
    putAsTyped_ = false;
    ShowGroupSelectors();
    ShowRoomList();
    ProjectChanged();

    const int index = PageControl2->currentIndex();
    if (PageAt(index) == TabSheet9) return;
    const int orientation = PageControl1->currentIndex();
    MainPageChanged(index);
    ChartsPageChanged(index);
    if (PageAt(index) == TabSheet10 && PageControl1->isVisibleTo(TabSheet10))
        PageControl1->setCurrentIndex(orientation);
}

void TForm1::CreateUndoHistory() {
    UndoStack1 = new QUndoStack(this);
    UndoStack1->setObjectName(QStringLiteral("UndoStack1"));
    history_ = new UndoHistory(this, UndoStack1);
    // Leaving a field ends its typing step.
    connect(qApp, &QApplication::focusChanged, history_, &UndoHistory::Seal);
}

// Every text of the window's pages is watched, the layer entry rows too:
// each change is compared once its action is over.
void TForm1::ConnectUndoHistory() {
    auto* keys = new UndoKeys(PageControl2, UndoItem, RedoItem);
    for (QLineEdit* edit : PageControl2->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textChanged, history_, &UndoHistory::Noticed);
        connect(edit, &QLineEdit::editingFinished, history_, &UndoHistory::Seal);
        edit->installEventFilter(keys);
    }
    history_->Restart();
}

void TForm1::RestartUndoHistory() { history_->Restart(); }
