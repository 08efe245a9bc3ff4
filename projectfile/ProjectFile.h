#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CalcError.h"
#include "Decimal4.h"
#include "InputControls.h"
#include "ProjectState.h"
#include "WindowHourTable.h"

// The project file: plain text, one number per line, CR LF line ends, at most
// 15 characters a line. Lines 1..19 hold the window and site inputs, lines
// 20..1379 fields 1..17 of the 80 window hour records in storage order
// (orientation, then hour, then field). There is no signature: a file is
// recognised by its shape only.
//
// Nothing here touches a widget: the main window hands over the texts of its
// controls and assigns the texts read back.

inline constexpr int kProjectHeaderLines = kHeaderInputCount;
inline constexpr int kProjectTableLines = kOrientationCount * kHourCount * kShownFieldCount;  // 1360
inline constexpr int kProjectFileLines = kProjectHeaderLines + kProjectTableLines;            // 1379
inline constexpr std::size_t kProjectLineWidth = 15;
static_assert(kProjectFileLines == 1379);

// Header lines, index 0 = line 1. The input table gives the control of each
// line (HeaderInputs).
using ProjectHeader = std::array<std::string, kProjectHeaderLines>;

// 1-based line number of field 1..17 of the record of orientation 1..8 and
// hour 1..10.
int ProjectTableLine(int orientation, int hour, int field);

// ---- Saving -------------------------------------------------------------------

// The complete file text: the header from the 19 texts shown in their
// controls (HeaderInputs order), each parsed and written in its shortest
// form (the latitude and the window count as whole numbers), then the table.
// The caller brings the table up to date with the texts first, so that the
// file is consistent and a file opened and saved again unchanged is the
// same file. Everything is checked before any text is returned: a text that
// does not parse (a count of 2.5 is not a whole number), a count below 1 or a
// wind speed below 0 (texts opening the file would refuse), or a value longer
// than 15 characters raises a CalcError, and nothing is written.
std::string ComposeProjectFile(const ProjectHeader& shown, const WindowHourTable& table);

// Replaces the file at `path` by `contents` so that, whatever fails, the file
// is either the old one untouched or the complete new one: the text goes to
// a temporary file in the same folder (TemporaryFile «.NAME.solargain-tmp-…»),
// is flushed to the disk, and only then takes the target's name. A link is
// followed and stays a link. What is not a regular file is never replaced:
// a character device (/dev/null, /dev/stdout) or a FIFO with a reader is
// written directly, and then `*inPlace` (when given) is set; a block device,
// a socket or a FIFO without a reader is refused. A failure raises a
// CalcError with the file error message («файл или папка не найдены», «нет
// доступа к файлу», «на диске нет места», …).
void WriteProjectFileAtomically(const std::string& path, std::string_view contents, bool* inPlace = nullptr);

// ---- Opening ------------------------------------------------------------------

struct ProjectFileContents {
    ProjectHeader header;                              // texts, at most 15 characters each
    std::array<Decimal4, kProjectTableLines> table{};  // line 20 onwards, parsed
};

// Splits a file into its first 1379 lines: LF or CR LF ends a line, a lone CR
// is ignored, a last line without a line break still counts. A UTF-8 byte
// order mark at the very start is skipped. Control characters other than CR
// and LF mark the data as not a text file. A line of more than 15 characters
// (UTF-8 characters, blanks included) holds a value the file cannot hold: it
// is noted with its first characters, since reading it cut would give another
// number (2.5e000000000001 cut is 2.5, not 25); only its first 15 characters
// are kept in Lines().
class ProjectLineSplitter {
public:
    // Feeds the next piece of the file; false once all 1379 lines are complete
    // (the rest of the file is not needed).
    bool Feed(std::string_view chunk);
    // The end of the file.
    void Finish();

    const std::vector<std::string>& Lines() const { return lines_; }
    // 1-based line of the first control character, 0 when there was none.
    int BadCharLine() const { return badLine_; }
    unsigned BadChar() const { return badChar_; }
    // 1-based line of the first line longer than 15 characters, 0 when there
    // was none; its length in characters and its first characters.
    int LongLine() const { return longLine_; }
    std::size_t LongLineLength() const { return longLength_; }
    const std::string& LongLineStart() const { return longStart_; }

private:
    std::vector<std::string> lines_;
    std::string current_;
    bool lineStarted_ = false;
    bool atStart_ = true;
    std::size_t bomMatched_ = 0;
    int badLine_ = 0;
    unsigned badChar_ = 0;
    std::size_t currentLength_ = 0;  // characters of the current line
    std::string currentStart_;       // its first characters, for a message
    int longLine_ = 0;
    std::size_t longLength_ = 0;
    std::string longStart_;

    void EndLine();
};

// The number of characters of a UTF-8 text (bytes that start a character).
std::size_t CharacterCount(std::string_view text);

// Parses a whole file: the 19 header texts as they are, and all 1360 table
// values. Raises a CalcError naming the first faulty line: a control
// character, a line longer than 15 characters («Строка 2: значение длиннее
// 15 знаков …»), a table value that is not a number, or a line missing at
// the end of a short file ("Нет строки 20 файла проекта: …"); a file with no
// line at all, or with empty lines only, is refused as empty
// (DocumentTextError, kEmptyFileMessage).
ProjectFileContents ParseProjectFile(std::string_view text);

// Reads and parses the file at `path`; file errors as WriteProjectFileAtomically.
ProjectFileContents ReadProjectFile(const std::string& path);

// Assigning the header to the controls in line order runs the change handlers
// of H, B, n (opening area) and V (outer coefficients) for
// each text that differs from the one shown. This runs the same computations
// on copies of the texts, `shown` being the 19 texts shown before, and raises
// the error the first failing handler would raise, so that a file is refused
// before any control is changed.
void CheckHeaderAssignment(const ProjectHeader& loaded, const ProjectHeader& shown);

// Fields 1..17 of all 80 records := the loaded values (fields 18 and 19 stay).
void StoreProjectTable(const ProjectFileContents& contents, WindowHourTable& table);

// A refusal of a file's text as a whole rather than of one of its values:
// empty, not text, not a JSON document. Whoever knows the file's name says
// it first: «Файл «a.json»: ошибка в строке 3, столбце 14: …».
class DocumentTextError : public CalcError {
public:
    using CalcError::CalcError;
};

// The refusal of a file without a single character or with empty lines only.
inline constexpr const char* kEmptyFileMessage = "в нём нет ни одной строки (файл пуст)";

// ---- Stored and computed results ---------------------------------------------------

// A result a file stores that differs from the one computed from the file's
// inputs. What the program shows is always the computed one.
struct StoredResultDifference {
    std::string Where;     // "в строке 784 (Ю, 12-13, Qост)", "в ключе results.totals…"
    std::string Stored;    // the text the file holds
    std::string Computed;  // the text the calculation gives

    friend bool operator==(const StoredResultDifference&, const StoredResultDifference&) = default;
};

// Fields 1..17 of the loaded table against the table computed from the
// file's header (fields as displayed): every field that differs, in line
// order, named by its line, orientation, hour and row symbol.
std::vector<StoredResultDifference> StoredTableDifferences(const ProjectFileContents& contents,
                                                           const WindowHourTable& computed);

// One message for the differences, empty when there are none: «В файле
// записано 99999 в строке 784 (Ю, 12-13, Qост), расчёт даёт 760; показан
// расчёт.»; of several the first three, then how many there are.
std::string StoredResultsMessage(const std::vector<StoredResultDifference>& differences);

// Message of a file error of the operating system (an errno value).
std::string FileErrorMessage(int errorNumber);
