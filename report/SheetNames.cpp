// Names of workbook sheets taken from what the user typed (room names).

#include <string>
#include <string_view>
#include <vector>

#include "ReportWorkbook.h"
#include "RussianText.h"

namespace {

// The longest sheet name, in characters, and what a name may not hold.
constexpr std::size_t kMaxSheetNameLength = 31;
constexpr std::string_view kForbiddenInSheetName = "[]:*?/\\";

bool StartsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (StartsCharacter(text[i]) && seen++ == count) return text.substr(0, i);
    }
    return text;
}

std::string ValidSheetName(const std::string& wish) {
    std::string name;
    for (const char c : wish) {
        const bool control = static_cast<unsigned char>(c) < 0x20;
        name += kForbiddenInSheetName.find(c) != std::string_view::npos || control ? '_' : c;
    }
    name = FirstCharacters(name, kMaxSheetNameLength);
    while (!name.empty() && name.front() == '\'') name.erase(0, 1);
    while (!name.empty() && name.back() == '\'') name.pop_back();
    return name.empty() ? "_" : name;
}

bool Taken(const std::vector<std::string>& names, const std::string& name) {
    const std::u32string folded = FoldedName(name);
    for (const std::string& other : names) {
        if (FoldedName(other) == folded) return true;
    }
    return false;
}

}  // namespace

std::vector<std::string> SheetNames(const std::vector<std::string>& wishes) {
    std::vector<std::string> names;
    names.reserve(wishes.size());
    for (const std::string& wish : wishes) {
        const std::string name = ValidSheetName(wish);
        std::string unique = name;
        for (int n = 2; Taken(names, unique); ++n) {
            const std::string suffix = " (" + std::to_string(n) + ")";
            unique = ValidSheetName(FirstCharacters(name, kMaxSheetNameLength - suffix.size()) + suffix);
        }
        names.push_back(unique);
    }
    return names;
}
