// Strict JSON reading for profiles: refuses duplicate keys and absurd
// nesting, and reports syntax errors by line and column.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace sondrel::profile::detail {

struct JsonProblem {
    std::string field;
    std::string problem;
};

// Appends an object key or array index to a field path.
std::string JoinKey(const std::string& path, const std::string& key);
std::string JoinIndex(const std::string& path, std::size_t index);

// False with *problem filled when text is not a well-formed profile document.
bool ReadJsonDocument(std::string_view text, nlohmann::json* document, JsonProblem* problem);

}  // namespace sondrel::profile::detail
