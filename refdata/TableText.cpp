#include "TableText.h"

#include <charconv>

std::vector<std::string_view> TextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> CsvFields(std::string_view line, char separator) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted) throw std::runtime_error("a quoted field is not closed");
    return fields;
}

std::vector<std::string> PipeCells(std::string_view line) {
    std::vector<std::string> cells;
    while (true) {
        const std::size_t bar = line.find('|');
        cells.emplace_back(Trimmed(line.substr(0, bar)));
        if (bar == std::string_view::npos) return cells;
        line.remove_prefix(bar + 1);
    }
}

bool IsDecimalText(std::string_view text, bool signAllowed) {
    if (signAllowed && text.starts_with('-')) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "0" : text.substr(point + 1);
    const auto digits = [](std::string_view s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return digits(whole) && digits(fraction);
}

double DecimalValue(std::string_view text) {
    // from_chars reads "." whatever the process's locale (the program sets the user's).
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void CheckFigure(std::string_view what, const std::string& text, double low, double high, bool signAllowed) {
    if (!IsDecimalText(text, signAllowed))
        throw std::runtime_error(std::string(what) + " '" + text + "' is not a decimal number");
    const double value = DecimalValue(text);
    if (value < low || value > high) throw std::runtime_error(std::string(what) + " " + text + " is out of range");
}
