#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Comparisons of Russian names as a user expects them: without regard to
// case, "ё" read as "е", and in alphabetical order А … Я. Texts are UTF-8; a
// byte that is not part of a UTF-8 sequence counts as one character of its
// own and never ends the text early.

// The text in the form names are compared in: Cyrillic and Latin letters in
// lower case, "ё" as "е", every other character as it is, as code points.
std::u32string FoldedName(std::string_view text);

// Alphabetical order: letters by the Russian alphabet (Ё right after Е),
// digits, blanks and punctuation before letters; lower and upper case equal,
// then the text's own bytes decide, so the order is total.
bool RussianLess(std::string_view a, std::string_view b);

// Whether `name` starts with `prefix`, or contains `part`, in folded form.
bool StartsWithFolded(std::string_view name, std::string_view prefix);
bool ContainsFolded(std::string_view name, std::string_view part);

// Where a folded text is found in a name, best first: at the start of the
// name, at the start of a later word (after a blank, hyphen, bracket or other
// sign), or inside a word; nothing when it is not found. An empty text is
// found at the start of every name.
enum class MatchPlace { NameStart, WordStart, InsideWord };
std::optional<MatchPlace> FoldedMatchPlace(std::string_view name, std::string_view part);

// Fewest insertions, deletions and replacements of characters that turn one
// folded text into the other.
std::size_t FoldedEditDistance(std::string_view a, std::string_view b);
