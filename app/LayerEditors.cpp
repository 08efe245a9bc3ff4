// The wall and roof groups of the input page and their layer editors: the
// layer count, the layer number with its spin button, the entry row with its
// Enter button, the layer grid and the construction's R₀ and K.

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <initializer_list>
#include <utility>

#include "Conversions.h"
#include "FormStyle.h"
#include "InputPageBuilder.h"
#include "LayerEditor.h"
#include "MainForm.h"
#include "ProjectState.h"
#include "StringGrid.h"
#include "UpDown.h"

namespace {

// Text of the layers kept above the count.
const QColor kKeptLayerColour{0x90, 0x90, 0x90};

QString Text(const std::string& text) { return QString::fromStdString(text); }
std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

// The controls of one construction's editor.
struct LayerControls {
    Construction construction;
    QLineEdit* count;
    QLineEdit* number;
    UpDown* spin;
    QLineEdit* name;
    QLineEdit* absorption;
    QLineEdit* conductivity;
    QLineEdit* thickness;
    StringGrid* grid;
    QLineEdit* resistance;
    QLineEdit* transmittance;
    QLineEdit* outerCoeff;  // roof only
    ProjectState* project;  // the window's project state
};

StringGrid* MakeLayerGrid(QWidget* parent, const char* name, const QString& description) {
    auto* grid = new StringGrid(4, 5, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setAccessibleName(description);
    grid->setToolTip(description);
    grid->setWordWrap(true);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->SetRowHeights(18);
    grid->verticalHeader()->resizeSection(0, 28);
    grid->SetHeaderColour(FormStyle::kButtonFace);
    const int widths[] = {26, 150, 92, 116, 66};
    for (int column = 0; column < 5; ++column) grid->horizontalHeader()->resizeSection(column, widths[column]);
    grid->setFixedHeight(28 + 3 * 18 + 4);
    FormStyle::SetTextColour(grid, FormStyle::kNavy);
    // A layer row can be chosen, by a click or the arrow keys, and removed
    // with the Delete key.
    grid->setFocusPolicy(Qt::StrongFocus);
    grid->setTabKeyNavigation(false);  // Tab goes on to the next control, the arrows choose the row
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    return grid;
}

QHBoxLayout* MakeEntryRow(QWidget* parent, QLineEdit* number, UpDown* spin, QLineEdit* name, QLineEdit* absorption,
                          QLineEdit* conductivity, QLineEdit* thickness, QPushButton* enter, QPushButton* remove) {
    // Narrow edits, so that both buttons fit beside them; the grid shows the
    // whole texts.
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    row->addWidget(FormStyle::MakeLabel(parent, QStringLiteral("№\nслоя"), FormStyle::kMaroon));
    number->setFixedWidth(32);
    auto* numberWithSpin = new QHBoxLayout;
    numberWithSpin->setSpacing(0);
    numberWithSpin->addWidget(number);
    numberWithSpin->addWidget(spin);
    row->addLayout(numberWithSpin);
    name->setFixedWidth(78);
    row->addWidget(name);
    for (QLineEdit* value : {absorption, conductivity, thickness}) {
        value->setFixedWidth(40);
        row->addWidget(value);
    }
    row->addWidget(enter);
    row->addWidget(remove);
    row->addStretch(1);
    return row;
}

QPushButton* MakeEnterButton(QWidget* parent, const char* name, const QString& description) {
    auto* button = new QPushButton(QStringLiteral("В&вод"), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(description);
    button->setToolTip(description);
    return button;
}

// Runs an action when the Delete key is pressed in the widget it watches.
class DeleteKeyFilter : public QObject {
public:
    DeleteKeyFilter(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete)
            return QObject::eventFilter(watched, event);
        action_();
        return true;
    }

private:
    std::function<void()> action_;
};

QPushButton* MakeDeleteButton(QWidget* parent, const char* name, const QString& description) {
    auto* button = new QPushButton(QStringLiteral("Удалить слой"), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(description);
    button->setToolTip(description);
    return button;
}

UpDown* MakeSpin(QWidget* parent, const char* name, const QString& description) {
    auto* spin = new UpDown(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setAccessibleName(description);
    spin->setToolTip(description);
    // Layer numbers 1..50: the tables hold fifty layers.
    spin->SetRange(1, kMaxLayers);
    return spin;
}

void ShowEntry(const LayerControls& c, const LayerEntryTexts& entry) {
    c.name->setText(Text(entry.Name));
    c.absorption->setText(Text(entry.HeatAbsorption));
    c.conductivity->setText(Text(entry.Conductivity));
    c.thickness->setText(Text(entry.Thickness));
}

void ShowResistance(const LayerControls& c, const ResistanceTexts& texts) {
    if (texts.OuterCoeff && c.outerCoeff) c.outerCoeff->setText(Text(*texts.OuterCoeff));
    c.resistance->setText(Text(texts.Resistance));
    c.transmittance->setText(Text(texts.Transmittance));
}

}  // namespace

void TForm1::CreateWallGroup() {
    GroupBox2 = new QGroupBox(QStringLiteral("Для стен"), TabSheet9);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* column = new QVBoxLayout(GroupBox2);
    column->setContentsMargins(8, 12, 8, 4);
    column->setSpacing(3);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(4);
    fields->setVerticalSpacing(1);
    InputPageBuilder::PlaceFields(this, fields, InputGroup::Wall);
    fields->setColumnStretch(4, 1);
    column->addLayout(fields);

    UpDown1 = MakeSpin(GroupBox2, "UpDown1", QStringLiteral("Номер слоя стены: следующий или предыдущий"));
    UpDown1->SetSubject(QStringLiteral("слой стены"));
    Button1 = MakeEnterButton(GroupBox2, "Button1", QStringLiteral("Ввести слой стены"));
    DeleteWallLayer =
        MakeDeleteButton(GroupBox2, "DeleteWallLayer", QStringLiteral("Удалить слой стены с номером из поля «№ слоя»"));
    column->addLayout(
        MakeEntryRow(GroupBox2, Edit27, UpDown1, Edit29, Edit30, Edit31, Edit32, Button1, DeleteWallLayer));
    StringGrid2 = MakeLayerGrid(GroupBox2, "StringGrid2", QStringLiteral("Слои стены"));
    column->addWidget(StringGrid2);

    auto* orientations = new QHBoxLayout;
    orientations->setSpacing(InputPageBuilder::kOrientationGap);
    for (const OrientationBox& box : kOrientationBoxes) {
        this->*box.wall = InputPageBuilder::MakeOrientationBox(GroupBox2, box.wallName, box.caption);
        (this->*box.wall)
            ->setAccessibleName(QStringLiteral("Учитывать стены ориентации %1")
                                    .arg(QString::fromUtf8(OrientationAt(box.orientation).name.data())));
        (this->*box.wall)->setToolTip((this->*box.wall)->accessibleName());
        orientations->addWidget(this->*box.wall);
    }
    orientations->addStretch(1);
    column->addLayout(orientations);

    GroupBox2->setEnabled(false);
    CheckBox2 = InputPageBuilder::MakeGroupSwitch(TabSheet9, GroupBox2, "CheckBox2", QStringLiteral("Стены"),
                                                  QStringLiteral("Учитывать стены"));
}

void TForm1::CreateRoofGroup() {
    GroupBox3 = new QGroupBox(QStringLiteral("Для покрытий"), TabSheet9);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto* column = new QVBoxLayout(GroupBox3);
    column->setContentsMargins(8, 12, 8, 4);
    column->setSpacing(3);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(4);
    fields->setVerticalSpacing(1);
    InputPageBuilder::PlaceFields(this, fields, InputGroup::Roof);
    fields->setColumnStretch(4, 1);
    column->addLayout(fields);

    UpDown2 = MakeSpin(GroupBox3, "UpDown2", QStringLiteral("Номер слоя покрытия: следующий или предыдущий"));
    UpDown2->SetSubject(QStringLiteral("слой покрытия"));
    Button2 = MakeEnterButton(GroupBox3, "Button2", QStringLiteral("Ввести слой покрытия"));
    DeleteRoofLayer = MakeDeleteButton(GroupBox3, "DeleteRoofLayer",
                                       QStringLiteral("Удалить слой покрытия с номером из поля «№ слоя»"));
    column->addLayout(
        MakeEntryRow(GroupBox3, Edit28, UpDown2, Edit35, Edit36, Edit37, Edit38, Button2, DeleteRoofLayer));
    StringGrid3 = MakeLayerGrid(GroupBox3, "StringGrid3", QStringLiteral("Слои покрытия"));
    column->addWidget(StringGrid3);

    GroupBox3->setEnabled(false);
    CheckBox3 = InputPageBuilder::MakeGroupSwitch(TabSheet9, GroupBox3, "CheckBox3", QStringLiteral("Покрытие"),
                                                  QStringLiteral("Учитывать покрытие"));
}

void TForm1::ConnectLayerEditors() {
    connect(Edit33, &QLineEdit::textChanged, this, &TForm1::Edit33Change);
    connect(Edit34, &QLineEdit::textChanged, this, &TForm1::Edit34Change);
    connect(Edit27, &QLineEdit::textChanged, this, &TForm1::Edit27Change);
    connect(Edit28, &QLineEdit::textChanged, this, &TForm1::Edit28Change);
    connect(UpDown1, &UpDown::Clicked, this, &TForm1::UpDown1Click);
    connect(UpDown2, &UpDown::Clicked, this, &TForm1::UpDown2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(DeleteWallLayer, &QPushButton::clicked, this, &TForm1::DeleteWallLayerClick);
    connect(DeleteRoofLayer, &QPushButton::clicked, this, &TForm1::DeleteRoofLayerClick);
    // A row clicked becomes the layer of the number edit; Delete removes the current row's layer.
    const auto connectGrid = [this](StringGrid* grid, QLineEdit* number, void (TForm1::*remove)(int)) {
        connect(grid, &QTableWidget::cellClicked, this, [this, number](int row, int) {
            if (row >= 1) RunHandler([this, number, row] { AssignText(number, QString::number(row)); });
        });
        grid->installEventFilter(new DeleteKeyFilter(grid, [this, grid, remove] {
            if (grid->currentRow() >= 1) (this->*remove)(grid->currentRow());
        }));
    };
    connectGrid(StringGrid2, Edit27, &TForm1::RemoveWallLayer);
    connectGrid(StringGrid3, Edit28, &TForm1::RemoveRoofLayer);
    // Return in the entry row presses its "Ввод", unless it chooses from a
    // list open over the row (the material list sees the key after the edit).
    const auto pressOnReturn = [](std::initializer_list<QLineEdit*> entries, QPushButton* enter) {
        for (QLineEdit* entry : entries)
            QObject::connect(entry, &QLineEdit::returnPressed, enter, [enter] {
                if (QApplication::activePopupWidget() == nullptr) enter->click();
            });
    };
    pressOnReturn({Edit29, Edit30, Edit31, Edit32}, Button1);
    pressOnReturn({Edit35, Edit36, Edit37, Edit38}, Button2);
}

namespace {

LayerControls WallControls(TForm1* f) {
    return {Construction::Wall, f->Edit33,      f->Edit27, f->UpDown1, f->Edit29, f->Edit30,  f->Edit31,
            f->Edit32,          f->StringGrid2, f->Edit21, f->Edit20,  nullptr,   &f->Project};
}

LayerControls RoofControls(TForm1* f) {
    return {Construction::Roof, f->Edit34,      f->Edit28, f->UpDown2, f->Edit35, f->Edit36,  f->Edit37,
            f->Edit38,          f->StringGrid3, f->Edit25, f->Edit24,  f->Edit41, &f->Project};
}

// The grid from the layer table: the used rows, then the kept layers above
// the count in grey.
void ShowLayerGrid(const LayerControls& c) {
    const std::vector<LayerGridRow> rows = LayerGridRows(*c.project, c.construction);
    c.grid->SetRowCount(static_cast<int>(rows.size()) + 1);
    for (int row = 1; row <= static_cast<int>(rows.size()); ++row) {
        const LayerGridRow& layer = rows[static_cast<std::size_t>(row - 1)];
        for (int column = 0; column < 5; ++column) {
            const QString text = Text(layer.Cells[static_cast<std::size_t>(column)]);
            c.grid->SetCell(row, column, text);
            QTableWidgetItem* cell = c.grid->item(row, column);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            cell->setToolTip(layer.Used ? text : QStringLiteral("Слой выше числа слоёв: сохранён, в расчёт не входит"));
            cell->setForeground(layer.Used ? FormStyle::kNavy : kKeptLayerColour);
        }
    }
}

// Layer count typed: R₀ and K of the used layers, the layers above the
// count kept and shown greyed.
void CountChanged(const LayerControls& c) {
    SetLayerCount(*c.project, c.construction, Text(c.count));
    ShowLayerGrid(c);
    ShowResistance(c, ResistanceAfterCountChange(*c.project, c.construction));
}

// A layer removed: the count edit follows a count that went down (its
// handler shows the grid, R₀ and K), and the entry row shows the layer now
// under the current number.
void LayerRemoved(TForm1* form, const LayerControls& c, int number) {
    const QString count = Text(FormatInteger(RemoveLayer(*c.project, c.construction, number)));
    if (count != c.count->text()) {
        form->AssignText(c.count, count);
    } else {
        ShowLayerGrid(c);
        ShowResistance(c, ResistanceAfterCountChange(*c.project, c.construction));
    }
    ShowEntry(c, EntryTextsOf(*c.project, c.construction, LayerCurrentOf(*c.project, c.construction)));
}

// Layer number typed: the spin follows and the entry row shows that layer.
void NumberTyped(TForm1* form, const LayerControls& c) {
    const LayerNumberChange change = LayerNumberTyped(*c.project, c.construction, Text(c.number));
    if (change.ResetToOne) {
        form->AssignText(c.number, QStringLiteral("1"));
        return;
    }
    c.spin->SetPosition(change.Position);
    ShowEntry(c, change.Entry);
}

// Spin pressed: the number edit and the entry row follow.
void SpinClicked(TForm1* form, const LayerControls& c) {
    const LayerSpinChange change = LayerSpinClicked(*c.project, c.construction, c.spin->Position());
    if (change.ResetToOne) {
        c.spin->SetPosition(1);
        return;
    }
    form->AssignText(c.number, Text(change.NumberText));
    ShowEntry(c, change.Entry);
}

// Enter: the entry row into the current layer, on to the next layer, R₀ and K.
void EnterPressed(TForm1* form, const LayerControls& c) {
    const LayerEntryTexts typed{Text(c.name), Text(c.absorption), Text(c.conductivity), Text(c.thickness)};
    const LayerEntryAdvance advance =
        EnterLayer(*c.project, c.construction, typed, [&c](int row, int column, const std::string& text) {
            if (row >= c.grid->rowCount()) c.grid->SetRowCount(row + 1);
            c.grid->SetCell(row, column, Text(text));
            c.grid->item(row, column)->setToolTip(Text(text));
        });
    if (!advance.Entered) return;
    ShowLayerGrid(c);
    ShowEntry(c, LayerEntryTexts{});
    c.spin->SetPosition(advance.Position);
    form->AssignText(c.number, Text(advance.NumberText));
    ShowEntry(c, advance.Entry);
    ShowResistance(c, ResistanceAfterEntry(*c.project, c.construction));
    c.name->setFocus();
}

}  // namespace

void TForm1::Edit33Change() {
    RunTypingHandler(Edit33, [this] { CountChanged(WallControls(this)); });
}
void TForm1::Edit34Change() {
    RunTypingHandler(Edit34, [this] { CountChanged(RoofControls(this)); });
}
void TForm1::Edit27Change() {
    RunTypingHandler(Edit27, [this] { NumberTyped(this, WallControls(this)); });
}
void TForm1::Edit28Change() {
    RunTypingHandler(Edit28, [this] { NumberTyped(this, RoofControls(this)); });
}
void TForm1::UpDown1Click() {
    RunHandler([this] { SpinClicked(this, WallControls(this)); });
}
void TForm1::UpDown2Click() {
    RunHandler([this] { SpinClicked(this, RoofControls(this)); });
}
void TForm1::Button1Click() {
    RunHandler([this] { EnterPressed(this, WallControls(this)); });
    ProjectChanged();
}
void TForm1::Button2Click() {
    RunHandler([this] { EnterPressed(this, RoofControls(this)); });
    ProjectChanged();
}
void TForm1::RemoveWallLayer(int number) {
    RunHandler([this, number] { LayerRemoved(this, WallControls(this), number); });
    ProjectChanged();
}
void TForm1::RemoveRoofLayer(int number) {
    RunHandler([this, number] { LayerRemoved(this, RoofControls(this), number); });
    ProjectChanged();
}
void TForm1::DeleteWallLayerClick() { RemoveWallLayer(Project.WallLayerCurrent); }
void TForm1::DeleteRoofLayerClick() { RemoveRoofLayer(Project.RoofLayerCurrent); }

void TForm1::ShowLayerEditors() {
    for (const LayerControls& c : {WallControls(this), RoofControls(this)}) {
        ShowLayerGrid(c);
        RunHandler([&c] { ShowResistance(c, ResistanceAfterCountChange(*c.project, c.construction)); });
        ShowPendingError();
    }
}

void TForm1::ShowConstructionResistances() {
    for (const LayerControls& c : {WallControls(this), RoofControls(this)})
        ShowResistance(c, ResistanceAfterCountChange(*c.project, c.construction));
}
