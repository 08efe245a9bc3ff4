#pragma once

#include <QObject>
#include <QString>

class PickList;
class QHBoxLayout;
class QWidget;
class TForm1;
struct City;

// The field «Город» of the site block. Typing offers the cities of the
// climate table and the user's own (marked «мой») whose name starts with the
// text, a doubtful row marked «проверьте по СП» in the list and on the source
// line once chosen; choosing one (from the
// list, or Enter on a name) puts its latitude in whole degrees, tн.ср and
// Atн into their inputs as typing would, and the line beside the field
// names the source of the figures. A city that is not in the table, or that
// lies outside 40–60° north, changes nothing: the line says why, and the
// field is marked as a refused input (as soon as no offered city starts with
// the text typed, on Enter, or when the project is saved with a name not
// chosen). Every input stays editable.
//
// The project's city is the last one recognised: chosen, or named by the
// file opened. A name typed and not chosen is never the project's city: its
// figures were never put in, so a file saved then names the city recognised
// before (or none), whose figures the inputs do carry, and everything else
// typed is saved as it is. Which cities, which texts and the refusals are
// the reference tables' (Cities.h); this is their Qt side.
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

    // The city of the project: the name of the last city recognised; empty
    // when none was, or the field was emptied.
    QString RecognisedCity() const { return recognised_; }
    // The city named by a file opened, its figures already put in: shown, and
    // recognised when it is an offered city inside 40–60°, marked when it is
    // one outside; a name of no table (another user's own city) stands as
    // typed, unmarked, the line saying the figures are the project's.
    void ShowOpenedCity(const QString& name);
    // Marks the field when its text is not the city recognised (a name typed
    // and not chosen); true when it is marked.
    bool MarkUnchosen();

private:
    void Typed(const QString& text);
    void EnterPressed();
    // The line beside the field: what the field is for, the source of the
    // figures chosen, or why nothing changed.
    enum class Line { Hint, Source, Refusal };
    void ShowLine(Line kind, const QString& text = QString());

    // The refusal of a name: the line says it and the field is marked.
    void Refuse(const QString& refusal);

    TForm1* form_;
    QHBoxLayout* row_;
    PickList* list_;
    QString recognised_;
};
