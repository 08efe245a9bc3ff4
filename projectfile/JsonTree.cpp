#include "JsonTree.h"

#include <utility>

#include <nlohmann/json.hpp>

#include "CalcError.h"

namespace {

// Nothing in a project file nests deeper than seven levels; a limit keeps a
// hostile document from exhausting the stack when the tree is destroyed.
constexpr std::size_t kMaxNesting = 32;

constexpr const char* kNotJson = "Проект не является документом JSON";

using Json = nlohmann::json;

class JsonBuilder : public nlohmann::json_sax<Json> {
public:
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
    bool binary(binary_t&) override {
        return Fail(std::string(kNotJson) + ": двоичные данные не являются текстом JSON");
    }
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
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& ex) override {
        // "[json.exception.parse_error.101] parse error at line 1, column 2: ..."
        std::string what = ex.what();
        const std::size_t bracket = what.find("] ");
        if (bracket != std::string::npos) what.erase(0, bracket + 2);
        return Fail(std::string(kNotJson) + ": " + what);
    }

private:
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
        if (open_.size() >= kMaxNesting) return Fail("В проекте списки и объекты вложены слишком глубоко");
        open_.push_back(Place(std::move(n)));
        return true;
    }
    bool Close() {
        open_.pop_back();
        return true;
    }
};

}  // namespace

JsonNode ParseJsonTree(std::string_view document) {
    JsonBuilder builder;
    const bool ok = Json::sax_parse(document.begin(), document.end(), &builder);
    if (!ok || !builder.error.empty()) throw CalcError(builder.error.empty() ? kNotJson : builder.error);
    return std::move(builder.root);
}

std::string Quoted(std::string_view key) { return "\"" + std::string(key) + "\""; }
