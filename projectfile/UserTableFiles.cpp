#include "UserTableFiles.h"

#include <filesystem>
#include <system_error>

#include "CalcError.h"
#include "ProjectDocument.h"
#include "ProjectFile.h"
#include "QuotedText.h"

namespace {

std::string PathIn(const std::string& folder, UserTableKind kind) {
    return (std::filesystem::path(folder) / std::string(UserTableFileName(kind))).string();
}

// A free name beside `path` for a file set aside: «PATH.unreadable», then «PATH.unreadable-2», …
std::string SetAsideName(const std::string& path) {
    std::string name = path + ".unreadable";
    std::error_code error;
    for (int n = 2; std::filesystem::exists(name, error); ++n) name = path + ".unreadable-" + std::to_string(n);
    return name;
}

}  // namespace

UserTable LoadUserTable(const std::string& folder, UserTableKind kind, std::string& problem) {
    problem.clear();
    if (folder.empty()) return {kind, {}};  // no data folder: nothing kept yet
    const std::string path = PathIn(folder, kind);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {kind, {}};
    try {
        return ParseUserTableCsv(kind, ReadProjectText(path));
    } catch (const CalcError& e) {
        const std::string aside = SetAsideName(path);
        std::filesystem::rename(path, aside, error);
        problem = "Таблица " + QuotedText(UserTableTitle(kind)) + " не прочитана из " + QuotedPath(path) + ": " +
                  e.what() +
                  (error ? "; отложить файл не удалось, сохранение таблицы заменит его"
                         : "; файл сохранён как " + QuotedPath(aside) + ", таблица начата заново");
        return {kind, {}};
    }
}

void SaveUserTable(const std::string& folder, const UserTable& table) {
    if (folder.empty()) throw CalcError("Не найдена папка данных пользователя: таблица не сохранена");
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw CalcError("Не удалось создать папку " + QuotedPath(folder) + ": " + FileErrorMessage(error.value()));
    }
    ExportUserTable(PathIn(folder, table.kind), table);
}

UserTable ImportUserTable(const std::string& path, UserTableKind kind) {
    try {
        return ParseUserTableCsv(kind, ReadProjectText(path));
    } catch (const CalcError& e) {
        throw CalcError("Импорт из " + QuotedPath(path) + " отменён, таблица не изменена: " + e.what());
    }
}

void ExportUserTable(const std::string& path, const UserTable& table) {
    try {
        WriteProjectFileAtomically(path, UserTableCsv(table));
    } catch (const CalcError& e) {
        throw CalcError("Не удалось записать " + QuotedPath(path) + ": " + e.what());
    }
}
