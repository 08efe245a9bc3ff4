#include "ResultsCsv.h"

#include "Conversions.h"

namespace {

std::string Text(Decimal4 value) { return FormatDecimal4(value); }

std::vector<std::string> HourHeader(std::string first) {
    std::vector<std::string> line{std::move(first)};
    for (int h = 1; h <= kHourCount; ++h) line.emplace_back(HourLabel(h));
    return line;
}

std::vector<std::string> HourRow(std::string name, const HourValues& values) {
    std::vector<std::string> line{std::move(name)};
    for (int h = 1; h <= kHourCount; ++h) line.push_back(Text(values[h]));
    return line;
}

}  // namespace

std::string ResultsCsv(const ProjectResults& results) {
    std::string out;
    const ProjectTotals& t = results.Totals;
    AppendCsvLine(out, HourHeader("Totals"));
    AppendCsvLine(out, HourRow("WindowHourTotal", t.WindowHourTotal));
    AppendCsvLine(out, HourRow("WallHourTotal", t.WallHourTotal));
    AppendCsvLine(out, HourRow("RoofHourGain", t.RoofHourGain));
    AppendCsvLine(out, HourRow("GrandHourTotal", t.GrandHourTotal));
    if (!results.Windows) return out;
    const ProjectWindowResults& w = *results.Windows;
    for (int o = 1; o <= kOrientationCount; ++o) {
        out += '\n';
        AppendCsvLine(out, HourHeader(std::string(OrientationAt(o).name)));
        for (int f = 1; f <= kShownFieldCount; ++f) {
            const auto field = static_cast<WindowField>(f);
            std::vector<std::string> line{std::string(WindowFieldName(field))};
            for (int h = 1; h <= kHourCount; ++h) line.push_back(Text(w.Table.Record(o, h)[field]));
            AppendCsvLine(out, line);
        }
    }
    return out;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void AppendCsvLine(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        out += CsvField(fields[i]);
    }
    out += '\n';
}
