// Ids of the host's strings in Glossa.so that the shared helpers, the
// report and the menu read.
#pragma once

#include <cstdint>

namespace sondrel::ui::string_id {

// Formats: the versioned caption (one text: the version) and the message
// of an unlisted code (the version text and the code).
inline constexpr std::int32_t kVersionedCaption = 102;
inline constexpr std::int32_t kUnexpectedCodeFormat = 123;
inline constexpr std::int32_t kMainWindowTitle = 110;
// Caption of the notices that carry no icon.
inline constexpr std::int32_t kNoticeCaption = 176;

// Error box texts.
inline constexpr std::int32_t kSupportAdvice = 115;
inline constexpr std::int32_t kProcessorNotPresent = 116;
inline constexpr std::int32_t kProcessorNotIdentified = 117;
inline constexpr std::int32_t kProcessorNotIdentifiedDetail = 122;
inline constexpr std::int32_t kBrokerFailure43 = 143;
inline constexpr std::int32_t kBrowserNotStarted = 169;
inline constexpr std::int32_t kServiceManagerDenied = 178;
inline constexpr std::int32_t kResourcesMissing = 186;
inline constexpr std::int32_t kFailureA4 = 188;
inline constexpr std::int32_t kBrokerFailure4C = 190;
inline constexpr std::int32_t kSettingsNotWritten = 192;
inline constexpr std::int32_t kDiskSpaceLow = 195;
inline constexpr std::int32_t kSystemTooOld = 303;
inline constexpr std::int32_t kBrokerFailureB5 = 334;
inline constexpr std::int32_t kReportReadOnly = 374;
inline constexpr std::int32_t kBrokerFailureA9 = 375;

// Cache sizes: the "none" and "unknown" texts and the unit pieces.
inline constexpr std::int32_t kCacheNone = 141;
inline constexpr std::int32_t kCacheUnknown = 146;
inline constexpr std::int32_t kUnitKilo = 293;
inline constexpr std::int32_t kUnitMega = 294;
inline constexpr std::int32_t kUnitMicroOperations = 295;
inline constexpr std::int32_t kUnitBytes = 296;

// Frequencies.
inline constexpr std::int32_t kMegahertz = 280;
inline constexpr std::int32_t kGigahertz = 281;
inline constexpr std::int32_t kTransferRate = 470;
// Its first character is the decimal separator.
inline constexpr std::int32_t kDecimalSeparator = 453;

// Web addresses: the maker's home page and the support article.
inline constexpr std::int32_t kHomePageAddress = 378;
inline constexpr std::int32_t kSupportArticleAddress = 448;

// The report's save dialog: file-type filter and default extension.
inline constexpr std::int32_t kReportFileFilter = 454;
inline constexpr std::int32_t kReportFileExtension = 455;

}  // namespace sondrel::ui::string_id
