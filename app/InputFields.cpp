#include "InputFields.h"

#include <stdexcept>

// clang-format off
// Rows of the input page. The symbol column is rich text (sub- and
// superscripts); the Greek letters are the Unicode ones. Each field's unit
// is the one of its row in the input table.
const std::array<InputField, kInputFieldCount> kInputFields{{
    // control   key                        member           row col label                                                                  symbol                          computed
    {"Edit1",     "WindowHeight",            &TForm1::Edit1,  0,  0,  "Высота окна :",                                                       "Н=",                           false},
    {"Edit2",     "WindowWidth",             &TForm1::Edit2,  1,  0,  "Ширина окна :",                                                       "В=",                           false},
    {"Edit8",     "ShadeHorizLength",        &TForm1::Edit8,  2,  0,  "Длина горизонт. эл-тов затенения:",                                   "L<sub>г</sub>=",               false},
    {"Edit9",     "ShadeVertLength",         &TForm1::Edit9,  3,  0,  "Длина вертик. эл-тов затенения :",                                    "L<sub>в</sub>=",               false},
    {"Edit10",    "ShadeHorizOffset",        &TForm1::Edit10, 4,  0,  "Расстояние от горизонтального :",                                     "а=",                           false},
    {"Edit11",    "ShadeVertOffset",         &TForm1::Edit11, 5,  0,  "и  вертикального :",                                                  "с=",                           false},
    {"Edit3",     "WindowCount",             &TForm1::Edit3,  7,  0,  "Количество однотипных одинаково направленных окон :",                 "",                             false},
    {"Edit17",    "GlazingArea",             &TForm1::Edit17, 8,  0,  "Площадь световых проёмов :",                                          "F<sub>п</sub> =",              false},
    {"Edit19",    "GlazingTilt",             &TForm1::Edit19, 9,  0,  "Угол отклонения пл-ти остекления от вертикальной пл-ти :",            "β' =",                         false},
    {"Edit14",    "GlazingAbsorptance",      &TForm1::Edit14, 10, 0,  "Приведённый коэф. поглощения солнечной радиации :",                   "ρ<sub>п</sub> =",              false},
    {"Edit15",    "GlazingResistance",       &TForm1::Edit15, 11, 0,  "Сопротивление теплопередаче заполнения\nсветового проёма :",          "R<sub>п</sub> =",              false},
    {"Edit16",    "FrameShading",            &TForm1::Edit16, 12, 0,  "Коэф.затенения светового проёма переплётами :",                       "τ<sub>2</sub> =",              false},
    {"Edit13",    "RelativePenetration",     &TForm1::Edit13, 13, 0,  "Коэф. относ. проникания солн. радиации :",                            "К<sub>отн</sub> =",            false},

    {"ComboBox1", "Latitude",                nullptr,         0,  0,  "Северная широта района :",                                            "",                             false},
    {"Edit7",     "OutdoorMeanTemp",         &TForm1::Edit7,  1,  0,  "Средняя температура наружного воздуха :",                             "t<sub>н.ср</sub> =",           false},
    {"Edit6",     "IndoorTemp",              &TForm1::Edit6,  2,  0,  "Температура внутреннего воздуха :",                                   "t<sub>в</sub> =",              false},
    {"Edit5",     "WindSpeed",               &TForm1::Edit5,  3,  0,  "Скорость ветра :",                                                    "V =",                          false},
    {"Edit12",    "OutdoorAmplitude",        &TForm1::Edit12, 4,  0,  "Суточная амплитуда температуры нар. в-ха:",                           "А<sub>tн</sub> =",             false},
    {"Edit18",    "WindowOuterCoeff",        &TForm1::Edit18, 5,  0,  "Коэффициент  теплоотдачи \nнаружной поверхностью окна :  ",           "α<sup>в </sup><sub>н =</sub>", false},
    {"Edit42",    "EnvelopeOuterCoeff",      &TForm1::Edit42, 6,  0,  "",                                                                    "α<sup>г</sup><sub>н =</sub>",  false},

    {"Edit4",     "WallArea",                &TForm1::Edit4,  0,  0,  "Площадь стены :",                                                     "F=",                           false},
    {"Edit33",    "WallLayerCount",          &TForm1::Edit33, 4,  0,  "Количество слоёв в стене :",                                          "",                             false},
    {"Edit20",    "WallTransmittance",       &TForm1::Edit20, 1,  0,  "Коэффициент теплопередачи :",                                         "К=",                           true},
    {"Edit39",    "WallInnerResistance",     &TForm1::Edit39, 4,  1,  "",                                                                    "R<sub>в.пр.</sub>=",           false},
    {"Edit21",    "WallResistance",          &TForm1::Edit21, 2,  0,  "Коэффициент сопротивления \nтеплопередаче :",                         "R=",                           true},
    {"Edit22",    "WallAbsorptance",         &TForm1::Edit22, 3,  0,  "Коэффициент  поглощения солнечной \nрадиации поверхностью стены:",    "ρ<sub>ст</sub>=",              false},
    {"Edit27",    "WallLayerNumber",         &TForm1::Edit27, 0,  0,  "",                                                                    "",                             false},
    {"Edit29",    "WallLayerMaterial",       &TForm1::Edit29, 0,  0,  "",                                                                    "",                             false},
    {"Edit30",    "WallLayerHeatAbsorption", &TForm1::Edit30, 0,  0,  "",                                                                    "",                             false},
    {"Edit31",    "WallLayerConductivity",   &TForm1::Edit31, 0,  0,  "",                                                                    "",                             false},
    {"Edit32",    "WallLayerThickness",      &TForm1::Edit32, 0,  0,  "",                                                                    "",                             false},

    {"Edit23",    "RoofArea",                &TForm1::Edit23, 0,  0,  "Площадь покрытия :",                                                  "F=",                           false},
    {"Edit34",    "RoofLayerCount",          &TForm1::Edit34, 4,  0,  "Количество слоёв в покрытии :",                                       "",                             false},
    {"Edit24",    "RoofTransmittance",       &TForm1::Edit24, 1,  0,  "Коэффициент теплопередачи :",                                         "К<sub>покр</sub>=",            true},
    {"Edit40",    "UnderRoofTemp",           &TForm1::Edit40, 5,  0,  "Температура  воздуха под\nпокрытием :",                               "t <sub>покр</sub>=",           false},
    {"Edit25",    "RoofResistance",          &TForm1::Edit25, 2,  0,  "Коэффициент сопротивления \nтеплопередаче :",                         "R<sub>покр</sub>=",            true},
    {"Edit41",    "RoofOuterCoeff",          &TForm1::Edit41, 6,  0,  "Коэффициент теплоотдачи\nнаружной поверхностью\nпокрытия :",          "α<sup>г</sup><sub>н =</sub>",  true},
    {"Edit26",    "RoofAbsorptance",         &TForm1::Edit26, 3,  0,  "Коэффициент  поглощения  солнечной\nрадиации поверхностью покрытия:", "ρ<sub>п</sub>=",               false},
    {"Edit28",    "RoofLayerNumber",         &TForm1::Edit28, 0,  0,  "",                                                                    "",                             false},
    {"Edit35",    "RoofLayerMaterial",       &TForm1::Edit35, 0,  0,  "",                                                                    "",                             false},
    {"Edit36",    "RoofLayerHeatAbsorption", &TForm1::Edit36, 0,  0,  "",                                                                    "",                             false},
    {"Edit37",    "RoofLayerConductivity",   &TForm1::Edit37, 0,  0,  "",                                                                    "",                             false},
    {"Edit38",    "RoofLayerThickness",      &TForm1::Edit38, 0,  0,  "",                                                                    "",                             false},
}};

// Orientation check boxes of the windows and of the walls, orientation order
// С, СВ, В, ЮВ, Ю, ЮЗ, З, СЗ.
const std::array<OrientationBox, 8> kOrientationBoxes{{
    // orientation  window               wall                  window name    wall name      caption
    {1,             &TForm1::CheckBox4,  &TForm1::CheckBox12,  "CheckBox4",   "CheckBox12",  "C"},
    {2,             &TForm1::CheckBox5,  &TForm1::CheckBox13,  "CheckBox5",   "CheckBox13",  "CВ"},
    {3,             &TForm1::CheckBox6,  &TForm1::CheckBox14,  "CheckBox6",   "CheckBox14",  "В"},
    {4,             &TForm1::CheckBox7,  &TForm1::CheckBox15,  "CheckBox7",   "CheckBox15",  "ЮВ"},
    {5,             &TForm1::CheckBox8,  &TForm1::CheckBox16,  "CheckBox8",   "CheckBox16",  "Ю"},
    {6,             &TForm1::CheckBox9,  &TForm1::CheckBox17,  "CheckBox9",   "CheckBox17",  "ЮЗ"},
    {7,             &TForm1::CheckBox10, &TForm1::CheckBox18,  "CheckBox10",  "CheckBox18",  "З"},
    {8,             &TForm1::CheckBox11, &TForm1::CheckBox19,  "CheckBox11",  "CheckBox19",  "СЗ"},
}};
// clang-format on

namespace {

// The row whose `column` is `value`; nullptr when there is none.
const InputField* FindField(std::string_view InputField::*column, std::string_view value) {
    for (const InputField& field : kInputFields)
        if (field.*column == value) return &field;
    return nullptr;
}

}  // namespace

const InputField& InputFieldOf(std::string_view control) {
    if (const InputField* field = FindField(&InputField::control, control)) return *field;
    throw std::out_of_range("unknown input control");
}

const InputField& InputFieldOfKey(std::string_view key) {
    if (const InputField* field = FindField(&InputField::key, key)) return *field;
    throw std::out_of_range("unknown input");
}

std::string_view ControlOfKey(std::string_view key) {
    const InputField* field = FindField(&InputField::key, key);
    return field ? field->control : std::string_view();
}

std::string_view KeyOfControl(std::string_view control) {
    const InputField* field = FindField(&InputField::control, control);
    return field ? field->key : std::string_view();
}
