#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ProjectState.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QWidget;
class StringGrid;
class UpDown;
class CalcError;
class FieldMarks;
class CityPicker;
struct ProjectFileContents;
struct StoredResultDifference;
struct ProjectInputs;
struct BuildingInputs;
struct RoomOutcome;
class GroupSelector;
class QDockWidget;
class QTableWidget;
enum class BuildingPart;
struct ProjectProperties;
struct ProjectResults;
struct ProjectSession;
struct ProjectSnapshot;
class UndoHistory;
class QUndoStack;
struct TotalsView;
struct WindowInputTexts;
struct WindowKindSwitch;
enum class WindowKind;

// The main window: the input page, the windows results page, the totals page
// and the menu. Controls keep their numbered names as member and object
// names; every handler reads controls, calls the calculation, writes
// controls. The implementation is split by page: InputPage.cpp,
// LayerEditors.cpp, WindowsPage.cpp, TotalsPage.cpp, MainMenu.cpp and
// MainFormFiles.cpp.
// The line a page shows instead of results that could not be computed.
QString NotComputedLine(const std::string& message);

class TForm1 : public QMainWindow {
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Grid headers and layer counters; BuildPages runs it last.
    void FormCreate();

    // ---- The project -----------------------------------------------------------
    // The window's project state: what the handlers read from the controls,
    // the values derived from them, the layer tables, the results of the pages
    // and the reference viewer's place. Every computation is given it.
    ProjectState Project;

    // Defined in ProjectControls.cpp, TotalsPage.cpp and MainFormFiles.cpp.

    // Computes again, from the inputs as shown, every result whose inputs
    // changed: the window table when it is stale and "Окна" is checked, then
    // the totals. Pages are not switched but updated; a failure shows the
    // error box and its page's line «Результаты не рассчитаны: …» with the
    // numbers it concerns cleared. True when every included result is current.
    bool BringResultsUpToDate();
    // The full path of the current project file, empty for a new project.
    QString CurrentProjectFile() const;

    // The project as the controls show it: every input text as typed (the
    // derived ones too), the kind, the check boxes, the layer counts and the
    // layers with their typed texts.
    ProjectInputs ShownProjectInputs() const;
    // Puts a project's inputs into the controls of the start-up state, as
    // typing would: the kind, the check boxes, the texts (sources before the
    // texts derived from them; a derived text the project does not give
    // follows the typing), then the layers. A change handler that fails shows
    // its error and the rest is still put in.
    void ApplyProjectInputs(const ProjectInputs& inputs);
    // Back to the start-up state: new pages, the project state reset, no file.
    void NewProject();
    // Asks «Сохранить изменения в проекте?» when the project is modified;
    // false when the user cancels or the save fails.
    bool MaybeSaveChanges();
    // "Сохранить" and "Сохранить как…"; false when cancelled or failed
    // (the error shown).
    bool SaveProject();
    bool SaveProjectAs();
    // Opens a project or window table file (the unsaved-changes question
    // asked before); a refused file changes nothing.
    bool OpenProject(const QString& path);

    // ---- Input page: derived values and element switches -------------------
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit5Change();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();

    // ---- Input page: layer editors of the wall and the roof ----------------
    void Edit33Change();
    void Edit34Change();
    void Edit27Change();
    void Edit28Change();
    void UpDown1Click();
    void UpDown2Click();
    void Button1Click();
    void Button2Click();

    // ---- Windows page --------------------------------------------------------
    void TabSheet10Show();
    void TabSheet10Hide();
    void TabSheet1Show();
    void TabSheet2Show();
    void TabSheet3Show();
    void TabSheet4Show();
    void TabSheet5Show();
    void TabSheet6Show();
    void TabSheet7Show();
    void TabSheet8Show();
    // Rows 1..17 of StringGrid1 from orientation 1..8, marker under its peak.
    void FillWindowGrid(int orientation);

    // ---- Totals page ---------------------------------------------------------
    void TabSheet13Show();

    // ---- Layer removal ----------------------------------------------------------
    void DeleteWallLayerClick();  // "Удалить слой" of the wall: the layer numbered in Edit27
    void DeleteRoofLayerClick();  // and of the roof: Edit28
    // Removes a layer (the layers above move down; one within the count
    // takes the count down by one); the Delete key on a grid row does it.
    void RemoveWallLayer(int number);
    void RemoveRoofLayer(int number);

    // ---- Menu ----------------------------------------------------------------
    void N9Click();          // "Выход"
    void NewItemClick();     // "Новый"
    void SaveAsItemClick();  // "Сохранить как…"

    // ---- Project file, printing, reference pages -----------------------------
    // Defined in MainFormFiles.cpp.
    void N2Click();   // "Сохранить"
    void N3Click();   // "Открыть"
    void N7Click();   // "Печать"
    void R1Click();   // reference topic 1
    void R2Click();   // reference topic 2
    void N12Click();  // reference topic 3
    void tt1Click();  // reference topic 4
    void N13Click();  // reference topic 5
    void N6Click();   // "О программе"
    // ---- end of project file, printing, reference pages ----------------------

    // ---- Services for the menu commands ---------------------------------------
    // Texts of the 19 controls of the project file header, in line order
    // (HeaderInputs of the input table).
    QStringList HeaderControlTexts() const;
    // Assigns such texts to those controls in line order. Each assignment that
    // changes a text runs the control's change handler as typing would; a
    // failing handler ends the assignment there (the later controls keep their
    // texts): called from a handler, its error is raised to that handler,
    // otherwise it is shown.
    void AssignHeaderTexts(const QStringList& texts);
    // Assigns a text to an edit from inside a handler: a change handler that
    // fails raises its error here, ending the calling handler at this point.
    void AssignText(QLineEdit* edit, const QString& text);
    // The text of an input control named in the input table, and assigning
    // one as AssignText does (the latitude box has no change handler).
    QString InputText(std::string_view control) const;
    void AssignInputText(std::string_view control, const QString& text);
    // The title's modified mark from the inputs shown, and the undo history
    // told of the change; every input's change runs it.
    void ProjectChanged();
    // Selects the input page (leaving the page shown before).
    void ShowInputPage();
    // Selects the tab of a page (TabSheet9, TabSheet10, …); the page at a tab.
    void ShowPage(QWidget* page);
    QWidget* PageAt(int index) const;

    // Runs a handler body; an error ends the body and is shown in an error box
    // with the application's title as caption (ShowFailure). Nested inside
    // another handler (a text assigned by the program), the error goes on to
    // the outer one.
    void RunHandler(const std::function<void()>& body);
    // Runs the body of a change handler of a field typed in (`typed`): as
    // RunHandler, but a failure of the user's typing opens no box, so that
    // no keystroke is lost to it; the field at fault (the one its error
    // names, else `typed`) is marked with the refusal in Russian and the
    // values derived from it wait until its text reads. Nested inside another
    // handler it fails as RunHandler does.
    void RunTypingHandler(QWidget* typed, const std::function<void()>& body);
    // An action the user asked for failed: the error box; when the failure
    // lies in a field's text, that field is marked and focused first, its
    // page selected and scrolled to it.
    void ShowFailure(const CalcError& error);
    // The error box itself.
    void ShowError(const std::string& message);
    // The marks of refused fields of the input page.
    FieldMarks& Marks() { return *marks_; }
    // When set, errors are passed to this sink instead of an error box.
    static std::function<void(const QString&)> ErrorSink;
    // The caption of the error box: what was being done («Открытие проекта»)
    // while a file command runs, else the application's title.
    QString ErrorBoxTitle() const;

    // ---- Undo and redo --------------------------------------------------------------
    // Defined in UndoHistory.cpp: the only two places where a snapshot meets
    // the controls. TakeSnapshot reads the project and the layer entry rows
    // as shown; RestoreSnapshot puts them back as typing would, makes no undo
    // step, and shows on the page shown the results of what it put back.
    ProjectSnapshot TakeSnapshot() const;
    void RestoreSnapshot(const ProjectSnapshot& snapshot);
    // New, open: the history starts again from the project as shown.
    void RestartUndoHistory();
    // True while a handler runs: what it changes is one action.
    bool InHandler() const { return handlerDepth_ > 0; }

    // ---- Reports: export, charts, printed report -------------------------------
    // Defined in ReportCommands.cpp and ChartsPage.cpp.
    void ExportResultsClick();    // «Экспорт результатов…»: the workbook or the CSV
    void ReportPdfClick();        // «Отчёт (PDF)…»
    void PrintReportClick();      // «Печать отчёта…»
    void TabSheet14Show();        // page «Графики»: the charts of the current results
    void ChartSaveButtonClick();  // «Сохранить график…»: PNG or SVG
    // The results of the inputs shown, as the pages last computed them (after
    // BringResultsUpToDate); defined in ProjectControls.cpp.
    ProjectResults ShownProjectResults(const ProjectInputs& inputs) const;
    // The building as the window holds it, the rooms' inputs as typed (the
    // selected room's as its controls show them), and the room selected
    // (0-based); defined in BuildingView.cpp.
    BuildingInputs ShownBuilding() const;
    std::size_t CurrentRoom() const;

    // ---- The building: rooms, element groups, the page «Здание» ----------------
    // Defined in BuildingView.cpp, RoomList.cpp and BuildingPage.cpp. The input
    // page shows the selected room with its selected window and wall groups;
    // what is typed there belongs to them.
    void SelectRoom(std::size_t index);
    void AddRoom();         // «Добавить помещение» (Insert)
    void CopyRoom();        // «Копия»: the selected room duplicated after it
    void DeleteRoom();      // «Удалить» (Delete), after the question
    void MoveRoom(int by);  // «Выше» (-1), «Ниже» (+1)
    void RenameRoom(std::size_t index, const QString& name);
    void SelectGroup(BuildingPart part, std::size_t index);
    void AddGroup(BuildingPart part);
    void CopyGroup(BuildingPart part);
    void RenameGroup(BuildingPart part);
    void DeleteGroup(BuildingPart part);
    void TabSheet15Show();  // «Здание»: the rooms by hour and the building's sums
    // The rooms' results as the room list and «Здание» show them, the rooms
    // whose inputs changed computed again.
    const std::vector<RoomOutcome>& RoomOutcomes();

    QDockWidget* RoomDock = nullptr;  // «Помещения»
    QTableWidget* RoomList = nullptr;
    QToolButton* AddRoomButton = nullptr;
    QToolButton* CopyRoomButton = nullptr;
    QToolButton* DeleteRoomButton = nullptr;
    QToolButton* RoomUpButton = nullptr;
    QToolButton* RoomDownButton = nullptr;
    GroupSelector* WindowGroups = nullptr;  // above «Для окон»
    GroupSelector* WallGroups = nullptr;    // above «Для стен»
    QWidget* TabSheet15 = nullptr;          // «Здание»
    QLabel* BuildingTitle = nullptr;
    QTableWidget* BuildingGrid = nullptr;
    QLabel* BuildingFailureLine = nullptr;
    class QChartView* BuildingChart = nullptr;
    // Dialog steps; tests replace them: the question before a room or a group
    // is deleted (true: delete), and the new name of a group (empty: cancelled).
    std::function<bool(QWidget*, const QString&)> DeleteQuestion1 = RunDeleteQuestion1;
    std::function<QString(QWidget*, const QString&, const QString&)> RenameDialog1 = RunRenameDialog1;
    static bool RunDeleteQuestion1(QWidget* parent, const QString& question);
    static QString RunRenameDialog1(QWidget* parent, const QString& title, const QString& name);
    // ---- Handing over: properties, the copy of a table, written files ---------
    // Defined in ProjectPropertiesDialog.cpp, TableCopy.cpp and ReportCommands.cpp.
    // ShownBuilding with the project's properties: what reports and files take.
    BuildingInputs ReportedBuilding() const;
    // The project's properties; `saved` when they are as in the file just
    // opened or saved (the modified mark compares with those).
    void SetProjectProperties(const ProjectProperties& properties, bool saved);
    void ProjectPropertiesClick();  // «Свойства проекта…»
    void CopyTableClick();          // «Копировать таблицу»: the grid of the page shown
    // The status bar's line after a file is written: what and where, the
    // folder a link that opens it.
    void ShowWrittenFile(const QString& what, const QString& path);
    QAction* ProjectPropertiesItem = nullptr;
    QAction* CopyTable = nullptr;
    QLabel* WrittenFileLine = nullptr;
    // Dialog steps; tests replace them. The properties dialog edits them and
    // returns false when cancelled; the scope question (asked for a building
    // of more than one room) returns the room to report or none for the
    // whole building, false when cancelled; the question before a window
    // table file is written lists what it leaves out and returns true to
    // write it.
    enum class ScopeAnswer { Building, CurrentRoom, Cancel };
    std::function<bool(ProjectProperties&, QWidget*)> PropertiesDialog1 = RunPropertiesDialog1;
    std::function<ScopeAnswer(QWidget*)> ReportScopeDialog1 = RunReportScopeDialog1;
    std::function<bool(const QStringList& left, QWidget*)> TableFormatQuestion1 = RunTableFormatQuestion1;
    static bool RunPropertiesDialog1(ProjectProperties& properties, QWidget* parent);
    static ScopeAnswer RunReportScopeDialog1(QWidget* parent);
    static bool RunTableFormatQuestion1(const QStringList& left, QWidget* parent);

    // ---- Controls ----------------------------------------------------------------
    QTabWidget* PageControl2 = nullptr;
    QWidget* TabSheet9 = nullptr;
    QWidget* TabSheet10 = nullptr;
    QWidget* TabSheet13 = nullptr;

    // Input page
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QFrame* SiteFrame = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QLineEdit* Edit11 = nullptr;
    QLineEdit* Edit12 = nullptr;
    QLineEdit* Edit13 = nullptr;
    QLineEdit* Edit14 = nullptr;
    QLineEdit* Edit15 = nullptr;
    QLineEdit* Edit16 = nullptr;
    QLineEdit* Edit17 = nullptr;
    QLineEdit* Edit18 = nullptr;
    QLineEdit* Edit19 = nullptr;
    QLineEdit* Edit20 = nullptr;
    QLineEdit* Edit21 = nullptr;
    QLineEdit* Edit22 = nullptr;
    QLineEdit* Edit23 = nullptr;
    QLineEdit* Edit24 = nullptr;
    QLineEdit* Edit25 = nullptr;
    QLineEdit* Edit26 = nullptr;
    QLineEdit* Edit27 = nullptr;
    QLineEdit* Edit28 = nullptr;
    QLineEdit* Edit29 = nullptr;
    QLineEdit* Edit30 = nullptr;
    QLineEdit* Edit31 = nullptr;
    QLineEdit* Edit32 = nullptr;
    QLineEdit* Edit33 = nullptr;
    QLineEdit* Edit34 = nullptr;
    QLineEdit* Edit35 = nullptr;
    QLineEdit* Edit36 = nullptr;
    QLineEdit* Edit37 = nullptr;
    QLineEdit* Edit38 = nullptr;
    QLineEdit* Edit39 = nullptr;
    QLineEdit* Edit40 = nullptr;
    QLineEdit* Edit41 = nullptr;
    QLineEdit* Edit42 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QCheckBox* CheckBox7 = nullptr;
    QCheckBox* CheckBox8 = nullptr;
    QCheckBox* CheckBox9 = nullptr;
    QCheckBox* CheckBox10 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    QCheckBox* CheckBox12 = nullptr;
    QCheckBox* CheckBox13 = nullptr;
    QCheckBox* CheckBox14 = nullptr;
    QCheckBox* CheckBox15 = nullptr;
    QCheckBox* CheckBox16 = nullptr;
    QCheckBox* CheckBox17 = nullptr;
    QCheckBox* CheckBox18 = nullptr;
    QCheckBox* CheckBox19 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    // The city of the site (CityPicker.h) and the line beside it: the source
    // of the figures it set, or why it set none.
    QLineEdit* CityEdit = nullptr;
    QLabel* CityLine = nullptr;
    CityPicker* CityPicker1 = nullptr;
    // The operating conditions А / Б of the layers' materials (MaterialPicker.h).
    QFrame* ConditionsFrame = nullptr;
    QRadioButton* ConditionsA = nullptr;
    QRadioButton* ConditionsB = nullptr;
    QLabel* Label102 = nullptr;  // tilt line: text
    QLabel* Label103 = nullptr;  // tilt line: β
    QLabel* Label104 = nullptr;  // tilt line: "' ="
    QLabel* Label105 = nullptr;  // tilt line: "°"
    UpDown* UpDown1 = nullptr;
    UpDown* UpDown2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* DeleteWallLayer = nullptr;  // "Удалить слой" beside Button1
    QPushButton* DeleteRoofLayer = nullptr;  // beside Button2
    StringGrid* StringGrid2 = nullptr;
    StringGrid* StringGrid3 = nullptr;

    // Windows page
    StringGrid* StringGrid1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet6 = nullptr;
    QWidget* TabSheet7 = nullptr;
    QWidget* TabSheet8 = nullptr;
    QLabel* Label27 = nullptr;             // kind caption of the insolation row
    QLabel* Label107 = nullptr;            // "Горизонтальные  окна"
    QLabel* Label108 = nullptr;            // "MAX" under the peak hour
    QLabel* WindowsFailureLine = nullptr;  // «Результаты не рассчитаны: …» over the emptied grid

    // Totals page
    StringGrid* StringGrid6 = nullptr;
    QLabel* Label164 = nullptr;           // "MAX" under the hour of the grand maximum
    QLabel* TotalsFailureLine = nullptr;  // «Результаты не рассчитаны: …» below the grid

    // Refusals of typed texts, and of the fields an action failed on.
    QStatusBar* StatusBar1 = nullptr;
    // Ctrl+1 … Ctrl+5: the pages in their order.
    QAction* PageShortcuts[5] = {};

    // Menu
    QMenuBar* MainMenu1 = nullptr;
    QMenu* N1 = nullptr;         // "Файл"
    QAction* NewItem = nullptr;  // "Новый"
    QAction* N2 = nullptr;
    QAction* N3 = nullptr;
    QAction* SaveAsItem = nullptr;  // "Сохранить как…"
    QAction* RecentSeparator = nullptr;
    QAction* RecentFiles[8] = {};  // RecentFile1..RecentFile8, the last files opened or saved
    QAction* N4 = nullptr;
    QAction* N7 = nullptr;
    QAction* N8 = nullptr;
    QAction* N9 = nullptr;
    QMenu* EditMenu = nullptr;    // "Правка"
    QAction* UndoItem = nullptr;  // "Отменить: <step>"
    QAction* RedoItem = nullptr;  // "Повторить: <step>"
    QUndoStack* UndoStack1 = nullptr;
    QMenu* N5 = nullptr;   // "Справка"
    QMenu* N11 = nullptr;  // "Таблицы,  расчетные схемы"
    QAction* R1 = nullptr;
    QAction* R2 = nullptr;
    QAction* N12 = nullptr;
    QAction* tt1 = nullptr;
    QAction* N13 = nullptr;
    QAction* N10 = nullptr;
    QAction* N6 = nullptr;

    // ---- Project file, printing, reference pages: members -------------------
    // Dialog steps of the menu commands; tests replace them. The file dialogs
    // return the chosen name, empty when cancelled (the save dialog adds the
    // extension of the chosen filter to a name typed without one, and asks
    // before replacing a file); the print dialog sets up the printer and
    // returns false when cancelled; the question about unsaved changes
    // returns the answer.
    enum class SaveChangesAnswer { Save, Discard, Cancel };
    std::function<QString(QWidget*)> SaveDialog1 = RunSaveDialog1;
    std::function<QString(QWidget*)> OpenDialog1 = RunOpenDialog1;
    std::function<bool(class QPrinter&, QWidget*)> PrintDialog1 = RunPrintDialog1;
    std::function<SaveChangesAnswer(QWidget*)> SaveChangesQuestion1 = RunSaveChangesQuestion1;
    static QString RunSaveDialog1(QWidget* parent);
    static QString RunOpenDialog1(QWidget* parent);
    static bool RunPrintDialog1(class QPrinter& printer, QWidget* parent);
    static SaveChangesAnswer RunSaveChangesQuestion1(QWidget* parent);

    // The about box and the reference viewer, windows of their own owned by
    // the main window; made hidden when first asked for.
    class TForm2* AboutBox();
    class TForm3* ReferenceViewer();
    class TForm2* Form2 = nullptr;
    class TForm3* Form3 = nullptr;
    // ---- end of project file, printing, reference pages: members ------------

    // ---- Reports: controls and dialogs -----------------------------------------
    QWidget* TabSheet14 = nullptr;           // «Графики»
    QWidget* ChartsArea = nullptr;           // both charts, as saved
    class QChartView* ChartView1 = nullptr;  // hourly totals
    class QChartView* ChartView2 = nullptr;  // windows by orientation
    QPushButton* ChartSaveButton = nullptr;
    QLabel* ChartsFailureLine = nullptr;  // «Результаты не рассчитаны: …» instead of the charts
    QAction* ExportResults = nullptr;
    QAction* ReportPdf = nullptr;
    QAction* PrintReport = nullptr;
    // Dialog steps; tests replace them. Each returns the chosen file name,
    // empty when cancelled; the export dialog also says whether CSV was
    // chosen (otherwise the workbook).
    struct ExportTarget {
        QString path;
        bool csv = false;
    };
    std::function<ExportTarget(QWidget*)> ExportDialog1 = RunExportDialog1;
    std::function<QString(QWidget*)> ReportPdfDialog1 = RunReportPdfDialog1;
    std::function<QString(QWidget*)> ChartSaveDialog1 = RunChartSaveDialog1;
    static ExportTarget RunExportDialog1(QWidget* parent);
    static QString RunReportPdfDialog1(QWidget* parent);
    static QString RunChartSaveDialog1(QWidget* parent);

protected:
    // Closing the main window ends the program, also while the reference
    // viewer stands open beside it.
    void closeEvent(QCloseEvent* event) override;

private:
    // Construction, one step per part of the window. BuildPages makes the
    // three pages with their controls, connections and start-up texts.
    void BuildPages();
    void CreatePages();
    void CreateInputPage();
    void CreateWindowGroup();
    void CreateWindowKindFrame();
    void CreateSiteBlock();
    void CreateWallGroup();
    void CreateRoofGroup();
    void CreateMaterialPickers();  // MaterialPicker.cpp
    void CreateWindowsPage();
    void CreateTotalsPage();
    void CreateMainMenu();
    void CreateReportItems();
    // "Правка": undo and redo of the project, then the copy of a page's table.
    void CreateEditMenu();
    void CreateUndoHistory();   // UndoHistory.cpp
    void ConnectUndoHistory();  // after the pages are built
    void CreateChartsPage();
    void CreateBuildingPage();  // «Здание», after «Итого :»
    void CreateRoomDock();      // «Помещения», beside the pages
    void CreateGroupSelectors();
    // The building the window holds: a new project's one room; the selected
    // room's and groups' inputs put into the controls; what the controls show
    // taken back into the building; the room list and the group selectors.
    void StartBuilding(BuildingInputs building);
    void ShowSelectedProject();
    void TakeShownIntoBuilding();
    void ShowRoomList();
    void ShowGroupSelectors();
    void ShowBuildingPage();
    // The totals of a room of several groups replace those of the groups shown.
    bool ShowRoomTotals();
    void ChartsPageChanged(int index);
    void ConnectInputPage();
    // Tab goes through each group top to bottom, the layer entry row to its
    // "Ввод"; Return in the entry row presses it.
    void SetInputTabOrder();
    void CreatePageShortcuts();
    // The default size shows the input page whole where the screen's free
    // area allows it, and never more than that area.
    void FitToScreen();
    void ReportError(const std::exception_ptr& error);
    // The control an error names, if the window has it.
    QWidget* FieldOf(const CalcError& error) const;
    void FocusField(QWidget* field);
    void ConnectLayerEditors();
    void ConnectPages();
    void ConnectProjectTracking();

    // Page changes of PageControl2 and PageControl1: the hide handler of the
    // page left, then the show handler of the page selected.
    void MainPageChanged(int index);
    void OrientationPageChanged(int index);

    // Shared steps of the input page.
    void UpdateOpeningArea();
    bool StoreTypedValue(QLineEdit* edit, bool emptyRefused = false);
    void ShowOuterCoeffs(bool windowCoeff);
    void ShowWindowKindControls(const WindowKindSwitch& kind);
    void SwitchWindowKind(WindowKind kind);

    // Shows the totals as the last showing of the page left them.
    void ShowTotalsView();

    // The window and site inputs as shown, and the kind checked.
    WindowInputTexts ShownWindowInputs() const;
    WindowKind ShownWindowKind() const;
    // Computes the window table when it is stale ("Окна" checked, or
    // `evenExcluded`); on failure the windows page shows its line over an
    // emptied grid and the error is returned (no error box).
    std::optional<CalcError> ComputeWindowsIfStale(bool evenExcluded);
    // The windows page from the table: kind caption, selector, north page.
    void ShowWindowResults();
    // The line «Результаты не рассчитаны: …» of the windows page, with the
    // grid emptied and the marker hidden; none hides it.
    void ShowWindowsFailure(const std::optional<std::string>& message);

    // A text or a check put in by the program outside typing: a handler that
    // fails shows its error at once and the caller goes on.
    void PutText(QLineEdit* edit, const QString& text);
    void PutChecked(QAbstractButton* button, bool checked);
    void PutByProgram(const std::function<void()>& put);
    void ShowPendingError();
    // Layer grids, R₀ and K of both constructions from the project state.
    void ShowLayerEditors();
    // R₀ and K of both constructions, and αн of the roof, recomputed from
    // the stored wind speed and layers, as the wall and roof results take them.
    void ShowConstructionResistances();
    // The title and the modified mark from the project file.
    void ShowProjectTitle();
    // Saving in the format of the name (".txt": window table file).
    bool SaveProjectTo(const QString& name);
    QStringList TableFileLeavesOut() const;
    // The line «Печать» prints over the page: the project, the page, the date.
    QString PrintedPageLine() const;
    void SaveFullFile(const QString& name);
    // The file opened becomes the project's: its name, the saved state.
    void FinishOpening(const QString& path, bool table);
    void SaveTableFile(const QString& name);
    // The start of a project from a window table file: the kind its table
    // was computed with chosen, its header typed into the controls, the
    // window table computed from them; returns where the table the file
    // stores differs from the computed one.
    std::vector<StoredResultDifference> LoadTableFile(const ProjectFileContents& contents, WindowKind kind);
    // The recent files in "Файл", kept in the user's settings.
    void RememberProjectFile(const QString& path);
    void ShowRecentFiles();
    void OpenRecentFile(int index);
    // Runs a handler's body one level deeper; what it raised, or nothing.
    std::exception_ptr RunBody(const std::function<void()>& body);

    QWidget* shownMainPage_ = nullptr;
    std::unique_ptr<TotalsView> totalsView_;
    std::unique_ptr<ProjectSession> session_;
    std::unique_ptr<struct BuildingModel> building_;
    bool showingSelection_ = false;  // the controls are being given another room or group
    int handlerDepth_ = 0;
    std::exception_ptr pendingError_;
    std::unique_ptr<FieldMarks> marks_;
    QString errorBoxTitle_;
    UndoHistory* history_ = nullptr;
    // A snapshot put back: texts go in as typed, a refusal marked at its field.
    bool putAsTyped_ = false;

    // Names the action whose failures the error box shows while it lives.
    class ActionTitle {
    public:
        ActionTitle(TForm1* form, const QString& title)
            : form_(form), previous_(std::exchange(form->errorBoxTitle_, title)) {}
        ~ActionTitle() { form_->errorBoxTitle_ = previous_; }
        ActionTitle(const ActionTitle&) = delete;
        ActionTitle& operator=(const ActionTitle&) = delete;

    private:
        TForm1* form_;
        QString previous_;
    };
};
