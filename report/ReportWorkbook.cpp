#include "ReportWorkbook.h"

#include <fcntl.h>
#include <locale.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

#include <xlsxwriter.h>

#include "CalcError.h"
#include "ProjectFile.h"
#include "QuotedText.h"
#include "ReportFile.h"
#include "TemporaryFile.h"

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
        if (sheet_ == nullptr) throw CalcError("Не удалось составить лист " + QuotedText(name) + " книги");
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

// The folder of temporary files: TMPDIR, or /tmp when it is not set.
std::string TemporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder != nullptr && *folder != '\0' ? std::string(folder) : std::string("/tmp");
}

// The temporary folder as messages name it.
std::string TemporaryFolderWords(const std::string& folder) {
    return "папке временных файлов " + QuotedPath(folder) + (std::getenv("TMPDIR") != nullptr ? " (TMPDIR)" : "");
}

// The workbook's file in the temporary folder, «solargain-tmp-<pid>-<n>.xlsx».
std::unique_ptr<TemporaryFile> TemporaryWorkbook(const std::string& folder) {
    try {
        auto file = std::make_unique<TemporaryFile>(folder, "solargain-tmp-", ".xlsx");
        file->Close();  // the library opens it by its name
        return file;
    } catch (const CalcError& e) {
        throw CalcError("Не удалось создать временный файл книги в " + TemporaryFolderWords(folder) + ": " + e.what());
    }
}

// Why libxlsxwriter could not finish a workbook, in the user's words; the
// system's reason `errorNumber` where the failure was the file's.
std::string WorkbookFailureWords(lxw_error error, int errorNumber) {
    switch (error) {
        case LXW_ERROR_MEMORY_MALLOC_FAILED:
            return "не хватило памяти";
        case LXW_ERROR_CREATING_XLSX_FILE:
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
        case LXW_ERROR_ZIP_FILE_OPERATION:
        case LXW_ERROR_ZIP_BAD_ZIP_FILE:
        case LXW_ERROR_ZIP_FILE_ADD:
        case LXW_ERROR_ZIP_CLOSE:
            return errorNumber != 0 ? FileErrorMessage(errorNumber) : "ошибка записи файла";
        default:
            return "внутренняя ошибка составления книги (код " + std::to_string(static_cast<int>(error)) + ")";
    }
}

// libxlsxwriter prints its own English message of a failure on the standard
// error before returning the failure; the program says it in Russian
// instead (WorkbookFailureWords), so the standard error leads nowhere for as
// long as this lives. The program writes nothing there meanwhile.
class QuietStandardError {
public:
    QuietStandardError() {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && nowhere >= 0) ::dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0) ::close(nowhere);
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        if (saved_ < 0) return;
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_ = -1;
};

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

}  // namespace

namespace {

// A workbook whose sheets `addSheets` adds, as bytes.
// SIGTERM, SIGINT and SIGHUP held back on this thread while it lives; one
// that came meanwhile is taken when it ends.
class TerminationSignalsHeld {
public:
    TerminationSignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&held, signalNumber);
        pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~TerminationSignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    TerminationSignalsHeld(const TerminationSignalsHeld&) = delete;
    TerminationSignalsHeld& operator=(const TerminationSignalsHeld&) = delete;

private:
    sigset_t previous_{};
};

template <class AddSheets>
std::string ComposeWorkbook(const AddSheets& addSheets) {
    const std::string folder = TemporaryFolder();
    const std::unique_ptr<TemporaryFile> file = TemporaryWorkbook(folder);
    const auto failed = [&](const std::string& words) {
        return CalcError("Не удалось составить книгу во временном файле " + QuotedPath(file->Path()) + ": " + words);
    };
    const ClassicNumbersOnThisThread classicNumbers;
    // The library names its own temporaries in the temporary folder and
    // removes their names at once; a termination signal waits until the
    // workbook is written, so that none is ended between the two.
    const TerminationSignalsHeld held;
    lxw_workbook* book = nullptr;
    {
        const QuietStandardError quiet;
        book = workbook_new(file->Path().c_str());
    }
    if (book == nullptr) throw failed(WorkbookFailureWords(LXW_ERROR_CREATING_XLSX_FILE, errno));
    try {
        const Formats formats(book);
        addSheets(book, formats);
    } catch (...) {
        const QuietStandardError quiet;
        workbook_close(book);
        throw;
    }
    lxw_error error = LXW_NO_ERROR;
    int errorNumber = 0;
    {
        const QuietStandardError quiet;
        errno = 0;
        error = workbook_close(book);
        errorNumber = errno;
    }
    if (error != LXW_NO_ERROR) throw failed(WorkbookFailureWords(error, errorNumber));
    std::ifstream in(file->Path(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) throw failed("файл не читается");
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
