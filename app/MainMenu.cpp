// The main menu: "Файл" (new, open, save, save as, the recent files, print,
// exit) and "Справка" (reference topics, own tables, about box), each item with its
// mnemonic, the usual ones with their standard shortcuts.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <iterator>

#include "MainForm.h"
#include "UserTablesDialog.h"

namespace {

QAction* MakeItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QAction* MakeSeparator(QMenu* menu, const char* name) {
    QAction* item = menu->addSeparator();
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

}  // namespace

void TForm1::CreateMainMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    N1 = MainMenu1->addMenu(QStringLiteral("&Файл"));
    N1->setObjectName(QStringLiteral("N1"));
    N1->setToolTipsVisible(true);  // the recent files name their folders
    NewItem = MakeItem(N1, "NewItem", QStringLiteral("&Новый"));
    NewItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    N3 = MakeItem(N1, "N3", QStringLiteral("&Открыть"));
    N3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    N2 = MakeItem(N1, "N2", QStringLiteral("&Сохранить"));
    N2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAsItem = MakeItem(N1, "SaveAsItem", QStringLiteral("Сохранить &как…"));
    SaveAsItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    RecentSeparator = MakeSeparator(N1, "RecentSeparator");
    for (int i = 0; i < int(std::size(RecentFiles)); ++i) {
        RecentFiles[i] = MakeItem(N1, QStringLiteral("RecentFile%1").arg(i + 1).toLatin1().constData(), QString());
        connect(RecentFiles[i], &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
    }
    N4 = MakeSeparator(N1, "N4");
    N7 = MakeItem(N1, "N7", QStringLiteral("&Печать"));
    N7->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    CreateReportItems();  // "Печать отчёта…", "Отчёт (PDF)…", "Экспорт результатов…"
    N8 = MakeSeparator(N1, "N8");
    N9 = MakeItem(N1, "N9", QStringLiteral("В&ыход"));
    N9->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    CreateEditMenu();  // "Правка"
    N5 = MainMenu1->addMenu(QStringLiteral("&Справка"));
    N5->setObjectName(QStringLiteral("N5"));
    N11 = N5->addMenu(QStringLiteral("&Таблицы,  расчетные схемы"));
    N11->setObjectName(QStringLiteral("N11"));
    R1 = MakeItem(N11, "R1", QStringLiteral("Характеристики заполнения световых проемов   Котн  ,  Rп   ,   'рo'"));
    // F1: the reference pages from their first topic.
    R1->setShortcut(QKeySequence(Qt::Key_F1));
    R2 = MakeItem(N11, "R2", QStringLiteral("Сопротивления теплопередаче световых проемов   Rп ,    коэф. ''тау''"));
    N12 = MakeItem(N11, "N12", QStringLiteral("Теплотехнические характеристики ограждений"));
    tt1 = MakeItem(N11, "tt1", QStringLiteral("Температуры tнср и Аtн для городов по Лемарову"));
    N13 = MakeItem(N11, "N13", QStringLiteral("Расчетные схемы"));
    AddUserTableItems(this, N5);  // «Мои материалы…», «Мои города…»
    N10 = MakeSeparator(N5, "N10");
    N6 = MakeItem(N5, "N6", QStringLiteral("&О программе"));

    connect(NewItem, &QAction::triggered, this, &TForm1::NewItemClick);
    connect(SaveAsItem, &QAction::triggered, this, &TForm1::SaveAsItemClick);
    connect(N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(N7, &QAction::triggered, this, &TForm1::N7Click);
    connect(N9, &QAction::triggered, this, &TForm1::N9Click);
    connect(R1, &QAction::triggered, this, &TForm1::R1Click);
    connect(R2, &QAction::triggered, this, &TForm1::R2Click);
    connect(N12, &QAction::triggered, this, &TForm1::N12Click);
    connect(tt1, &QAction::triggered, this, &TForm1::tt1Click);
    connect(N13, &QAction::triggered, this, &TForm1::N13Click);
    connect(N6, &QAction::triggered, this, &TForm1::N6Click);
}
