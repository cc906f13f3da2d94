// Language strings from a table made in the test, and an error reporter
// that records the boxes it was asked to show.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sondrel/ui/error_box.h"
#include "sondrel/ui/language_text.h"

namespace sondrel::testing {

class TableLanguageText : public ui::LanguageText {
public:
    TableLanguageText() = default;
    explicit TableLanguageText(std::map<std::int32_t, std::string> strings) : strings_(std::move(strings)) {}

    std::optional<std::string> String(std::int32_t id, std::size_t limit) const override {
        const auto found = strings_.find(id);
        if (found == strings_.end()) {
            return std::nullopt;
        }
        return found->second.substr(0, limit);
    }

    std::optional<std::string> Picture(std::int32_t id) const override {
        const auto found = pictures_.find(id);
        if (found == pictures_.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    const SondrelDialogTemplate* Dialog(std::int32_t id) const override {
        const auto found = dialogs_.find(id);
        return found == dialogs_.end() ? nullptr : found->second;
    }

    void Set(std::int32_t id, std::string text) { strings_[id] = std::move(text); }
    void Remove(std::int32_t id) { strings_.erase(id); }
    void SetPicture(std::int32_t id, std::string bytes) { pictures_[id] = std::move(bytes); }
    // The template must outlive the table.
    void SetDialog(std::int32_t id, const SondrelDialogTemplate* dialog) { dialogs_[id] = dialog; }

private:
    std::map<std::int32_t, std::string> strings_;
    std::map<std::int32_t, std::string> pictures_;
    std::map<std::int32_t, const SondrelDialogTemplate*> dialogs_;
};

// The units and texts the helpers use, as Glossa spells them.
inline TableLanguageText UnitStrings() {
    return TableLanguageText({{141, "None"},
                              {146, "Unknown"},
                              {280, "MHz"},
                              {281, "GHz"},
                              {293, "K"},
                              {294, "M"},
                              {295, " uops"},
                              {296, "B"},
                              {453, "."},
                              {470, "GT/s"}});
}

class RecordingErrorReporter : public ui::ErrorReporter {
public:
    void ShowErrorBox(ResultCode code) override { codes.push_back(code); }
    std::vector<ResultCode> codes;
};

}  // namespace sondrel::testing
