// The main menu: "Файл" (save, open, print, exit) and "Справка" (reference
// topics, about box).

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "MainForm.h"

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

    N1 = MainMenu1->addMenu(QStringLiteral("Файл"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = MakeItem(N1, "N2", QStringLiteral("Сохранить"));
    N3 = MakeItem(N1, "N3", QStringLiteral("Открыть"));
    N4 = MakeSeparator(N1, "N4");
    N7 = MakeItem(N1, "N7", QStringLiteral("Печать"));
    CreateReportItems();  // "Печать отчёта…", "Отчёт (PDF)…", "Экспорт результатов…"
    N8 = MakeSeparator(N1, "N8");
    N9 = MakeItem(N1, "N9", QStringLiteral("Выход"));

    N5 = MainMenu1->addMenu(QStringLiteral("Справка"));
    N5->setObjectName(QStringLiteral("N5"));
    N11 = N5->addMenu(QStringLiteral("Таблицы,  расчетные схемы"));
    N11->setObjectName(QStringLiteral("N11"));
    R1 = MakeItem(N11, "R1", QStringLiteral("Характеристики заполнения световых проемов   Котн  ,  Rп   ,   'рo'"));
    R2 = MakeItem(N11, "R2", QStringLiteral("Сопротивления теплопередаче световых проемов   Rп ,    коэф. ''тау''"));
    N12 = MakeItem(N11, "N12", QStringLiteral("Теплотехнические характеристики ограждений"));
    tt1 = MakeItem(N11, "tt1", QStringLiteral("Температуры tнср и Аtн для городов по Лемарову"));
    N13 = MakeItem(N11, "N13", QStringLiteral("Расчетные схемы"));
    N10 = MakeSeparator(N5, "N10");
    N6 = MakeItem(N5, "N6", QStringLiteral("О программе"));

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
