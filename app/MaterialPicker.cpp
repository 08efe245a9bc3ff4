#include "MaterialPicker.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>

#include <array>
#include <optional>
#include <vector>

#include "FieldMarks.h"
#include "FormStyle.h"
#include "MainForm.h"
#include "PickList.h"
#include "ProjectDocument.h"
#include "StringGrid.h"

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The radio button of each operating condition, with what it stands for.
struct ConditionsButton {
    Conditions conditions;
    QRadioButton* TForm1::*button;
    const char* objectName;
    const char* description;
};
const std::array<ConditionsButton, 2> kConditionsButtons{{
    {Conditions::A, &TForm1::ConditionsA, "ConditionsA",
     "Условия эксплуатации А: λ и s материалов из списка — для сухого режима помещений вне влажной зоны и для "
     "нормального режима в сухой зоне"},
    {Conditions::B, &TForm1::ConditionsB, "ConditionsB",
     "Условия эксплуатации Б: λ и s материалов из списка — для влажного и мокрого режима помещений, нормального "
     "режима в нормальной и влажной зонах и сухого режима во влажной зоне"},
}};

// A small arrow pointing down, as on the button of a drop-down list.
QIcon ListArrow() {
    QPixmap arrow(12, 12);
    arrow.fill(Qt::transparent);
    QPainter painter(&arrow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(FormStyle::kNavy);
    const QPointF points[] = {{2, 4}, {10, 4}, {6, 9}};
    painter.drawPolygon(points, 3);
    return QIcon(arrow);
}

}  // namespace

Conditions ShownConditions(const TForm1& form) {
    for (const ConditionsButton& c : kConditionsButtons) {
        if ((form.*c.button)->isChecked()) return c.conditions;
    }
    return Conditions::A;  // one of the two is always checked
}

void PutConditions(TForm1& form, Conditions conditions) {
    for (const ConditionsButton& c : kConditionsButtons) {
        if (c.conditions == conditions) (form.*c.button)->setChecked(true);
    }
}

// The operating conditions of the project, below the roof group (outside the
// wall and roof groups, which are disabled while their element is not
// counted), and the material lists of both entry rows.
void TForm1::CreateMaterialPickers() {
    ConditionsFrame = new QFrame(TabSheet9);
    ConditionsFrame->setObjectName(QStringLiteral("ConditionsFrame"));
    ConditionsFrame->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(ConditionsFrame);
    row->setContentsMargins(8, 3, 8, 3);
    row->setSpacing(10);
    row->addWidget(FormStyle::MakeLabel(
        ConditionsFrame, QStringLiteral("Условия эксплуатации (λ и s из списка материалов) :"), FormStyle::kNavy));
    for (const ConditionsButton& c : kConditionsButtons) {
        auto* button = new QRadioButton(Text(ConditionsName(c.conditions)), ConditionsFrame);
        button->setObjectName(QString::fromLatin1(c.objectName));
        button->setAccessibleName(QStringLiteral("Условия эксплуатации ") + button->text());
        button->setToolTip(QString::fromUtf8(c.description));
        button->setAccessibleDescription(button->toolTip());
        FormStyle::SetTextColour(button, FormStyle::kMaroon);
        row->addWidget(button);
        this->*c.button = button;
    }
    row->addStretch(1);
    PutConditions(*this, ProjectInputs{}.OperatingConditions);

    auto* wall = new MaterialPicker(this, Edit29, Edit30, Edit31, QStringLiteral("слоя стены"));
    wall->setObjectName(QStringLiteral("WallMaterialPicker"));
    auto* roof = new MaterialPicker(this, Edit35, Edit36, Edit37, QStringLiteral("слоя покрытия"));
    roof->setObjectName(QStringLiteral("RoofMaterialPicker"));
}

MaterialPicker::MaterialPicker(TForm1* form, QLineEdit* name, QLineEdit* absorption, QLineEdit* conductivity,
                               const QString& layer)
    : QObject(name), form_(form), name_(name), absorption_(absorption), conductivity_(conductivity) {
    const QString listName = QStringLiteral("Список материалов ") + layer;
    const QString description = listName + QStringLiteral(
                                               ": название, s и λ для условий эксплуатации проекта; δ вводится. "
                                               "Открывается также клавишами Alt+↓ или F4 в поле материала");
    QAction* action = name->addAction(ListArrow(), QLineEdit::TrailingPosition);
    action->setText(listName);
    action->setToolTip(description);
    connect(action, &QAction::triggered, this, &MaterialPicker::ShowList);
    for (QToolButton* button : name->findChildren<QToolButton*>()) {
        if (button->defaultAction() != action) continue;
        button->setObjectName(name->objectName() + QStringLiteral("List"));
        button->setAccessibleName(listName);
        button->setAccessibleDescription(description);
    }
    // The field is narrow: its tooltip carries the whole name it holds (a
    // refusal shown there stays until the field is mended).
    const QString fieldTip = name->toolTip();
    connect(name, &QLineEdit::textChanged, this, [name, fieldTip](const QString& text) {
        if (!FieldMarks::RefusalOf(name).isEmpty()) return;
        name->setToolTip(text.trimmed().isEmpty() ? fieldTip : fieldTip + QStringLiteral(":\n") + text);
    });
    list_ = new PickList(name, listName);
    connect(name, &QLineEdit::textEdited, this, &MaterialPicker::Typed);
    connect(list_, &PickList::Chosen, this, &MaterialPicker::ChooseNamed);
    name->installEventFilter(this);
}

bool MaterialPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier))) {
            ShowList();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void MaterialPicker::ShowList() { ShowMatching(name_->text(), true); }

// Typing searches only while the list is shown: a name typed by hand stays
// free of it.
void MaterialPicker::Typed(const QString& text) {
    if (list_->IsShown()) ShowMatching(text, false);
}

void MaterialPicker::ShowMatching(const QString& text, bool allWhenNone) {
    const Conditions conditions = ShownConditions(*form_);
    std::vector<MaterialChoice> found = MaterialsMatching(text.toStdString(), conditions);
    if (found.empty() && allWhenNone) found = MaterialsFor(conditions);
    std::vector<PickList::Entry> entries;
    const QString conditionsLine = QStringLiteral("Условия эксплуатации ") + Text(ConditionsName(conditions));
    for (const MaterialChoice& m : found) {
        const QString name = Text(m.name);
        entries.push_back({name,
                           QStringLiteral("%1 — s %2, λ %3%4")
                               .arg(name, Text(m.absorption), Text(m.conductivity), Text(MaterialMark(m))),
                           conditionsLine + QStringLiteral(". ") + Text(m.source)});
    }
    list_->Show(entries);
}

void MaterialPicker::ChooseNamed(const QString& name) {
    list_->Hide();
    const std::optional<MaterialChoice> chosen = MaterialFor(name.toStdString(), ShownConditions(*form_));
    if (!chosen) return;
    name_->setText(Text(chosen->name));
    name_->setCursorPosition(0);  // the start of a long name in view
    absorption_->setText(Text(chosen->absorption));
    conductivity_->setText(Text(chosen->conductivity));
}
