#include "json_document.h"

#include <cctype>
#include <cstdio>
#include <set>
#include <utility>
#include <vector>

#include "sondrel/profile/profile.h"

namespace sondrel::profile::detail {

namespace {

bool IsIdentifier(const std::string& key) {
    if (key.empty() || std::isdigit(static_cast<unsigned char>(key[0])) != 0) {
        return false;
    }
    for (char c : key) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '_') {
            return false;
        }
    }
    return true;
}

// Builds the document itself so duplicate keys can be refused with their
// path; nlohmann's own builder would silently keep one of them.
class StrictBuilder {
public:
    using json = nlohmann::json;

    StrictBuilder(std::string_view text, json* root, JsonProblem* problem)
        : text_(text), root_(root), problem_(problem) {}

    bool null() { return Place(json(nullptr)); }
    bool boolean(bool value) { return Place(json(value)); }
    bool number_integer(json::number_integer_t value) { return Place(json(value)); }
    bool number_unsigned(json::number_unsigned_t value) { return Place(json(value)); }
    bool number_float(json::number_float_t value, const json::string_t&) { return Place(json(value)); }
    bool string(json::string_t& value) { return Place(json(std::move(value))); }
    bool binary(json::binary_t& value) { return Place(json::binary(std::move(value))); }

    bool start_object(std::size_t) { return Open(json::object()); }
    bool start_array(std::size_t) { return Open(json::array()); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(json::string_t& key) {
        Frame& frame = frames_.back();
        if (!frame.keys.insert(key).second) {
            problem_->field = JoinKey(frame.path, key);
            problem_->problem = "duplicate key";
            return false;
        }
        frame.pendingKey = key;
        return true;
    }

    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) {
        problem_->field.clear();
        problem_->problem = "not valid JSON at " + Where(position, error.what());
        return false;
    }

private:
    struct Frame {
        json* value;
        std::string path;
        std::set<std::string> keys;
        std::string pendingKey;
    };

    // Path of the value about to be placed in the innermost container.
    std::string ChildPath() const {
        const Frame& frame = frames_.back();
        if (frame.value->is_object()) {
            return JoinKey(frame.path, frame.pendingKey);
        }
        return JoinIndex(frame.path, frame.value->size());
    }

    json* Insert(json&& value) {
        if (frames_.empty()) {
            *root_ = std::move(value);
            return root_;
        }
        Frame& frame = frames_.back();
        if (frame.value->is_object()) {
            return &((*frame.value)[frame.pendingKey] = std::move(value));
        }
        frame.value->push_back(std::move(value));
        return &frame.value->back();
    }

    bool Place(json&& value) {
        Insert(std::move(value));
        return true;
    }

    bool Open(json&& container) {
        std::string path = frames_.empty() ? std::string() : ChildPath();
        if (frames_.size() >= kMaxNesting) {
            problem_->field = path;
            problem_->problem = "nested more than " + std::to_string(kMaxNesting) + " levels deep";
            return false;
        }
        json* placed = Insert(std::move(container));
        frames_.push_back(Frame{placed, std::move(path), {}, {}});
        return true;
    }

    bool Close() {
        frames_.pop_back();
        return true;
    }

    // "line L column C: reason", from the parser's message where it has one.
    std::string Where(std::size_t position, const std::string& message) const {
        std::size_t line = 1;
        std::size_t column = 1;
        if (std::sscanf(message.c_str(), "%*[^l]line %zu, column %zu", &line, &column) != 2) {
            line = 1;
            column = 1;
            for (std::size_t i = 0; i + 1 < position && i < text_.size(); ++i) {
                if (text_[i] == '\n') {
                    ++line;
                    column = 1;
                } else {
                    ++column;
                }
            }
        }
        std::string reason = message;
        const std::size_t colon = message.find(": ");
        if (colon != std::string::npos) {
            reason = message.substr(colon + 2);
        }
        return "line " + std::to_string(line) + " column " + std::to_string(column) + ": " + reason;
    }

    std::string_view text_;
    json* root_;
    JsonProblem* problem_;
    std::vector<Frame> frames_;
};

}  // namespace

std::string JoinKey(const std::string& path, const std::string& key) {
    if (IsIdentifier(key)) {
        return path.empty() ? key : path + "." + key;
    }
    return path + "[\"" + key + "\"]";
}

std::string JoinIndex(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

bool ReadJsonDocument(std::string_view text, nlohmann::json* document, JsonProblem* problem) {
    StrictBuilder builder(text, document, problem);
    return nlohmann::json::sax_parse(text, &builder, nlohmann::json::input_format_t::json, true, false);
}

}  // namespace sondrel::profile::detail
