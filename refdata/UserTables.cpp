#include "UserTables.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <stdexcept>

#include "CalcError.h"
#include "QuotedText.h"
#include "RussianText.h"
#include "TableText.h"

namespace {

// clang-format off
constexpr UserColumn kMaterialColumns[] = {
    {"Название",  "Название",     false, true},
    {"ρ₀ кг/м³",  "Плотность ρ₀", false, false},
    {"λ А",       "λ, условия А", true,  true, kConductivityLow, kConductivityHigh},
    {"λ Б",       "λ, условия Б", true,  true, kConductivityLow, kConductivityHigh},
    {"s А",       "s, условия А", true,  true, kAbsorptionLow,   kAbsorptionHigh},
    {"s Б",       "s, условия Б", true,  true, kAbsorptionLow,   kAbsorptionHigh},
    {"Источник",  "Источник",     false, false},
};
// The latitude is checked against 40–60° as choosing the city checks it.
constexpr UserColumn kCityColumns[] = {
    {"Название",  "Название",     false, true},
    {"Широта",    "Широта",       true,  true, 0,             90},
    {"tн.ср",     "tн.ср",        true,  true, kJulyMeanLow,  kJulyMeanHigh},
    {"Aтн",       "Aтн",          true,  true, kAmplitudeLow, kAmplitudeHigh},
    {"Источник",  "Источник",     false, false},
};
// clang-format on

// Where each figure of a row goes, in the order of the columns.
constexpr std::string MaterialRow::*kMaterialFields[] = {
    &MaterialRow::name,          &MaterialRow::density,     &MaterialRow::conductivityA,
    &MaterialRow::conductivityB, &MaterialRow::absorptionA, &MaterialRow::absorptionB,
};
constexpr std::string City::*kCityFields[] = {&City::name, &City::latitude, &City::julyMean, &City::dailyAmplitude,
                                              &City::source};
static_assert(std::size(kMaterialFields) + 1 == std::size(kMaterialColumns));
static_assert(std::size(kCityFields) == std::size(kCityColumns));

std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// The figure as kept: "," read as "."; a CalcError naming the field otherwise.
std::string CheckedFigure(const UserColumn& column, std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    if (!IsDecimalText(text, true))
        throw CalcError(std::string(column.field) + ": " + QuotedText(text) + " — не число");
    const double value = DecimalValue(text);
    if (value < column.low || value > column.high) {
        throw CalcError(std::string(column.field) + ": " + text + " вне пределов " + Number(column.low) + " … " +
                        Number(column.high));
    }
    return text;
}

MaterialRow MaterialRowOf(const UserRow& row) {
    MaterialRow material;
    for (std::size_t i = 0; i < std::size(kMaterialFields); ++i) material.*kMaterialFields[i] = row[i];
    material.writtenName = material.name;
    material.offered = true;
    return material;
}

City CityOf(const UserRow& row) {
    City city;
    for (std::size_t i = 0; i < std::size(kCityFields); ++i) city.*kCityFields[i] = row[i];
    city.own = true;
    return city;
}

// The name a row is told apart by: the material's label, the city's name.
std::u32string RowKey(UserTableKind kind, const UserRow& row) {
    return FoldedName(kind == UserTableKind::Materials ? MaterialLabel(MaterialRowOf(row)) : row.front());
}

// The checks of a whole row beyond its fields: not a row of the reference
// tables, and a city the method covers.
void CheckRowAsWhole(UserTableKind kind, const UserRow& row) {
    const std::string& name = row.front();
    if (kind == UserTableKind::Materials) {
        const std::string label = MaterialLabel(MaterialRowOf(row));
        if (TableMaterialLabelled(label) != nullptr) {
            throw CalcError("Название: " + QuotedText(label) +
                            " уже есть в таблице материалов; дайте своему материалу другое название");
        }
        return;
    }
    if (FindTableCity(name) != nullptr) {
        throw CalcError("Название: город " + QuotedText(name) +
                        " уже есть в таблице климата; дайте своему городу другое название");
    }
    try {
        ChooseCity(CityOf(row));
    } catch (const CalcError& e) {
        throw CalcError("Широта: " + std::string(e.what()));
    }
}

bool NeedsQuotes(std::string_view text) {
    return text.find_first_of(",;\"\n\r") != std::string_view::npos || Trimmed(text).size() != text.size();
}

std::string CsvText(std::string_view text) {
    if (!NeedsQuotes(text)) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// For each column, where the header puts it (npos when the header leaves it out).
std::vector<std::size_t> ColumnPlaces(UserTableKind kind, const std::vector<std::string>& header) {
    const std::span<const UserColumn> columns = UserColumns(kind);
    std::vector<std::size_t> places(columns.size(), std::string::npos);
    for (std::size_t at = 0; at < header.size(); ++at) {
        const std::u32string folded = FoldedName(Trimmed(header[at]));
        const auto column = std::find_if(columns.begin(), columns.end(),
                                         [&](const UserColumn& c) { return FoldedName(c.header) == folded; });
        if (column == columns.end()) {
            throw CalcError("столбец " + QuotedText(Trimmed(header[at])) + " не из таблицы " +
                            QuotedText(UserTableTitle(kind)));
        }
        const auto index = static_cast<std::size_t>(column - columns.begin());
        if (places[index] != std::string::npos) throw CalcError("столбец " + QuotedText(column->header) + " дважды");
        places[index] = at;
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].required && places[i] == std::string::npos) {
            throw CalcError("нет столбца " + QuotedText(columns[i].header));
        }
    }
    return places;
}

}  // namespace

std::span<const UserColumn> UserColumns(UserTableKind kind) {
    if (kind == UserTableKind::Materials) return kMaterialColumns;
    return kCityColumns;
}

std::string_view UserTableTitle(UserTableKind kind) {
    return kind == UserTableKind::Materials ? "Мои материалы" : "Мои города";
}

std::string_view UserTableFileName(UserTableKind kind) {
    return kind == UserTableKind::Materials ? "materials.csv" : "cities.csv";
}

UserRow CheckedUserRow(UserTableKind kind, const UserRow& row) {
    const std::span<const UserColumn> columns = UserColumns(kind);
    UserRow kept(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string text(i < row.size() ? Trimmed(row[i]) : std::string_view());
        if (text.empty()) {
            if (columns[i].required) throw CalcError(std::string(columns[i].field) + ": не заполнено");
            continue;
        }
        kept[i] = columns[i].figure ? CheckedFigure(columns[i], text) : text;
    }
    CheckRowAsWhole(kind, kept);
    return kept;
}

UserTable CheckedUserTable(const UserTable& table) {
    UserTable checked{table.kind, {}};
    std::map<std::u32string, std::size_t> rowOfName;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const std::string where = "Строка " + std::to_string(i + 1) + ": ";
        try {
            checked.rows.push_back(CheckedUserRow(table.kind, table.rows[i]));
        } catch (const CalcError& e) {
            throw CalcError(where + e.what());
        }
        const auto [at, added] = rowOfName.emplace(RowKey(table.kind, checked.rows.back()), i + 1);
        if (!added) {
            throw CalcError(where + "Название: " + QuotedText(checked.rows.back().front()) + " уже есть в строке " +
                            std::to_string(at->second));
        }
    }
    return checked;
}

std::string UserTableCsv(const UserTable& table) {
    std::string text;
    for (const UserColumn& column : UserColumns(table.kind)) text += (text.empty() ? "" : ",") + CsvText(column.header);
    text += '\n';
    for (const UserRow& row : table.rows) {
        for (std::size_t i = 0; i < row.size(); ++i) text += (i == 0 ? "" : ",") + CsvText(row[i]);
        text += '\n';
    }
    return text;
}

UserTable ParseUserTableCsv(UserTableKind kind, std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // the byte-order mark spreadsheets write
    UserTable table{kind, {}};
    std::vector<std::size_t> places;
    char separator = ',';
    std::map<std::u32string, int> lineOfName;
    int number = 0;
    for (const std::string_view line : TextLines(text)) {
        ++number;
        if (Trimmed(line).empty()) continue;
        try {
            if (places.empty()) {
                if (line.find(';') != std::string_view::npos) separator = ';';
                places = ColumnPlaces(kind, CsvFields(line, separator));
                continue;
            }
            const std::vector<std::string> fields = CsvFields(line, separator);
            const auto used = static_cast<std::size_t>(
                std::ranges::count_if(places, [](std::size_t p) { return p != std::string::npos; }));
            if (fields.size() > used) throw CalcError("полей больше, чем столбцов в заголовке");
            UserRow row(places.size());
            for (std::size_t i = 0; i < places.size(); ++i) {
                if (places[i] < fields.size()) row[i] = fields[places[i]];
            }
            table.rows.push_back(CheckedUserRow(kind, row));
            const auto [at, added] = lineOfName.emplace(RowKey(kind, table.rows.back()), number);
            if (!added) {
                throw CalcError("Название: " + QuotedText(table.rows.back().front()) + " уже есть в строке " +
                                std::to_string(at->second));
            }
        } catch (const std::runtime_error& e) {
            throw CalcError("Строка " + std::to_string(number) + ": " + e.what());
        }
    }
    if (places.empty()) throw CalcError("Нет строки заголовка с названиями столбцов");
    return table;
}

UserTable WithImportedRows(const UserTable& table, const UserTable& imported) {
    UserTable merged = table;
    for (const UserRow& row : imported.rows) {
        const std::u32string key = RowKey(table.kind, row);
        const auto same = std::find_if(merged.rows.begin(), merged.rows.end(),
                                       [&](const UserRow& r) { return RowKey(table.kind, r) == key; });
        if (same != merged.rows.end()) {
            *same = row;
        } else {
            merged.rows.push_back(row);
        }
    }
    return CheckedUserTable(merged);
}

void UseUserTable(const UserTable& table) {
    if (table.kind == UserTableKind::Materials) {
        std::vector<OwnMaterial> materials;
        for (const UserRow& row : table.rows) materials.push_back({MaterialRowOf(row), row.back()});
        SetOwnMaterials(std::move(materials));
    } else {
        std::vector<City> cities;
        for (const UserRow& row : table.rows) cities.push_back(CityOf(row));
        SetOwnCities(std::move(cities));
    }
}

UserTable UsedUserTable(UserTableKind kind) {
    UserTable table{kind, {}};
    if (kind == UserTableKind::Materials) {
        for (const OwnMaterial& own : OwnMaterials()) {
            UserRow& row = table.rows.emplace_back();
            for (const auto field : kMaterialFields) row.push_back(own.row.*field);
            row.push_back(own.source);
        }
    } else {
        for (const City& city : OwnCities()) {
            UserRow& row = table.rows.emplace_back();
            for (const auto field : kCityFields) row.push_back(city.*field);
        }
    }
    return table;
}

UserRow UserRowCopying(UserTableKind kind, std::string_view name) {
    UserRow row;
    if (kind == UserTableKind::Materials) {
        const MaterialRow* material = TableMaterialLabelled(name);
        if (material == nullptr) return row;
        for (const auto field : kMaterialFields) row.push_back(material->*field);
        for (const MaterialTable& table : MaterialTables()) {
            if (!table.rows.empty() && &table.rows.front() <= material && material <= &table.rows.back())
                row.push_back(table.source);
        }
    } else {
        const City* city = FindTableCity(name);
        if (city == nullptr) return row;
        for (const auto field : kCityFields) row.push_back(city->*field);
        row.back() = CitySourceLabel(*city);
    }
    row.resize(UserColumns(kind).size());
    row.front() += " (копия)";
    return row;
}
