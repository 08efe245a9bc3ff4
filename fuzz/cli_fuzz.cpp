// Any project given to the command-line tool, a JSON document or a window
// table file, either is refused with a message or is computed to the end;
// either way the only exception that may leave is CalcError, and a refusal
// always has a message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CalcError.h"
#include "ProjectDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const ProjectInputs project = ReadAnyProject(text);
        const ProjectResults results = RunProject(project);
        // Every included element kind has its results, every excluded one none.
        if (results.Windows.has_value() != project.Windows) std::abort();
        if (results.Walls.has_value() != project.Walls) std::abort();
        if (results.Roof.has_value() != project.Roof) std::abort();
        if (results.Totals.GrandMaxHour < 1 || results.Totals.GrandMaxHour > kHourCount) std::abort();
    } catch (const CalcError& e) {
        if (std::string_view(e.what()).empty()) std::abort();
    }
    return 0;
}
