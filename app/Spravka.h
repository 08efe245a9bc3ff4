#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box "О программе": the program's picture, its two title lines
// with the program's version, what it computes and where the figures of the
// method are shown. Shown modally; closed with its button «Закрыть», Esc or
// the window's close box.
class TForm2 : public QDialog {
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;  // program picture, 65 × 57
    QLabel* Label1 = nullptr;  // "Программа  расчёта теплопоступлений в помещение"
    QLabel* Label2 = nullptr;  // "от солнечной радиации .  Версия " and the program's version
    QPushButton* CloseButton = nullptr;  // «Закрыть»
};
