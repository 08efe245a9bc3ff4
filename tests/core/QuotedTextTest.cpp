#include <gtest/gtest.h>

#include <string>

#include "QuotedText.h"

namespace {

TEST(QuotedText, AMessageRepeatsAtMostFortyCharactersShownAsText) {
    std::string cyrillic40;
    for (int i = 0; i < 40; ++i) cyrillic40 += "ж";
    struct Case {
        const char* name;
        std::string text;
        std::string quoted;
    };
    const Case cases[] = {
        {"short", "abc", "«abc»"},
        {"empty", "", "«»"},
        {"forty Cyrillic letters, kept whole", cyrillic40, "«" + cyrillic40 + "»"},
        {"forty-one, cut after forty", cyrillic40 + "ы", "«" + cyrillic40 + "…»"},
        {"a 15 MB number", std::string(15 * 1024 * 1024, '7'), "«" + std::string(40, '7') + "…»"},
        {"NUL and a line break shown", std::string("a\0b\nc\x7f", 6), "«a\\x00b\\x0Ac\\x7F»"},
        {"a control character counts once", std::string(39, 'x') + "\x01" + "y",
         "«" + std::string(39, 'x') + "\\x01…»"},
        {"a tab kept", "\t1", "«\t1»"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QuotedText(c.text), c.quoted);
        EXPECT_EQ("«" + ShortenedText(c.text) + "»", c.quoted);
    }
}

// A path keeps its end, where the file's own name is.
TEST(QuotedText, APathKeepsItsLastEightyCharacters) {
    std::string folder;
    for (int i = 0; i < 100; ++i) folder += "п";
    const std::string name = "/итоги.csv";
    struct Case {
        const char* name;
        std::string path;
        std::string quoted;
    };
    const Case cases[] = {
        {"short", "/tmp/итоги.csv", "«/tmp/итоги.csv»"},
        {"eighty characters, kept whole", folder.substr(0, 70 * 2) + name, "«" + folder.substr(0, 70 * 2) + name + "»"},
        {"a long folder cut at its start", "/" + folder + name, "«…" + folder.substr(0, 70 * 2) + name + "»"},
        {"a line break shown", "/tmp/a\nb", "«/tmp/a\\x0Ab»"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QuotedPath(c.path), c.quoted);
    }
}

}  // namespace
