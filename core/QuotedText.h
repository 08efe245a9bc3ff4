#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How every message repeats a text it did not make itself: a typed value, a
// key or a name of a document, a file name. A message stays short and whole
// whatever the text is: a 15 MB number is repeated by its first characters
// only, and a NUL or another control character cannot end or break the line.

// The most characters of a text a message repeats.
inline constexpr std::size_t kQuotedLength = 40;

// The text as a message repeats it: its first kQuotedLength characters (UTF-8
// characters, not bytes), "…" after them when it was longer, and every control
// character but the tab written as \xNN.
std::string ShortenedText(std::string_view text);

// ShortenedText in the marks «…»: «abc», «12345…».
std::string QuotedText(std::string_view text);

// The most characters of a file's path a message repeats: the file's own
// name is at its end, so a longer path keeps its end.
inline constexpr std::size_t kQuotedPathLength = 80;

// A file's path in the marks «…», its last kQuotedPathLength characters
// kept, "…" before them when it was longer, control characters as \xNN:
// «…/Проекты/офис.json».
std::string QuotedPath(std::string_view path);
