#include "ProjectPropertiesDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "BuildingDocument.h"
#include "MainForm.h"
#include "ProjectSession.h"

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The notes' field keeps to the longest text the file takes.
void CapLength(QPlainTextEdit* edit, int maxLength) {
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, maxLength] {
        const QString text = edit->toPlainText();
        if (text.size() <= maxLength) return;
        edit->setPlainText(text.left(maxLength));
        edit->moveCursor(QTextCursor::End);
    });
}

}  // namespace

ProjectPropertiesDialog::ProjectPropertiesDialog(const ProjectProperties& properties, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ProjectPropertiesDialog"));
    setWindowTitle(QStringLiteral("Свойства проекта"));
    auto* form = new QFormLayout(this);
    for (const PropertyField& field : PropertyFields()) {
        const QString caption = Text(field.caption);
        const QString text = QString::fromStdString(properties.*field.text);
        QWidget* edit = nullptr;
        if (field.multiline) {
            auto* notes = new QPlainTextEdit(text, this);
            notes->setTabChangesFocus(true);
            notes->setMinimumHeight(notes->fontMetrics().lineSpacing() * 5);
            CapLength(notes, static_cast<int>(field.maxLength));
            edit = notes;
        } else {
            auto* line = new QLineEdit(text, this);
            line->setMaxLength(static_cast<int>(field.maxLength));
            line->setMinimumWidth(line->fontMetrics().averageCharWidth() * 48);
            edit = line;
        }
        edit->setObjectName(QStringLiteral("Property") + Text(field.key));
        edit->setAccessibleName(caption);
        auto* label = new QLabel(caption + QStringLiteral(":"), this);
        label->setBuddy(edit);
        form->addRow(label, edit);
        fields_.push_back(edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("ОК"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

ProjectProperties ProjectPropertiesDialog::Properties() const {
    ProjectProperties properties;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const PropertyField& field = PropertyFields()[i];
        const auto* line = qobject_cast<const QLineEdit*>(fields_[i]);
        const QString text = line != nullptr ? line->text() : static_cast<QPlainTextEdit*>(fields_[i])->toPlainText();
        properties.*field.text = text.toStdString();
    }
    return properties;
}

// ---- The window's side --------------------------------------------------------------

bool TForm1::RunPropertiesDialog1(ProjectProperties& properties, QWidget* parent) {
    ProjectPropertiesDialog dialog(properties, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    properties = dialog.Properties();
    return true;
}

BuildingInputs TForm1::ReportedBuilding() const {
    BuildingInputs building = ShownBuilding();
    building.Properties = session_->Properties;
    return building;
}

void TForm1::SetProjectProperties(const ProjectProperties& properties, bool saved) {
    session_->Properties = properties;
    if (saved) session_->SavedProperties = properties;
    ShowProjectTitle();
}

void TForm1::ProjectPropertiesClick() {
    RunHandler([this] {
        ProjectProperties properties = session_->Properties;
        if (PropertiesDialog1(properties, this)) SetProjectProperties(properties, false);
    });
}
