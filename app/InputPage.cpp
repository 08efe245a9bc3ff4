// The input page: the window group, the window-kind frame and the site block,
// and the values that follow the typing (opening area, outer coefficients,
// window kind, elements included).

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "CityPicker.h"
#include "DerivedInputs.h"
#include "FieldMarks.h"
#include "FormStyle.h"
#include "GroupSelector.h"
#include "InputPageBuilder.h"
#include "LatitudeBox.h"
#include "MainForm.h"
#include "ProjectSession.h"
#include "ProjectState.h"
#include "StringGrid.h"
#include "WindowComputation.h"
#include "WindowHourTable.h"

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The blocks of the input page: the window group, the kind frame and the
// site block in the left column, the wall and roof groups in the right one,
// each block as wide as its column (at least these widths), each column top
// to bottom. A block that gains a row grows downwards and the page with it.
constexpr int kLeftWidth = 520;
constexpr int kRightWidth = 486;
constexpr int kGap = 6;

// Widens the blocks of a column to the widest of them, at least `width`.
void FixColumnWidth(std::initializer_list<QWidget*> blocks, int width) {
    for (QWidget* block : blocks) width = std::max(width, block->minimumSizeHint().width());
    for (QWidget* block : blocks) block->setFixedWidth(width);
}

}  // namespace

void TForm1::CreateInputPage() {
    InputPageBuilder::CreateEdits(this);
    CreateWindowGroup();
    CreateWindowKindFrame();
    CreateSiteBlock();
    CreateWallGroup();
    CreateRoofGroup();
    CreateMaterialPickers();
    CreateGroupSelectors();

    FixColumnWidth({GroupBox1, RadioGroup1, SiteFrame}, kLeftWidth);
    FixColumnWidth({GroupBox2, GroupBox3, ConditionsFrame}, kRightWidth);
    // The window group is as high as the inclined kind needs, so that the
    // tilt line has its room; then it shows the vertical kind, checked at
    // start-up.
    ShowWindowKindControls(KindSwitch(WindowKind::Inclined));
    GroupBox1->setFixedHeight(std::max(GroupBox1->sizeHint().height(), GroupBox1->heightForWidth(GroupBox1->width())));
    ShowWindowKindControls(KindSwitch(WindowKind::Vertical));

    auto* page = new QHBoxLayout(TabSheet9);
    page->setContentsMargins(kGap, kGap, kGap, kGap);
    page->setSpacing(kGap);
    for (const std::initializer_list<QWidget*> blocks :
         {std::initializer_list<QWidget*>{WindowGroups, GroupBox1, RadioGroup1, SiteFrame},
          {WallGroups, GroupBox2, GroupBox3, ConditionsFrame}}) {
        auto* column = new QVBoxLayout;
        column->setSpacing(kGap);
        for (QWidget* block : blocks) column->addWidget(block);
        column->addStretch(1);
        page->addLayout(column);
    }
    page->addStretch(1);
    SetInputTabOrder();
}

void TForm1::CreateWindowGroup() {
    GroupBox1 = new QGroupBox(QStringLiteral("Для окон"), TabSheet9);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(GroupBox1);
    grid->setContentsMargins(8, 14, 8, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    InputPageBuilder::PlaceFields(this, grid, InputGroup::Window);

    // Second line of the two offset rows.
    grid->addWidget(FormStyle::MakeLabel(GroupBox1, QStringLiteral("элементов затенения до откоса светового проёма"),
                                         FormStyle::kNavy),
                    6, 0, 1, 4);

    // The tilt line, shown only for the inclined kind: its label, β, "' =" and its unit.
    const InputField& tilt = InputFieldOf("Edit19");
    Label102 = FormStyle::MakeLabel(GroupBox1, Text(tilt.label), FormStyle::kNavy);
    Label102->setObjectName(QStringLiteral("Label102"));
    Label102->setBuddy(Edit19);
    Label103 = FormStyle::MakeLabel(GroupBox1, QStringLiteral("β"), FormStyle::kMaroon);
    Label103->setObjectName(QStringLiteral("Label103"));
    Label104 = FormStyle::MakeLabel(GroupBox1, QStringLiteral("' ="), FormStyle::kMaroon);
    Label104->setObjectName(QStringLiteral("Label104"));
    Label105 = FormStyle::MakeLabel(GroupBox1, Text(InputControlOf("GlazingTilt").unit), FormStyle::kMaroon);
    Label105->setObjectName(QStringLiteral("Label105"));
    auto* tiltSymbol = new QWidget(GroupBox1);
    auto* tiltLayout = new QHBoxLayout(tiltSymbol);
    tiltLayout->setContentsMargins(0, 0, 0, 0);
    tiltLayout->setSpacing(0);
    tiltLayout->addWidget(Label103);
    tiltLayout->addWidget(Label104);
    const int tiltRow = tilt.row;
    grid->addWidget(Label102, tiltRow, 0);
    grid->addWidget(tiltSymbol, tiltRow, 1, Qt::AlignRight);
    grid->addWidget(Edit19, tiltRow, 2);
    grid->addWidget(Label105, tiltRow, 3);

    // Orientations counted by the totals page, to the right of the first rows.
    auto* orientations = new QVBoxLayout;
    orientations->setSpacing(0);
    for (const OrientationBox& box : kOrientationBoxes) {
        this->*box.window = InputPageBuilder::MakeOrientationBox(GroupBox1, box.windowName, box.caption);
        (this->*box.window)
            ->setAccessibleName(QStringLiteral("Учитывать окна ориентации %1")
                                    .arg(QString::fromUtf8(OrientationAt(box.orientation).name.data())));
        (this->*box.window)->setToolTip((this->*box.window)->accessibleName());
        orientations->addWidget(this->*box.window);
    }
    grid->addLayout(orientations, 0, 5, 9, 1, Qt::AlignTop | Qt::AlignRight);
    grid->setColumnStretch(4, 1);
    // The longest labels break into two lines rather than push the inputs out.
    for (QLabel* label : GroupBox1->findChildren<QLabel*>()) {
        if (label->text().size() > 44 && !label->text().contains(QLatin1Char('\n'))) label->setWordWrap(true);
    }

    CheckBox1 = InputPageBuilder::MakeGroupSwitch(TabSheet9, GroupBox1, "CheckBox1", QStringLiteral("Окна"),
                                                  QStringLiteral("Учитывать окна"));
    CheckBox1->setChecked(true);
}

void TForm1::CreateWindowKindFrame() {
    RadioGroup1 = new QGroupBox(QStringLiteral("Ориентация окна :"), TabSheet9);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    FormStyle::SetTextColour(RadioGroup1, FormStyle::kTeal);
    auto* row = new QHBoxLayout(RadioGroup1);
    row->setContentsMargins(8, 4, 8, 4);
    RadioButton1 = new QRadioButton(Text(WindowKindCaption(WindowKind::Vertical)), RadioGroup1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(Text(WindowKindCaption(WindowKind::Inclined)), RadioGroup1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 = new QRadioButton(Text(WindowKindCaption(WindowKind::Horizontal)), RadioGroup1);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3}) {
        FormStyle::SetTextColour(button, FormStyle::kNavy);
        button->setAccessibleName(QStringLiteral("Окно: ") + button->text().simplified());
        row->addWidget(button);
    }
    RadioButton1->setChecked(true);
}

void TForm1::CreateSiteBlock() {
    SiteFrame = new QFrame(TabSheet9);
    SiteFrame->setObjectName(QStringLiteral("SiteFrame"));
    SiteFrame->setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(SiteFrame);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(4);
    auto* grid = new QGridLayout;
    column->addLayout(grid);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    const InputField& latitude = InputFieldOf("ComboBox1");
    ComboBox1 = new LatitudeBox(SiteFrame);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setCurrentText(Text(InputControlOf(latitude.key).defaultText));
    ComboBox1->setAccessibleName(Text(latitude.Description()));
    ComboBox1->setToolTip(ComboBox1->accessibleName());
    ComboBox1->setFixedWidth(InputPageBuilder::kNumberEditWidth + 16);
    QLabel* label = FormStyle::MakeLabel(SiteFrame, Text(latitude.label), FormStyle::kNavy);
    label->setBuddy(ComboBox1);
    grid->addWidget(label, latitude.row, 0);
    grid->addWidget(ComboBox1, latitude.row, 2);
    grid->addWidget(FormStyle::MakeLabel(SiteFrame, Text(InputControlOf(latitude.key).unit), FormStyle::kMaroon),
                    latitude.row, 3);
    InputPageBuilder::PlaceFields(this, grid, InputGroup::Site);
    grid->setColumnStretch(4, 1);
    // The city above the inputs it fills.
    CityPicker1 = new CityPicker(this, SiteFrame);
    column->insertLayout(0, CityPicker1->Row());
}

// Each group top to bottom: its switch, its fields row by row (the left one
// of a row first, the fields shown only left out), then its orientations;
// the layer editors after the fields: the number, the entry row, "Ввод" and
// "Удалить слой", the grid.
void TForm1::SetInputTabOrder() {
    const auto fieldsOf = [this](InputGroup group) {
        std::vector<const InputField*> fields;
        for (const InputField& field : kInputFields)
            if (field.Group() == group && !field.computed) fields.push_back(&field);
        std::stable_sort(fields.begin(), fields.end(), [](const InputField* a, const InputField* b) {
            return std::pair(a->row, a->column) < std::pair(b->row, b->column);
        });
        std::vector<QWidget*> widgets;
        for (const InputField* field : fields)
            widgets.push_back(field->edit != nullptr ? static_cast<QWidget*>(this->*field->edit) : ComboBox1);
        return widgets;
    };
    std::vector<QWidget*> order;
    const auto add = [&order](const std::vector<QWidget*>& widgets) {
        order.insert(order.end(), widgets.begin(), widgets.end());
    };
    using FormBox = QCheckBox* TForm1::*;
    const auto orientations = [this](FormBox OrientationBox::*box) {
        std::vector<QWidget*> boxes;
        for (const OrientationBox& o : kOrientationBoxes) boxes.push_back(this->*(o.*box));
        return boxes;
    };
    add({CheckBox1});
    add(fieldsOf(InputGroup::Window));
    add(orientations(&OrientationBox::window));
    add({RadioButton1, RadioButton2, RadioButton3});
    add({CityEdit});
    add(fieldsOf(InputGroup::Site));
    add({CheckBox2});
    add(fieldsOf(InputGroup::Wall));
    add(fieldsOf(InputGroup::WallLayer));
    add({Button1, DeleteWallLayer, StringGrid2});
    add(orientations(&OrientationBox::wall));
    add({CheckBox3});
    add(fieldsOf(InputGroup::Roof));
    add(fieldsOf(InputGroup::RoofLayer));
    add({Button2, DeleteRoofLayer, StringGrid3});
    add({ConditionsA, ConditionsB});
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void TForm1::ConnectInputPage() {
    // A field's mark goes before its change handler looks at the new text.
    for (const InputField& field : kInputFields)
        marks_->Watch(field.edit != nullptr ? static_cast<QWidget*>(this->*field.edit) : ComboBox1);
    // Then the value typed is stored, or the field marked, before any
    // change handler derives something from it.
    for (const InputField& field : kInputFields) {
        if (field.edit == nullptr || field.computed || InputControlOf(field.key).field.decimal == nullptr) continue;
        QLineEdit* edit = this->*field.edit;
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { StoreTypedValue(edit); });
    }
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TForm1::Edit2Change);
    connect(Edit3, &QLineEdit::textChanged, this, &TForm1::Edit3Change);
    connect(Edit5, &QLineEdit::textChanged, this, &TForm1::Edit5Change);
    // A radio button's handler runs only when it becomes checked.
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RadioButton1Click();
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RadioButton2Click();
    });
    connect(RadioButton3, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RadioButton3Click();
    });
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &TForm1::CheckBox2Click);
    connect(CheckBox3, &QCheckBox::toggled, this, &TForm1::CheckBox3Click);
}

// ---- Opening area -------------------------------------------------------------

// A field's text read into the state it stands for, as the field shows it:
// an unreadable or out-of-range text is marked instead and stores nothing;
// an emptied field stores nothing either and is marked only when
// `emptyRefused` (a size the opening area waits for), else it waits for the
// typing to go on. Marking never fails the handler that put the text in
// (opening a project with such a text opens it, marked).
bool TForm1::StoreTypedValue(QLineEdit* edit, bool emptyRefused) {
    const InputControl& input = InputControlOf(KeyOfControl(edit->objectName().toStdString()));
    if (edit->text().isEmpty() && !emptyRefused) return false;
    try {
        const Decimal4 value = ReadInputValue(input, edit->text().toStdString());
        if (input.field.decimal != nullptr) Project.*input.field.decimal = value;
        return true;
    } catch (const CalcError& e) {
        marks_->Mark(edit, QString::fromStdString(FieldRefusalText(e.Input().empty() ? e.NamingInput(input.key) : e)));
        return false;
    }
}

// Fп follows H, B and n; while one of them is refused (marked), nothing is
// derived from it and Fп is emptied rather than left from older sizes.
void TForm1::UpdateOpeningArea() {
    bool readable = true;
    for (QLineEdit* size : {Edit1, Edit2, Edit3}) readable = StoreTypedValue(size, true) && readable;
    if (!readable) {
        AssignText(Edit17, QString());
        return;
    }
    const std::optional<std::string> area =
        OpeningAreaText(Edit1->text().toStdString(), Edit2->text().toStdString(), Edit3->text().toStdString());
    if (area) AssignText(Edit17, QString::fromStdString(*area));
}

void TForm1::Edit1Change() {
    RunTypingHandler(Edit1, [this] { UpdateOpeningArea(); });
}
void TForm1::Edit2Change() {
    RunTypingHandler(Edit2, [this] { UpdateOpeningArea(); });
}
void TForm1::Edit3Change() {
    RunTypingHandler(Edit3, [this] { UpdateOpeningArea(); });
}

// ---- Outer heat-transfer coefficients ----------------------------------------

void TForm1::ShowOuterCoeffs(bool windowCoeff) {
    const std::optional<OuterCoeffTexts> shown = TypeWindSpeed(Edit5->text().toStdString(), windowCoeff, Project);
    if (!shown) return;
    if (shown->Window) AssignText(Edit18, QString::fromStdString(*shown->Window));
    AssignText(Edit42, QString::fromStdString(shown->Envelope));
    ShowConstructionResistances();  // R₀, K and the roof's αн follow the wind speed too
}

void TForm1::Edit5Change() {
    RunTypingHandler(Edit5, [this] { ShowOuterCoeffs(true); });
}

// ---- Window kind ----------------------------------------------------------------

void TForm1::ShowWindowKindControls(const WindowKindSwitch& kind) {
    Edit8->setEnabled(kind.ShadesEnabled);
    Edit9->setEnabled(kind.ShadesEnabled);
    for (QWidget* part :
         {static_cast<QWidget*>(Label102), static_cast<QWidget*>(Label103), static_cast<QWidget*>(Label104),
          static_cast<QWidget*>(Label105), static_cast<QWidget*>(Edit19)}) {
        part->setVisible(kind.TiltShown);
    }
}

void TForm1::SwitchWindowKind(WindowKind kind) {
    const WindowKindSwitch chosen = KindSwitch(kind);
    if (chosen.ShadeHorizText) AssignText(Edit8, Text(*chosen.ShadeHorizText));
    if (chosen.ShadeVertText) AssignText(Edit9, Text(*chosen.ShadeVertText));
    ShowWindowKindControls(chosen);
    ShowOuterCoeffs(chosen.WindowCoeff);
}

void TForm1::RadioButton1Click() {
    RunHandler([this] { SwitchWindowKind(WindowKind::Vertical); });
}

void TForm1::RadioButton2Click() {
    RunHandler([this] { SwitchWindowKind(WindowKind::Inclined); });
}

void TForm1::RadioButton3Click() {
    RunHandler([this] { SwitchWindowKind(WindowKind::Horizontal); });
}

// ---- Elements included -------------------------------------------------------------

void TForm1::CheckBox1Click() {
    RunHandler([this] {
        const bool on = CheckBox1->isChecked();
        GroupBox1->setEnabled(on);
        if (!on) {
            ClearWindowHeatGain(Project.WindowHours);
            session_->WindowsFrom.reset();  // the table no longer holds the results of its inputs
        }
        // The page stays selectable by its tab; only its controls stop responding.
        TabSheet10->setEnabled(on);
    });
}

void TForm1::CheckBox2Click() {
    RunHandler([this] {
        const bool on = CheckBox2->isChecked();
        GroupBox2->setEnabled(on);
        if (!on) {
            for (int o = 1; o <= kOrientationCount; ++o) Project.WallHourGain[o].Fill(Decimal4());
        }
    });
}

void TForm1::CheckBox3Click() {
    RunHandler([this] {
        const bool on = CheckBox3->isChecked();
        GroupBox3->setEnabled(on);
        if (!on) Project.RoofHourGain.Fill(Decimal4());
    });
}
