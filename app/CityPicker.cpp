#include "CityPicker.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <vector>

#include "CalcError.h"
#include "Cities.h"
#include "FieldMarks.h"
#include "FormStyle.h"
#include "InputFields.h"
#include "MainForm.h"
#include "PickList.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

const QString kFieldName = QStringLiteral("Город");
const QString kHint = QStringLiteral("Выберите город из списка: широта, tн.ср и Aтн заполнятся из таблицы климата");

// Names compare as the table finds them: case, "ё" and blanks aside; a name
// of no table (a project's, shown as typed) as it is written.
bool SameCity(const QString& typed, const QString& name) {
    if (typed.trimmed() == name.trimmed()) return true;
    const City* city = FindCity(typed.toStdString());
    return city != nullptr && Text(city->name) == name;
}
constexpr int kFieldWidth = 150;

// "Москва — 56°, tн.ср 19.2 °С, Aтн 10.2 °С": what choosing the city puts in,
// followed by the city's mark («· проверьте по СП», «· мой»).
PickList::Entry EntryOf(const City& city) {
    const QString name = Text(city.name);
    const QString shown = QStringLiteral("%1 — %2°, tн.ср %3 °С, Aтн %4 °С%5")
                              .arg(name)
                              .arg(RoundedLatitude(city.latitude))
                              .arg(Text(city.julyMean), Text(city.dailyAmplitude), Text(CityMark(city)));
    const QString tip = city.own ? QStringLiteral("%1° с. ш.\n%2").arg(Text(city.latitude), Text(CitySourceLabel(city)))
                                 : QStringLiteral("%1; центр города на %2° с. ш.\n%3")
                                       .arg(Text(city.region), Text(city.latitude), Text(CitySourceLabel(city)));
    return {name, shown, tip};
}

}  // namespace

CityPicker::CityPicker(TForm1* form, QWidget* parent) : QObject(parent), form_(form), row_(new QHBoxLayout) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("CityEdit"));
    edit->setAccessibleName(kFieldName);
    edit->setToolTip(
        QStringLiteral("Город: по таблице климата заполняет широту (до целого градуса), среднюю "
                       "температуру июля tн.ср и суточную амплитуду Aтн. Выбор — из списка или "
                       "клавишей Enter; значения остаются изменяемыми."));
    edit->setAccessibleDescription(edit->toolTip());
    edit->setFixedWidth(kFieldWidth);
    form_->CityEdit = edit;

    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("CityLine"));
    line->setWordWrap(true);
    QFont small = line->font();
    small.setBold(false);
    small.setPixelSize(10);
    line->setFont(small);
    form_->CityLine = line;
    ShowLine(Line::Hint);

    QLabel* label = FormStyle::MakeLabel(parent, QStringLiteral("Город :"), FormStyle::kNavy);
    label->setBuddy(edit);
    row_->setSpacing(6);
    row_->addWidget(label);
    row_->addWidget(edit);
    row_->addWidget(line, 1);

    list_ = new PickList(edit, QStringLiteral("Города таблицы климата"));
    connect(edit, &QLineEdit::textEdited, this, &CityPicker::Typed);
    connect(edit, &QLineEdit::returnPressed, this, &CityPicker::EnterPressed);
    connect(list_, &PickList::Chosen, this, &CityPicker::ChooseNamed);
}

// An emptied field leaves the project without a city; a text that no
// offered city starts with can never become one and is refused at once.
void CityPicker::Typed(const QString& text) {
    // The mark goes with the text it was for (every change of the text goes
    // through here, Choose or ShowOpenedCity).
    form_->Marks().Clear(form_->CityEdit);
    ShowLine(Line::Hint);
    std::vector<PickList::Entry> entries;
    if (text.trimmed().isEmpty()) {
        recognised_.clear();
    } else {
        for (const City* city : CitiesStartingWith(text.toStdString())) entries.push_back(EntryOf(*city));
    }
    list_->Show(entries);
    if (!text.trimmed().isEmpty() && entries.empty()) ChooseNamed(text);
}

// Enter on the list is the list's choice; on the field alone, the name typed.
void CityPicker::EnterPressed() {
    if (!list_->IsShown()) ChooseNamed(form_->CityEdit->text());
}

void CityPicker::ChooseNamed(const QString& name) {
    if (name.trimmed().isEmpty()) {
        ShowLine(Line::Hint);
        return;
    }
    try {
        Choose(CityNamed(name.toStdString()));
    } catch (const CalcError& e) {
        Refuse(Text(ErrorBoxText(e.what())));
    }
}

void CityPicker::Choose(const City& city) {
    list_->Hide();
    CityChoice choice;
    try {
        choice = ChooseCity(city);
    } catch (const CalcError& e) {
        Refuse(Text(ErrorBoxText(e.what())));
        return;
    }
    recognised_ = Text(city.name);
    form_->Marks().Clear(form_->CityEdit);
    form_->CityEdit->setText(recognised_);
    form_->RunHandler([this, &choice] {
        for (const CityInput& input : kCityInputs)
            form_->AssignInputText(ControlOfKey(input.key), Text(choice.*input.text));
    });
    ShowLine(Line::Source, Text(CitySourceLabel(city)));
}

void CityPicker::ShowOpenedCity(const QString& name) {
    form_->Marks().Clear(form_->CityEdit);
    form_->CityEdit->setText(name);
    recognised_.clear();
    if (name.trimmed().isEmpty()) return;
    if (FindCity(name.toStdString()) == nullptr) {
        // A city of another user's own table, or one typed by hand: the
        // project carries its figures, so it stands as the file names it.
        recognised_ = name;
        ShowLine(Line::Source,
                 QStringLiteral("Город «%1» — не из таблицы климата и не из ваших городов: широта, tн.ср и Aтн — "
                                "как в проекте")
                     .arg(name.trimmed()));
        return;
    }
    try {
        const City& city = CityNamed(name.toStdString());
        ChooseCity(city);
        recognised_ = Text(city.name);
        ShowLine(Line::Source, Text(CitySourceLabel(city)));
    } catch (const CalcError& e) {
        Refuse(Text(ErrorBoxText(e.what())));
    }
}

bool CityPicker::MarkUnchosen() {
    const QString text = form_->CityEdit->text();
    if (text.trimmed().isEmpty() || SameCity(text, recognised_)) return false;
    if (!FieldMarks::RefusalOf(form_->CityEdit).isEmpty()) return true;
    Refuse(QStringLiteral("Город «%1» не выбран: выберите его из списка или нажмите Enter, чтобы заполнить широту, "
                          "tн.ср и Aтн; %2")
               .arg(text.trimmed(), recognised_.isEmpty()
                                        ? QStringLiteral("в проекте город не указан")
                                        : QStringLiteral("в проекте остаётся город «%1»").arg(recognised_)));
    return true;
}

void CityPicker::Refuse(const QString& refusal) {
    ShowLine(Line::Refusal, refusal);
    form_->Marks().Mark(form_->CityEdit, refusal);
}

void CityPicker::ShowLine(Line kind, const QString& text) {
    QLabel* line = form_->CityLine;
    line->setText(kind == Line::Hint ? kHint : text);
    FormStyle::SetTextColour(line, kind == Line::Refusal ? FormStyle::kMaroon : FormStyle::kNavy);
    line->setAccessibleName(kFieldName + QStringLiteral(": ") + line->text());
}
