#include "MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>

#include <algorithm>
#include <iterator>
#include <utility>

#include "BuildingModel.h"
#include "CalcError.h"
#include "FieldMarks.h"
#include "FormStyle.h"
#include "InputControls.h"
#include "InputFields.h"
#include "PageArea.h"
#include "ProjectSession.h"
#include "ProjectState.h"
#include "StringGrid.h"
#include "Totals.h"
#include "UpDown.h"

std::function<void(const QString&)> TForm1::ErrorSink;

namespace {

// Room left beside the window for the frame and title bar that the window
// manager adds, so that the whole window fits the screen's free area.
constexpr QSize kFrameAllowance{16, 40};

// Header of the windows grid: each hour right-aligned in eight characters.
constexpr int kWindowGridHeaderWidth = 8;
// Header of the layer grids: the number, the name, and the three figures
// of a layer by a short word with the symbol and unit of the wall's entry
// edit in the input table.
struct LayerGridHeading {
    const char* words;
    const char* entryEdit;  // nullptr: the words alone
};
constexpr LayerGridHeading kLayerGridHeader[] = {
    {"  №", nullptr},      {"    Материал", nullptr}, {"Усвоение", "Edit30"}, {"Коэф-т теплопр-ти", "Edit31"},
    {"Толщина", "Edit32"},
};

QString HeadingText(const LayerGridHeading& heading) {
    QString text = QString::fromUtf8(heading.words);
    if (heading.entryEdit == nullptr) return text;
    const InputControl& figure = InputControlOf(KeyOfControl(heading.entryEdit));
    return text + QLatin1Char(' ') + QString::fromUtf8(figure.symbol.data(), qsizetype(figure.symbol.size())) +
           QStringLiteral(", ") + QString::fromUtf8(figure.unit.data(), qsizetype(figure.unit.size()));
}

// What is shown around a field brought into view: its symbol, its neighbours.
constexpr int kFocusMargin = 48;

constexpr const char* kInternalErrorMessage = "Внутренняя ошибка программы";

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), totalsView_(std::make_unique<TotalsView>()), session_(std::make_unique<ProjectSession>()) {
    setFont(FormStyle::BaseFont());
    FormStyle::SetTextColour(this, FormStyle::kNavy);
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    marks_ = std::make_unique<FieldMarks>(StatusBar1);
    CreateMainMenu();
    BuildPages();
    CreatePageShortcuts();
    session_->StartUp = ShownProjectInputs();
    session_->Saved = session_->StartUp;
    CreateRoomDock();
    StartBuilding({});
    ShowProjectTitle();
    ShowRecentFiles();
    FitToScreen();
}

void TForm1::FitToScreen() {
    const QRect room = screen()->availableGeometry();
    const QSize free = room.size() - kFrameAllowance;
    const QSize whole = sizeHint();
    QSize size = whole.boundedTo(free);
    // A page that scrolls one way needs the room of that scroll bar the other way.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (size.height() < whole.height()) size.rwidth() += bar;
    if (size.width() < whole.width()) size.rheight() += bar;
    size = size.boundedTo(free).expandedTo(minimumSizeHint());
    resize(size);
    // The room list as narrow as its names need, the pages the rest.
    constexpr int kRoomListWidth = 250;
    if (RoomDock != nullptr)
        resizeDocks({RoomDock},
                    {std::min(kRoomListWidth, std::max(RoomDock->minimumSizeHint().width(), size.width() / 5))},
                    Qt::Horizontal);
    // Within the free area, whatever the window manager does with the place.
    move(room.topLeft() + QPoint(std::max(0, (room.width() - size.width() - kFrameAllowance.width()) / 2), 0));
}

TForm1::~TForm1() = default;

void TForm1::BuildPages() {
    CreatePages();
    CreateInputPage();
    CreateWindowsPage();
    CreateTotalsPage();
    CreateChartsPage();
    CreateBuildingPage();
    ConnectInputPage();
    ConnectLayerEditors();
    ConnectPages();
    FormCreate();
    ConnectProjectTracking();
}

// Each page scrolls within the page control when the window is smaller
// than the page; the input and charts pages are laid out and take the room
// they get, the windows and totals pages keep the pixel places of their
// markers at a size of their own.
void TForm1::CreatePages() {
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setUsesScrollButtons(false);
    TabSheet9 = new QWidget;
    TabSheet9->setObjectName(QStringLiteral("TabSheet9"));
    TabSheet10 = new QWidget;
    TabSheet10->setObjectName(QStringLiteral("TabSheet10"));
    TabSheet13 = new QWidget;
    TabSheet13->setObjectName(QStringLiteral("TabSheet13"));
    PageControl2->addTab(new PageArea(TabSheet9, PageArea::Laid), QStringLiteral(" Исходные  данные "));
    PageControl2->addTab(new PageArea(TabSheet10, PageArea::Fixed), QStringLiteral("Окна"));
    PageControl2->addTab(new PageArea(TabSheet13, PageArea::Fixed), QStringLiteral("Итого :"));
    for (QWidget* page : {TabSheet9, TabSheet10, TabSheet13}) page->setAutoFillBackground(true);
    setCentralWidget(PageControl2);
    shownMainPage_ = TabSheet9;
}

QWidget* TForm1::PageAt(int index) const { return PageArea::PageOf(PageControl2->widget(index)); }

void TForm1::ShowPage(QWidget* page) {
    for (int index = 0; index < PageControl2->count(); ++index) {
        if (PageAt(index) == page) PageControl2->setCurrentIndex(index);
    }
}

// Ctrl+1 … Ctrl+5 select the pages in their order.
void TForm1::CreatePageShortcuts() {
    for (int index = 0; index < int(std::size(PageShortcuts)); ++index) {
        QAction* shortcut = new QAction(this);
        shortcut->setObjectName(QStringLiteral("PageShortcut%1").arg(index + 1));
        shortcut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + index)));
        connect(shortcut, &QAction::triggered, this, [this, index] {
            if (index < PageControl2->count()) PageControl2->setCurrentIndex(index);
        });
        addAction(shortcut);
        PageShortcuts[index] = shortcut;
    }
}

void TForm1::FormCreate() {
    for (int column = 0; column < kHourCount; ++column) {
        const std::string_view hour = HourLabel(column + 1);
        StringGrid1->SetCell(
            0, column,
            QString::fromUtf8(hour.data(), static_cast<qsizetype>(hour.size())).rightJustified(kWindowGridHeaderWidth));
    }
    for (StringGrid* grid : {StringGrid2, StringGrid3}) {
        for (int column = 0; column < 5; ++column) grid->SetCell(0, column, HeadingText(kLayerGridHeader[column]));
    }
    UpDown1->SetPosition(1);
    UpDown2->SetPosition(1);
    Project.WallLayerCurrent = 1;
    Project.RoofLayerCurrent = 1;
    Project.WallLayerCount = 3;
    Project.RoofLayerCount = 3;
    // What the fields show is what is stored from the start on; the roof's
    // αн shown with R₀ and K is the one its R₀ takes, from the wind speed.
    StoreStartUpTexts(Project);
    ShowLayerEditors();  // the numbered rows of the three layers
}

void TForm1::ConnectPages() {
    connect(PageControl2, &QTabWidget::currentChanged, this, &TForm1::MainPageChanged);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::OrientationPageChanged);
}

void TForm1::MainPageChanged(int index) {
    // A page's show handler that brought another page forward (a field at
    // fault) has already handled that change: this one is over.
    if (index != PageControl2->currentIndex()) return;
    QWidget* left = shownMainPage_;
    shownMainPage_ = PageAt(index);
    if (left == TabSheet10) TabSheet10Hide();
    if (shownMainPage_ == TabSheet10) TabSheet10Show();
    if (shownMainPage_ == TabSheet13) TabSheet13Show();
}

void TForm1::OrientationPageChanged(int index) {
    switch (index) {
        case 0:
            TabSheet1Show();
            break;
        case 1:
            TabSheet2Show();
            break;
        case 2:
            TabSheet3Show();
            break;
        case 3:
            TabSheet4Show();
            break;
        case 4:
            TabSheet5Show();
            break;
        case 5:
            TabSheet6Show();
            break;
        case 6:
            TabSheet7Show();
            break;
        case 7:
            TabSheet8Show();
            break;
        default:
            break;
    }
}

void TForm1::ShowInputPage() { ShowPage(TabSheet9); }

// Every input is an edit but the latitude box.
QString TForm1::InputText(std::string_view control) const {
    QLineEdit* TForm1::*const edit = InputFieldOf(control).edit;
    return edit != nullptr ? (this->*edit)->text() : ComboBox1->currentText();
}

void TForm1::AssignInputText(std::string_view control, const QString& text) {
    QLineEdit* TForm1::*const edit = InputFieldOf(control).edit;
    if (edit != nullptr) {
        AssignText(this->*edit, text);
    } else {
        ComboBox1->setCurrentText(text);  // no change handler
    }
}

QStringList TForm1::HeaderControlTexts() const {
    QStringList texts;
    for (const InputControl* input : HeaderInputs()) texts << InputText(ControlOfKey(input->key));
    return texts;
}

void TForm1::AssignHeaderTexts(const QStringList& texts) {
    const auto assign = [&] {
        for (int line = 1; line <= texts.size() && line <= kHeaderInputCount; ++line)
            AssignInputText(ControlOfKey(HeaderInputs()[static_cast<std::size_t>(line - 1)]->key), texts[line - 1]);
    };
    // Inside a handler a failure ends that handler; on its own it is shown.
    if (handlerDepth_ > 0) {
        assign();
    } else {
        RunHandler(assign);
    }
}

void TForm1::AssignText(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    if (pendingError_) {
        const std::exception_ptr error = pendingError_;
        pendingError_ = nullptr;
        std::rethrow_exception(error);
    }
}

std::exception_ptr TForm1::RunBody(const std::function<void()>& body) {
    ++handlerDepth_;
    std::exception_ptr error;
    try {
        body();
    } catch (...) {
        error = std::current_exception();
    }
    --handlerDepth_;
    return error;
}

void TForm1::RunHandler(const std::function<void()>& body) {
    std::exception_ptr error = RunBody(body);
    if (handlerDepth_ > 0) {
        // Inside another handler: the error ends that one too.
        if (error && !pendingError_) pendingError_ = error;
        return;
    }
    if (!error && pendingError_) error = pendingError_;
    pendingError_ = nullptr;
    if (error) ReportError(error);
}

void TForm1::RunTypingHandler(QWidget* typed, const std::function<void()>& body) {
    // A text put in by the program: its handler fails as any other would,
    // and ends the handler that put it.
    if (handlerDepth_ > 0) {
        RunHandler(body);
        return;
    }
    std::exception_ptr error = RunBody(body);
    if (!error) error = std::exchange(pendingError_, nullptr);
    pendingError_ = nullptr;
    if (!error) return;
    try {
        std::rethrow_exception(error);
    } catch (const CalcError& e) {
        // A failure that names no field lies in the text typed.
        const CalcError named = e.Input().empty() ? e.NamingInput(KeyOfControl(typed->objectName().toStdString())) : e;
        QWidget* field = FieldOf(named);
        marks_->Mark(field != nullptr ? field : typed, QString::fromStdString(FieldRefusalText(named)));
    } catch (const std::exception& e) {
        marks_->Mark(typed, QString::fromUtf8(e.what()));
    } catch (...) {
        marks_->Mark(typed, QString::fromUtf8(kInternalErrorMessage));
    }
}

void TForm1::ReportError(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const CalcError& e) {
        ShowFailure(e);
    } catch (const std::exception& e) {
        ShowError(e.what());
    } catch (...) {
        ShowError(kInternalErrorMessage);
    }
}

QWidget* TForm1::FieldOf(const CalcError& error) const {
    const std::string_view control = ControlOfKey(error.Input());
    if (control.empty()) return nullptr;
    return findChild<QWidget*>(QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size())));
}

void TForm1::ShowFailure(const CalcError& error) {
    if (QWidget* field = FieldOf(error)) {
        marks_->Mark(field, QString::fromStdString(FieldRefusalText(error)));
        FocusField(field);
    }
    ShowError(error.what());
}

// The field brought into view on its page, the input page selected first.
void TForm1::FocusField(QWidget* field) {
    for (int index = 0; index < PageControl2->count(); ++index) {
        QWidget* page = PageAt(index);
        if (page == nullptr || !page->isAncestorOf(field)) continue;
        PageControl2->setCurrentIndex(index);
        if (auto* area = qobject_cast<PageArea*>(PageControl2->widget(index))) area->ShowControl(field, kFocusMargin);
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

void TForm1::ShowError(const std::string& message) {
    const QString text = QString::fromStdString(ErrorBoxText(message));
    if (ErrorSink) {
        ErrorSink(text);
        return;
    }
    QMessageBox::critical(this, ErrorBoxTitle(), text);
}

QString TForm1::ErrorBoxTitle() const {
    return errorBoxTitle_.isEmpty() ? QCoreApplication::applicationName() : errorBoxTitle_;
}

void TForm1::N9Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (!MaybeSaveChanges()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) window->close();
    }
}
