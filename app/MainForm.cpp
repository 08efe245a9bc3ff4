#include "MainForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>

#include "CalcError.h"
#include "FormStyle.h"
#include "InputFields.h"
#include "ProjectSession.h"
#include "ProjectState.h"
#include "StringGrid.h"
#include "Totals.h"
#include "UpDown.h"

std::function<void(const QString&)> TForm1::ErrorSink;

namespace {

constexpr int kClientWidth = 1024;
constexpr int kClientHeight = 722;

// Header of the windows grid: each hour right-aligned in eight characters.
constexpr const char* kWindowGridHeader[] = {"     8-9", "    9-10", "   10-11", "   11-12", "   12-13",
                                             "   13-14", "   14-15", "   15-16", "   16-17", "   17-18"};
// Header of the layer grids.
constexpr const char* kLayerGridHeader[] = {"  №", "    Материал", "Усвоение,Вт/(м°С)", "Коеф-т теплопр-ти, Вт/(м°С)",
                                            "Толщина, м"};

std::string MessageOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const CalcError& e) {
        return e.what();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Внутренняя ошибка программы";
    }
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), totalsView_(std::make_unique<TotalsView>()), session_(std::make_unique<ProjectSession>()) {
    setFont(FormStyle::BaseFont());
    FormStyle::SetTextColour(this, FormStyle::kNavy);
    CreateMainMenu();
    BuildPages();
    session_->StartUp = ShownProjectInputs();
    session_->Saved = session_->StartUp;
    ShowProjectTitle();
    ShowRecentFiles();
}

TForm1::~TForm1() = default;

void TForm1::BuildPages() {
    CreatePages();
    CreateInputPage();
    CreateWindowsPage();
    CreateTotalsPage();
    CreateChartsPage();
    ConnectInputPage();
    ConnectLayerEditors();
    ConnectPages();
    FormCreate();
    ConnectProjectTracking();
}

void TForm1::CreatePages() {
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setFixedSize(kClientWidth, kClientHeight);
    PageControl2->setUsesScrollButtons(false);
    TabSheet9 = new QWidget;
    TabSheet9->setObjectName(QStringLiteral("TabSheet9"));
    TabSheet10 = new QWidget;
    TabSheet10->setObjectName(QStringLiteral("TabSheet10"));
    TabSheet13 = new QWidget;
    TabSheet13->setObjectName(QStringLiteral("TabSheet13"));
    PageControl2->addTab(TabSheet9, QStringLiteral(" Исходные  данные "));
    PageControl2->addTab(TabSheet10, QStringLiteral("Окна"));
    PageControl2->addTab(TabSheet13, QStringLiteral("Итого :"));
    for (QWidget* page : {TabSheet9, TabSheet10, TabSheet13}) page->setAutoFillBackground(true);
    setCentralWidget(PageControl2);
    shownMainPage_ = TabSheet9;
}

void TForm1::FormCreate() {
    for (int column = 0; column < 10; ++column) {
        StringGrid1->SetCell(0, column, QString::fromUtf8(kWindowGridHeader[column]));
    }
    for (StringGrid* grid : {StringGrid2, StringGrid3}) {
        for (int column = 0; column < 5; ++column)
            grid->SetCell(0, column, QString::fromUtf8(kLayerGridHeader[column]));
    }
    UpDown1->SetPosition(1);
    UpDown2->SetPosition(1);
    Project.WallLayerCurrent = 1;
    Project.RoofLayerCurrent = 1;
    Project.WallLayerCount = 3;
    Project.RoofLayerCount = 3;
}

void TForm1::ConnectPages() {
    connect(PageControl2, &QTabWidget::currentChanged, this, &TForm1::MainPageChanged);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::OrientationPageChanged);
}

void TForm1::MainPageChanged(int index) {
    QWidget* left = shownMainPage_;
    shownMainPage_ = PageControl2->widget(index);
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

void TForm1::ShowInputPage() { PageControl2->setCurrentWidget(TabSheet9); }

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
    for (const InputControl* input : HeaderInputs()) texts << InputText(input->control);
    return texts;
}

void TForm1::AssignHeaderTexts(const QStringList& texts) {
    const auto assign = [&] {
        for (int line = 1; line <= texts.size() && line <= kHeaderInputCount; ++line)
            AssignInputText(HeaderInputs()[static_cast<std::size_t>(line - 1)]->control, texts[line - 1]);
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

void TForm1::RunHandler(const std::function<void()>& body) {
    ++handlerDepth_;
    std::exception_ptr error;
    try {
        body();
    } catch (...) {
        error = std::current_exception();
    }
    --handlerDepth_;
    if (handlerDepth_ > 0) {
        // Inside another handler: the error ends that one too.
        if (error && !pendingError_) pendingError_ = error;
        return;
    }
    if (!error && pendingError_) error = pendingError_;
    pendingError_ = nullptr;
    if (error) ShowError(MessageOf(error));
}

void TForm1::ShowError(const std::string& message) {
    const QString text = QString::fromStdString(ErrorBoxText(message));
    if (ErrorSink) {
        ErrorSink(text);
        return;
    }
    QMessageBox::critical(this, QCoreApplication::applicationName(), text);
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
