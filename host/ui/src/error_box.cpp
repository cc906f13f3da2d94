#include "sondrel/ui/error_box.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "sondrel/ui/string_ids.h"
#include "sondrel/ui/text_format.h"
#include "sondrel/ui/version.h"

namespace sondrel::ui {

namespace {

// Notices carry caption string 176 and no icon; errors the versioned
// caption and the error icon.
enum class BoxKind { kError, kNotice };

struct ErrorBoxRow {
    std::array<ResultCode, 2> codes;    // a second code of 0: none
    std::array<std::int32_t, 2> texts;  // a second text of 0: none
    BoxKind kind;
};

constexpr std::array<ErrorBoxRow, 15> kErrorBoxTable = {{
    {{result::kReportReadOnly, 0}, {string_id::kReportReadOnly, 0}, BoxKind::kError},
    {{result::kDiskSpaceLow, 0}, {string_id::kDiskSpaceLow, 0}, BoxKind::kError},
    {{result::kBrokerFailure43, 0}, {string_id::kBrokerFailure43, 0}, BoxKind::kError},
    {{result::kBrokerFailure44, result::kLanguageUnavailable},
     {string_id::kResourcesMissing, 0},
     BoxKind::kError},
    {{result::kBrokerFailure4C, 0}, {string_id::kBrokerFailure4C, 0}, BoxKind::kError},
    {{result::kRegistryWriteFailed, 0}, {string_id::kSettingsNotWritten, 0}, BoxKind::kError},
    {{result::kBrokerFailure52, result::kProcessorNotIdentified},
     {string_id::kProcessorNotIdentified, 0},
     BoxKind::kNotice},
    {{result::kServiceManagerDenied, 0}, {string_id::kServiceManagerDenied, 0}, BoxKind::kError},
    {{result::kProcessorNotPresent, 0},
     {string_id::kProcessorNotPresent, string_id::kSupportAdvice},
     BoxKind::kNotice},
    {{result::kBrokerFailure5E, 0},
     {string_id::kProcessorNotIdentified, string_id::kProcessorNotIdentifiedDetail},
     BoxKind::kNotice},
    {{result::kSystemTooOld, 0}, {string_id::kSystemTooOld, 0}, BoxKind::kError},
    {{result::kDocumentNotOpened, 0}, {string_id::kBrowserNotStarted, 0}, BoxKind::kError},
    {{result::kFailureA4, 0}, {string_id::kFailureA4, 0}, BoxKind::kError},
    {{result::kBrokerFailureA9, result::kBrokerFailureAE}, {string_id::kBrokerFailureA9, 0}, BoxKind::kError},
    {{result::kBrokerFailureB5, 0}, {string_id::kBrokerFailureB5, 0}, BoxKind::kError},
}};

// Format strings are read with the limit of the buffers they were read into.
constexpr std::size_t kCaptionFormatLimit = 1899;

const ErrorBoxRow* FindRow(ResultCode code) {
    const auto row =
        std::find_if(kErrorBoxTable.begin(), kErrorBoxTable.end(), [code](const ErrorBoxRow& entry) {
            return std::find(entry.codes.begin(), entry.codes.end(), code) != entry.codes.end() && code != 0;
        });
    return row == kErrorBoxTable.end() ? nullptr : &*row;
}

struct Unavailable {};

std::string Require(std::optional<std::string> text) {
    if (!text) {
        throw Unavailable{};
    }
    return std::move(*text);
}

ErrorBoxDescription Describe(ResultCode code, const LanguageText& language) {
    const std::string captionFormat =
        Require(language.String(string_id::kVersionedCaption, kCaptionFormatLimit));
    const std::string versioned =
        Require(FormatText(captionFormat, {FormatArgument::Text(kVersionText)}, kErrorCaptionLimit));

    const ErrorBoxRow* row = FindRow(code);
    if (row == nullptr) {
        const std::string format =
            Require(language.String(string_id::kUnexpectedCodeFormat, kErrorTextLimit));
        return {
            Require(FormatText(format, {FormatArgument::Text(kVersionText), FormatArgument::Integer(code)},
                               kErrorTextLimit)),
            versioned, ErrorBoxIcon::kError};
    }
    std::string text;
    for (const std::int32_t id : row->texts) {
        if (id != 0) {
            text += Require(language.String(id, kErrorTextLimit));
        }
    }
    text.resize(std::min(text.size(), kErrorTextLimit));
    if (row->kind == BoxKind::kNotice) {
        return {text, Require(language.String(string_id::kNoticeCaption, kErrorCaptionLimit)),
                ErrorBoxIcon::kNone};
    }
    return {text, versioned, ErrorBoxIcon::kError};
}

}  // namespace

ErrorBoxDescription DescribeErrorBox(ResultCode code, const LanguageText* language) {
    if (language == nullptr) {
        return {kLanguageFileNotLoaded, kErrorTitle, ErrorBoxIcon::kError};
    }
    try {
        return Describe(code, *language);
    } catch (...) {
        return {kResourcesNotFound, kErrorTitle, ErrorBoxIcon::kError};
    }
}

}  // namespace sondrel::ui
