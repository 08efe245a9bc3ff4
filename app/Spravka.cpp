#include "Spravka.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "FormStyle.h"
#include "ProgramPicture.h"
#include "WindowHourTable.h"

namespace {

constexpr int kOuterWidth = 609;
constexpr int kOuterHeight = 268;

// Headings of the about box and the labels that follow each, in order.
// clang-format off
constexpr const char* kAboutLines[][2] = {
    {"Назначение:",    "часовые теплопоступления через окна, стены и покрытие"},
    {"Условия:",       "широта %1–%2°, восемь ориентаций, часы с 8 до 18"},  // the latitudes the method covers
    {"Данные метода:", "таблицы и коэффициенты — на страницах меню «Справка»"},
};
// clang-format on

}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(kOuterWidth, kOuterHeight - 30);  // the frame and title bar make up the outer size
    setStyleSheet(QStringLiteral("QLabel { color: navy; font-weight: bold; }"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Рисунок программы"));
    Image1->setGeometry(12, 12, 65, 57);
    Image1->setScaledContents(true);  // stretched into 65 × 57
    Image1->setPixmap(QPixmap::fromImage(ProgramPicture(64)));

    Label1 = new QLabel(QStringLiteral("Программа  расчёта теплопоступлений в помещение"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(100, 16, 490, 20);
    Label2 = new QLabel(QStringLiteral("от солнечной радиации .  Версия " SOLARGAIN_VERSION), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(100, 40, 490, 20);
    // The title lines a quarter larger than the program's 11-pixel type.
    for (QLabel* title : {Label1, Label2}) title->setFont(FormStyle::BoldFont(14));

    int y = 92;
    int number = 3;
    for (const auto& [heading, text] : kAboutLines) {
        auto* h = new QLabel(QString::fromUtf8(heading), this);
        h->setObjectName(QStringLiteral("Label%1").arg(number++));
        h->setGeometry(16, y, 150, 20);
        QString line = QString::fromUtf8(text);
        if (line.contains(QLatin1String("%1"))) line = line.arg(kFirstLatitude).arg(kLastLatitude);
        auto* t = new QLabel(line, this);
        t->setObjectName(QStringLiteral("Label%1").arg(number++));
        t->setGeometry(170, y, 430, 20);
        t->setTextInteractionFlags(Qt::TextSelectableByMouse);
        y += 30;
    }

    // Closes the box; the default button, so Enter closes it too, as Esc does.
    CloseButton = new QPushButton(QStringLiteral("Закрыть"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setDefault(true);
    CloseButton->adjustSize();
    CloseButton->move(width() - CloseButton->width() - 16, height() - CloseButton->height() - 12);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}
