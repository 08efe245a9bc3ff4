#include "InputDescriptions.h"

#include <stdexcept>

namespace {

using S = InputSection;

constexpr std::string_view kTransmittanceUnit = "Вт/(м²·°С)";
constexpr std::string_view kResistanceUnit = "м²·°С/Вт";

// clang-format off
constexpr std::array<InputDescription, kInputControlCount> kDescriptions{{
    // control     section       name                                                                          symbol    unit                note
    {"Edit1",     S::Window,    "Высота окна",                                                                "H",      "м",                ""},
    {"Edit2",     S::Window,    "Ширина окна",                                                                "B",      "м",                ""},
    {"Edit8",     S::Window,    "Длина горизонтальных элементов затенения",                                   "Lг",     "м",                ""},
    {"Edit9",     S::Window,    "Длина вертикальных элементов затенения",                                     "Lв",     "м",                ""},
    {"Edit10",    S::Window,    "Расстояние от горизонтального элемента затенения до откоса",                 "а",      "м",                ""},
    {"Edit11",    S::Window,    "Расстояние от вертикального элемента затенения до откоса",                   "с",      "м",                ""},
    {"Edit3",     S::Window,    "Количество однотипных окон",                                                 "n",      "шт.",              ""},
    {"Edit17",    S::Window,    "Площадь световых проёмов",                                                   "Fп",     "м²",               ""},
    {"Edit19",    S::Window,    "Угол отклонения остекления от вертикали",                                    "β'",     "°",                ""},
    {"Edit14",    S::Window,    "Приведённый коэффициент поглощения солнечной радиации",                      "ρп",     "",                 ""},
    {"Edit15",    S::Window,    "Сопротивление теплопередаче заполнения светового проёма",                    "Rп",     kResistanceUnit,    ""},
    {"Edit16",    S::Window,    "Коэффициент затенения светового проёма переплётами",                         "τ₂",     "",                 ""},
    {"Edit13",    S::Window,    "Коэффициент относительного проникания солнечной радиации",                   "Котн",   "",                 ""},

    {"ComboBox1", S::Site,      "Северная широта района",                                                     "φ",      "°",                ""},
    {"Edit7",     S::Site,      "Средняя температура наружного воздуха",                                      "tн.ср",  "°С",               ""},
    {"Edit6",     S::Site,      "Температура внутреннего воздуха",                                            "tв",     "°С",               ""},
    {"Edit5",     S::Site,      "Скорость ветра",                                                             "V",      "м/с",              ""},
    {"Edit12",    S::Site,      "Суточная амплитуда температуры наружного воздуха",                           "Аtн",    "°С",               ""},
    {"Edit18",    S::Site,      "Коэффициент теплоотдачи наружной поверхности вертикального окна",            "αн",     kTransmittanceUnit, ""},
    {"Edit42",    S::Site,      "Коэффициент теплоотдачи наружной поверхности горизонтального окна и покрытия", "αн",   kTransmittanceUnit, ""},

    {"Edit4",     S::Wall,      "Площадь стены",                                                              "F",      "м²",               ""},
    {"Edit20",    S::Wall,      "Коэффициент теплопередачи стены",                                            "К",      kTransmittanceUnit, ""},
    {"Edit21",    S::Wall,      "Сопротивление теплопередаче стены",                                          "R₀",     kResistanceUnit,    ""},
    {"Edit22",    S::Wall,      "Коэффициент поглощения солнечной радиации поверхностью стены",               "ρст",    "",                 ""},
    {"Edit33",    S::Wall,      "Количество слоёв в стене",                                                   "",       "",                 ""},
    {"Edit39",    S::Wall,      "Сопротивление",                                                              "Rв.пр.", "",                 "в расчёте не участвует"},
    {"Edit27",    S::WallLayer, "Номер слоя стены",                                                           "",       "",                 ""},
    {"Edit29",    S::WallLayer, "Материал слоя стены",                                                        "",       "",                 ""},
    {"Edit30",    S::WallLayer, "Коэффициент теплоусвоения материала слоя стены",                             "s",      kTransmittanceUnit, ""},
    {"Edit31",    S::WallLayer, "Коэффициент теплопроводности слоя стены",                                    "λ",      "Вт/(м·°С)",        ""},
    {"Edit32",    S::WallLayer, "Толщина слоя стены",                                                         "δ",      "м",                ""},

    {"Edit23",    S::Roof,      "Площадь покрытия",                                                           "F",      "м²",               ""},
    {"Edit24",    S::Roof,      "Коэффициент теплопередачи покрытия",                                         "К",      kTransmittanceUnit, ""},
    {"Edit25",    S::Roof,      "Сопротивление теплопередаче покрытия",                                       "R₀",     kResistanceUnit,    ""},
    {"Edit26",    S::Roof,      "Коэффициент поглощения солнечной радиации поверхностью покрытия",            "ρп",     "",                 ""},
    {"Edit34",    S::Roof,      "Количество слоёв в покрытии",                                                "",       "",                 ""},
    {"Edit40",    S::Roof,      "Температура воздуха под покрытием",                                          "tпокр",  "°С",               ""},
    {"Edit41",    S::Roof,      "Коэффициент теплоотдачи наружной поверхности покрытия",                      "αн",     kTransmittanceUnit, "только показ"},
    {"Edit28",    S::RoofLayer, "Номер слоя покрытия",                                                        "",       "",                 ""},
    {"Edit35",    S::RoofLayer, "Материал слоя покрытия",                                                     "",       "",                 ""},
    {"Edit36",    S::RoofLayer, "Коэффициент теплоусвоения материала слоя покрытия",                          "s",      kTransmittanceUnit, ""},
    {"Edit37",    S::RoofLayer, "Коэффициент теплопроводности слоя покрытия",                                 "λ",      "Вт/(м·°С)",        ""},
    {"Edit38",    S::RoofLayer, "Толщина слоя покрытия",                                                      "δ",      "м",                ""},
}};
// clang-format on

}  // namespace

std::string InputDescription::Text() const {
    std::string text(name);
    if (!symbol.empty()) (text += ' ') += symbol;
    if (!unit.empty()) (text += ", ") += unit;
    if (!note.empty()) ((text += " (") += note) += ')';
    return text;
}

const std::array<InputDescription, kInputControlCount>& InputDescriptions() { return kDescriptions; }

const InputDescription& InputDescriptionOf(std::string_view control) {
    for (const InputDescription& d : kDescriptions)
        if (d.control == control) return d;
    throw std::out_of_range("unknown input control " + std::string(control));
}
