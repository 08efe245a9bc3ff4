// The "Правка" menu, between "Файл" and "Справка".

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "MainForm.h"

void TForm1::CreateEditMenu() {
    EditMenu = MainMenu1->addMenu(QStringLiteral("&Правка"));
    EditMenu->setObjectName(QStringLiteral("EditMenu"));

    EditMenu->addSeparator()->setObjectName(QStringLiteral("CopySeparator"));
    CopyTable = EditMenu->addAction(QStringLiteral("&Копировать таблицу"));
    CopyTable->setObjectName(QStringLiteral("CopyTable"));
    CopyTable->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(CopyTable, &QAction::triggered, this, &TForm1::CopyTableClick);
}
