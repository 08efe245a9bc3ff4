#include "JsonTree.h"

#include <algorithm>
#include <utility>

#include <nlohmann/json.hpp>

#include "CalcError.h"
#include "ProjectFile.h"
#include "QuotedText.h"

namespace {

// Nothing in a project file nests deeper than seven levels; a limit keeps a
// hostile document from exhausting the stack when the tree is destroyed.
constexpr std::size_t kMaxNesting = 32;

constexpr const char* kNotJson = "текст не является документом JSON";

// The parser's reasons in the user's words, by a phrase of its English
// message; the first match counts, so that the narrower phrases come first.
struct ReasonWords {
    std::string_view phrase;
    std::string_view words;
};
// clang-format off
constexpr ReasonWords kReasons[] = {
    {"; expected end of input",   "после конца документа стоит ещё текст"},
    {"unexpected end of input",   "текст кончается раньше документа: не хватает закрывающей скобки или значения"},
    {"control character",         "управляющий знак внутри строки (его записывают как \\uXXXX)"},
    {"missing closing quote",     "строка не закрыта кавычкой"},
    {"ill-formed UTF-8",          "байты не в кодировке UTF-8"},
    {"surrogate",                 "недопустимый знак \\u в строке"},
    {"invalid string",            "недопустимая строка"},
    {"invalid number",            "недопустимое число"},
    {"number overflow",           "число слишком велико"},
    {"invalid literal",           "недопустимое слово: ожидались число, строка в кавычках, true, false или null"},
    {"invalid comment",           "недопустимый комментарий"},
    {"invalid BOM",               "недопустимая метка порядка байтов"},
    {"unexpected",                "неожиданный знак"},
};
// clang-format on

// What the parser expected, from the tail "; expected '[', '{', or a literal"
// of its message.
std::string ExpectedWords(std::string_view message) {
    constexpr std::string_view kExpected = "; expected ";
    const std::size_t at = message.rfind(kExpected);
    if (at == std::string_view::npos) return {};
    std::string what(message.substr(at + kExpected.size()));
    // "invalid number; expected digit after '-'; last read: '-x'" is the
    // reason itself, not what was expected.
    if (what.find("last read") != std::string::npos) return {};
    const auto replace = [&what](std::string_view from, std::string_view to) {
        for (std::size_t i = what.find(from); i != std::string::npos; i = what.find(from, i + to.size()))
            what.replace(i, from.size(), to);
    };
    replace("end of input", "конец текста");
    replace("string literal", "строка в кавычках");
    replace("a literal", "значение");
    replace(", or ", " или ");
    replace(" or ", " или ");
    return "; ожидалось: " + what;
}

// «ошибка в строке 3, столбце 14: строка не закрыта кавычкой; прочитано:
// «"abc…»» from the parser's English message and where it stopped.
std::string JsonSyntaxMessage(std::string_view document, std::size_t position, const std::string& lastRead,
                              std::string_view message) {
    std::string_view words = "недопустимый текст JSON";
    for (const ReasonWords& r : kReasons) {
        if (message.find(r.phrase) != std::string_view::npos) {
            words = r.words;
            break;
        }
    }
    // The parser counts the byte it stopped at; past the end it stopped at the end.
    const TextPlace place = PlaceInText(document, position > 0 ? position - 1 : 0);
    std::string text = "ошибка в строке " + std::to_string(place.line) + ", столбце " + std::to_string(place.column) +
                       ": " + std::string(words);
    if (!lastRead.empty() && message.find("unexpected end of input") == std::string_view::npos)
        text += "; прочитано: " + QuotedText(lastRead);
    return text + ExpectedWords(message);
}

using Json = nlohmann::json;

class JsonBuilder : public nlohmann::json_sax<Json> {
public:
    explicit JsonBuilder(std::string_view document) : document_(document) {}

    JsonNode root;
    std::string error;

    bool null() override { return Add(JsonNode{}); }
    bool boolean(bool value) override {
        JsonNode n;
        n.type = JsonNode::Type::Boolean;
        n.boolean = value;
        return Add(std::move(n));
    }
    bool number_integer(number_integer_t value) override { return Number(std::to_string(value)); }
    bool number_unsigned(number_unsigned_t value) override { return Number(std::to_string(value)); }
    bool number_float(number_float_t, const string_t& written) override { return Number(written); }
    bool string(string_t& value) override {
        JsonNode n;
        n.type = JsonNode::Type::Text;
        n.text = std::move(value);
        return Add(std::move(n));
    }
    bool binary(binary_t&) override { return Fail("двоичные данные не являются текстом JSON"); }
    bool start_object(std::size_t) override {
        JsonNode n;
        n.type = JsonNode::Type::Object;
        return Open(std::move(n));
    }
    bool key(string_t& name) override {
        pendingKey_ = std::move(name);
        return true;
    }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override {
        JsonNode n;
        n.type = JsonNode::Type::List;
        return Open(std::move(n));
    }
    bool end_array() override { return Close(); }
    bool parse_error(std::size_t position, const std::string& lastRead,
                     const nlohmann::detail::exception& ex) override {
        return Fail(JsonSyntaxMessage(document_, position, lastRead, ex.what()));
    }

private:
    std::string_view document_;
    std::vector<JsonNode*> open_;
    std::string pendingKey_;

    bool Fail(const std::string& message) {
        if (error.empty()) error = message;
        return false;
    }
    bool Number(std::string written) {
        JsonNode n;
        n.type = JsonNode::Type::Number;
        n.text = std::move(written);
        return Add(std::move(n));
    }
    JsonNode* Place(JsonNode&& n) {
        if (open_.empty()) {
            root = std::move(n);
            return &root;
        }
        JsonNode& parent = *open_.back();
        if (parent.type == JsonNode::Type::Object) {
            parent.keys.push_back(std::move(pendingKey_));
            pendingKey_.clear();
        }
        parent.items.push_back(std::move(n));
        return &parent.items.back();
    }
    bool Add(JsonNode&& n) {
        Place(std::move(n));
        return true;
    }
    bool Open(JsonNode&& n) {
        if (open_.size() >= kMaxNesting) return Fail("списки и объекты вложены слишком глубоко");
        open_.push_back(Place(std::move(n)));
        return true;
    }
    bool Close() {
        open_.pop_back();
        return true;
    }
};

}  // namespace

TextPlace PlaceInText(std::string_view text, std::size_t byte) {
    byte = std::min(byte, text.size());
    TextPlace place;
    for (std::size_t i = 0; i < byte; ++i) {
        if (text[i] == '\n') {
            ++place.line;
            place.column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++place.column;
        }
    }
    return place;
}

void RefuseNulBytes(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul == std::string_view::npos) return;
    const TextPlace place = PlaceInText(text, nul);
    throw DocumentTextError("в строке " + std::to_string(place.line) + ", столбце " + std::to_string(place.column) +
                            " стоит нулевой байт: это не текст");
}

JsonNode ParseJsonTree(std::string_view document) {
    // The parser would take a NUL byte for the end of the text and read a
    // document cut short as whole.
    RefuseNulBytes(document);
    JsonBuilder builder(document);
    const bool ok = Json::sax_parse(document.begin(), document.end(), &builder);
    if (!ok || !builder.error.empty()) throw DocumentTextError(builder.error.empty() ? kNotJson : builder.error);
    return std::move(builder.root);
}

std::string Quoted(std::string_view key) { return "\"" + ShortenedText(key) + "\""; }
