// The building the window holds: the selected room and groups shown on the
// input page, what is typed taken back into the building, and the window
// and wall groups of the selected room.

#include <QComboBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include "BuildingModel.h"
#include "FieldMarks.h"
#include "GroupSelector.h"
#include "MainForm.h"
#include "ProjectSession.h"

namespace {

// The room's groups of a kind and the selection's index of that kind.
std::vector<ElementInputs>& GroupsOf(RoomInputs& room, BuildingPart part) {
    return part == BuildingPart::Window ? room.Windows : room.Walls;
}
std::size_t& SelectedOf(BuildingSelection& selection, BuildingPart part) {
    return part == BuildingPart::Window ? selection.WindowGroup : selection.WallGroup;
}

// «группу окон «Окно 1»», as the question and the rename dialog say it.
QString GroupWords(BuildingPart part) {
    return part == BuildingPart::Window ? QStringLiteral("группу окон") : QStringLiteral("группу стен");
}

// A name as a room or a group keeps it: without the spaces around it, at
// most as long as a document holds.
std::string KeptName(const QString& name) {
    return name.trimmed().left(static_cast<qsizetype>(kMaxBuildingNameLength)).toStdString();
}

}  // namespace

BuildingInputs TForm1::ShownBuilding() const {
    BuildingInputs building = building_->Inputs;
    StoreSelectedProject(building, building_->Selection, ShownProjectInputs(), session_->StartUp);
    return building;
}

std::size_t TForm1::CurrentRoom() const { return building_->Selection.Room; }

const std::vector<RoomOutcome>& TForm1::RoomOutcomes() { return building_->Results.Outcomes(ShownBuilding()); }

void TForm1::TakeShownIntoBuilding() {
    StoreSelectedProject(building_->Inputs, building_->Selection, ShownProjectInputs(), session_->StartUp);
}

// A new project's building: the site and the one room of the start-up page.
void TForm1::StartBuilding(BuildingInputs building) {
    if (!building_) building_ = std::make_unique<BuildingModel>();
    if (building.Rooms.empty()) building.Rooms.push_back(NewRoom({}, session_->StartUp));
    building_->Inputs = std::move(building);
    building_->Selection = {};
    building_->Saved = building_->Inputs;
    ShowSelectedProject();
    building_->Saved = ShownBuilding();
    RestartUndoHistory();
}

// The controls start from the start-up layers, as for a project opened, so
// that no layer of the room shown before stays; the project is then put in
// as typing would.
void TForm1::ShowSelectedProject() {
    building_->Selection = ClampedSelection(building_->Inputs, building_->Selection);
    showingSelection_ = true;
    marks_->ClearAll();
    const ProjectState startUp;
    Project.WallLayers = startUp.WallLayers;
    Project.RoofLayers = startUp.RoofLayers;
    ApplyProjectInputs(SelectedProject(building_->Inputs, building_->Selection, session_->StartUp));
    showingSelection_ = false;
    ShowGroupSelectors();
    ShowRoomList();
    ProjectChanged();
    // The page shown follows the selection.
    if (shownMainPage_ == TabSheet10) TabSheet10Show();
    if (shownMainPage_ == TabSheet13) TabSheet13Show();
    if (shownMainPage_ == TabSheet14) TabSheet14Show();
    if (shownMainPage_ == TabSheet15) TabSheet15Show();
}

void TForm1::SelectRoom(std::size_t index) {
    if (index >= building_->Inputs.Rooms.size() || index == building_->Selection.Room) return;
    TakeShownIntoBuilding();
    building_->Selection = {index, 0, 0};
    ShowSelectedProject();
}

// ---- Groups of the selected room ---------------------------------------------------

void TForm1::CreateGroupSelectors() {
    WindowGroups = new GroupSelector(QStringLiteral("Группа окон:"), QStringLiteral("WindowGroups"), TabSheet9);
    WallGroups = new GroupSelector(QStringLiteral("Группа стен:"), QStringLiteral("WallGroups"), TabSheet9);
    for (const BuildingPart part : {BuildingPart::Window, BuildingPart::Wall}) {
        GroupSelector* s = part == BuildingPart::Window ? WindowGroups : WallGroups;
        connect(s->Groups, &QComboBox::activated, this,
                [this, part](int index) { SelectGroup(part, static_cast<std::size_t>(std::max(index, 0))); });
        connect(s->Add, &QToolButton::clicked, this, [this, part] { AddGroup(part); });
        connect(s->Copy, &QToolButton::clicked, this, [this, part] { CopyGroup(part); });
        connect(s->Rename, &QToolButton::clicked, this, [this, part] { RenameGroup(part); });
        connect(s->Remove, &QToolButton::clicked, this, [this, part] { DeleteGroup(part); });
    }
}

void TForm1::ShowGroupSelectors() {
    if (WindowGroups == nullptr || !building_ || building_->Inputs.Rooms.empty()) return;
    RoomInputs& room = building_->Inputs.Rooms[building_->Selection.Room];
    WindowGroups->Show(room.Windows, building_->Selection.WindowGroup);
    WallGroups->Show(room.Walls, building_->Selection.WallGroup);
}

void TForm1::SelectGroup(BuildingPart part, std::size_t index) {
    TakeShownIntoBuilding();
    SelectedOf(building_->Selection, part) = index;
    ShowSelectedProject();
}

void TForm1::AddGroup(BuildingPart part) {
    TakeShownIntoBuilding();
    std::vector<ElementInputs>& groups = GroupsOf(building_->Inputs.Rooms[building_->Selection.Room], part);
    ElementInputs group{NewGroupName(groups, part), {}, groups.empty() || groups.front().Included};
    CopyPartKeys(session_->StartUp, group.Inputs, part);
    groups.push_back(std::move(group));
    SelectedOf(building_->Selection, part) = groups.size() - 1;
    ShowSelectedProject();
}

void TForm1::CopyGroup(BuildingPart part) {
    TakeShownIntoBuilding();
    std::vector<ElementInputs>& groups = GroupsOf(building_->Inputs.Rooms[building_->Selection.Room], part);
    if (groups.empty()) return;
    std::size_t& selected = SelectedOf(building_->Selection, part);
    ElementInputs copy = groups[selected];
    copy.Name = CopyName(copy.Name);
    groups.insert(groups.begin() + static_cast<std::ptrdiff_t>(selected) + 1, std::move(copy));
    ++selected;
    ShowSelectedProject();
}

void TForm1::RenameGroup(BuildingPart part) {
    TakeShownIntoBuilding();
    std::vector<ElementInputs>& groups = GroupsOf(building_->Inputs.Rooms[building_->Selection.Room], part);
    if (groups.empty()) return;
    ElementInputs& group = groups[SelectedOf(building_->Selection, part)];
    const QString name =
        RenameDialog1(this, QStringLiteral("Переименовать ") + GroupWords(part), QString::fromStdString(group.Name));
    if (name.trimmed().isEmpty()) return;
    group.Name = KeptName(name);
    ShowGroupSelectors();
    ProjectChanged();
}

void TForm1::DeleteGroup(BuildingPart part) {
    TakeShownIntoBuilding();
    std::vector<ElementInputs>& groups = GroupsOf(building_->Inputs.Rooms[building_->Selection.Room], part);
    if (groups.empty()) return;
    std::size_t& selected = SelectedOf(building_->Selection, part);
    const QString question =
        QStringLiteral("Удалить %1 «%2»?").arg(GroupWords(part), QString::fromStdString(groups[selected].Name));
    if (!DeleteQuestion1(this, question)) return;
    groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(selected));
    if (selected > 0 && selected >= groups.size()) --selected;
    ShowSelectedProject();
}

bool TForm1::RunDeleteQuestion1(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Удаление"), question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Удалить"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Отмена"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString TForm1::RunRenameDialog1(QWidget* parent, const QString& title, const QString& name) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, QStringLiteral("Название:"), QLineEdit::Normal, name, &ok);
    return ok ? text : QString();
}
