// The user's own tables on disk: kept in their folder and read back, a bad
// file set aside instead of overwritten, and an import that is whole or nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "CalcError.h"
#include "UserTableFiles.h"

namespace {

namespace fs = std::filesystem;

class UserTableFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("solargain-user-tables-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Folder() const { return (folder_ / "solargain").string(); }
    std::string PathOf(const char* name) const { return (folder_ / name).string(); }
    static void Write(const std::string& path, const std::string& text) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder_;
};

const UserTable kCities{UserTableKind::Cities, {{"Посёлок Лесной", "55.2", "18.4", "10.5", "метеостанция"}}};

}  // namespace

TEST_F(UserTableFilesTest, SavedTablesAreReadBackFromTheirFolder) {
    std::string problem;
    EXPECT_TRUE(LoadUserTable(Folder(), UserTableKind::Cities, problem).rows.empty());  // no file yet
    EXPECT_EQ(problem, "");
    SaveUserTable(Folder(), kCities);
    EXPECT_EQ(Read(Folder() + "/cities.csv"), UserTableCsv(kCities));
    EXPECT_EQ(LoadUserTable(Folder(), UserTableKind::Cities, problem).rows, kCities.rows);
    EXPECT_TRUE(LoadUserTable(Folder(), UserTableKind::Materials, problem).rows.empty());
}

TEST_F(UserTableFilesTest, AnUnreadableTableIsSetAsideNotOverwritten) {
    const std::string bad = "Название,Широта,tн.ср,Aтн\nЛесной,55,жарко,10\n";
    Write(Folder() + "/cities.csv", bad);
    std::string problem;
    EXPECT_TRUE(LoadUserTable(Folder(), UserTableKind::Cities, problem).rows.empty());
    EXPECT_NE(problem.find("Строка 2: tн.ср"), std::string::npos) << problem;
    EXPECT_NE(problem.find("cities.csv.unreadable"), std::string::npos) << problem;
    EXPECT_EQ(Read(Folder() + "/cities.csv.unreadable"), bad);
    SaveUserTable(Folder(), kCities);
    EXPECT_EQ(Read(Folder() + "/cities.csv.unreadable"), bad);
}

TEST_F(UserTableFilesTest, ExportedTablesImportAndABadLineNamesItself) {
    ExportUserTable(PathOf("export.csv"), kCities);
    EXPECT_EQ(ImportUserTable(PathOf("export.csv"), UserTableKind::Cities).rows, kCities.rows);

    Write(PathOf("bad.csv"), "Название,Широта,tн.ср,Aтн\nОзёрск,56,18,9\nЗаречный,57,18\n,57,18,10\n");
    try {
        ImportUserTable(PathOf("bad.csv"), UserTableKind::Cities);
        ADD_FAILURE() << "accepted";
    } catch (const CalcError& e) {
        EXPECT_NE(std::string(e.what()).find("отменён, таблица не изменена: Строка 3: Aтн: не заполнено"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_THROW(ImportUserTable(PathOf("missing.csv"), UserTableKind::Cities), CalcError);
}
