#include "UserTablesDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <set>

#include "CalcError.h"
#include "MainForm.h"
#include "UserTableFiles.h"

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string Std(const QString& text) { return text.toStdString(); }

// What names a tab's controls: "Materials" or "Cities", then the control.
QString ObjectName(UserTableKind kind, const char* control) {
    return (kind == UserTableKind::Materials ? QStringLiteral("Materials") : QStringLiteral("Cities")) +
           QString::fromLatin1(control);
}

const QString kCsvFilter = QStringLiteral("Таблица CSV (*.csv);;Все файлы (*)");

// The rows of the reference tables a copy may start from, by the names the pickers list.
QStringList SourcedNames(UserTableKind kind) {
    QStringList names;
    if (kind == UserTableKind::Materials) {
        for (const MaterialChoice& m : MaterialsFor(Conditions::A)) {
            if (!m.own) names << Text(m.name);
        }
    } else {
        for (const City* city : OfferedCities()) names << Text(city->name);
    }
    return names;
}

}  // namespace

std::function<QString(QWidget*)> UserTablesDialog::ImportDialog = [](QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Импорт таблицы"), QString(), kCsvFilter);
};
std::function<QString(QWidget*)> UserTablesDialog::ExportDialog = [](QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Экспорт таблицы"), QString(), kCsvFilter);
};
std::function<QString(QWidget*, const QStringList&)> UserTablesDialog::SourcedRowDialog = [](QWidget* parent,
                                                                                             const QStringList& names) {
    bool ok = false;
    const QString name = QInputDialog::getItem(parent, QStringLiteral("Копия строки справочной таблицы"),
                                               QStringLiteral("Строка:"), names, 0, true, &ok);
    return ok ? name : QString();
};

QString UserTablesFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

void AddUserTableItems(TForm1* form, QMenu* menu) {
    QStringList problems;
    for (const UserTableKind kind : kUserTableKinds) {
        std::string problem;
        UseUserTable(LoadUserTable(Std(UserTablesFolder()), kind, problem));
        if (!problem.empty()) problems << Text(problem);
        // «Мои &материалы…»: the mnemonic on the word that tells the tables apart.
        QString caption = Text(UserTableTitle(kind)) + QStringLiteral("…");
        caption.insert(caption.indexOf(QLatin1Char(' ')) + 1, QLatin1Char('&'));
        QAction* item = menu->addAction(caption);
        item->setObjectName(ObjectName(kind, "Item"));
        QObject::connect(item, &QAction::triggered, form, [form, kind] {
            auto* dialog = new UserTablesDialog(form, kind);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->open();
        });
    }
    // Reported once the window is up, so that the box has its parent.
    for (const QString& problem : problems)
        QTimer::singleShot(0, form, [form, problem] { form->ShowError(Std(problem)); });
}

UserTablesDialog::UserTablesDialog(TForm1* form, UserTableKind shown) : QDialog(form), form_(form) {
    setObjectName(QStringLiteral("UserTablesDialog"));
    setWindowTitle(QStringLiteral("Мои материалы и города"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("UserTablesTabs"));
    for (const UserTableKind kind : kUserTableKinds) tabs_->addTab(MakeTab(kind), Text(UserTableTitle(kind)));
    tabs_->setCurrentIndex(shown == UserTableKind::Materials ? 0 : 1);
    layout->addWidget(tabs_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(QStringLiteral("Сохранить"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("UserTablesSave"));
    QPushButton* cancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("UserTablesCancel"));
    connect(save, &QPushButton::clicked, this, [this] {
        if (Save()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(820, 420);
}

QWidget* UserTablesDialog::MakeTab(UserTableKind kind) {
    auto* page = new QWidget(tabs_);
    auto* layout = new QVBoxLayout(page);
    const std::span<const UserColumn> columns = UserColumns(kind);
    auto* grid = new QTableWidget(0, static_cast<int>(columns.size()), page);
    grid->setObjectName(ObjectName(kind, "Grid"));
    grid->setAccessibleName(Text(UserTableTitle(kind)));
    QStringList headers;
    for (const UserColumn& column : columns) headers << Text(column.header);
    grid->setHorizontalHeaderLabels(headers);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(grid);
    tabList_.push_back({kind, grid});
    Fill(tabList_.back(), UsedUserTable(kind));

    auto* row = new QHBoxLayout;
    struct Button {
        const char* name;
        const char* caption;
        void (UserTablesDialog::*action)();
    };
    const Button buttons[] = {
        {"Add", "Добавить", nullptr},
        {"Duplicate", "Дублировать", &UserTablesDialog::Duplicate},
        {"CopySourced", "Копия из справочника…", &UserTablesDialog::CopySourced},
        {"Delete", "Удалить", &UserTablesDialog::DeleteRows},
        {"Import", "Импорт CSV…", &UserTablesDialog::Import},
        {"Export", "Экспорт CSV…", &UserTablesDialog::Export},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), page);
        button->setObjectName(ObjectName(kind, b.name));
        button->setAutoDefault(false);
        row->addWidget(button);
        if (b.action == nullptr) {
            connect(button, &QPushButton::clicked, this, [this, kind] {
                AppendRow(TabOf(kind), UserRow(UserColumns(kind).size()));
                TabOf(kind).grid->editItem(TabOf(kind).grid->item(TabOf(kind).grid->rowCount() - 1, 0));
            });
        } else {
            connect(button, &QPushButton::clicked, this, b.action);
        }
    }
    row->addStretch(1);
    layout->addLayout(row);
    return page;
}

const UserTablesDialog::Tab& UserTablesDialog::TabOf(UserTableKind kind) const {
    return kind == UserTableKind::Materials ? tabList_.front() : tabList_.back();
}

const UserTablesDialog::Tab& UserTablesDialog::CurrentTab() const {
    return tabs_->currentIndex() == 0 ? tabList_.front() : tabList_.back();
}

void UserTablesDialog::Fill(const Tab& tab, const UserTable& table) {
    tab.grid->setRowCount(0);
    for (const UserRow& row : table.rows) AppendRow(tab, row);
}

void UserTablesDialog::AppendRow(const Tab& tab, const UserRow& row) {
    const int at = tab.grid->rowCount();
    tab.grid->insertRow(at);
    for (int column = 0; column < tab.grid->columnCount(); ++column) {
        const auto index = static_cast<std::size_t>(column);
        tab.grid->setItem(at, column, new QTableWidgetItem(index < row.size() ? Text(row[index]) : QString()));
    }
    tab.grid->setCurrentCell(at, 0);
}

UserTable UserTablesDialog::TableShown(UserTableKind kind) const {
    const Tab& tab = TabOf(kind);
    UserTable table{kind, {}};
    for (int r = 0; r < tab.grid->rowCount(); ++r) {
        UserRow& row = table.rows.emplace_back();
        for (int column = 0; column < tab.grid->columnCount(); ++column) {
            const QTableWidgetItem* item = tab.grid->item(r, column);
            row.push_back(item == nullptr ? std::string() : Std(item->text()));
        }
    }
    return table;
}

void UserTablesDialog::Duplicate() {
    const Tab& tab = CurrentTab();
    const int current = tab.grid->currentRow();
    if (current < 0) return;
    UserRow row = TableShown(tab.kind).rows.at(static_cast<std::size_t>(current));
    row.front() += " (копия)";
    AppendRow(tab, row);
}

void UserTablesDialog::CopySourced() {
    const Tab& tab = CurrentTab();
    const QString name = SourcedRowDialog(this, SourcedNames(tab.kind));
    if (name.isEmpty()) return;
    const UserRow row = UserRowCopying(tab.kind, Std(name));
    if (!row.empty()) AppendRow(tab, row);
}

void UserTablesDialog::DeleteRows() {
    const Tab& tab = CurrentTab();
    std::set<int, std::greater<>> rows;
    for (const QModelIndex& index : tab.grid->selectionModel()->selectedIndexes()) rows.insert(index.row());
    if (rows.empty() && tab.grid->currentRow() >= 0) rows.insert(tab.grid->currentRow());
    for (const int row : rows) tab.grid->removeRow(row);
}

void UserTablesDialog::Import() {
    const Tab& tab = CurrentTab();
    const QString path = ImportDialog(this);
    if (path.isEmpty()) return;
    try {
        Fill(tab, WithImportedRows(TableShown(tab.kind), ImportUserTable(Std(path), tab.kind)));
    } catch (const CalcError& e) {
        form_->ShowError(Text(UserTableTitle(tab.kind)).toStdString() + ": " + e.what());
    }
}

void UserTablesDialog::Export() {
    const Tab& tab = CurrentTab();
    try {
        const UserTable table = CheckedUserTable(TableShown(tab.kind));
        const QString path = ExportDialog(this);
        if (!path.isEmpty()) ExportUserTable(Std(path), table);
    } catch (const CalcError& e) {
        form_->ShowError(std::string(UserTableTitle(tab.kind)) + ": " + e.what());
    }
}

bool UserTablesDialog::Save() {
    std::vector<UserTable> checked;
    for (const Tab& tab : tabList_) {
        try {
            checked.push_back(CheckedUserTable(TableShown(tab.kind)));
        } catch (const CalcError& e) {
            tabs_->setCurrentWidget(tab.grid->parentWidget());
            form_->ShowError(std::string(UserTableTitle(tab.kind)) + ": " + e.what());
            return false;
        }
    }
    try {
        for (const UserTable& table : checked) SaveUserTable(Std(UserTablesFolder()), table);
    } catch (const CalcError& e) {
        form_->ShowError(e.what());
        return false;
    }
    for (const UserTable& table : checked) UseUserTable(table);
    return true;
}
