#include "RussianText.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// One code point from `text` at `i`, advancing `i`. A malformed or cut-off
// sequence yields its first byte, offset above the Unicode range so that it
// equals no real character.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 1;
    char32_t value = lead;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07u;
    }
    bool valid = lead < 0x80 || length > 1;
    if (valid && length > 1) {
        if (i + length > text.size()) valid = false;
        for (std::size_t k = 1; valid && k < length; ++k) {
            if ((byte(i + k) & 0xC0u) != 0x80u) valid = false;
            value = (value << 6) | (byte(i + k) & 0x3Fu);
        }
        // Overlong forms and surrogates are not characters.
        if (valid && ((length == 3 && value < 0x800) || (length == 4 && (value < 0x10000 || value > 0x10FFFF)) ||
                      (value >= 0xD800 && value <= 0xDFFF))) {
            valid = false;
        }
    }
    if (!valid) {
        ++i;
        return 0x110000u + lead;
    }
    i += length;
    return value;
}

char32_t FoldChar(char32_t c) {
    if (c >= U'А' && c <= U'Я') return c + (U'а' - U'А');
    if (c == U'Ё' || c == U'ё') return U'е';
    if (c >= U'A' && c <= U'Z') return c + (U'a' - U'A');
    return c;
}

// Place in the alphabetical order: letters of the Russian alphabet after
// every other character, Ё between Е and Ж.
std::uint32_t OrderOf(char32_t c) {
    constexpr std::uint32_t kLetters = 0x200000u;
    if (c >= U'А' && c <= U'Я') c += U'а' - U'А';
    if (c == U'Ё') c = U'ё';
    if (c == U'ё') return kLetters + 2 * (U'е' - U'а') + 1;
    if (c >= U'а' && c <= U'я') return kLetters + 2 * (c - U'а');
    if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
    return c;
}

std::vector<std::uint32_t> OrderKey(std::string_view text) {
    std::vector<std::uint32_t> key;
    for (std::size_t i = 0; i < text.size();) key.push_back(OrderOf(NextCodePoint(text, i)));
    return key;
}

}  // namespace

std::u32string FoldedName(std::string_view text) {
    std::u32string folded;
    for (std::size_t i = 0; i < text.size();) folded.push_back(FoldChar(NextCodePoint(text, i)));
    return folded;
}

bool RussianLess(std::string_view a, std::string_view b) {
    const std::vector<std::uint32_t> ka = OrderKey(a);
    const std::vector<std::uint32_t> kb = OrderKey(b);
    if (ka != kb) return ka < kb;
    return a < b;
}

bool StartsWithFolded(std::string_view name, std::string_view prefix) {
    return FoldedName(name).starts_with(FoldedName(prefix));
}

bool ContainsFolded(std::string_view name, std::string_view part) {
    return FoldedName(name).find(FoldedName(part)) != std::u32string::npos;
}

namespace {

// A letter or digit of a folded text: what words are made of.
bool IsWordChar(char32_t c) { return (c >= U'а' && c <= U'я') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9'); }

}  // namespace

std::optional<MatchPlace> FoldedMatchPlace(std::string_view name, std::string_view part) {
    const std::u32string folded = FoldedName(name);
    const std::u32string wanted = FoldedName(part);
    std::optional<MatchPlace> best;
    for (std::size_t at = folded.find(wanted); at != std::u32string::npos; at = folded.find(wanted, at + 1)) {
        const MatchPlace place = at == 0                       ? MatchPlace::NameStart
                                 : !IsWordChar(folded[at - 1]) ? MatchPlace::WordStart
                                                               : MatchPlace::InsideWord;
        if (!best || place < *best) best = place;
        if (place == MatchPlace::NameStart || wanted.empty()) break;
    }
    return best;
}

std::size_t FoldedEditDistance(std::string_view a, std::string_view b) {
    const std::u32string x = FoldedName(a);
    const std::u32string y = FoldedName(b);
    std::vector<std::size_t> row(y.size() + 1);
    for (std::size_t j = 0; j <= y.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= x.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}
