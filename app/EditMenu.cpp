// The "Правка" menu, between "Файл" and "Справка".

#include <QMenu>
#include <QMenuBar>

#include "MainForm.h"

void TForm1::CreateEditMenu() {
    EditMenu = MainMenu1->addMenu(QStringLiteral("&Правка"));
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
}
