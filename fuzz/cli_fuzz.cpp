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
        // A maximum lies within the day; a day without one has no gain at
        // any hour and says why.
        const ProjectTotals& t = results.Totals;
        if (t.GrandMaxHour) {
            if (*t.GrandMaxHour < 1 || *t.GrandMaxHour > kHourCount) std::abort();
        } else {
            for (int h = 1; h <= kHourCount; ++h)
                if (!t.GrandHourTotal[h].IsZero()) std::abort();
            if (!t.NoGain || t.NoGain->empty()) std::abort();
        }
    } catch (const CalcError& e) {
        if (std::string_view(e.what()).empty()) std::abort();
    }
    return 0;
}
