#include "ReportFile.h"

#include "CalcError.h"
#include "ProjectFile.h"

void WriteReportFile(const std::string& path, std::string_view bytes) {
    try {
        WriteProjectFileAtomically(path, bytes);
    } catch (const CalcError& e) {
        throw CalcError("Не удалось записать файл «" + path + "»: " + e.what() + ". Прежний файл не изменён");
    }
}
