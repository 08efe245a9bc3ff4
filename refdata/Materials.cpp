#include "Materials.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

#include "EmbeddedTables.h"
#include "RussianText.h"
#include "TableText.h"

namespace {

constexpr std::string_view kTableName = "materials.txt";

// The cells of a "row" line, in their order.
// clang-format off
constexpr std::string MaterialRow::*kCells[] = {
    &MaterialRow::number,        &MaterialRow::writtenName,     &MaterialRow::density,
    &MaterialRow::heatCapacity,  &MaterialRow::dryConductivity, &MaterialRow::moisture,
    &MaterialRow::conductivityA, &MaterialRow::conductivityB,   &MaterialRow::absorptionA,
    &MaterialRow::absorptionB,   &MaterialRow::vapourPermeability,
};
// clang-format on
constexpr std::size_t kRowCells = std::size(kCells) + 2;  // and "offered", "remark"

// Figures written as plain decimals, with the plausible range of each.
struct Figure {
    std::string MaterialRow::*field;
    std::string_view what;
    double low;
    double high;
};
// clang-format off
constexpr Figure kFigures[] = {
    {&MaterialRow::heatCapacity,       "c0",      0.1, 5},
    {&MaterialRow::dryConductivity,    "λ0",     0.01, 5},
    {&MaterialRow::conductivityA,      "λ А",   kConductivityLow, kConductivityHigh},
    {&MaterialRow::conductivityB,      "λ Б",   kConductivityLow, kConductivityHigh},
    {&MaterialRow::absorptionA,        "s А",   kAbsorptionLow,   kAbsorptionHigh},
    {&MaterialRow::absorptionB,        "s Б",   kAbsorptionLow,   kAbsorptionHigh},
    {&MaterialRow::vapourPermeability, "μ",     0.001, 1},
};
// clang-format on

bool IsSame(std::string_view name) { return name == "то же" || name == "То же"; }

MaterialRow ReadRow(std::string_view cellsText, const MaterialTable& table) {
    const std::vector<std::string> cells = PipeCells(cellsText);
    if (cells.size() != kRowCells) {
        throw std::runtime_error(std::to_string(cells.size()) + " cells where a row has " + std::to_string(kRowCells));
    }
    MaterialRow row;
    for (std::size_t i = 0; i < std::size(kCells); ++i) row.*kCells[i] = cells[i];
    if (IsSame(row.writtenName)) {
        if (table.rows.empty()) throw std::runtime_error("\"то же\" with no row above");
        row.name = table.rows.back().name;
    } else {
        row.name = row.writtenName;
    }
    if (row.name.empty()) throw std::runtime_error("no material name");
    for (const Figure& f : kFigures) {
        if (!(row.*f.field).empty()) CheckFigure(f.what, row.*f.field, f.low, f.high);
    }
    const std::string& offered = cells[std::size(kCells)];
    if (offered != "да" && offered != "нет") throw std::runtime_error("offered must be да or нет");
    row.offered = offered == "да";
    if (row.offered && (row.conductivityA.empty() || row.conductivityB.empty() || row.absorptionA.empty() ||
                        row.absorptionB.empty())) {
        throw std::runtime_error("an offered row needs λ and s for both conditions");
    }
    return row;
}

void SetTableLine(MaterialTable& table, std::string_view key, std::string_view rest) {
    if (key == "confidence") {
        if (rest != "H" && rest != "M" && rest != "L") throw std::runtime_error("confidence must be H, M or L");
        table.confidence = rest;
    } else if (key == "heading") {
        table.heading = rest;
    } else if (key == "source") {
        table.source = rest;
    } else if (key == "copy") {
        table.copy = rest;
    } else if (key == "note") {
        table.notes.emplace_back(rest);
    } else if (key == "row") {
        table.rows.push_back(ReadRow(rest, table));
    } else {
        throw std::runtime_error("unknown line '" + std::string(key) + "'");
    }
}

void CheckTable(const MaterialTable& table) {
    if (table.confidence.empty() || table.heading.empty() || table.source.empty() || table.copy.empty()) {
        throw std::runtime_error("table " + table.id + " needs confidence, heading, source and copy");
    }
    if (table.rows.empty()) throw std::runtime_error("table " + table.id + " has no rows");
    if (table.confidence == "L") {
        for (const MaterialRow& row : table.rows) {
            if (row.offered) throw std::runtime_error("table " + table.id + " is doubtful and offers " + row.name);
        }
    }
}

std::vector<OwnMaterial>& OwnRows() {
    static std::vector<OwnMaterial> rows;
    return rows;
}

}  // namespace

void SetOwnMaterials(std::vector<OwnMaterial> materials) { OwnRows() = std::move(materials); }

const std::vector<OwnMaterial>& OwnMaterials() { return OwnRows(); }

std::string MaterialMark(const MaterialChoice& choice) { return choice.own ? std::string(kOwnRowMark) : std::string(); }

std::string OwnMaterialSource(std::string_view source) {
    return "Мой материал: " + (source.empty() ? std::string("источник не указан") : std::string(source));
}

const MaterialRow* TableMaterialLabelled(std::string_view label) {
    const std::u32string folded = FoldedName(Trimmed(label));
    for (const MaterialTable& table : MaterialTables()) {
        for (const MaterialRow& row : table.rows) {
            if (row.offered && FoldedName(MaterialLabel(row)) == folded) return &row;
        }
    }
    return nullptr;
}

std::string_view ConditionsName(Conditions conditions) { return conditions == Conditions::A ? "А" : "Б"; }

std::optional<Conditions> ConditionsNamed(std::string_view name) {
    if (name == "А" || name == "A") return Conditions::A;
    if (name == "Б" || name == "B") return Conditions::B;
    return std::nullopt;
}

std::vector<MaterialTable> ParseMaterialTables(std::string_view text) {
    std::vector<MaterialTable> tables;
    std::set<std::u32string> labels;
    int number = 0;
    try {
        for (const std::string_view line : TextLines(text)) {
            ++number;
            const std::string_view trimmed = Trimmed(line);
            if (trimmed.empty() || trimmed.starts_with('#')) continue;
            const std::size_t space = trimmed.find(' ');
            const std::string_view key = trimmed.substr(0, space);
            const std::string_view rest = space == std::string_view::npos ? "" : Trimmed(trimmed.substr(space));
            if (key == "table") {
                if (!tables.empty()) CheckTable(tables.back());
                tables.emplace_back().id = rest;
                continue;
            }
            if (tables.empty()) throw std::runtime_error("a line before the first table");
            SetTableLine(tables.back(), key, rest);
            if (key == "row" && tables.back().rows.back().offered &&
                !labels.insert(FoldedName(MaterialLabel(tables.back().rows.back()))).second) {
                throw std::runtime_error("a second offered row " + MaterialLabel(tables.back().rows.back()));
            }
        }
        if (tables.empty()) throw std::runtime_error("no tables");
        CheckTable(tables.back());
    } catch (const std::runtime_error& e) {
        throw TableError(kTableName, number, e.what());
    }
    return tables;
}

const std::vector<MaterialTable>& MaterialTables() {
    static const std::vector<MaterialTable> tables = ParseMaterialTables(EmbeddedMaterialsTable());
    return tables;
}

std::string MaterialLabel(const MaterialRow& row) {
    return row.density.empty() ? row.name : row.name + ", " + row.density + " кг/м³";
}

std::vector<MaterialChoice> MaterialsFor(Conditions conditions) {
    const bool a = conditions == Conditions::A;
    struct Offered {
        const MaterialRow* row;
        std::string source;
        bool own;
    };
    std::vector<Offered> offered;
    for (const MaterialTable& table : MaterialTables()) {
        for (const MaterialRow& row : table.rows) {
            if (row.offered) offered.push_back({&row, table.source, false});
        }
    }
    for (const OwnMaterial& own : OwnRows()) offered.push_back({&own.row, OwnMaterialSource(own.source), true});
    // By material name, stable: the densities of one material keep the order of their table.
    std::stable_sort(offered.begin(), offered.end(),
                     [](const Offered& x, const Offered& y) { return RussianLess(x.row->name, y.row->name); });
    std::vector<MaterialChoice> list;
    for (const auto& [row, source, own] : offered) {
        list.push_back({MaterialLabel(*row), a ? row->absorptionA : row->absorptionB,
                        a ? row->conductivityA : row->conductivityB, source, own});
    }
    return list;
}

std::vector<MaterialChoice> MaterialsMatching(std::string_view text, Conditions conditions) {
    std::vector<std::pair<MatchPlace, MaterialChoice>> found;
    for (MaterialChoice& choice : MaterialsFor(conditions)) {
        if (const std::optional<MatchPlace> place = FoldedMatchPlace(choice.name, Trimmed(text)))
            found.emplace_back(*place, std::move(choice));
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<MaterialChoice> list;
    for (auto& [place, choice] : found) list.push_back(std::move(choice));
    return list;
}

std::optional<MaterialChoice> MaterialFor(std::string_view name, Conditions conditions) {
    const std::u32string folded = FoldedName(Trimmed(name));
    for (MaterialChoice& choice : MaterialsFor(conditions)) {
        if (FoldedName(choice.name) == folded) return choice;
    }
    return std::nullopt;
}
