#include "LatitudeBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QValidator>

#include "LatitudeFit.h"

namespace {

// Typing takes whole degrees of the tables only: a text is acceptable when it
// is one of them, and may be on its way while it begins one ("4", "5").
class WholeDegreesValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        if (input.isEmpty()) return Intermediate;
        State state = Invalid;
        for (int degrees = solar::kFirstLatitude; degrees <= solar::kLastLatitude; ++degrees) {
            const QString text = QString::number(degrees);
            if (text == input) return Acceptable;
            if (text.startsWith(input)) state = Intermediate;
        }
        return state;
    }
};

// The box as assistive technology sees it: named by its accessible name, its
// value the text shown, and as children the list of degrees and the edit.
class LatitudeBoxAccessible final : public QAccessibleWidget {
public:
    explicit LatitudeBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Box()->accessibleName();
        if (t == QAccessible::Value) return Box()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr ? static_cast<int>(Children().indexOf(child->object())) : -1;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = Box()->isEditable();
        s.expandable = true;
        s.expanded = Box()->view()->isVisible();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            Box()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
    QList<QWidget*> Children() const {
        QList<QWidget*> children{Box()->view()};
        if (Box()->lineEdit() != nullptr) children << Box()->lineEdit();
        return children;
    }
};

QAccessibleInterface* LatitudeBoxFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("LatitudeBox")) return nullptr;
    return new LatitudeBoxAccessible(static_cast<LatitudeBox*>(object));
}

}  // namespace

LatitudeBox::LatitudeBox(QWidget* parent) : QComboBox(parent) {
    static const bool factoryInstalled = (QAccessible::installFactory(&LatitudeBoxFactory), true);
    Q_UNUSED(factoryInstalled);
    setEditable(true);
    for (int degrees = solar::kFirstLatitude; degrees <= solar::kLastLatitude; ++degrees)
        addItem(QString::number(degrees));
    // What is typed is never added to the list, nor completed from it ("5"
    // stays "5", not "50").
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->setValidator(new WholeDegreesValidator(this));
}
