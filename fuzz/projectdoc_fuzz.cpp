// The project document reader on arbitrary bytes: it either refuses the data
// with a CalcError that has a message, or yields inputs whose written
// document, bare or as a full project file, reads back to the same inputs.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CalcError.h"
#include "ProjectDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    ProjectInputs inputs;
    try {
        inputs = ReadProjectDocument(document);
    } catch (const CalcError& e) {
        if (std::string_view(e.what()).empty()) std::abort();
        return 0;
    }
    if (ReadProjectDocument(JsonDocumentText(WriteProjectInputsJson(inputs))) != inputs) std::abort();
    if (ReadProjectDocument(WriteProjectFile(inputs, ProjectError{"не рассчитано"})) != inputs) std::abort();
    return 0;
}
