#pragma once

#include <QObject>
#include <QString>

class PickList;
class QHBoxLayout;
class QWidget;
class TForm1;
struct City;

// The field «Город» of the site block. Typing offers the cities of the
// climate table whose name starts with the text; choosing one (from the
// list, or Enter on a name) puts its latitude in whole degrees, tн.ср and
// Atн into their inputs as typing would, and the line beside the field
// names the source of the figures. A city that is not in the table, or that
// lies outside 40–60° north, changes nothing: the line says why. Every input
// stays editable; the field keeps the text as chosen or typed, which the
// project file stores. Which cities, which texts and the refusals are the
// reference tables' (Cities.h); this is their Qt side.
class CityPicker : public QObject {
    Q_OBJECT
public:
    // Creates the field and its line as the form's CityEdit and CityLine in
    // `parent`, placed in Row(); the input page puts the field before the
    // latitude box in the Tab order.
    CityPicker(TForm1* form, QWidget* parent);

    QHBoxLayout* Row() const { return row_; }
    PickList* List() const { return list_; }

    // A name chosen or typed: the offered city of that name (case, "ё" and
    // blanks aside), or the line names the closest ones.
    void ChooseNamed(const QString& name);
    // A city of the table, or a row of its form.
    void Choose(const City& city);

private:
    void Typed(const QString& text);
    void EnterPressed();
    // The line beside the field: what the field is for, the source of the
    // figures chosen, or why nothing changed.
    enum class Line { Hint, Source, Refusal };
    void ShowLine(Line kind, const QString& text = QString());

    TForm1* form_;
    QHBoxLayout* row_;
    PickList* list_;
};
