#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "UserTables.h"

class QMenu;
class QTabWidget;
class QTableWidget;
class TForm1;

// The folder of the user's own tables: the program's data folder
// (QStandardPaths::AppDataLocation).
QString UserTablesFolder();

// «Мои материалы…» and «Мои города…» at the end of `menu`, each opening the
// dialog on its table; the tables are read from their folder now, and a
// table that could not be read is reported once the window is up.
void AddUserTableItems(TForm1* form, QMenu* menu);

// The dialog of the user's own tables, one tab per table: rows are added,
// edited in their cells, duplicated (from a row of the table, or from a row of
// the reference tables), deleted, imported from CSV and exported to it.
// «Сохранить» checks both tables, writes their files and hands the rows to
// the pickers; a bad value is refused naming the table, the row and the field,
// and nothing is written. An import adds its rows (replacing those of the same
// name) or, on any bad line, changes nothing.
class UserTablesDialog : public QDialog {
    Q_OBJECT
public:
    UserTablesDialog(TForm1* form, UserTableKind shown);

    // The file dialogs of import and export, and the choice of a reference
    // row to copy among `names`: an empty answer is a cancel. Tests replace them.
    static std::function<QString(QWidget*)> ImportDialog;
    static std::function<QString(QWidget*)> ExportDialog;
    static std::function<QString(QWidget*, const QStringList& names)> SourcedRowDialog;

    // The rows of a tab as its grid holds them, unchecked.
    UserTable TableShown(UserTableKind kind) const;
    // «Сохранить»: true when both tables were written.
    bool Save();

private:
    struct Tab {
        UserTableKind kind;
        QTableWidget* grid;
    };
    QWidget* MakeTab(UserTableKind kind);
    const Tab& TabOf(UserTableKind kind) const;
    const Tab& CurrentTab() const;
    void Fill(const Tab& tab, const UserTable& table);
    void AppendRow(const Tab& tab, const UserRow& row);
    void Duplicate();
    void CopySourced();
    void DeleteRows();
    void Import();
    void Export();

    TForm1* form_;
    QTabWidget* tabs_;
    std::vector<Tab> tabList_;
};
