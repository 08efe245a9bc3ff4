// Menu commands of the project file (new, open, save, save as, the recent
// files, the question about unsaved changes), printing, the reference pages
// and the about box.

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>

#include <iterator>

#include "BuildingDocument.h"
#include "BuildingModel.h"
#include "CalcError.h"
#include "CityPicker.h"
#include "DialogFolders.h"
#include "GroupSelector.h"
#include "MainForm.h"
#include "Okna.h"
#include "Printing.h"
#include "ProjectDocument.h"
#include "ProjectSession.h"
#include "ProjectState.h"
#include "QuotedText.h"
#include "ReportFile.h"
#include "Spravka.h"
#include "WindowComputation.h"

namespace {

// A new project is proposed as NAME.solargain, the project file's own type;
// NAME.json is the same file.
const QString kProjectFilter = QStringLiteral("Проект (*.solargain)");
const QString kJsonProjectFilter = QStringLiteral("Проект JSON (*.json)");
const QString kTableFilter = QStringLiteral("Таблица окон (*.txt)");
const QString kOpenFilters = QStringLiteral(
    "Проект или таблица окон (*.solargain *.json *.txt);;Проект (*.solargain *.json);;"
    "Таблица окон (*.txt);;Все файлы (*)");
const QString kRecentFilesKey = QStringLiteral("RecentFiles");
// Captions of the error boxes of the file commands.
const QString kOpeningTitle = QStringLiteral("Открытие проекта");
const QString kSavingTitle = QStringLiteral("Сохранение проекта");

// File names go to the operating system as UTF-8 bytes.
std::string NativeName(const QString& name) { return QFile::encodeName(name).toStdString(); }

// The extension the save dialog gives a name typed without one.
QString SaveSuffixOf(const QString& filter) {
    if (filter == kTableFilter) return QStringLiteral("txt");
    if (filter == kJsonProjectFilter) return QStringLiteral("json");
    return QStringLiteral("solargain");
}

// A name ending in ".txt" is saved as the window table file, any other as
// the project file.
bool IsTableFileName(const QString& name) { return name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive); }

ProjectHeader HeaderOf(const QStringList& texts) {
    ProjectHeader header;
    for (int i = 0; i < kProjectHeaderLines && i < texts.size(); ++i) {
        header[static_cast<std::size_t>(i)] = texts[i].toStdString();
    }
    return header;
}

// The header texts of a project's inputs, in line order.
ProjectHeader HeaderOf(const ProjectInputs& inputs) {
    ProjectHeader header;
    for (std::size_t line = 0; line < header.size(); ++line) {
        const InputControl& input = *HeaderInputs()[line];
        header[line] = input.windowText != nullptr ? inputs.Window.*input.windowText : inputs.WindowCount;
    }
    return header;
}

// The user's settings of the program (a test program has its own).
QStringList RecentProjectFiles() {
    return QSettings(kSettingsOwner, QCoreApplication::applicationName()).value(kRecentFilesKey).toStringList();
}

void KeepRecentProjectFiles(const QStringList& files) {
    QSettings(kSettingsOwner, QCoreApplication::applicationName()).setValue(kRecentFilesKey, files);
}

}  // namespace

QString TForm1::RunSaveDialog1(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Сохранить проект"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kProjectFilter, kJsonProjectFilter, kTableFilter});
    dialog.selectNameFilter(kProjectFilter);
    // A name typed without an extension gets the chosen filter's.
    dialog.setDefaultSuffix(SaveSuffixOf(kProjectFilter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(SaveSuffixOf(filter)); });
    StartDialogAtProject(dialog, parent, SaveSuffixOf(kProjectFilter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    RememberDialogFolder(dialog.selectedFiles().constFirst());
    return dialog.selectedFiles().constFirst();
}

QString TForm1::RunOpenDialog1(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Открыть проект"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kOpenFilters);
    StartDialogAtProject(dialog, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    RememberDialogFolder(dialog.selectedFiles().constFirst());
    return dialog.selectedFiles().constFirst();
}

bool TForm1::RunPrintDialog1(QPrinter& printer, QWidget* parent) { return RunPrintDialog(printer, parent); }

TForm1::SaveChangesAnswer TForm1::RunSaveChangesQuestion1(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(),
                    QStringLiteral("Сохранить изменения в проекте?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)->setText(QStringLiteral("Сохранить"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Не сохранять"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChangesAnswer::Save;
        case QMessageBox::Discard:
            return SaveChangesAnswer::Discard;
        default:
            return SaveChangesAnswer::Cancel;
    }
}

bool TForm1::RunTableFormatQuestion1(const QStringList& left, QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(),
                    QStringLiteral("Таблица окон (.txt) хранит только окна текущего помещения и район строительства. "
                                   "Не будут сохранены:\n• ") +
                        left.join(QStringLiteral("\n• ")) +
                        QStringLiteral("\n\nЧтобы сохранить всё, выберите формат «Проект (*.solargain)»."),
                    QMessageBox::Save | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)->setText(QStringLiteral("Сохранить таблицу окон"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Save;
}

// ---- Asking, saving ----------------------------------------------------------------

bool TForm1::MaybeSaveChanges() {
    ProjectChanged();
    if (!isWindowModified()) return true;
    switch (SaveChangesQuestion1(this)) {
        case SaveChangesAnswer::Save:
            return SaveProject();
        case SaveChangesAnswer::Discard:
            return true;
        case SaveChangesAnswer::Cancel:
            break;
    }
    return false;
}

// The current file, unless there is none or it is a window table file.
bool TForm1::SaveProject() {
    if (session_->File.isEmpty() || session_->TableFormat) return SaveProjectAs();
    return SaveProjectTo(session_->File);
}

bool TForm1::SaveProjectAs() {
    const QString name = SaveDialog1(this);
    return !name.isEmpty() && SaveProjectTo(name);
}

// What a window table file leaves out of the project as shown, in words;
// empty when it keeps everything.
QStringList TForm1::TableFileLeavesOut() const {
    const BuildingInputs building = ReportedBuilding();
    const ProjectInputs shown = ShownProjectInputs();
    QStringList left;
    const std::size_t rooms = building.Rooms.size();
    if (rooms > 1) left << QStringLiteral("другие помещения здания (%1)").arg(rooms - 1);
    if (CurrentRoom() < rooms) {
        const RoomInputs& room = building.Rooms[CurrentRoom()];
        if (room.Windows.size() > 1)
            left << QStringLiteral("другие группы окон помещения (%1)").arg(room.Windows.size() - 1);
        if (!room.Walls.empty()) left << QStringLiteral("стены");
        if (room.Roof) left << QStringLiteral("покрытие");
    }
    bool windowSides = false;
    for (const bool side : shown.WindowOrientations) windowSides = windowSides || side;
    if (windowSides) left << QStringLiteral("выбор сторон света окон в итоге");
    if (!shown.City.empty()) left << QStringLiteral("город");
    if (!IsEmpty(building.Properties)) left << QStringLiteral("свойства проекта");
    if (left.isEmpty() && !TableFileHoldsAll(shown, session_->StartUp))
        left << QStringLiteral("исходные данные стен и покрытия, отличные от начальных");
    return left;
}

bool TForm1::SaveProjectTo(const QString& name) {
    const ActionTitle title(this, kSavingTitle);
    const bool table = IsTableFileName(name);
    if (table) {
        const QStringList left = TableFileLeavesOut();
        if (!left.isEmpty() && !TableFormatQuestion1(left, this)) return false;
    }
    // A name typed and not chosen is not saved; the field says so.
    CityPicker1->MarkUnchosen();
    try {
        if (table) {
            SaveTableFile(name);
        } else {
            SaveFullFile(name);
        }
    } catch (const CalcError& e) {
        ShowFailure(e);
        return false;
    }
    session_->File = QFileInfo(name).absoluteFilePath();
    session_->TableFormat = table;
    // A window table file keeps only the window and site inputs: what it
    // leaves out stays unsaved unless it is as at start-up.
    const ProjectInputs shown = ShownProjectInputs();
    const bool oneGroup =
        building_->Inputs.Rooms.size() == 1 && RoomIsShownWhole(ShownBuilding().Rooms.front(), building_->Selection);
    if (!table || (oneGroup && TableFileHoldsAll(shown, session_->StartUp))) {
        session_->Saved = shown;
        building_->Saved = ShownBuilding();
    }
    if (!table) session_->SavedProperties = session_->Properties;
    if (table) {
        StatusBar1->showMessage(QStringLiteral("В таблицу окон записана группа окон «%1» помещения «%2»")
                                    .arg(WindowGroups->Groups->currentText(),
                                         QString::fromStdString(ShownBuilding().Rooms[CurrentRoom()].Name)));
    }
    ShowProjectTitle();
    RememberProjectFile(session_->File);
    return true;
}

// The inputs as shown and the results brought up to date; a result that
// fails does not stop the save: the file then says so in its results.
// The file holds the whole building, every room as typed, and the results of
// its rooms (or the refusal of the first room not computed).
void TForm1::SaveFullFile(const QString& name) {
    BringResultsUpToDate();
    const BuildingInputs building = ReportedBuilding();
    WriteReportFile(NativeName(name),
                    WriteBuildingFile(building, OutcomeOfRooms(building_->Results.Outcomes(building))));
}

// The header from the texts shown and the table computed from them: a table
// that cannot be computed is not saved.
void TForm1::SaveTableFile(const QString& name) {
    if (const std::optional<CalcError> failure = ComputeWindowsIfStale(true))
        throw CalcError("Таблица окон не записана: " + ErrorBoxText(failure->what()), failure->Input());
    WriteReportFile(NativeName(name), ComposeProjectFile(HeaderOf(HeaderControlTexts()), Project.WindowHours));
}

void TForm1::N2Click() {
    const ActionTitle title(this, kSavingTitle);
    RunHandler([this] { SaveProject(); });
}

void TForm1::SaveAsItemClick() {
    const ActionTitle title(this, kSavingTitle);
    RunHandler([this] { SaveProjectAs(); });
}

// ---- Opening, a new project ----------------------------------------------------------

void TForm1::N3Click() {
    const ActionTitle title(this, kOpeningTitle);
    RunHandler([this] {
        if (!MaybeSaveChanges()) return;
        const QString name = OpenDialog1(this);
        if (!name.isEmpty()) OpenProject(name);
    });
}

void TForm1::NewItemClick() {
    RunHandler([this] {
        if (MaybeSaveChanges()) NewProject();
    });
}

// The whole file is read and checked before anything changes; then the
// project starts from the start-up state. What is shown afterwards is
// computed from the file's inputs; results the file stores are only held
// against it, and a difference is reported.
bool TForm1::OpenProject(const QString& path) {
    const ActionTitle title(this, kOpeningTitle);
    OpenedProject opened;
    std::optional<BuildingInputs> building;
    std::string text;
    try {
        text = ReadProjectText(NativeName(path));
        if (IsJsonDocumentText(text)) building = ReadAnyProjectOrBuilding(text).Building;
        if (!building) opened = OpenProjectText(text);
        if (opened.Table) CheckHeaderAssignment(opened.Table->header, HeaderOf(session_->StartUp));
    } catch (const CalcError& e) {
        ShowError("Не удалось открыть проект " + QuotedPath(NativeName(path)) + ": " + e.what());
        return false;
    }
    if (building) {
        const std::vector<StoredResultDifference> differences =
            StoredBuildingDifferences(text, ComputeBuildingOutcome(*building));
        NewProject();
        const ProjectProperties properties = building->Properties;
        StartBuilding(std::move(*building));
        SetProjectProperties(properties, true);
        FinishOpening(path, false);
        if (!differences.empty()) ShowError(StoredResultsMessage(differences));
        return true;
    }
    // Both run the calculation on the project state, so before the project
    // starts from the start-up state.
    std::vector<StoredResultDifference> differences;
    if (opened.StoredResults) differences = StoredDifferences(opened, ComputeProject(*opened.Document));
    const WindowKind tableKind = opened.Table ? InputsOfTableFile(*opened.Table).Kind : WindowKind::Vertical;
    NewProject();
    if (opened.Document) {
        ApplyProjectInputs(*opened.Document);
    } else {
        differences = LoadTableFile(*opened.Table, tableKind);
    }
    // A project of one room: the building of that room.
    building_->Inputs = BuildingOfProject(ShownProjectInputs());
    building_->Selection = {};
    ShowGroupSelectors();
    ShowRoomList();
    FinishOpening(path, opened.Table.has_value());
    if (!differences.empty()) ShowError(StoredResultsMessage(differences));
    return true;
}

void TForm1::FinishOpening(const QString& path, bool table) {
    session_->File = QFileInfo(path).absoluteFilePath();
    session_->TableFormat = table;
    session_->Saved = ShownProjectInputs();
    building_->Saved = ShownBuilding();
    ShowProjectTitle();
    RestartUndoHistory();
    RememberProjectFile(session_->File);
}

// The kind is chosen first, so that the header's texts stand over those the
// kind puts in; the header goes into its controls in line order, their change
// handlers running as typing would; the window table is then computed from
// it, and the table the file stores is held against the computed one. A
// header the windows cannot be computed from leaves the table without
// results: the windows page says why.
std::vector<StoredResultDifference> TForm1::LoadTableFile(const ProjectFileContents& contents, WindowKind kind) {
    QRadioButton* kinds[] = {RadioButton1, RadioButton2, RadioButton3};
    PutChecked(kinds[static_cast<int>(kind)], true);
    QStringList texts;
    for (const std::string& line : contents.header)
        texts << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    AssignHeaderTexts(texts);
    // Raises here an error a change handler left pending (none is expected
    // after the check of the header), before the table is computed.
    AssignText(Edit5, Edit5->text());
    if (ComputeWindowsIfStale(true)) return {};
    return StoredTableDifferences(contents, Project.WindowHours);
}

// ---- Recent files ---------------------------------------------------------------------

void TForm1::RememberProjectFile(const QString& path) {
    RememberDialogFolder(path);
    QStringList files = RecentProjectFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > int(std::size(RecentFiles))) files.removeLast();
    KeepRecentProjectFiles(files);
    ShowRecentFiles();
}

void TForm1::ShowRecentFiles() {
    const QStringList files = RecentProjectFiles();
    RecentSeparator->setVisible(!files.isEmpty());
    for (int i = 0; i < int(std::size(RecentFiles)); ++i) {
        QAction* item = RecentFiles[i];
        item->setVisible(i < files.size());
        if (i >= files.size()) continue;
        item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        item->setToolTip(files[i]);
        item->setData(files[i]);
    }
}

// A recent file that is gone leaves the list.
void TForm1::OpenRecentFile(int index) {
    const ActionTitle title(this, kOpeningTitle);
    RunHandler([this, index] {
        const QString path = RecentFiles[index]->data().toString();
        if (!MaybeSaveChanges() || OpenProject(path) || QFileInfo::exists(path)) return;
        QStringList files = RecentProjectFiles();
        files.removeAll(path);
        KeepRecentProjectFiles(files);
        ShowRecentFiles();
    });
}

// "Печать": a picture of the client area, as shown with its results brought
// up to date, on one page under a line naming the project, the page and the date.
void TForm1::N7Click() {
    RunHandler([this] {
        BringResultsUpToDate();
        QPrinter printer(QPrinter::HighResolution);
        QWidget* client = centralWidget() != nullptr ? centralWidget() : this;
        PrintWindow(this, client, printer, PrintDialog1, PrintedPageLine());
    });
}

QString TForm1::PrintedPageLine() const {
    const std::string object = ReportedBuilding().Properties.Object;
    QString project = session_->File.isEmpty() ? QStringLiteral("новый проект") : session_->File;
    if (!object.empty()) project = QString::fromStdString(object).simplified() + QStringLiteral(", ") + project;
    const QString page = PageControl2->tabText(PageControl2->currentIndex()).remove(QLatin1Char('&')).trimmed();
    return QStringLiteral("Проект: %1 · Страница: %2 · %3")
        .arg(project, page, QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")));
}

TForm2* TForm1::AboutBox() {
    if (Form2 == nullptr) Form2 = new TForm2(this);
    return Form2;
}

TForm3* TForm1::ReferenceViewer() {
    if (Form3 == nullptr) Form3 = new TForm3(Project, this);
    return Form3;
}

void TForm1::R1Click() { ReferenceViewer()->ShowTopic(1); }   // fillings of light openings
void TForm1::R2Click() { ReferenceViewer()->ShowTopic(2); }   // resistances of light openings
void TForm1::N12Click() { ReferenceViewer()->ShowTopic(3); }  // thermal properties of enclosures
void TForm1::tt1Click() { ReferenceViewer()->ShowTopic(4); }  // climate of cities
void TForm1::N13Click() { ReferenceViewer()->ShowTopic(5); }  // calculation schemes

void TForm1::N6Click() { AboutBox()->exec(); }  // "О программе", modal
