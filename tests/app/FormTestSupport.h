#pragma once

// Helpers of the main window tests: controls found by object name (a missing
// one stops the run loudly), typing, clicking, page selection and the errors
// the window reported.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "BuildingEdit.h"
#include "FieldMarks.h"
#include "MainForm.h"
#include "ProjectState.h"
#include "StringGrid.h"

template <class T>
T* Control(const QWidget* root, const char* name) {
    T* widget = root->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("control %s is missing or has another type", name);
    return widget;
}

// A fresh main window, with its project state at start-up; errors are collected instead of
// shown in a box, and the question about unsaved changes is counted and
// answered "Не сохранять" unless a test answers otherwise. The user's
// settings are never touched: the list of recent files lives in Qt's test
// folders and starts empty.
struct FormUnderTest {
    std::unique_ptr<TForm1> form;
    QStringList errors;
    QStringList errorTitles;  // the caption of each error box
    int questions = 0;
    QList<QStringList> tableFileLeftOut;  // what each window table file left out, as listed

    explicit FormUnderTest(bool freshSettings = true) {
        QLocale::setDefault(QLocale::c());
        QStandardPaths::setTestModeEnabled(true);
        if (freshSettings) QSettings(QStringLiteral("solargain"), QCoreApplication::applicationName()).clear();
        TForm1::ErrorSink = [this](const QString& text) {
            errors << text;
            errorTitles << (form ? form->ErrorBoxTitle() : QString());
        };
        form = std::make_unique<TForm1>();
        form->SaveChangesQuestion1 = [this](QWidget*) {
            ++questions;
            return TForm1::SaveChangesAnswer::Discard;
        };
        // What a window table file leaves out is listed and the file written;
        // a report covers the whole building.
        form->TableFormatQuestion1 = [this](const QStringList& left, QWidget*) {
            tableFileLeftOut << left;
            return true;
        };
        form->ReportScopeDialog1 = [](QWidget*) { return TForm1::ScopeAnswer::Building; };
        form->show();
    }
    ~FormUnderTest() { TForm1::ErrorSink = nullptr; }

    template <class T>
    T* Get(const char* name) const {
        return Control<T>(form.get(), name);
    }
    QLineEdit* Edit(const char* name) const { return Get<QLineEdit>(name); }
    QString Text(const char* name) const { return Edit(name)->text(); }
    StringGrid* Grid(const char* name) const { return Get<StringGrid>(name); }

    // Replaces the text of an edit by typing: the first keystroke replaces
    // the selected old text, then one change per keystroke.
    void Type(const char* name, const QString& text) const {
        QLineEdit* edit = Edit(name);
        if (!edit->isEnabled()) qFatal("edit %s is disabled", name);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            TypeChars(edit, text);
        }
    }

    // One key press per character; QTest's own typing knows Latin keys only.
    static void TypeChars(QWidget* widget, const QString& text) {
        for (const QChar ch : text) {
            if (ch.unicode() < 128) {
                QTest::keyClick(widget, static_cast<char>(ch.unicode()));
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
        }
    }

    // A click on a check box or radio button, at its indicator.
    void Click(const char* name) const {
        auto* button = Get<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void Press(const char* name) const { QTest::mouseClick(Get<QAbstractButton>(name), Qt::LeftButton); }

    // A click on the tab of a page.
    void SelectTab(const char* pageControl, int index) const {
        auto* pages = Get<QTabWidget>(pageControl);
        QTabBar* bar = pages->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void ShowInputPage() const { SelectTab("PageControl2", 0); }
    void ShowWindowsPage() const { SelectTab("PageControl2", 1); }
    void ShowTotalsPage() const { SelectTab("PageControl2", 2); }
    void ShowBuildingPage() const { SelectTab("PageControl2", 3); }
    void ShowChartsPage() const { SelectTab("PageControl2", 4); }
    // The page shown (TabSheet9, TabSheet10, …), not its scroll area.
    QWidget* CurrentPage() const { return form->PageAt(Get<QTabWidget>("PageControl2")->currentIndex()); }

    // The refusal a field is marked with (empty when none), and the status bar's line.
    QString Refusal(const char* name) const { return FieldMarks::RefusalOf(Get<QWidget>(name)); }
    QString StatusLine() const { return form->StatusBar1->currentMessage(); }
};

// What a test class keeps whose window runs file or print dialogs: a fresh
// window per test function, a scratch folder for the files the dialogs name,
// and a count of the dialogs shown.
struct DialogTestState {
    std::unique_ptr<FormUnderTest> ui;
    QTemporaryDir folder;
    int dialogRuns = 0;

    QString PathOf(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    void StartWindow() {
        ui = std::make_unique<FormUnderTest>();
        dialogRuns = 0;
    }
    // The menu item `item` ("N2" Сохранить, "SaveAsItem" Сохранить как…),
    // its dialog answered with `path`.
    void SaveThrough(const char* item, const QString& path) {
        ui->form->SaveDialog1 = [this, path](QWidget*) {
            ++dialogRuns;
            return path;
        };
        ui->Get<QAction>(item)->trigger();
    }
    // "Открыть", its dialog answered with `path`.
    void Open(const QString& path) {
        ui->form->OpenDialog1 = [this, path](QWidget*) {
            ++dialogRuns;
            return path;
        };
        ui->Get<QAction>("N3")->trigger();
    }
};

// A cell of a grid of the window.
// A file's bytes ("(missing)" when it cannot be read), and bytes written to one.
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The project a saved file holds in its first room with its first groups,
// as the input page shows it after opening.
inline ProjectInputs SavedProject(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return SelectedProject(ReadAnyBuilding(file.readAll().toStdString()), {}, ProjectInputs{});
}

inline QString Cell(const FormUnderTest& t, const char* grid, int row, int column) {
    return t.Grid(grid)->Cell(row, column);
}

// Three wall layers of the typical run, as typed.
struct TypedLayer {
    const char* name;
    const char* s;
    const char* lambda;
    const char* delta;
};
inline constexpr TypedLayer kWallLayers[] = {
    {"Штукатурка", "9.6", "0.81", "0.02"},
    {"Кирпич", "9.2", "0.81", "0.38"},
    {"Утеплитель", "0.5", "0.04", "0.05"},
};

// The entry row and the enter button of a layer editor.
struct LayerEditor {
    const char* name;
    const char* s;
    const char* lambda;
    const char* delta;
    const char* enter;
};
inline constexpr LayerEditor kWallEditor{"Edit29", "Edit30", "Edit31", "Edit32", "Button1"};
inline constexpr LayerEditor kRoofEditor{"Edit35", "Edit36", "Edit37", "Edit38", "Button2"};

inline void EnterLayer(const FormUnderTest& t, const LayerEditor& editor, const TypedLayer& layer) {
    t.Type(editor.name, QString::fromUtf8(layer.name));
    t.Type(editor.s, QString::fromLatin1(layer.s));
    t.Type(editor.lambda, QString::fromLatin1(layer.lambda));
    t.Type(editor.delta, QString::fromLatin1(layer.delta));
    t.Press(editor.enter);
}
