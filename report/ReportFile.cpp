#include "ReportFile.h"

#include "CalcError.h"
#include "ProjectFile.h"
#include "QuotedText.h"

void WriteReportFile(const std::string& path, std::string_view bytes) {
    bool inPlace = false;
    try {
        WriteProjectFileAtomically(path, bytes, &inPlace);
    } catch (const CalcError& e) {
        // A device or a FIFO written directly has no old contents to keep.
        throw CalcError("Не удалось записать файл " + QuotedPath(path) + ": " + e.what() +
                        (inPlace ? "" : ". Прежний файл не изменён"));
    }
}
