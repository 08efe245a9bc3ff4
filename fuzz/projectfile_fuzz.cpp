// The project file reader on arbitrary bytes: it either refuses the data with
// a CalcError or yields contents that survive a save and a second read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "CalcError.h"
#include "ProjectFile.h"
#include "ProjectState.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    ProjectLineSplitter pieces;  // the same data fed in small pieces
    for (std::size_t i = 0; i < size; i += 7) pieces.Feed(text.substr(i, 7));
    pieces.Finish();
    ProjectLineSplitter whole;
    whole.Feed(text);
    whole.Finish();
    if (pieces.Lines() != whole.Lines() || pieces.BadCharLine() != whole.BadCharLine() ||
        pieces.LongLine() != whole.LongLine() || pieces.LongLineStart() != whole.LongLineStart())
        std::abort();
    for (const std::string& line : whole.Lines()) {
        if (CharacterCount(line) > kProjectLineWidth) std::abort();
    }

    ProjectFileContents contents;
    try {
        contents = ParseProjectFile(text);
    } catch (const CalcError&) {
        return 0;
    }

    ProjectHeader shown;
    shown.fill("0");
    try {
        CheckHeaderAssignment(contents.header, shown);
    } catch (const CalcError&) {
    }

    WindowHourTable table;
    StoreProjectTable(contents, table);
    std::string saved;
    try {
        saved = ComposeProjectFile(contents.header, table);
    } catch (const CalcError&) {
        return 0;  // a header text that does not parse, a value too long for a line: refused, never cut
    }
    const ProjectFileContents again = ParseProjectFile(saved);
    if (again.table != contents.table) std::abort();
    return 0;
}
