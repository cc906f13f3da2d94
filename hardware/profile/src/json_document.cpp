#include "json_document.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>
#include <utility>

#include "sondrel/profile/profile.h"

namespace sondrel::profile::detail {

namespace {

constexpr std::string_view kCommentKey = "comment";

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

}  // namespace

// Builds the compact document from the parser's events. Duplicate keys are
// refused with their path (nlohmann's own builder would silently keep one),
// and the value of every "comment" key is kept as null only, so comments
// take no memory whatever they hold.
class DocumentBuilder {
public:
    using json = nlohmann::json;
    using Kind = JsonDocument::Kind;
    using Node = JsonDocument::Node;

    DocumentBuilder(std::string_view text, JsonDocument* document, JsonProblem* problem)
        : text_(text), document_(document), problem_(problem) {
        // Every value takes at least two characters of the text; untouched
        // reserved pages cost nothing.
        document_->nodes_.clear();
        document_->strings_.clear();
        document_->nodes_.reserve(text.size() / 2 + 2);
    }

    bool null() { return Place(Kind::kNull, 0); }
    bool boolean(bool value) { return Place(Kind::kBoolean, value ? 1 : 0); }
    bool number_integer(json::number_integer_t value) {
        return Place(Kind::kInteger, static_cast<std::uint64_t>(value));
    }
    bool number_unsigned(json::number_unsigned_t value) { return Place(Kind::kUnsigned, value); }
    bool number_float(json::number_float_t value, const json::string_t&) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return Place(Kind::kFloat, bits);
    }
    bool string(json::string_t& value) {
        if (Skipping()) {
            return true;
        }
        if (commentPending_) {
            return Place(Kind::kNull, 0);
        }
        AddValueToParent();
        PushString(value);
        return true;
    }
    bool binary(json::binary_t&) { return Place(Kind::kNull, 0); }

    bool start_object(std::size_t) { return Open(Kind::kObject); }
    bool start_array(std::size_t) { return Open(Kind::kArray); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(json::string_t& key) {
        if (Skipping()) {
            return true;
        }
        Frame& frame = frames_.back();
        ++frame.count;
        frame.pendingKey = key;
        commentPending_ = key == kCommentKey;
        PushString(key);
        return true;
    }

    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) {
        problem_->field.clear();
        problem_->problem = "not valid JSON at " + Where(position, error.what());
        return false;
    }

private:
    struct Frame {
        std::uint32_t node;
        std::string path;
        std::string pendingKey;
        std::uint32_t count = 0;
    };

    bool Skipping() const { return skipNesting_ > 0; }

    std::vector<Node>& nodes() { return document_->nodes_; }

    static std::uint32_t KindBits(Kind kind) {
        return static_cast<std::uint32_t>(kind) << JsonDocument::kKindShift;
    }

    void PushString(const std::string& value) {
        Node node;
        node.payload = document_->strings_.size();
        node.kindAndCount = KindBits(Kind::kString) | static_cast<std::uint32_t>(value.size());
        document_->strings_.append(value);
        nodes().push_back(node);
        nodes().back().end = static_cast<std::uint32_t>(nodes().size());
    }

    void AddValueToParent() {
        if (!frames_.empty() && IsArray(frames_.back())) {
            ++frames_.back().count;
        }
    }

    bool IsArray(const Frame& frame) const {
        return static_cast<Kind>(document_->nodes_[frame.node].kindAndCount >> JsonDocument::kKindShift) ==
               Kind::kArray;
    }

    bool Place(Kind kind, std::uint64_t payload) {
        if (Skipping()) {
            return true;
        }
        if (commentPending_) {
            commentPending_ = false;
            kind = Kind::kNull;
            payload = 0;
        }
        AddValueToParent();
        Node node;
        node.payload = payload;
        node.kindAndCount = KindBits(kind);
        nodes().push_back(node);
        nodes().back().end = static_cast<std::uint32_t>(nodes().size());
        return true;
    }

    // Path of the value about to be placed in the innermost container.
    std::string ChildPath() const {
        const Frame& frame = frames_.back();
        if (!IsArray(frame)) {
            return JoinKey(frame.path, frame.pendingKey);
        }
        return JoinIndex(frame.path, frame.count);
    }

    bool TooDeep(std::size_t depth, const std::string& path) {
        if (depth < kMaxNesting) {
            return false;
        }
        problem_->field = path;
        problem_->problem = "nested more than " + std::to_string(kMaxNesting) + " levels deep";
        return true;
    }

    bool Open(Kind kind) {
        if (Skipping()) {
            ++skipNesting_;
            return !TooDeep(frames_.size() + skipNesting_ - 1, commentPath_);
        }
        std::string path = frames_.empty() ? std::string() : ChildPath();
        if (TooDeep(frames_.size(), path)) {
            return false;
        }
        if (commentPending_) {
            commentPath_ = path;
            Place(Kind::kNull, 0);
            skipNesting_ = 1;
            return true;
        }
        AddValueToParent();
        Node node;
        node.kindAndCount = KindBits(kind);
        nodes().push_back(node);
        frames_.push_back(Frame{static_cast<std::uint32_t>(nodes().size() - 1), std::move(path), {}, 0});
        return true;
    }

    bool Close() {
        if (Skipping()) {
            --skipNesting_;
            return true;
        }
        const Frame& frame = frames_.back();
        Node& node = nodes()[frame.node];
        node.end = static_cast<std::uint32_t>(nodes().size());
        node.kindAndCount |= frame.count & JsonDocument::kCountMask;
        const bool unique = IsArray(frame) || UniqueKeys(frame);
        frames_.pop_back();
        return unique;
    }

    // Refuses the duplicate key met first in the document.
    bool UniqueKeys(const Frame& frame) {
        const JsonView object(*document_, frame.node);
        std::vector<std::pair<std::string_view, std::uint32_t>> keys;
        keys.reserve(frame.count);
        std::uint32_t position = 0;
        for (const JsonView::Member member : object.items()) {
            keys.emplace_back(member.KeyView(), position++);
        }
        std::sort(keys.begin(), keys.end());
        const std::pair<std::string_view, std::uint32_t>* duplicate = nullptr;
        for (std::size_t i = 1; i < keys.size(); ++i) {
            if (keys[i].first == keys[i - 1].first &&
                (duplicate == nullptr || keys[i].second < duplicate->second)) {
                duplicate = &keys[i];
            }
        }
        if (duplicate == nullptr) {
            return true;
        }
        problem_->field = JoinKey(frame.path, std::string(duplicate->first));
        problem_->problem = "duplicate key";
        return false;
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
    JsonDocument* document_;
    JsonProblem* problem_;
    std::vector<Frame> frames_;
    bool commentPending_ = false;
    std::size_t skipNesting_ = 0;
    std::string commentPath_;
};

JsonView JsonDocument::Root() const {
    return JsonView(*this, 0);
}

std::size_t JsonView::size() const {
    return (is_array() || is_object()) ? (node().kindAndCount & JsonDocument::kCountMask) : 0;
}

JsonView JsonView::operator[](std::size_t i) const {
    const auto& nodes = document_->nodes_;
    std::size_t at = 0;
    std::uint32_t child = index_ + 1;
    if (document_->cursorArray_ == index_ && document_->cursorIndex_ <= i && document_->cursorNode_ != 0) {
        at = document_->cursorIndex_;
        child = document_->cursorNode_;
    }
    for (; at < i; ++at) {
        child = nodes[child].end;
    }
    document_->cursorArray_ = index_;
    document_->cursorIndex_ = i;
    document_->cursorNode_ = child;
    return JsonView(*document_, child);
}

std::int64_t JsonView::Integer() const {
    return static_cast<std::int64_t>(node().payload);
}

double JsonView::Float() const {
    switch (kind()) {
        case Kind::kInteger:
            return static_cast<double>(Integer());
        case Kind::kUnsigned:
            return static_cast<double>(Unsigned());
        default: {
            double value = 0;
            std::memcpy(&value, &node().payload, sizeof value);
            return value;
        }
    }
}

std::string_view JsonView::StringView() const {
    return std::string_view(document_->strings_)
        .substr(node().payload, node().kindAndCount & JsonDocument::kCountMask);
}

JsonView::Members JsonView::items() const {
    return {MemberIterator(*document_, index_ + 1), MemberIterator(*document_, node().end)};
}

bool JsonView::Find(std::string_view key, JsonView* value) const {
    for (const Member member : items()) {
        if (member.KeyView() == key) {
            *value = member.value();
            return true;
        }
    }
    return false;
}

std::string JoinKey(const std::string& path, const std::string& key) {
    if (IsIdentifier(key)) {
        return path.empty() ? key : path + "." + key;
    }
    return path + "[\"" + key + "\"]";
}

std::string JoinIndex(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

bool ReadJsonDocument(std::string_view text, JsonDocument* document, JsonProblem* problem) {
    DocumentBuilder builder(text, document, problem);
    return nlohmann::json::sax_parse(text, &builder, nlohmann::json::input_format_t::json, true, false);
}

}  // namespace sondrel::profile::detail
