#include "ReportWorkbook.h"

#include <locale.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <xlsxwriter.h>

#include "CalcError.h"
#include "ReportFile.h"

namespace {

constexpr double kMinColumnWidth = 6;
constexpr double kMaxColumnWidth = 80;

// The formats of the workbook: bold titles and headers, and one number
// format per count of decimals.
struct Formats {
    lxw_format* title;
    lxw_format* header;
    std::array<lxw_format*, 5> numbers;

    explicit Formats(lxw_workbook* book) {
        title = workbook_add_format(book);
        format_set_bold(title);
        header = workbook_add_format(book);
        format_set_bold(header);
        format_set_bottom(header, LXW_BORDER_THIN);
        constexpr std::array<const char*, 5> kNumberFormats{"0", "0.0", "0.00", "0.000", "0.0000"};
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            numbers[i] = workbook_add_format(book);
            format_set_num_format(numbers[i], kNumberFormats[i]);
        }
    }
};

std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// One sheet, written row by row; the widest text of each column sets its width.
class SheetWriter {
public:
    SheetWriter(lxw_workbook* book, const Formats& formats, const std::string& name)
        : sheet_(workbook_add_worksheet(book, name.c_str())), formats_(formats) {
        if (sheet_ == nullptr) throw CalcError("Не удалось составить лист «" + name + "» книги");
    }

    void Title(const std::string& text) { worksheet_write_string(sheet_, row_++, 0, text.c_str(), formats_.title); }

    void Header(const std::vector<std::string>& header) {
        for (std::size_t c = 0; c < header.size(); ++c) Text(c, header[c], formats_.header);
        ++row_;
    }

    void Row(const ReportRow& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const ReportCell& cell = cells[c];
            if (cell.Number) {
                const double value = static_cast<double>(cell.Number->Count()) / 10000.0;
                worksheet_write_number(sheet_, row_, Column(c), value,
                                       formats_.numbers[static_cast<std::size_t>(cell.Decimals())]);
                Widen(c, cell.Text);
            } else if (!cell.Text.empty()) {
                Text(c, cell.Text, nullptr);
            }
        }
        ++row_;
    }

    void Skip() { ++row_; }

    // The rows above the current one stay in view.
    void FreezeAbove(lxw_col_t columns) { worksheet_freeze_panes(sheet_, row_, columns); }

    void SetWidths() {
        for (std::size_t c = 0; c < widths_.size(); ++c) {
            const double width = std::clamp(static_cast<double>(widths_[c]) + 2, kMinColumnWidth, kMaxColumnWidth);
            worksheet_set_column(sheet_, Column(c), Column(c), width, nullptr);
        }
    }

private:
    static lxw_col_t Column(std::size_t c) { return static_cast<lxw_col_t>(c); }

    void Text(std::size_t c, const std::string& text, lxw_format* format) {
        worksheet_write_string(sheet_, row_, Column(c), text.c_str(), format);
        Widen(c, text);
    }

    void Widen(std::size_t c, const std::string& text) {
        if (widths_.size() <= c) widths_.resize(c + 1, 0);
        widths_[c] = std::max(widths_[c], CharacterCount(text));
    }

    lxw_worksheet* sheet_;
    const Formats& formats_;
    lxw_row_t row_ = 0;
    std::vector<std::size_t> widths_;
};

// A sheet of one table: its title and header row kept in view, and the
// first `labelColumns` columns beside the values.
void TableSheet(lxw_workbook* book, const Formats& formats, const ReportTable& table, lxw_col_t labelColumns) {
    SheetWriter sheet(book, formats, table.Name);
    sheet.Title(table.Title);
    sheet.Header(table.Header);
    sheet.FreezeAbove(labelColumns);
    for (const ReportRow& row : table.Rows) sheet.Row(row);
    sheet.SetWidths();
}

// The input tables one under another, under the header of the first; a
// table with columns of its own repeats its header.
void InputsSheet(lxw_workbook* book, const Formats& formats, const std::vector<ReportTable>& tables) {
    SheetWriter sheet(book, formats, "Исходные данные");
    sheet.Title("Исходные данные");
    sheet.Header(tables.front().Header);
    sheet.FreezeAbove(0);
    for (const ReportTable& table : tables) {
        sheet.Title(table.Title);
        if (table.Header != tables.front().Header) sheet.Header(table.Header);
        for (const ReportRow& row : table.Rows) sheet.Row(row);
        sheet.Skip();
    }
    sheet.SetWidths();
}

// A file name of the temporary folder that nothing else uses.
std::string TemporaryWorkbookName() {
    std::string name = (std::filesystem::temp_directory_path() / "solargain-XXXXXX.xlsx").string();
    const int fd = ::mkstemps(name.data(), 5);
    if (fd < 0)
        throw CalcError("Не удалось создать временный файл книги в " + std::filesystem::temp_directory_path().string());
    ::close(fd);
    return name;
}

// libxlsxwriter prints the numbers of its XML (cell values, column widths,
// margins) with the C library's printf, which follows the numeric locale of
// the process: under a Russian desktop, where the program's toolkit sets the
// locale from the environment, it would write "1,5" and no spreadsheet
// program could read the file. The composing thread prints with the C
// locale's decimal point for as long as this lives, whatever the process's
// locale.
class ClassicNumbersOnThisThread {
public:
    ClassicNumbersOnThisThread() {
        if (classic_ == locale_t{}) throw CalcError("Не удалось составить книгу: нет языковых настроек «C»");
        previous_ = ::uselocale(classic_);
    }
    ~ClassicNumbersOnThisThread() {
        ::uselocale(previous_);
        ::freelocale(classic_);
    }
    ClassicNumbersOnThisThread(const ClassicNumbersOnThisThread&) = delete;
    ClassicNumbersOnThisThread& operator=(const ClassicNumbersOnThisThread&) = delete;

private:
    locale_t classic_ = ::newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    locale_t previous_{};
};

// Removes the temporary file however the composing ends.
struct TemporaryFile {
    std::string name = TemporaryWorkbookName();
    ~TemporaryFile() { std::remove(name.c_str()); }
};

}  // namespace

namespace {

// A workbook whose sheets `addSheets` adds, as bytes.
template <class AddSheets>
std::string ComposeWorkbook(const AddSheets& addSheets) {
    const TemporaryFile file;
    const ClassicNumbersOnThisThread classicNumbers;
    lxw_workbook* book = workbook_new(file.name.c_str());
    if (book == nullptr) throw CalcError("Не удалось составить книгу");
    try {
        const Formats formats(book);
        addSheets(book, formats);
    } catch (...) {
        workbook_close(book);
        throw;
    }
    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR) throw CalcError(std::string("Не удалось составить книгу: ") + lxw_strerror(error));
    std::ifstream in(file.name, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) throw CalcError("Не удалось прочитать составленную книгу");
    return bytes;
}

}  // namespace

std::string ReportWorkbookBytes(const ProjectReport& report) {
    return ComposeWorkbook([&report](lxw_workbook* book, const Formats& formats) {
        InputsSheet(book, formats, report.Inputs);
        TableSheet(book, formats, report.Totals, 1);
        for (const ReportTable& table : report.Windows) TableSheet(book, formats, table, 2);
        if (report.Walls) TableSheet(book, formats, *report.Walls, 1);
    });
}

void WriteReportWorkbook(const ProjectReport& report, const std::string& path) {
    WriteReportFile(path, ReportWorkbookBytes(report));
}

namespace {

// The tables of a sheet one under another, a blank row between two.
void StackedSheet(lxw_workbook* book, const Formats& formats, const WorkbookSheet& stacked) {
    SheetWriter sheet(book, formats, stacked.Name);
    for (std::size_t i = 0; i < stacked.Tables.size(); ++i) {
        const ReportTable& table = stacked.Tables[i];
        if (i > 0) sheet.Skip();
        sheet.Title(table.Title);
        sheet.Header(table.Header);
        if (i == 0) sheet.FreezeAbove(static_cast<lxw_col_t>(stacked.FrozenColumns));
        for (const ReportRow& row : table.Rows) sheet.Row(row);
    }
    sheet.SetWidths();
}

}  // namespace

std::string WorkbookBytes(const std::vector<WorkbookSheet>& sheets) {
    return ComposeWorkbook([&sheets](lxw_workbook* book, const Formats& formats) {
        for (const WorkbookSheet& sheet : sheets) StackedSheet(book, formats, sheet);
    });
}
