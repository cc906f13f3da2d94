#include "sondrel/ui/program_settings_values.h"

#include <optional>
#include <string>

#include "sondrel/app/single_instance.h"
#include "sondrel/platform/settings_store.h"
#include "sondrel/ui/string_ids.h"
#include "sondrel/ui/text_format.h"
#include "sondrel/ui/version.h"

namespace sondrel::ui {

namespace {

constexpr std::size_t kAddressLimit = app::kNameSettingLimit;

void WriteValue(const char* name, const std::string& value) {
    auto key = platform::OpenProgramSettings();
    if (key == nullptr) {
        return;
    }
    key->WriteText(name, value);
    key->Close();
}

}  // namespace

void WriteProgramSettingsValues(const LanguageText* language) {
    if (language == nullptr) {
        return;
    }
    const auto nameFormat = language->String(string_id::kVersionedCaption, kNameFormatLimit);
    if (!nameFormat) {
        return;
    }
    // A format that asks for anything but the version ends the writing too.
    const auto name =
        FormatText(*nameFormat, {FormatArgument::Text(kVersionText)}, app::kNameSettingLimit - 1);
    if (!name) {
        return;
    }
    WriteValue(app::kNameSetting, *name);
    const auto website = language->String(string_id::kSupportArticleAddress, kAddressLimit);
    if (!website) {
        return;
    }
    WriteValue(kWebsiteSetting, *website);
    const auto home = language->String(string_id::kHomePageAddress, kAddressLimit);
    if (!home) {
        return;
    }
    WriteValue(kQuarnWebsiteSetting, *home);
}

}  // namespace sondrel::ui
