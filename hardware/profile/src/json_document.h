// Strict JSON reading for profiles: refuses duplicate keys and absurd
// nesting, and reports syntax errors by line and column. The document is
// kept compact (16 bytes a value, strings in one buffer) so that a profile
// at the file-size limit takes memory in proportion to its size, not a
// heavy object per value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sondrel::profile::detail {

struct JsonProblem {
    std::string field;
    std::string problem;
};

// Appends an object key or array index to a field path.
std::string JoinKey(const std::string& path, const std::string& key);
std::string JoinIndex(const std::string& path, std::size_t index);

class JsonView;

class JsonDocument {
public:
    enum class Kind : std::uint8_t { kNull, kBoolean, kInteger, kUnsigned, kFloat, kString, kArray, kObject };

    // Values in document order; an object's members are a key (a string)
    // followed by its value. `end` is the index after the value and all it
    // holds; `count` is a string's length or a container's element count.
    struct Node {
        std::uint64_t payload = 0;  // number bits, boolean, or string offset
        std::uint32_t end = 0;
        std::uint32_t kindAndCount = 0;
    };
    static constexpr unsigned kKindShift = 29;
    static constexpr std::uint32_t kCountMask = (1u << kKindShift) - 1;

    JsonView Root() const;

private:
    friend class JsonView;
    friend class DocumentBuilder;

    std::vector<Node> nodes_;
    std::string strings_;
    // The last element reached in an array, so that reading one in order is
    // not quadratic.
    mutable std::uint32_t cursorArray_ = 0;
    mutable std::size_t cursorIndex_ = 0;
    mutable std::uint32_t cursorNode_ = 0;
};

// One value of a document, with the few reading operations the profile
// parser needs (named as nlohmann::json names them).
class JsonView {
public:
    using Kind = JsonDocument::Kind;

    JsonView(const JsonDocument& document, std::uint32_t index) : document_(&document), index_(index) {}

    bool is_null() const { return kind() == Kind::kNull; }
    bool is_boolean() const { return kind() == Kind::kBoolean; }
    bool is_string() const { return kind() == Kind::kString; }
    bool is_array() const { return kind() == Kind::kArray; }
    bool is_object() const { return kind() == Kind::kObject; }
    bool is_number() const { return is_number_integer() || is_number_float(); }
    // Signed or unsigned, as nlohmann::json has it.
    bool is_number_integer() const { return kind() == Kind::kInteger || kind() == Kind::kUnsigned; }
    bool is_number_unsigned() const { return kind() == Kind::kUnsigned; }
    bool is_number_float() const { return kind() == Kind::kFloat; }

    // Elements of an array or members of an object.
    std::size_t size() const;
    bool empty() const { return size() == 0; }
    // Element `i` of an array.
    JsonView operator[](std::size_t i) const;

    bool Boolean() const { return node().payload != 0; }
    std::int64_t Integer() const;
    std::uint64_t Unsigned() const { return node().payload; }
    double Float() const;
    std::string String() const { return std::string(StringView()); }
    std::string_view StringView() const;

    class Member {
    public:
        Member(const JsonDocument& document, std::uint32_t keyIndex) : document_(&document), key_(keyIndex) {}
        std::string key() const { return JsonView(*document_, key_).String(); }
        std::string_view KeyView() const { return JsonView(*document_, key_).StringView(); }
        JsonView value() const { return JsonView(*document_, key_ + 1); }

    private:
        const JsonDocument* document_;
        std::uint32_t key_;
    };

    class MemberIterator {
    public:
        MemberIterator(const JsonDocument& document, std::uint32_t keyIndex)
            : document_(&document), key_(keyIndex) {}
        Member operator*() const { return Member(*document_, key_); }
        MemberIterator& operator++() {
            key_ = document_->nodes_[key_ + 1].end;
            return *this;
        }
        bool operator!=(const MemberIterator& other) const { return key_ != other.key_; }

    private:
        const JsonDocument* document_;
        std::uint32_t key_;
    };

    struct Members {
        MemberIterator first;
        MemberIterator last;
        MemberIterator begin() const { return first; }
        MemberIterator end() const { return last; }
    };

    // The members of an object in document order.
    Members items() const;
    // The member named `key`; false when there is none.
    bool Find(std::string_view key, JsonView* value) const;

private:
    const JsonDocument::Node& node() const { return document_->nodes_[index_]; }
    Kind kind() const { return static_cast<Kind>(node().kindAndCount >> JsonDocument::kKindShift); }

    const JsonDocument* document_;
    std::uint32_t index_;
};

// False with *problem filled when text is not a well-formed profile document.
bool ReadJsonDocument(std::string_view text, JsonDocument* document, JsonProblem* problem);

}  // namespace sondrel::profile::detail
