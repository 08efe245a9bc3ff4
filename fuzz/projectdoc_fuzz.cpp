// The project document reader on arbitrary bytes: it either refuses the data
// with a CalcError that has a short message, or yields inputs whose written
// document, bare or as a full project file, reads back to the same inputs.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CalcError.h"
#include "ProjectDocument.h"

namespace {

// Far above any message of a refused document, far below a hostile text.
constexpr std::size_t kLongestMessage = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    ProjectInputs inputs;
    try {
        inputs = ReadProjectDocument(document);
    } catch (const CalcError& e) {
        // A message is never empty, and never repeats a long text whole.
        const std::string_view message = e.what();
        if (message.empty() || message.size() > kLongestMessage) std::abort();
        return 0;
    }
    if (ReadProjectDocument(JsonDocumentText(WriteProjectInputsJson(inputs))) != inputs) std::abort();
    if (ReadProjectDocument(WriteProjectFile(inputs, ProjectError{"не рассчитано"})) != inputs) std::abort();
    return 0;
}
