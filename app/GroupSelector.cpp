// The selector of a room's window or wall groups above their group box.

#include "GroupSelector.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>

#include "BuildingDocument.h"
#include "FormStyle.h"

namespace {

QToolButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QString& description) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setObjectName(name);
    button->setAccessibleName(description);
    button->setToolTip(description);
    return button;
}

}  // namespace

GroupSelector::GroupSelector(const QString& caption, const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    Caption = FormStyle::MakeLabel(this, caption, FormStyle::kTeal);
    Groups = new QComboBox(this);
    Groups->setObjectName(name + QStringLiteral("List"));
    Groups->setAccessibleName(caption.chopped(1));
    Groups->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Groups->setMinimumContentsLength(6);
    Caption->setBuddy(Groups);
    const QString what = caption.chopped(1).toLower();  // «группа окон»
    Add = MakeButton(this, name + QStringLiteral("Add"), QStringLiteral("+"), QStringLiteral("Добавить: ") + what);
    Copy = MakeButton(this, name + QStringLiteral("Copy"), QStringLiteral("Копия"), QStringLiteral("Копия: ") + what);
    Rename = MakeButton(this, name + QStringLiteral("Rename"), QStringLiteral("Имя…"),
                        QStringLiteral("Переименовать: ") + what);
    Remove = MakeButton(this, name + QStringLiteral("Remove"), QStringLiteral("−"), QStringLiteral("Удалить: ") + what);
    row->addWidget(Caption);
    row->addWidget(Groups, 1);
    for (QToolButton* b : {Add, Copy, Rename, Remove}) row->addWidget(b);
}

void GroupSelector::Show(const std::vector<ElementInputs>& groups, std::size_t selected) {
    const QSignalBlocker blocker(Groups);
    Groups->clear();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const QString name = QString::fromStdString(groups[i].Name);
        Groups->addItem(name.isEmpty() ? QStringLiteral("%1").arg(i + 1) : name);
    }
    if (groups.empty()) Groups->addItem(QStringLiteral("(нет)"));
    Groups->setCurrentIndex(groups.empty() ? 0 : static_cast<int>(selected));
    Groups->setEnabled(!groups.empty());
    for (QToolButton* b : {Copy, Rename, Remove}) b->setEnabled(!groups.empty());
}
