#include "field_reader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "json_document.h"

namespace sondrel::profile::detail {

namespace {

constexpr std::uint64_t kMax32 = 0xFFFFFFFFu;

std::string Hex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value & 0xFu]);
        value >>= 4;
    } while (value != 0);
    return "0x" + text;
}

[[noreturn]] void OutOfRange(const std::string& path, std::uint64_t max) {
    throw FieldError(path, "out of range: at most " + Hex(max));
}

// Empty when the text is not a number at all; max + 1 saturates overflow.
std::optional<std::uint64_t> ParseNumberText(const std::string& text, std::uint64_t max, bool* overflow) {
    *overflow = false;
    unsigned base = 10;
    std::size_t start = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        start = 2;
    }
    if (start == text.size()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / base) {
            *overflow = true;
        } else {
            value = value * base + digit;
        }
    }
    if (value > max) {
        *overflow = true;
    }
    return value;
}

}  // namespace

ObjectFields::ObjectFields(const JsonView& value, std::string path) : object_(value), path_(std::move(path)) {
    if (!value.is_object()) {
        throw FieldError(path_.empty() ? "(top level)" : path_, "expected an object");
    }
}

std::optional<JsonView> ObjectFields::Optional(std::string_view key) {
    used_.push_back(key);
    JsonView value = object_;
    if (!object_.Find(key, &value)) {
        return std::nullopt;
    }
    return value;
}

JsonView ObjectFields::Required(std::string_view key) {
    const std::optional<JsonView> value = Optional(key);
    if (!value) {
        throw FieldError(PathOf(key), "missing");
    }
    return *value;
}

std::string ObjectFields::PathOf(std::string_view key) const {
    return JoinKey(path_, std::string(key));
}

void ObjectFields::RejectUnknownKeys() const {
    for (const JsonView::Member item : object_.items()) {
        const std::string_view key = item.KeyView();
        if (key != "comment" && std::find(used_.begin(), used_.end(), key) == used_.end()) {
            throw FieldError(PathOf(item.key()), "unknown key");
        }
    }
}

std::uint64_t ReadUnsigned(const JsonView& value, const std::string& path, std::uint64_t max,
                           const char* expected) {
    if (value.is_number_unsigned()) {
        const auto number = value.Unsigned();
        if (number > max) {
            OutOfRange(path, max);
        }
        return number;
    }
    if (value.is_number_integer()) {
        throw FieldError(path, "out of range: negative");
    }
    if (value.is_number_float()) {
        const double number = value.Float();
        // Integers too large for 64 bits arrive as floating-point numbers.
        if (std::isfinite(number) && number == std::floor(number)) {
            if (number < 0) {
                throw FieldError(path, "out of range: negative");
            }
            OutOfRange(path, max);
        }
        throw FieldError(path, std::string("expected ") + expected);
    }
    if (value.is_string()) {
        bool overflow = false;
        const auto number = ParseNumberText(value.String(), max, &overflow);
        if (number) {
            if (overflow) {
                OutOfRange(path, max);
            }
            return *number;
        }
    }
    throw FieldError(path, std::string("expected ") + expected);
}

std::uint32_t ReadUnsigned32(const JsonView& value, const std::string& path) {
    return static_cast<std::uint32_t>(ReadUnsigned(value, path, kMax32, "an unsigned 32-bit number"));
}

std::uint64_t ReadUnsigned64(const JsonView& value, const std::string& path) {
    return ReadUnsigned(value, path, std::numeric_limits<std::uint64_t>::max(), "an unsigned 64-bit number");
}

std::int32_t ReadCount(const JsonView& value, const std::string& path, std::int32_t min, std::int32_t max) {
    const std::string range = "out of range: from " + std::to_string(min) + " to " + std::to_string(max);
    if (value.is_number_integer() && !value.is_number_unsigned()) {
        throw FieldError(path, range);
    }
    std::uint64_t number = 0;
    try {
        number = ReadUnsigned(value, path, std::numeric_limits<std::uint64_t>::max(), "a whole number");
    } catch (const FieldError& error) {
        if (std::string_view(error.what()).starts_with("out of range")) {
            throw FieldError(path, range);
        }
        throw;
    }
    if (number < static_cast<std::uint64_t>(min) || number > static_cast<std::uint64_t>(max)) {
        throw FieldError(path, range);
    }
    return static_cast<std::int32_t>(number);
}

std::int32_t ReadCode(const JsonView& value, const std::string& path, bool allowZero) {
    std::uint32_t bits = 0;
    if (value.is_number_integer() && !value.is_number_unsigned()) {
        const auto number = value.Integer();
        if (number < std::numeric_limits<std::int32_t>::min()) {
            throw FieldError(path, "out of range: a result code is 32 bits");
        }
        bits = static_cast<std::uint32_t>(number);
    } else {
        bits =
            static_cast<std::uint32_t>(ReadUnsigned(value, path, kMax32, "a result code (a 32-bit number)"));
    }
    if (bits == 0 && !allowZero) {
        throw FieldError(path, "out of range: a failure code must not be 0");
    }
    return static_cast<std::int32_t>(bits);
}

float ReadFrequency(const JsonView& value, const std::string& path) {
    if (!value.is_number()) {
        throw FieldError(path, "expected a frequency in MHz (a JSON number)");
    }
    const double number = value.Float();
    if (!std::isfinite(number) || std::fabs(number) > std::numeric_limits<float>::max()) {
        throw FieldError(path, "out of range: not a 32-bit floating-point number");
    }
    return static_cast<float>(number);
}

std::string ReadString(const JsonView& value, const std::string& path) {
    if (!value.is_string()) {
        throw FieldError(path, "expected a string");
    }
    return value.String();
}

bool ReadBoolean(const JsonView& value, const std::string& path) {
    if (!value.is_boolean()) {
        throw FieldError(path, "expected true or false");
    }
    return value.Boolean();
}

std::uint64_t ReadKeyNumber(const std::string& key, const std::string& path, std::uint64_t max) {
    bool overflow = false;
    const auto number = ParseNumberText(key, max, &overflow);
    if (!number) {
        throw FieldError(path, "expected a number as the key (\"0x...\" or decimal)");
    }
    if (overflow) {
        OutOfRange(path, max);
    }
    return *number;
}

}  // namespace sondrel::profile::detail
