// Typed reading of profile fields; every failure names the field's path.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "json_document.h"

namespace sondrel::profile::detail {

// Raised inside the parser only; LoadProfile turns it into a LoadError.
class FieldError : public std::runtime_error {
public:
    FieldError(std::string field, const std::string& problem)
        : std::runtime_error(problem), field_(std::move(field)) {}
    const std::string& field() const { return field_; }

private:
    std::string field_;
};

// The members of one JSON object. Keys nobody asked for are refused, so a
// misspelt key is reported instead of silently ignored; "comment" is
// allowed everywhere.
class ObjectFields {
public:
    ObjectFields(const JsonView& value, std::string path);

    // `key` is a literal of the parser: it is kept as a view.
    std::optional<JsonView> Optional(std::string_view key);
    JsonView Required(std::string_view key);
    std::string PathOf(std::string_view key) const;
    const std::string& path() const { return path_; }
    void RejectUnknownKeys() const;

private:
    JsonView object_;
    std::string path_;
    std::vector<std::string_view> used_;
};

// Unsigned integers: a JSON number, a "0x..." hexadecimal string or a
// decimal string, at most max.
std::uint64_t ReadUnsigned(const JsonView& value, const std::string& path, std::uint64_t max,
                           const char* expected);
std::uint32_t ReadUnsigned32(const JsonView& value, const std::string& path);
std::uint64_t ReadUnsigned64(const JsonView& value, const std::string& path);
// An integer in min .. max.
std::int32_t ReadCount(const JsonView& value, const std::string& path, std::int32_t min, std::int32_t max);
// A 32-bit result code; "0x80041F40", 2147746624 and -2147220672 are the same code.
std::int32_t ReadCode(const JsonView& value, const std::string& path, bool allowZero);
float ReadFrequency(const JsonView& value, const std::string& path);
std::string ReadString(const JsonView& value, const std::string& path);
bool ReadBoolean(const JsonView& value, const std::string& path);
// The text of a map key, read as an unsigned number.
std::uint64_t ReadKeyNumber(const std::string& key, const std::string& path, std::uint64_t max);

}  // namespace sondrel::profile::detail
