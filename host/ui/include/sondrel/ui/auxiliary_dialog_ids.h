// Templates, control ids and string ids of the agreement, splash, about,
// freshness and future-processor dialogs.
#pragma once

#include <cstdint>

#include "sondrel/ui/control_surface.h"

namespace sondrel::ui::auxiliary {

// Dialog templates of Glossa.so.
inline constexpr std::int32_t kAboutTemplate = 100;
inline constexpr std::int32_t kAgreementTemplate = 128;
inline constexpr std::int32_t kSplashTemplate = 142;
inline constexpr std::int32_t kAdviceTemplate = 148;  // freshness and future processor

// Agreement.
inline constexpr ControlId kAgreementText = 1096;
inline constexpr ControlId kAcceptButton = 1285;
inline constexpr ControlId kDeclineButton = 1286;
inline constexpr std::int32_t kAgreementFirstString = 304;
inline constexpr std::int32_t kAgreementLastString = 333;
// A part of this many characters or fewer ends the agreement and is not shown.
inline constexpr std::size_t kAgreementEndMarkLength = 3;
inline constexpr std::size_t kAgreementPartLimit = 6000;

// Splash.
inline constexpr ControlId kSplashText = 1333;
inline constexpr std::int32_t kSplashTextString = 501;
inline constexpr const char* kSplashTitle = "Quarn(R) Sondrel";

// About.
inline constexpr ControlId kAboutVersion = 1050;
inline constexpr ControlId kAboutDescription = 1055;
inline constexpr ControlId kAboutOkButton = 1058;
inline constexpr std::int32_t kAboutVersionString = 437;
inline constexpr std::int32_t kAboutDescriptionString = 438;
inline constexpr std::int32_t kOkString = 436;
inline constexpr const char* kAboutTitle = "About";
inline constexpr std::size_t kAboutVersionLimit = 259;

// Freshness and future processor (one template).
inline constexpr ControlId kAdviceText = 1108;
inline constexpr ControlId kDoNotShowAgainCheck = 1106;
inline constexpr ControlId kWebSiteButton = 1169;
inline constexpr ControlId kCloseButton = 1062;
inline constexpr std::int32_t kStaleBuildFormat = 204;  // one text: the program's name
inline constexpr std::int32_t kProgramNameString = 278;
inline constexpr std::int32_t kGetNewerVersionString = 300;
inline constexpr std::int32_t kFutureProcessorString = 121;
inline constexpr std::int32_t kDoNotShowAgainString = 442;
inline constexpr std::int32_t kWebSiteString = 177;
inline constexpr std::int32_t kCloseString = 441;
inline constexpr std::size_t kAdvicePartLimit = 2799;
inline constexpr std::size_t kAddressLimit = 259;

// Button captions.
inline constexpr std::size_t kCaptionLimit = 24;

// The settings value that holds the build stamp whose advice the user
// turned off.
inline constexpr const char* kFreshnessSetting = "BODDlg";
inline constexpr std::size_t kFreshnessSettingLimit = 50;

}  // namespace sondrel::ui::auxiliary
