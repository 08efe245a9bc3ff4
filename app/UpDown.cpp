#include "UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

UpDown::UpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFixedSize(17, 11);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    SetSubject(QStringLiteral("слой"));
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    setFixedSize(17, 22);
}

void UpDown::SetSubject(const QString& subject) {
    up_->setAccessibleName(QStringLiteral("Следующий ") + subject);
    down_->setAccessibleName(QStringLiteral("Предыдущий ") + subject);
}

void UpDown::SetPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDown::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    SetPosition(position_);
}

void UpDown::Step(int delta) {
    const int before = position_;
    SetPosition(position_ + delta);
    if (position_ != before) emit Clicked();
}
