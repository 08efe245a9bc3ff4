// The room list «Помещения» beside the pages: each room with its maximum
// (or its mark when it is not computed); the selected room is what the pages
// show. Rooms are added, copied, renamed in place (F2), deleted and moved.

#include <QAction>
#include <QDockWidget>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "BuildingModel.h"
#include "Conversions.h"
#include "MainForm.h"
#include "ProjectSession.h"
#include "WindowHourTable.h"

namespace {

enum RoomColumn { kNameColumn, kMaximumColumn, kHourColumn, kRoomColumns };

// Narrow buttons under the list, so that the list keeps the room of the pages.
QToolButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& description) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(false);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(description);
    button->setToolTip(description);
    return button;
}

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A shortcut of the list alone, so that Delete in a field of the input page
// deletes a character, not a room.
void AddListShortcut(QTableWidget* list, const QKeySequence& keys, const std::function<void()>& run) {
    auto* action = new QAction(list);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, list, run);
    list->addAction(action);
}

}  // namespace

void TForm1::CreateRoomDock() {
    RoomDock = new QDockWidget(QStringLiteral("Помещения"), this);
    RoomDock->setObjectName(QStringLiteral("RoomDock"));
    RoomDock->setAccessibleName(QStringLiteral("Помещения"));
    RoomDock->setFeatures(QDockWidget::DockWidgetMovable);
    auto* panel = new QWidget(RoomDock);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 2, 4, 4);

    RoomList = new QTableWidget(0, kRoomColumns, panel);
    RoomList->setObjectName(QStringLiteral("RoomList"));
    RoomList->setAccessibleName(QStringLiteral("Помещения"));
    RoomList->setHorizontalHeaderLabels(
        {QStringLiteral("Помещение"), QStringLiteral("Макс., Вт"), QStringLiteral("Час")});
    RoomList->setSelectionBehavior(QAbstractItemView::SelectRows);
    RoomList->setSelectionMode(QAbstractItemView::SingleSelection);
    RoomList->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    RoomList->verticalHeader()->hide();
    RoomList->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    // The maximum and its hour at the widths of their widest texts, set once.
    const QFontMetrics metrics(RoomList->font());
    RoomList->setColumnWidth(kMaximumColumn, metrics.horizontalAdvance(QStringLiteral("9999999")) + 12);
    RoomList->setColumnWidth(kHourColumn, metrics.horizontalAdvance(QStringLiteral("17-18")) + 12);
    RoomList->setMinimumWidth(180);
    column->addWidget(RoomList, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    AddRoomButton = MakeButton(panel, "AddRoomButton", QStringLiteral("+"), QStringLiteral("Добавить помещение"));
    CopyRoomButton = MakeButton(panel, "CopyRoomButton", QStringLiteral("Копия"), QStringLiteral("Копия помещения"));
    DeleteRoomButton = MakeButton(panel, "DeleteRoomButton", QStringLiteral("−"), QStringLiteral("Удалить помещение"));
    RoomUpButton = MakeButton(panel, "RoomUpButton", QStringLiteral("↑"), QStringLiteral("Переместить выше"));
    RoomDownButton = MakeButton(panel, "RoomDownButton", QStringLiteral("↓"), QStringLiteral("Переместить ниже"));
    for (QToolButton* b : {AddRoomButton, CopyRoomButton, DeleteRoomButton, RoomUpButton, RoomDownButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    column->addLayout(buttons);
    RoomDock->setWidget(panel);
    addDockWidget(Qt::LeftDockWidgetArea, RoomDock);

    connect(AddRoomButton, &QToolButton::clicked, this, &TForm1::AddRoom);
    connect(CopyRoomButton, &QToolButton::clicked, this, &TForm1::CopyRoom);
    connect(DeleteRoomButton, &QToolButton::clicked, this, &TForm1::DeleteRoom);
    connect(RoomUpButton, &QToolButton::clicked, this, [this] { MoveRoom(-1); });
    connect(RoomDownButton, &QToolButton::clicked, this, [this] { MoveRoom(1); });
    AddListShortcut(RoomList, QKeySequence(Qt::Key_Insert), [this] { AddRoom(); });
    AddListShortcut(RoomList, QKeySequence(Qt::Key_Delete), [this] { DeleteRoom(); });
    AddListShortcut(RoomList, QKeySequence(Qt::ALT | Qt::Key_Up), [this] { MoveRoom(-1); });
    AddListShortcut(RoomList, QKeySequence(Qt::ALT | Qt::Key_Down), [this] { MoveRoom(1); });
    connect(RoomList, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row >= 0) SelectRoom(static_cast<std::size_t>(row));
    });
    connect(RoomList, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == kNameColumn) RenameRoom(static_cast<std::size_t>(item->row()), item->text());
    });
}

void TForm1::ShowRoomList() {
    if (RoomList == nullptr || !building_) return;
    const std::vector<RoomOutcome>& outcomes = RoomOutcomes();
    const QSignalBlocker blocker(RoomList);
    RoomList->setRowCount(static_cast<int>(outcomes.size()));
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const int row = static_cast<int>(i);
        const RoomOutcome& room = outcomes[i];
        auto* name = new QTableWidgetItem(QString::fromStdString(room.Name));
        QString maximum;
        QString hour;
        if (!room.Results) {
            maximum = QStringLiteral("ошибка");  // the message in the tooltip
            name->setForeground(QColor(0x80, 0, 0));
            name->setToolTip(QString::fromStdString(room.Failure));
        } else if (const RoomPeak peak = PeakOfRoom(room.Results->Totals); peak.Hour) {
            maximum = QString::fromStdString(FormatDecimal4(peak.Gain));
            const std::string_view label = HourLabel(*peak.Hour);
            hour = QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
        } else {
            maximum = QStringLiteral("0");
        }
        RoomList->setItem(row, kNameColumn, name);
        QTableWidgetItem* maximumItem = ReadOnlyItem(maximum);
        if (!room.Results) maximumItem->setToolTip(QString::fromStdString(room.Failure));
        RoomList->setItem(row, kMaximumColumn, maximumItem);
        RoomList->setItem(row, kHourColumn, ReadOnlyItem(hour));
    }
    RoomList->setCurrentCell(static_cast<int>(building_->Selection.Room), kNameColumn);
    DeleteRoomButton->setEnabled(outcomes.size() > 1);
    RoomUpButton->setEnabled(building_->Selection.Room > 0);
    RoomDownButton->setEnabled(building_->Selection.Room + 1 < outcomes.size());
}

void TForm1::AddRoom() {
    TakeShownIntoBuilding();
    std::vector<RoomInputs>& rooms = building_->Inputs.Rooms;
    rooms.push_back(NewRoom(rooms, session_->StartUp));
    building_->Selection = {rooms.size() - 1, 0, 0};
    ShowSelectedProject();
    RoomList->setFocus();
}

void TForm1::CopyRoom() {
    TakeShownIntoBuilding();
    std::vector<RoomInputs>& rooms = building_->Inputs.Rooms;
    const std::size_t at = building_->Selection.Room;
    RoomInputs copy = rooms[at];
    copy.Name = CopyName(copy.Name);
    rooms.insert(rooms.begin() + static_cast<std::ptrdiff_t>(at) + 1, std::move(copy));
    building_->Selection = {at + 1, 0, 0};
    ShowSelectedProject();
}

// The last room stays: a building has at least one.
void TForm1::DeleteRoom() {
    std::vector<RoomInputs>& rooms = building_->Inputs.Rooms;
    if (rooms.size() < 2) return;
    TakeShownIntoBuilding();
    const std::size_t at = building_->Selection.Room;
    if (!DeleteQuestion1(this, QStringLiteral("Удалить помещение «%1» со всеми его окнами, стенами и покрытием?")
                                   .arg(QString::fromStdString(rooms[at].Name))))
        return;
    rooms.erase(rooms.begin() + static_cast<std::ptrdiff_t>(at));
    building_->Selection = {std::min(at, rooms.size() - 1), 0, 0};
    ShowSelectedProject();
}

void TForm1::MoveRoom(int by) {
    std::vector<RoomInputs>& rooms = building_->Inputs.Rooms;
    const std::size_t at = building_->Selection.Room;
    const std::size_t to = at + static_cast<std::size_t>(by);
    if ((by < 0 && at == 0) || to >= rooms.size()) return;
    TakeShownIntoBuilding();
    std::swap(rooms[at], rooms[to]);
    building_->Selection.Room = to;
    ShowRoomList();
    ProjectChanged();
}

void TForm1::RenameRoom(std::size_t index, const QString& name) {
    std::vector<RoomInputs>& rooms = building_->Inputs.Rooms;
    if (index >= rooms.size()) return;
    const std::string kept = name.trimmed().left(static_cast<qsizetype>(kMaxBuildingNameLength)).toStdString();
    if (kept.empty()) {
        ShowRoomList();  // an emptied name is not taken: the room keeps its own
        return;
    }
    rooms[index].Name = kept;
    ShowRoomList();
    ProjectChanged();
}
