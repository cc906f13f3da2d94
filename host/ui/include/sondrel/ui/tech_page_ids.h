// Control and string ids of the technologies page (dialog template 147) and
// the technology advisory (dialog template 407).
#pragma once

#include <array>
#include <cstdint>

#include "sondrel/ui/control_surface.h"

namespace sondrel::ui::tech_page {

inline constexpr std::int32_t kTemplate = 147;
inline constexpr std::int32_t kCaption = 109;
inline constexpr const char* kWindowText = "Tech";

namespace control {
inline constexpr ControlId kTitle = 1036;
inline constexpr ControlId kMakerLogo = 1038;
inline constexpr ControlId kUnused = 1100;  // always hidden
inline constexpr ControlId kProcessorName = 1243;
inline constexpr ControlId kEngineeringSample = 1060;
inline constexpr ControlId kAdvisoryButton = 1262;

inline constexpr ControlId kTechnologiesHeading = 1252;
inline constexpr ControlId kExtensionsHeading = 1253;

// Labels.
inline constexpr ControlId kSseLabel = 1208;
inline constexpr ControlId kSse2Label = 1209;
inline constexpr ControlId kSse3Label = 1256;
inline constexpr ControlId kSse4Label = 1306;
inline constexpr ControlId kTwinstrandLabel = 1235;
inline constexpr ControlId kArch64Label = 1244;
inline constexpr ControlId kHvxLabel = 1283;
inline constexpr ControlId kEqrtLabel = 1261;
inline constexpr ControlId kAvxLabel = 1328;
inline constexpr ControlId kAesNiLabel = 1327;
inline constexpr ControlId kEptLabel = 1331;

// Values.
inline constexpr ControlId kTwinstrand = 1196;
inline constexpr ControlId kArch64 = 1245;
inline constexpr ControlId kHvx = 1284;
inline constexpr ControlId kEpt = 1332;
inline constexpr ControlId kAvx = 1330;
inline constexpr ControlId kAesNi = 1329;
inline constexpr ControlId kEqrt = 1260;
inline constexpr ControlId kSse = 1118;
inline constexpr ControlId kSse2 = 1121;
inline constexpr ControlId kSse3 = 1124;
inline constexpr ControlId kSse4 = 1305;

inline constexpr std::array kAll{kTitle,
                                 kMakerLogo,
                                 kUnused,
                                 kProcessorName,
                                 kEngineeringSample,
                                 kAdvisoryButton,
                                 kTechnologiesHeading,
                                 kExtensionsHeading,
                                 kSseLabel,
                                 kSse2Label,
                                 kSse3Label,
                                 kSse4Label,
                                 kTwinstrandLabel,
                                 kArch64Label,
                                 kHvxLabel,
                                 kEqrtLabel,
                                 kAvxLabel,
                                 kAesNiLabel,
                                 kEptLabel,
                                 kTwinstrand,
                                 kArch64,
                                 kHvx,
                                 kEpt,
                                 kAvx,
                                 kAesNi,
                                 kEqrt,
                                 kSse,
                                 kSse2,
                                 kSse3,
                                 kSse4};
}  // namespace control

namespace text {
inline constexpr std::int32_t kTechnologiesHeading = 388;
inline constexpr std::int32_t kExtensionsHeading = 389;
inline constexpr std::int32_t kSseLabel = 362;
inline constexpr std::int32_t kSse2Label = 363;
inline constexpr std::int32_t kSse3Label = 376;
inline constexpr std::int32_t kSse4Label = 449;
inline constexpr std::int32_t kTwinstrandLabel = 361;
inline constexpr std::int32_t kArch64Label = 382;
inline constexpr std::int32_t kHvxLabel = 415;
inline constexpr std::int32_t kEqrtLabel = 392;
inline constexpr std::int32_t kAvxLabel = 484;
inline constexpr std::int32_t kAesNiLabel = 485;
inline constexpr std::int32_t kEptLabel = 489;
inline constexpr std::int32_t kEngineeringSample = 396;
inline constexpr std::int32_t kAdvisoryButton = 420;
inline constexpr std::int32_t kYes = 155;
inline constexpr std::int32_t kNo = 156;

// Tooltips.
inline constexpr std::int32_t kMakerLogoTip = 378;
inline constexpr std::int32_t kSseTip = 238;
inline constexpr std::int32_t kSse2Tip = 301;
inline constexpr std::int32_t kTwinstrandTip = 373;
inline constexpr std::int32_t kArch64Tip = 383;
inline constexpr std::int32_t kSse3Tip = 377;
inline constexpr std::int32_t kEqrtTip = 339;
inline constexpr std::int32_t kHvxTip = 416;
inline constexpr std::int32_t kSse4Tip = 450;
inline constexpr std::int32_t kAesNiTip = 486;
inline constexpr std::int32_t kAvxTip = 487;
inline constexpr std::int32_t kEptTip = 490;
}  // namespace text

}  // namespace sondrel::ui::tech_page

namespace sondrel::ui::tech_advisory {

inline constexpr std::int32_t kTemplate = 407;

namespace control {
inline constexpr ControlId kText = 1077;
inline constexpr ControlId kOk = 1062;
}  // namespace control

namespace text {
// The advisory's paragraphs, in the order they are shown.
inline constexpr std::array<std::int32_t, 6> kParagraphs{398, 399, 401, 402, 105, 403};
inline constexpr std::int32_t kOk = 436;
}  // namespace text

}  // namespace sondrel::ui::tech_advisory
