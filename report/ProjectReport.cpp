#include "ProjectReport.h"

#include <algorithm>
#include <array>

#include "CalcError.h"
#include "Construction.h"
#include "Conversions.h"
#include "Totals.h"
#include "WindowComputation.h"
#include "WindowResultsView.h"

namespace {

constexpr const char* kYes = "да";
constexpr const char* kNo = "нет";
constexpr const char* kNoMaximum = "—";

constexpr const char* kQuantityHeader = "Величина";
constexpr const char* kSymbolHeader = "Обозначение";
constexpr const char* kUnitHeader = "Ед. изм.";
const std::vector<std::string> kInputHeader{kQuantityHeader, kSymbolHeader, "Значение", kUnitHeader};

// A typed text as a number when it reads as one, as typed otherwise.
ReportCell TypedCell(const std::string& text) {
    try {
        return ReportCell::Value(ParseDecimal4(text));
    } catch (const CalcError&) {
        return ReportCell::Label(text);
    }
}

// The text shown in an input control; empty for a control that is no input
// of the project (a computed value, the layer entry row).
std::optional<std::string> ShownText(const ProjectInputs& p, const WindowInputTexts& shown, std::string_view control) {
    const InputControl& input = InputControlOf(control);
    if (input.windowText != nullptr) return shown.*input.windowText;
    for (const OtherInputText& other : kOtherInputTexts)
        if (other.key == control) return p.*other.text;
    if (control == "WallLayerCount") return LayerCountText(p.WallLayerCount, p.WallLayers);
    if (control == "RoofLayerCount") return LayerCountText(p.RoofLayerCount, p.RoofLayers);
    return std::nullopt;
}

// The words of a row: the quantity's name, its symbol and its unit.
struct RowWords {
    std::string_view name;
    std::string_view symbol;
    std::string_view unit;
};

RowWords WordsOf(const InputControl& input) { return {input.name, input.symbol, input.unit}; }

ReportRow DescribedRow(const RowWords& d, ReportCell value) {
    return {ReportCell::Label(std::string(d.name)), ReportCell::Label(std::string(d.symbol)), std::move(value),
            ReportCell::Label(std::string(d.unit))};
}

ReportRow ChoiceRow(std::string name, std::string value) {
    return {ReportCell::Label(std::move(name)), ReportCell::Label(""), ReportCell::Label(std::move(value)),
            ReportCell::Label("")};
}

std::string OrientationList(const std::array<bool, kOrientationCount>& chosen) {
    std::string list;
    for (int o = 1; o <= kOrientationCount; ++o) {
        if (!chosen[static_cast<std::size_t>(o - 1)]) continue;
        if (!list.empty()) list += ", ";
        list += OrientationAt(o).name;
    }
    return list.empty() ? kNo : list;
}

// The rows of the input controls of a group, in the order of the page.
ReportTable InputTable(std::string name, InputSection section, const ProjectInputs& p, const WindowInputTexts& shown) {
    ReportTable table{name, std::move(name), kInputHeader, {}};
    for (const InputControl& input : InputControls()) {
        if (input.section != section) continue;
        if (const std::optional<std::string> text = ShownText(p, shown, input.key))
            table.Rows.push_back(DescribedRow(WordsOf(input), TypedCell(*text)));
    }
    return table;
}

// The figures of a construction's hourly computation that no input control shows.
constexpr RowWords kInertiaWords{"Тепловая инерция", "D", ""};
constexpr RowWords kLagWords{"Запаздывание теплового потока", "ε", "ч"};
constexpr RowWords kDampingWords{"Затухание амплитуды колебаний температуры", "ν", ""};

// R₀, K and the figures of the hourly computation of a construction.
void AddFigures(ReportTable& table, const ConstructionFigures& f, const char* resistance, const char* transmittance) {
    BeginComputation();
    table.Rows.push_back(DescribedRow(WordsOf(InputControlOf(resistance)), ReportCell::Value(f.Resistance)));
    table.Rows.push_back(
        DescribedRow(WordsOf(InputControlOf(transmittance)), ReportCell::Value(TransmittanceOf(f.Resistance))));
    table.Rows.push_back(DescribedRow(kInertiaWords, ReportCell::Value(f.Inertia)));
    table.Rows.push_back(DescribedRow(kLagWords, ReportCell::Value(Decimal4::FromInt(f.Lag))));
    table.Rows.push_back(DescribedRow(kDampingWords, ReportCell::Value(f.Damping)));
}

// The quantity a symbol printed with its unit stands for: the input
// controls, the figures of the constructions and the rows of the windows
// tables of every kind. Empty for a symbol none of them has.
std::string NameOfSymbol(std::string_view symbol, std::string_view unit) {
    for (const InputControl& input : InputControls())
        if (input.symbol == symbol && input.unit == unit) return std::string(input.name);
    for (const RowWords& words : {kInertiaWords, kLagWords, kDampingWords})
        if (words.symbol == symbol && words.unit == unit) return std::string(words.name);
    for (const WindowKind kind : {WindowKind::Vertical, WindowKind::Inclined, WindowKind::Horizontal}) {
        for (const WindowRowCaption& caption : WindowRowCaptions(InsolationKindCaption(kind)))
            if (caption.Symbol() == symbol && caption.Unit() == unit) return std::string(caption.Name);
    }
    return "";
}

// The s, λ and δ edits of a layer editor's entry row.
using EntryEdits = std::array<std::string_view, 3>;
constexpr EntryEdits kWallEntry{"WallLayerHeatAbsorption", "WallLayerConductivity", "WallLayerThickness"};
constexpr EntryEdits kRoofEntry{"RoofLayerHeatAbsorption", "RoofLayerConductivity", "RoofLayerThickness"};

// Layers 1..count from the room side outwards, as typed.
ReportTable LayersTable(std::string name, const EntryEdits& entryEdits, const std::optional<std::string>& countText,
                        const LayerList& layers) {
    ReportTable table{name, name + " от помещения наружу", {"№", "Материал"}, {}};
    for (const std::string_view edit : entryEdits) {
        const InputControl& d = InputControlOf(edit);
        table.Header.push_back(std::string(d.symbol) + ", " + std::string(d.unit));
    }
    int count = static_cast<int>(layers.size());
    try {
        count = ParseInteger(LayerCountText(countText, layers));
    } catch (const CalcError&) {
    }
    for (int n = 1; n <= count && n <= kMaxLayers; ++n) {
        ReportRow row{ReportCell::Value(Decimal4::FromInt(n))};
        const auto index = static_cast<std::size_t>(n - 1);
        if (index >= layers.size() || !layers[index]) {
            row.push_back(ReportCell::Label("слой не введён"));
        } else {
            const LayerEntryTexts& layer = *layers[index];
            row.push_back(ReportCell::Label(layer.Name));
            for (const std::string* text : {&layer.HeatAbsorption, &layer.Conductivity, &layer.Thickness})
                row.push_back(TypedCell(*text));
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::vector<std::string> HourHeader(std::vector<std::string> first) {
    for (int h = 1; h <= kHourCount; ++h) first.emplace_back(HourLabel(h));
    return first;
}

ReportRow HourCells(ReportRow row, const HourValues& values) {
    for (int h = 1; h <= kHourCount; ++h) row.push_back(ReportCell::Value(values[h]));
    return row;
}

ReportTable TotalsTable(const ProjectTotals& t) {
    TotalsView titles;
    WriteTotalsTitles(titles);
    const auto title = [&](int row) {
        const std::string& text = titles.Cells[static_cast<std::size_t>(row)][kTotalsTitleColumn];
        return ReportCell::Label(text.substr(text.find_first_not_of(' ')));
    };
    const auto maximum = [](const std::optional<int>& hour) { return MaxHourCell(hour); };
    ReportTable table{"Итого", "Теплопоступления по часам, Вт", HourHeader({""}), {}};
    table.Header.emplace_back("Максимум");
    const struct {
        int titleRow;
        const HourValues& values;
        std::optional<int> maxHour;
    } rows[] = {
        {kWindowTitleRow, t.WindowHourTotal, t.WindowMaxHour},
        {kWallTitleRow, t.WallHourTotal, t.WallMaxHour},
        {kRoofTitleRow, t.RoofHourGain, t.RoofMaxHour},
        {kGrandTitleRow, t.GrandHourTotal, t.GrandMaxHour},
    };
    for (const auto& r : rows) {
        table.Rows.push_back(HourCells({title(r.titleRow)}, r.values));
        table.Rows.back().push_back(maximum(r.maxHour));
    }
    return table;
}

ReportTable WindowTable(const ProjectWindowResults& w, int o) {
    const std::string name(OrientationAt(o).name);
    const std::string peak = FormatDecimal4(w.PeakGain[o]);
    const int peakHour = w.PeakHour[o];
    std::string title = "Окна, сторона света " + name;
    if (peakHour >= 1 && peakHour <= kHourCount)
        title += ": наибольшие теплопоступления " + peak + " Вт в " + std::string(HourLabel(peakHour));
    ReportTable table{"Окна " + name, title, HourHeader({kSymbolHeader, kUnitHeader}), {}};
    for (const WindowRowCaption& caption : WindowRowCaptions(w.InsolationCaption)) {
        ReportRow row{ReportCell::Label(caption.Symbol()), ReportCell::Label(caption.Unit())};
        for (int h = 1; h <= kHourCount; ++h) row.push_back(ReportCell::Value(w.Table.Record(o, h)[caption.Field]));
        table.Rows.push_back(std::move(row));
    }
    return table;
}

ReportTable WallsTable(const ProjectWallResults& w, const std::array<bool, kOrientationCount>& counted) {
    ReportTable table{"Стены", "Теплопоступления через стены по сторонам света, Вт", HourHeader({"Сторона света"}), {}};
    table.Header.emplace_back("В итоге");
    for (int o = 1; o <= kOrientationCount; ++o) {
        table.Rows.push_back(HourCells({ReportCell::Label(std::string(OrientationAt(o).name))}, w.HourGain[o]));
        table.Rows.back().push_back(ReportCell::Label(counted[static_cast<std::size_t>(o - 1)] ? kYes : ""));
    }
    return table;
}

const char* YesNo(bool value) { return value ? kYes : kNo; }

}  // namespace

ReportCell ReportCell::Value(Decimal4 value) { return {FormatDecimal4(value), value}; }

ReportCell ReportCell::Label(std::string text) { return {std::move(text), std::nullopt}; }

int ReportCell::Decimals() const {
    const std::size_t point = Text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(Text.size() - point - 1);
}

std::vector<ReportTable> PartInputTables(const ProjectInputs& p, const ProjectResults& results, BuildingPart part) {
    const WindowInputTexts shown = ShownWindowInputTexts(p);
    switch (part) {
        case BuildingPart::Window: {
            ReportTable windows = InputTable("Окна", InputSection::Window, p, shown);
            windows.Rows.push_back(ChoiceRow("Учитывать окна", YesNo(p.Windows)));
            windows.Rows.push_back(ChoiceRow("Ориентация окна", std::string(WindowKindCaption(p.Kind))));
            windows.Rows.push_back(ChoiceRow("Стороны света окон в итоге", OrientationList(p.WindowOrientations)));
            return {std::move(windows)};
        }
        case BuildingPart::Site: {
            ReportTable site = InputTable("Район строительства и климат", InputSection::Site, p, shown);
            if (!p.City.empty()) site.Rows.insert(site.Rows.begin(), ChoiceRow("Город", p.City));
            return {std::move(site)};
        }
        case BuildingPart::Wall: {
            ReportTable walls = InputTable("Стены", InputSection::Wall, p, shown);
            walls.Rows.push_back(ChoiceRow("Учитывать стены", YesNo(p.Walls)));
            walls.Rows.push_back(ChoiceRow("Стороны света стен в итоге", OrientationList(p.WallOrientations)));
            if (results.Walls) AddFigures(walls, results.Walls->Figures, "WallResistance", "WallTransmittance");
            return {std::move(walls), LayersTable("Слои стены", kWallEntry, p.WallLayerCount, p.WallLayers)};
        }
        case BuildingPart::Roof: {
            ReportTable roof = InputTable("Покрытие", InputSection::Roof, p, shown);
            roof.Rows.push_back(ChoiceRow("Учитывать покрытие", YesNo(p.Roof)));
            if (results.Roof) AddFigures(roof, results.Roof->Figures, "RoofResistance", "RoofTransmittance");
            return {std::move(roof), LayersTable("Слои покрытия", kRoofEntry, p.RoofLayerCount, p.RoofLayers)};
        }
    }
    return {};
}

ProjectReport MakeProjectReport(const ProjectInputs& p, const ProjectResults& results) {
    ProjectReport report;
    for (const BuildingPart part : {BuildingPart::Window, BuildingPart::Site, BuildingPart::Wall, BuildingPart::Roof}) {
        for (ReportTable& table : PartInputTables(p, results, part)) report.Inputs.push_back(std::move(table));
    }
    report.Totals = TotalsTable(results.Totals);
    report.GrandMaxHour = results.Totals.GrandMaxHour;
    report.CountedWindowOrientations = p.WindowOrientations;
    if (results.Windows) {
        for (int o = 1; o <= kOrientationCount; ++o) {
            report.Windows.push_back(WindowTable(*results.Windows, o));
            if (p.WindowOrientations[static_cast<std::size_t>(o - 1)]) report.PrintedWindowOrientations.push_back(o);
        }
        if (report.PrintedWindowOrientations.empty())
            for (int o = 1; o <= kOrientationCount; ++o) report.PrintedWindowOrientations.push_back(o);
    }
    if (results.Walls) report.Walls = WallsTable(*results.Walls, p.WallOrientations);
    return report;
}

ReportCell MaxHourCell(const std::optional<int>& hour) {
    return ReportCell::Label(hour ? std::string(HourLabel(*hour)) : kNoMaximum);
}

ReportTable TotalsReportTable(const ProjectTotals& totals) { return TotalsTable(totals); }

ReportTable LegendTable(const std::vector<const ReportTable*>& printed) {
    ReportTable legend{
        "Обозначения", "Обозначения величин в таблицах отчёта", {kSymbolHeader, kQuantityHeader, kUnitHeader}, {}};
    // A symbol may stand for two quantities (ρп of the window and of the
    // roof): each is a row of its own.
    const auto add = [&legend](const std::string& symbol, std::string name, const std::string& unit) {
        if (symbol.empty()) return;
        if (name.empty()) name = NameOfSymbol(symbol, unit);
        for (const ReportRow& row : legend.Rows)
            if (row[0].Text == symbol && row[1].Text == name && row[2].Text == unit) return;
        legend.Rows.push_back({ReportCell::Label(symbol), ReportCell::Label(name), ReportCell::Label(unit)});
    };
    for (const ReportTable* table : printed) {
        const auto column = [table](std::string_view caption) {
            const auto at = std::find(table->Header.begin(), table->Header.end(), caption);
            return at == table->Header.end() ? std::optional<std::size_t>() : std::size_t(at - table->Header.begin());
        };
        const auto cell = [](const ReportRow& row, const std::optional<std::size_t>& c) {
            return c && *c < row.size() ? row[*c].Text : std::string();
        };
        // A column headed "symbol, unit" (the layers' s, λ and δ).
        for (const std::string& header : table->Header) {
            const std::size_t comma = header.find(", ");
            if (comma != std::string::npos) add(header.substr(0, comma), "", header.substr(comma + 2));
        }
        const std::optional<std::size_t> symbol = column(kSymbolHeader);
        if (!symbol) continue;
        const std::optional<std::size_t> name = column(kQuantityHeader);
        const std::optional<std::size_t> unit = column(kUnitHeader);
        for (const ReportRow& row : table->Rows) add(cell(row, symbol), cell(row, name), cell(row, unit));
    }
    return legend;
}

const std::vector<std::string>& InputHeader() { return kInputHeader; }

ReportRow InputRow(const ProjectInputs& inputs, std::string_view control) {
    const std::optional<std::string> text = ShownText(inputs, ShownWindowInputTexts(inputs), control);
    return DescribedRow(WordsOf(InputControlOf(control)), TypedCell(text.value_or("")));
}
