#include "InputPageBuilder.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "FormStyle.h"

namespace InputPageBuilder {

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void CreateEdits(TForm1* form) {
    for (const InputField& field : kInputFields) {
        if (!field.edit) continue;
        auto* edit = new QLineEdit(form);
        edit->setObjectName(Text(field.control));
        edit->setText(Text(InputControlOf(field.control).defaultText));
        edit->setAccessibleName(Text(field.Description()));
        edit->setToolTip(Text(field.Description()));
        edit->setFixedWidth(kNumberEditWidth);
        edit->setEnabled(!field.computed);
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
        if (!field.unit.empty()) {
            QLabel* unit = FormStyle::MakeLabel(parent, Text(field.unit), FormStyle::kMaroon);
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
    box->adjustSize();
    const int captionLeft = box->sizeHint().width() + 16;
    group->setStyleSheet(
        QStringLiteral("QGroupBox#%1 { color: #008080; margin-top: 8px; border: 1px solid #a0a0a0; "
                       "padding-top: 6px; }"
                       "QGroupBox#%1::title { subcontrol-origin: margin; left: %2px; padding: 0 3px; }")
            .arg(group->objectName())
            .arg(captionLeft));
    box->move(group->x() + 8, group->y());
    box->raise();
    return box;
}

}  // namespace InputPageBuilder
