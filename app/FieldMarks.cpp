#include "FieldMarks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

#include <algorithm>

namespace {

constexpr const char* kRefusalProperty = "inputRefusal";

QString MarkedStyle(const QWidget* field) {
    return QStringLiteral("%1 { border: 2px solid #d00000; border-radius: 2px; background: #fff4f4; }")
        .arg(QString::fromLatin1(field->metaObject()->className()));
}

}  // namespace

void FieldMarks::Watch(QWidget* field) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        QObject::connect(edit, &QLineEdit::textChanged, edit, [this, edit] { Clear(edit); });
    } else if (auto* box = qobject_cast<QComboBox*>(field)) {
        QObject::connect(box, &QComboBox::currentTextChanged, box, [this, box] { Clear(box); });
    }
}

void FieldMarks::Mark(QWidget* field, const QString& refusal) {
    auto it = std::find_if(marked_.begin(), marked_.end(), [field](const Marked& m) { return m.field == field; });
    if (it == marked_.end()) {
        marked_.push_back({field, field->toolTip(), field->accessibleDescription(), field->styleSheet(), {}});
        field->setStyleSheet(MarkedStyle(field));
    } else {
        // The latest refusal of a field is the one the status bar shows.
        Marked again = *it;
        marked_.erase(it);
        marked_.push_back(again);
    }
    marked_.back().refusal = refusal;
    field->setProperty(kRefusalProperty, refusal);
    field->setToolTip(refusal);
    field->setAccessibleDescription(refusal);
    ShowLatest();
}

void FieldMarks::Clear(QWidget* field) {
    auto it = std::find_if(marked_.begin(), marked_.end(), [field](const Marked& m) { return m.field == field; });
    if (it == marked_.end()) return;
    field->setStyleSheet(it->styleSheet);
    field->setToolTip(it->toolTip);
    field->setAccessibleDescription(it->description);
    field->setProperty(kRefusalProperty, QVariant());
    marked_.erase(it);
    ShowLatest();
}

void FieldMarks::ClearAll() {
    while (!marked_.empty()) {
        if (marked_.back().field) {
            Clear(marked_.back().field);
        } else {
            marked_.pop_back();
        }
    }
    ShowLatest();
}

QString FieldMarks::RefusalOf(const QWidget* field) { return field->property(kRefusalProperty).toString(); }

void FieldMarks::ShowLatest() {
    // Fields destroyed with their page leave no mark behind.
    marked_.erase(std::remove_if(marked_.begin(), marked_.end(), [](const Marked& m) { return m.field.isNull(); }),
                  marked_.end());
    if (marked_.empty()) {
        status_->clearMessage();
    } else {
        status_->showMessage(marked_.back().refusal);
    }
}
