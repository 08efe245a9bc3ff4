#include "QuotedText.h"

namespace {

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

void AppendVisible(std::string& out, unsigned char c) {
    if ((c >= 0x20 && c != 0x7F) || c == '\t') {
        out += static_cast<char>(c);
        return;
    }
    constexpr const char* kHex = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

std::string VisibleText(std::string_view text) {
    std::string out;
    for (const char byte : text) AppendVisible(out, static_cast<unsigned char>(byte));
    return out;
}

}  // namespace

std::string ShortenedText(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(static_cast<unsigned char>(text[i])) && ++characters > kQuotedLength)
            return VisibleText(text.substr(0, i)) + "…";
    }
    return VisibleText(text);
}

std::string QuotedText(std::string_view text) { return "«" + ShortenedText(text) + "»"; }

std::string QuotedPath(std::string_view path) {
    std::size_t characters = 0;
    std::size_t start = path.size();  // of the last character counted
    for (std::size_t i = path.size(); i-- > 0;) {
        if (IsContinuationByte(static_cast<unsigned char>(path[i]))) continue;
        if (++characters > kQuotedPathLength) return "«…" + VisibleText(path.substr(start)) + "»";
        start = i;
    }
    return "«" + VisibleText(path) + "»";
}
