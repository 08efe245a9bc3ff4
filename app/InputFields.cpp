#include "InputFields.h"

#include <stdexcept>

namespace {

// m²·°C/W as a fraction: "м  * °С" over "Вт", the 2 as an exponent.
constexpr std::string_view kResistanceUnit =
    "<table cellspacing=0 cellpadding=0><tr><td align=center style=\"border-bottom: 1px solid #800000\">"
    "м<sup>2</sup> * °С</td></tr><tr><td align=center>Вт</td></tr></table>";

}  // namespace

// clang-format off
// Rows of the input page. The symbol and unit columns are rich text (sub- and
// superscripts); the Greek letters are the Unicode ones.
const std::array<InputField, kInputFieldCount> kInputFields{{
    // control    member           group                  row col label                                                                 symbol                          unit             computed description
    {"Edit1",     &TForm1::Edit1,  InputGroup::Window,    0,  0, "Высота окна :",                                                       "Н=",                           "м ",            false, "Высота окна H, м"},
    {"Edit2",     &TForm1::Edit2,  InputGroup::Window,    1,  0, "Ширина окна :",                                                       "В=",                           "м",             false, "Ширина окна B, м"},
    {"Edit8",     &TForm1::Edit8,  InputGroup::Window,    2,  0, "Длина горизонт. эл-тов затенения:",                                   "L<sub>г</sub>=",               "м",             false, "Длина горизонтальных элементов затенения Lг, м"},
    {"Edit9",     &TForm1::Edit9,  InputGroup::Window,    3,  0, "Длина вертик. эл-тов затенения :",                                    "L<sub>в</sub>=",               "м",             false, "Длина вертикальных элементов затенения Lв, м"},
    {"Edit10",    &TForm1::Edit10, InputGroup::Window,    4,  0, "Расстояние от горизонтального :",                                     "а=",                           "м",             false, "Расстояние от горизонтального элемента затенения до откоса а, м"},
    {"Edit11",    &TForm1::Edit11, InputGroup::Window,    5,  0, "и  вертикального :",                                                  "с=",                           "м",             false, "Расстояние от вертикального элемента затенения до откоса с, м"},
    {"Edit3",     &TForm1::Edit3,  InputGroup::Window,    7,  0, "Количество однотипных одинаково направленых окон :",                  "",                             "шт.",           false, "Количество однотипных окон n, шт."},
    {"Edit17",    &TForm1::Edit17, InputGroup::Window,    8,  0, "Площадь световых проёмов :",                                          "F<sub>п</sub> =",              "м<sup>2</sup>", false, "Площадь световых проёмов Fп, м²"},
    {"Edit19",    &TForm1::Edit19, InputGroup::Window,    9,  0, "Угол отклонения пл-ти остекления от вертикальной пл-ти :",            "β' =",                         "°",             false, "Угол отклонения остекления от вертикали β', градусы"},
    {"Edit14",    &TForm1::Edit14, InputGroup::Window,    10, 0, "Приведённый коэф. поглощения солнечной радиации :",                   "ρ<sub>п</sub> =",              "",              false, "Приведённый коэффициент поглощения солнечной радиации ρп"},
    {"Edit15",    &TForm1::Edit15, InputGroup::Window,    11, 0, "Сопротивление теплопередаче заполнения\nсветового проёма :",          "R<sub>п</sub> =",              kResistanceUnit, false, "Сопротивление теплопередаче заполнения светового проёма Rп, м²·°С/Вт"},
    {"Edit16",    &TForm1::Edit16, InputGroup::Window,    12, 0, "Коэф.затенения светового проёма переплётами :",                       "τ<sub>2</sub> =",              "",              false, "Коэффициент затенения светового проёма переплётами τ2"},
    {"Edit13",    &TForm1::Edit13, InputGroup::Window,    13, 0, "Коэф. относ. проникания солн. радиации :",                            "К<sub>отн</sub> =",            "",              false, "Коэффициент относительного проникания солнечной радиации Котн"},

    {"ComboBox1", nullptr,         InputGroup::Site,      0,  0, "Северная широта района :",                                            "",                             "°",             false, "Северная широта района, градусы"},
    {"Edit7",     &TForm1::Edit7,  InputGroup::Site,      1,  0, "Средняя температура наружного воздуха :",                             "t<sub>н.ср</sub> =",           "°С",            false, "Средняя температура наружного воздуха tн.ср, °С"},
    {"Edit6",     &TForm1::Edit6,  InputGroup::Site,      2,  0, "Температура внутреннего воздуха :",                                   "t<sub>в</sub> =",              "°С",            false, "Температура внутреннего воздуха tв, °С"},
    {"Edit5",     &TForm1::Edit5,  InputGroup::Site,      3,  0, "Скорость ветра :",                                                    "V =",                          "м/с",           false, "Скорость ветра V, м/с"},
    {"Edit12",    &TForm1::Edit12, InputGroup::Site,      4,  0, "Суточная амплитуда температуры нар. в-ха:",                           "А<sub>tн</sub> =",             "°С",            false, "Суточная амплитуда температуры наружного воздуха Аtн, °С"},
    {"Edit18",    &TForm1::Edit18, InputGroup::Site,      5,  0, "Коэффициент  теплоотдачи \nнаружной поверхностью окна :  ",           "α<sup>в </sup><sub>н =</sub>", "",              false, "Коэффициент теплоотдачи наружной поверхности вертикального окна αн, Вт/(м²·°С)"},
    {"Edit42",    &TForm1::Edit42, InputGroup::Site,      5,  1, "",                                                                    "α<sup>г</sup><sub>н =</sub>",  "",              false, "Коэффициент теплоотдачи наружной поверхности горизонтального окна и покрытия αн, Вт/(м²·°С)"},

    {"Edit4",     &TForm1::Edit4,  InputGroup::Wall,      0,  0, "Площадь стены :",                                                     "F=",                           "",              false, "Площадь стены F, м²"},
    {"Edit33",    &TForm1::Edit33, InputGroup::Wall,      4,  0, "Количество слоёв в стене :",                                          "",                             "",              false, "Количество слоёв в стене"},
    {"Edit20",    &TForm1::Edit20, InputGroup::Wall,      1,  0, "Коэффициент теплопередачи :",                                         "К=",                           "",              true,  "Коэффициент теплопередачи стены К, Вт/(м²·°С)"},
    {"Edit39",    &TForm1::Edit39, InputGroup::Wall,      4,  1, "",                                                                    "R<sub>в.пр.</sub>=",           "",              false, "Сопротивление Rв.пр. (в расчёте не участвует)"},
    {"Edit21",    &TForm1::Edit21, InputGroup::Wall,      2,  0, "Коэффициент сопротивления \nтеплопередаче :",                         "R=",                           "",              true,  "Сопротивление теплопередаче стены R0, м²·°С/Вт"},
    {"Edit22",    &TForm1::Edit22, InputGroup::Wall,      3,  0, "Коэффициент  поглощения солнечной \nрадиации поверхностью стены:",    "ρ<sub>ст</sub>=",              "",              false, "Коэффициент поглощения солнечной радиации поверхностью стены ρст"},
    {"Edit27",    &TForm1::Edit27, InputGroup::WallLayer, 0,  0, "",                                                                    "",                             "",              false, "Номер слоя стены"},
    {"Edit29",    &TForm1::Edit29, InputGroup::WallLayer, 0,  0, "",                                                                    "",                             "",              false, "Материал слоя стены"},
    {"Edit30",    &TForm1::Edit30, InputGroup::WallLayer, 0,  0, "",                                                                    "",                             "",              false, "Коэффициент теплоусвоения материала слоя стены s, Вт/(м²·°С)"},
    {"Edit31",    &TForm1::Edit31, InputGroup::WallLayer, 0,  0, "",                                                                    "",                             "",              false, "Коэффициент теплопроводности слоя стены λ, Вт/(м·°С)"},
    {"Edit32",    &TForm1::Edit32, InputGroup::WallLayer, 0,  0, "",                                                                    "",                             "",              false, "Толщина слоя стены δ, м"},

    {"Edit23",    &TForm1::Edit23, InputGroup::Roof,      0,  0, "Площадь покрытия :",                                                  "F=",                           "",              false, "Площадь покрытия F, м²"},
    {"Edit34",    &TForm1::Edit34, InputGroup::Roof,      4,  0, "Количество слоёв в покрытии :",                                       "",                             "",              false, "Количество слоёв в покрытии"},
    {"Edit24",    &TForm1::Edit24, InputGroup::Roof,      1,  0, "Коэффициент теплопередачи :",                                         "К<sub>покр</sub>=",            "",              true,  "Коэффициент теплопередачи покрытия К, Вт/(м²·°С)"},
    {"Edit40",    &TForm1::Edit40, InputGroup::Roof,      5,  0, "Температура  воздуха под\nпокрытием :",                               "t <sub>покр</sub>=",           "",              false, "Температура воздуха под покрытием tпокр, °С"},
    {"Edit25",    &TForm1::Edit25, InputGroup::Roof,      2,  0, "Коэффициент сопротивления \nтеплопередаче :",                         "R<sub>покр</sub>=",            "",              true,  "Сопротивление теплопередаче покрытия R0, м²·°С/Вт"},
    {"Edit41",    &TForm1::Edit41, InputGroup::Roof,      6,  0, "Коэффициент теплоотдачи\nнаружной поверхностью\nпокрытия :",          "α<sup>г</sup><sub>н =</sub>",  "",              false, "Коэффициент теплоотдачи наружной поверхности покрытия αн, Вт/(м²·°С) (только показ)"},
    {"Edit26",    &TForm1::Edit26, InputGroup::Roof,      3,  0, "Коэффициент  поглощения  солнечной\nрадиации поверхностью покрытия:", "ρ<sub>п</sub>=",               "",              false, "Коэффициент поглощения солнечной радиации поверхностью покрытия ρп"},
    {"Edit28",    &TForm1::Edit28, InputGroup::RoofLayer, 0,  0, "",                                                                    "",                             "",              false, "Номер слоя покрытия"},
    {"Edit35",    &TForm1::Edit35, InputGroup::RoofLayer, 0,  0, "",                                                                    "",                             "",              false, "Материал слоя покрытия"},
    {"Edit36",    &TForm1::Edit36, InputGroup::RoofLayer, 0,  0, "",                                                                    "",                             "",              false, "Коэффициент теплоусвоения материала слоя покрытия s, Вт/(м²·°С)"},
    {"Edit37",    &TForm1::Edit37, InputGroup::RoofLayer, 0,  0, "",                                                                    "",                             "",              false, "Коэффициент теплопроводности слоя покрытия λ, Вт/(м·°С)"},
    {"Edit38",    &TForm1::Edit38, InputGroup::RoofLayer, 0,  0, "",                                                                    "",                             "",              false, "Толщина слоя покрытия δ, м"},
}};

// Orientation check boxes of the windows and of the walls, orientation order
// С, СВ, В, ЮВ, Ю, ЮЗ, З, СЗ.
const std::array<OrientationBox, 8> kOrientationBoxes{{
    // orientation  window               wall                  window name    wall name      caption
    {1,             &TForm1::CheckBox4,  &TForm1::CheckBox12,  "CheckBox4",   "CheckBox12",  "   C"},
    {2,             &TForm1::CheckBox5,  &TForm1::CheckBox13,  "CheckBox5",   "CheckBox13",  "  CВ"},
    {3,             &TForm1::CheckBox6,  &TForm1::CheckBox14,  "CheckBox6",   "CheckBox14",  "   В"},
    {4,             &TForm1::CheckBox7,  &TForm1::CheckBox15,  "CheckBox7",   "CheckBox15",  "  ЮВ"},
    {5,             &TForm1::CheckBox8,  &TForm1::CheckBox16,  "CheckBox8",   "CheckBox16",  "   Ю"},
    {6,             &TForm1::CheckBox9,  &TForm1::CheckBox17,  "CheckBox9",   "CheckBox17",  "  ЮЗ"},
    {7,             &TForm1::CheckBox10, &TForm1::CheckBox18,  "CheckBox10",  "CheckBox18",  "   З"},
    {8,             &TForm1::CheckBox11, &TForm1::CheckBox19,  "CheckBox11",  "CheckBox19",  "  СЗ"},
}};
// clang-format on

const InputField& InputFieldOf(std::string_view control) {
    for (const InputField& field : kInputFields) {
        if (field.control == control) return field;
    }
    throw std::out_of_range("unknown input control");
}
