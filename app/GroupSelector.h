#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QToolButton;
struct ElementInputs;

// The groups of one kind of element of the selected room (window groups,
// wall groups): the group shown on the input page chosen from a list, and
// the buttons that add, copy, rename and delete groups.
class GroupSelector : public QWidget {
public:
    // `caption`: «Группа окон:»; `name`: the prefix of the object names.
    GroupSelector(const QString& caption, const QString& name, QWidget* parent);

    // The room's groups, `selected` chosen; no signal is sent.
    void Show(const std::vector<ElementInputs>& groups, std::size_t selected);

    QComboBox* Groups = nullptr;
    QToolButton* Add = nullptr;
    QToolButton* Copy = nullptr;
    QToolButton* Rename = nullptr;
    QToolButton* Remove = nullptr;
    QLabel* Caption = nullptr;
};
