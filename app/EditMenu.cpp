// The "Правка" menu, between "Файл" and "Справка": undo and redo of the
// project's steps at its top, each item naming its step.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "MainForm.h"
#include "UndoHistory.h"

namespace {

// "Отменить: Высота окна Н", or the verb alone when there is no step.
QString ItemText(const QString& verb, const QString& step) {
    return step.isEmpty() ? verb : verb + QStringLiteral(": ") + step;
}

}  // namespace

void TForm1::CreateEditMenu() {
    EditMenu = MainMenu1->addMenu(QStringLiteral("&Правка"));
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    CreateUndoHistory();

    const QString undo = QStringLiteral("&Отменить");
    const QString redo = QStringLiteral("&Повторить");
    UndoItem = EditMenu->addAction(undo);
    UndoItem->setObjectName(QStringLiteral("UndoItem"));
    UndoItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    RedoItem = EditMenu->addAction(redo);
    RedoItem->setObjectName(QStringLiteral("RedoItem"));
    RedoItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    UndoItem->setEnabled(false);
    RedoItem->setEnabled(false);

    connect(UndoStack1, &QUndoStack::canUndoChanged, UndoItem, &QAction::setEnabled);
    connect(UndoStack1, &QUndoStack::canRedoChanged, RedoItem, &QAction::setEnabled);
    connect(UndoStack1, &QUndoStack::undoTextChanged, UndoItem,
            [this, undo](const QString& step) { UndoItem->setText(ItemText(undo, step)); });
    connect(UndoStack1, &QUndoStack::redoTextChanged, RedoItem,
            [this, redo](const QString& step) { RedoItem->setText(ItemText(redo, step)); });
    connect(UndoItem, &QAction::triggered, history_, &UndoHistory::Undo);
    connect(RedoItem, &QAction::triggered, history_, &UndoHistory::Redo);
    // The items name the step of the typing just done.
    connect(EditMenu, &QMenu::aboutToShow, history_, &UndoHistory::Flush);

    EditMenu->addSeparator()->setObjectName(QStringLiteral("CopySeparator"));
    CopyTable = EditMenu->addAction(QStringLiteral("&Копировать таблицу"));
    CopyTable->setObjectName(QStringLiteral("CopyTable"));
    CopyTable->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(CopyTable, &QAction::triggered, this, &TForm1::CopyTableClick);
}
