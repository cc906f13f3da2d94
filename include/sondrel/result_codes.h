// The result codes shared by host, broker, modules and data module.
#pragma once

#include <cstdint>

namespace sondrel {

using ResultCode = std::int32_t;

namespace detail {
constexpr ResultCode Code(std::uint32_t bits) {
    return static_cast<ResultCode>(bits);
}
}  // namespace detail

namespace result {
inline constexpr ResultCode kSuccess = 0;
inline constexpr ResultCode kModuleCreationFailed = detail::Code(0x80004005u);
// Answer of slots that are part of a table only to keep the numbering.
inline constexpr ResultCode kReservedSlot = detail::Code(0x80004001u);
inline constexpr ResultCode kUnexpectedFailure = detail::Code(0x80041F40u);
inline constexpr ResultCode kReportReadOnly = detail::Code(0x80041F41u);
inline constexpr ResultCode kDiskSpaceLow = detail::Code(0x80041F42u);
// Codes that only the hardware broker raises; the host shows them like the others.
inline constexpr ResultCode kBrokerFailure43 = detail::Code(0x80041F43u);
inline constexpr ResultCode kBrokerFailure44 = detail::Code(0x80041F44u);
inline constexpr ResultCode kBrokerFailure4C = detail::Code(0x80041F4Cu);
inline constexpr ResultCode kBrokerFailure52 = detail::Code(0x80041F52u);
inline constexpr ResultCode kBrokerFailure5E = detail::Code(0x80041F5Eu);
inline constexpr ResultCode kBrokerFailureA9 = detail::Code(0x80041FA9u);
inline constexpr ResultCode kBrokerFailureAE = detail::Code(0x80041FAEu);
inline constexpr ResultCode kBrokerFailureB5 = detail::Code(0x80041FB5u);
// A code the error box has a message for that nothing in the system raises.
inline constexpr ResultCode kFailureA4 = detail::Code(0x80041FA4u);
inline constexpr ResultCode kCompanionMissing = detail::Code(0x80041F47u);
inline constexpr ResultCode kEntryPointMissing = detail::Code(0x80041F48u);
inline constexpr ResultCode kRegistryWriteFailed = detail::Code(0x80041F4Du);
inline constexpr ResultCode kInterfaceUnavailable = detail::Code(0x80041F4Fu);
inline constexpr ResultCode kInterfaceNotImplemented = detail::Code(0x80041F50u);
inline constexpr ResultCode kServiceManagerDenied = detail::Code(0x80041F54u);
inline constexpr ResultCode kProcessorNotPresent = detail::Code(0x80041F55u);
inline constexpr ResultCode kLoadThreadFailed = detail::Code(0x80041F56u);
inline constexpr ResultCode kFamilyNotSix = detail::Code(0x80041F57u);
inline constexpr ResultCode kFileNotFound = detail::Code(0x80041F5Au);
inline constexpr ResultCode kProcessorNotIdentified = detail::Code(0x80041F5Du);
inline constexpr ResultCode kSystemTooOld = detail::Code(0x80041F5Fu);
inline constexpr ResultCode kProcessorOutOfRange = detail::Code(0x80041F60u);
inline constexpr ResultCode kNullArgument = detail::Code(0x80041F61u);
inline constexpr ResultCode kRevisionUnavailable = detail::Code(0x80041F65u);
inline constexpr ResultCode kLanguageUnavailable = detail::Code(0x80041F66u);
inline constexpr ResultCode kNotInitialized = detail::Code(0x80041F67u);
inline constexpr ResultCode kUnknownFeature = detail::Code(0x80041F68u);
inline constexpr ResultCode kFeatureUndeterminable = detail::Code(0x80041F69u);
inline constexpr ResultCode kNoSuchCache = detail::Code(0x80041F6Au);
inline constexpr ResultCode kDataModuleUnloadable = detail::Code(0x80041F6Cu);
inline constexpr ResultCode kNoDataModuleNamed = detail::Code(0x80041F6Du);
inline constexpr ResultCode kPciDetailsUnavailable = detail::Code(0x80041F6Fu);
inline constexpr ResultCode kNoLogoBitmap = detail::Code(0x80041F86u);
inline constexpr ResultCode kRevisionUndeterminable = detail::Code(0x80041F90u);
inline constexpr ResultCode kDocumentNotOpened = detail::Code(0x80041F9Fu);
inline constexpr ResultCode kOutOfMemory = detail::Code(0x80041FBDu);
inline constexpr ResultCode kRegisterFieldUnread = detail::Code(0x80041FC0u);
}  // namespace result

}  // namespace sondrel
