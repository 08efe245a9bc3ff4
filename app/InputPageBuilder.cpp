#include "InputPageBuilder.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "FormStyle.h"

namespace InputPageBuilder {

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Keeps a group's switch over the top-left corner of the group's frame
// wherever the page's layout puts the group.
class SwitchPlacer : public QObject {
public:
    SwitchPlacer(QGroupBox* group, QCheckBox* box) : QObject(box), group_(group), box_(box) {
        group->installEventFilter(this);
        Place();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == group_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) Place();
        return QObject::eventFilter(watched, event);
    }

private:
    void Place() {
        box_->move(group_->pos() + QPoint(8, 0));
        box_->raise();
    }
    QGroupBox* group_;
    QCheckBox* box_;
};

}  // namespace

void CreateEdits(TForm1* form) {
    for (const InputField& field : kInputFields) {
        if (!field.edit) continue;
        auto* edit = new QLineEdit(form);
        edit->setObjectName(Text(field.control));
        edit->setText(Text(InputControlOf(field.key).defaultText));
        edit->setAccessibleName(Text(field.Description()));
        edit->setToolTip(Text(field.Description()));
        edit->setFixedWidth(kNumberEditWidth);
        if (field.computed) {
            // Shown only: legible like any text, on the window's colour so
            // that it does not invite typing. Tab passes it by; a click still
            // puts the cursor in it to select and copy the figure, and a
            // screen reader reads it like any field.
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::ClickFocus);
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, FormStyle::kButtonFace);
            edit->setPalette(palette);
        }
        form->*field.edit = edit;
    }
}

void PlaceFields(TForm1* form, QGridLayout* grid, InputGroup group) {
    for (const InputField& field : kInputFields) {
        if (field.Group() != group || !field.edit) continue;
        // The tilt line is built by the window group with its own numbered labels.
        if (field.control == "Edit19") continue;
        const int base = field.column * 5;
        QWidget* parent = grid->parentWidget();
        if (!field.label.empty()) {
            QLabel* label = FormStyle::MakeLabel(parent, Text(field.label), FormStyle::kNavy);
            label->setBuddy(form->*field.edit);
            grid->addWidget(label, field.row, base, Qt::AlignVCenter | Qt::AlignLeft);
        }
        if (!field.symbol.empty()) {
            QLabel* symbol = FormStyle::MakeLabel(parent, Text(field.symbol), FormStyle::kMaroon);
            grid->addWidget(symbol, field.row, base + 1, Qt::AlignVCenter | Qt::AlignRight);
        }
        grid->addWidget(form->*field.edit, field.row, base + 2, Qt::AlignVCenter);
        if (!field.Unit().empty()) {
            QLabel* unit = FormStyle::MakeLabel(parent, Text(field.Unit()), FormStyle::kMaroon);
            grid->addWidget(unit, field.row, base + 3, Qt::AlignVCenter | Qt::AlignLeft);
        }
    }
}

QCheckBox* MakeOrientationBox(QWidget* parent, std::string_view name, std::string_view caption) {
    auto* box = new QCheckBox(Text(caption), parent);
    box->setObjectName(Text(name));
    FormStyle::SetTextColour(box, FormStyle::kTeal);
    return box;
}

QCheckBox* MakeGroupSwitch(QWidget* page, QGroupBox* group, const char* name, const QString& caption,
                           const QString& description) {
    auto* box = new QCheckBox(caption, page);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(description);
    box->setToolTip(description);
    FormStyle::SetTextColour(box, FormStyle::kTeal);
    // On the page's colour, so that the frame's top line stops at the box
    // instead of running through its caption.
    box->setAutoFillBackground(true);
    box->setContentsMargins(2, 0, 3, 0);
    box->adjustSize();
    // The frame's top line through the middle of the box, the group's caption
    // on the line right after it.
    const int captionLeft = box->width() + 8;
    const int lineY = box->height() / 2;
    group->setStyleSheet(
        QStringLiteral("QGroupBox#%1 { color: #008080; margin-top: %3px; border: 1px solid #a0a0a0; "
                       "padding-top: %4px; }"
                       "QGroupBox#%1::title { subcontrol-origin: margin; left: %2px; padding: 0 3px; }")
            .arg(group->objectName())
            .arg(captionLeft)
            .arg(lineY)
            .arg(14 - lineY));
    new SwitchPlacer(group, box);
    return box;
}

}  // namespace InputPageBuilder
