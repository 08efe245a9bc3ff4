#pragma once

#include <QDialog>

class QLabel;

// The about box "О программе": the program's picture, its two title lines,
// and who makes it and where to ask. Shown modally; closed with the
// window's close box.
class TForm2 : public QDialog {
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;  // program picture, 65 × 57
    QLabel* Label1 = nullptr;  // "Программа  расчёта теплопоступлений в помещение"
    QLabel* Label2 = nullptr;  // "от солнечной радиации .  Версия 2.00 от 10.08.2006"
};
