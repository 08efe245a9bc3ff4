#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QCompleter;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;

// A list of choices that drops down under an edit, as the city and material
// pickers offer them. What it lists is decided outside (the reference tables
// search the typed text); the list only shows the entries, wider than the
// edit when their texts need it (up to the screen's edge, a longer line cut
// with "…" and whole in its tooltip), and reports the one chosen by a click or
// Enter. The edit keeps the keyboard: typing goes on while the list is
// shown. A single entry stands selected, so that Enter takes it.
class PickList : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString value;    // reported when chosen: the name looked up
        QString shown;    // the line of the list
        QString toolTip;  // where its figures come from, after the line itself
    };

    // `name` is the list's accessible name ("Города таблицы климата").
    PickList(QLineEdit* edit, const QString& name);

    // Shows the entries under the edit; hides the list when there are none.
    void Show(const std::vector<Entry>& entries);
    void Hide();
    bool IsShown() const;
    // The lines shown, in their order.
    QStringList ShownLines() const;
    QStringList ShownValues() const;

signals:
    void Chosen(const QString& value);

private:
    void Activated(const QModelIndex& index);

    QLineEdit* edit_;
    QCompleter* completer_;
    QStandardItemModel* model_;
};
