#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Thermal properties of building materials for the layers of walls and
// roofs, from the text table data/materials.txt built into the program.
// Values are the texts written in the table ("." as the decimal separator);
// an empty text was not given by the source.

// Operating conditions of the construction, which select λ and s. They
// follow from the humidity regime of the room and the humidity zone of the
// site: А for dry rooms and for rooms of normal humidity in the dry zone, Б
// otherwise.
enum class Conditions { A, B };

// "А" or "Б" (Cyrillic letters), as the input page and the project file name them.
std::string_view ConditionsName(Conditions conditions);
// The conditions of a name: "А" or "Б", or the Latin "A" or "B"; nothing for
// any other text.
std::optional<Conditions> ConditionsNamed(std::string_view name);

struct MaterialRow {
    std::string number;           // № in the source table, may be empty
    std::string writtenName;      // as in the source, "то же" included
    std::string name;             // "то же" replaced by the material above
    std::string density;          // ρ₀, кг/м³: a value, a range or "до 10"
    std::string heatCapacity;     // c₀, кДж/(кг·°С)
    std::string dryConductivity;  // λ₀, Вт/(м·°С)
    std::string moisture;         // w for А/Б, %
    std::string conductivityA;    // λ, Вт/(м·°С)
    std::string conductivityB;
    std::string absorptionA;  // s at a 24 h period, Вт/(м²·°С)
    std::string absorptionB;
    std::string vapourPermeability;  // μ, мг/(м·ч·Па)
    bool offered = false;            // in the material list of the layer entry
};

// Design figures of a material that are plausible at all: λ, Вт/(м·°С), and
// s, Вт/(м²·°С).
inline constexpr double kConductivityLow = 0.01;
inline constexpr double kConductivityHigh = 5;
inline constexpr double kAbsorptionLow = 0.1;
inline constexpr double kAbsorptionHigh = 30;

struct MaterialTable {
    std::string id;
    std::string confidence;  // "H" or "M"
    std::string heading;     // caption on the reference pages
    std::string source;      // source line of those pages
    std::string copy;        // where the rows were read
    std::vector<std::string> notes;
    std::vector<MaterialRow> rows;
};

// The tables of a text in the form of data/materials.txt. A malformed line
// throws std::runtime_error naming it.
std::vector<MaterialTable> ParseMaterialTables(std::string_view text);

// The built-in tables, in their order.
const std::vector<MaterialTable>& MaterialTables();

// "Name, ρ₀ кг/м³", or the name alone when no density is given.
std::string MaterialLabel(const MaterialRow& row);

// What choosing a material fills into a layer entry row: the name, s and λ
// for the chosen conditions, and the source of the figures.
struct MaterialChoice {
    std::string name;
    std::string absorption;
    std::string conductivity;
    std::string source;
    bool own = false;  // from the user's own table of materials, listed marked «мой»
};

// What follows the material in a list: " · мой" for an own one, else empty.
std::string MaterialMark(const MaterialChoice& choice);

// A material of the user's own table: name and ρ₀ (MaterialLabel), λ and s
// for both conditions, and the user's words on where the figures come from.
struct OwnMaterial {
    MaterialRow row;
    std::string source;
};
// The user's own materials, offered with those of the tables until replaced.
// Set and read on the program's one user-interface thread.
void SetOwnMaterials(std::vector<OwnMaterial> materials);
const std::vector<OwnMaterial>& OwnMaterials();

// The source line of an own material: "Мой материал: <source>".
std::string OwnMaterialSource(std::string_view source);

// The offered row of the tables named by that label (ignoring case and
// "ё"), or nullptr; own materials are not looked at.
const MaterialRow* TableMaterialLabelled(std::string_view label);

// The offered materials with their figures for the conditions, named by
// MaterialLabel, in alphabetical order; the own ones among them.
std::vector<MaterialChoice> MaterialsFor(Conditions conditions);

// The offered materials whose name contains the text, ignoring case, "ё"
// and blanks around the text; all of them for an empty text. Those whose
// name starts with the text first, then those with a word starting with it,
// then the rest (FoldedMatchPlace); each part in the order of MaterialsFor.
std::vector<MaterialChoice> MaterialsMatching(std::string_view text, Conditions conditions);

// The offered material of that name (ignoring case and "ё"), or nothing.
std::optional<MaterialChoice> MaterialFor(std::string_view name, Conditions conditions);
