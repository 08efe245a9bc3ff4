#pragma once

// Helpers of the main window tests: controls found by object name (a missing
// one stops the run loudly), typing, clicking, page selection and the errors
// the window reported.

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "MainForm.h"
#include "ProjectState.h"
#include "StringGrid.h"

template <class T>
T* Control(const QWidget* root, const char* name) {
    T* widget = root->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("control %s is missing or has another type", name);
    return widget;
}

// A fresh project state and main window; errors are collected instead of
// shown in a box.
struct FormUnderTest {
    std::unique_ptr<TForm1> form;
    QStringList errors;

    FormUnderTest() {
        QLocale::setDefault(QLocale::c());
        ResetProjectState();
        TForm1::ErrorSink = [this](const QString& text) { errors << text; };
        form = std::make_unique<TForm1>();
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
};
