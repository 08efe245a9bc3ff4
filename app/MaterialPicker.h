#pragma once

#include <QObject>
#include <QString>

#include "Materials.h"

class PickList;
class QLineEdit;
class TForm1;

// The project's operating conditions as the radio buttons «А» / «Б» below
// the roof group show them, and putting them there.
Conditions ShownConditions(const TForm1& form);
void PutConditions(TForm1& form, Conditions conditions);

// The material list of a layer entry row (wall or roof). The button inside
// the name field, or Alt+↓ / F4 in it, lists the materials of the reference
// tables whose name contains the text of the field (all of them when none
// does); typing goes on searching while the list is shown. Choosing one puts
// its name, s and λ for the project's operating conditions (А or Б, chosen
// once for the project) into the entry row; δ is typed, and every edit of
// the row stays editable. An empty or unknown name leaves the row as it is.
// The list and the figures are the reference tables' (Materials.h).
class MaterialPicker : public QObject {
    Q_OBJECT
public:
    // `layer` names the construction in accessible names: "слоя стены".
    MaterialPicker(TForm1* form, QLineEdit* name, QLineEdit* absorption, QLineEdit* conductivity, const QString& layer);

    PickList* List() const { return list_; }

    void ShowList();
    // A material chosen by its name as the list gives it.
    void ChooseNamed(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Typed(const QString& text);
    // The entries of the list for a text, figures for the project's conditions.
    void ShowMatching(const QString& text, bool allWhenNone);

    TForm1* form_;
    QLineEdit* name_;
    QLineEdit* absorption_;
    QLineEdit* conductivity_;
    PickList* list_;
};
