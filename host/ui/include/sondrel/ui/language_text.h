// Where the host's texts come from: the language module Glossa.so, or, in
// tests, a table. Every text of the helpers and the report goes through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "sondrel/language/resource_reader.h"

namespace sondrel::ui {

class LanguageText {
public:
    virtual ~LanguageText() = default;
    // The string cut to at most `limit` characters; nullopt when missing.
    virtual std::optional<std::string> String(std::int32_t id, std::size_t limit) const = 0;

    // The string, or the empty text when it is missing: for the places where
    // a missing string is no error.
    std::string StringOrEmpty(std::int32_t id, std::size_t limit) const;
    // The encoded bytes of a picture (bitmap or icon); nullopt when missing.
    virtual std::optional<std::string> Picture(std::int32_t /*id*/) const { return std::nullopt; }
    // A dialog template, valid as long as the source is; null when missing.
    virtual const SondrelDialogTemplate* Dialog(std::int32_t /*id*/) const { return nullptr; }
    // A menu's items in display order; empty when missing.
    virtual std::span<const SondrelMenuItem> Menu(std::int32_t /*id*/) const { return {}; }
};

// The strings of a loaded language module.
class ModuleLanguageText : public LanguageText {
public:
    explicit ModuleLanguageText(platform::LibraryHandle library) : reader_(library) {}
    std::optional<std::string> String(std::int32_t id, std::size_t limit) const override;
    std::optional<std::string> Picture(std::int32_t id) const override;
    const SondrelDialogTemplate* Dialog(std::int32_t id) const override;
    std::span<const SondrelMenuItem> Menu(std::int32_t id) const override { return reader_.Menu(id); }

private:
    language::ResourceReader reader_;
};

}  // namespace sondrel::ui
