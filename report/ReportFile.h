#pragma once

#include <string>
#include <string_view>

// Writing a report's file so that, whatever fails, a file of the same name is
// either left as it was or replaced by the complete new one: the bytes go to
// a temporary file beside it, which then takes its name
// (WriteProjectFileAtomically; a device or a FIFO is written directly). A
// failure raises a CalcError with a Russian message naming the file and the
// system's reason, e.g. «Не удалось записать файл «/tmp/a.xlsx»: нет доступа
// к файлу. Прежний файл не изменён» (the last sentence only for a file that
// would have been replaced).
void WriteReportFile(const std::string& path, std::string_view bytes);
