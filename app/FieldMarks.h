#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

class QStatusBar;

// The fields of the input page whose text was refused: each is marked by a
// red frame, the refusal as its tooltip and accessible description, and the
// refusal in the status bar. Typing never opens a message box: its refusals
// are marked here, and an action that failed on a field marks it too. A
// mark goes as soon as the field's text changes (a typing handler that
// refuses the new text marks it again); the status bar then shows the mark
// left last, or nothing.
class FieldMarks {
public:
    explicit FieldMarks(QStatusBar* status) : status_(status) {}

    // The edits and the latitude box: a change of their text takes their
    // mark away. Watch a field before connecting its change handler, so that
    // the mark is gone before the handler looks at the new text.
    void Watch(QWidget* field);

    void Mark(QWidget* field, const QString& refusal);
    void Clear(QWidget* field);
    void ClearAll();

    // The refusal a field is marked with; empty when it is not marked.
    static QString RefusalOf(const QWidget* field);

private:
    struct Marked {
        QPointer<QWidget> field;
        QString toolTip;      // the field's own tooltip, given back with the mark
        QString description;  // and its accessible description
        QString styleSheet;
        QString refusal;
    };
    void ShowLatest();

    QStatusBar* status_;
    std::vector<Marked> marked_;  // in the order marked
};
