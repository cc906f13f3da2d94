// Control and string ids of the CPUID page (dialog template 145).
#pragma once

#include <array>
#include <cstdint>

#include "sondrel/ui/control_surface.h"

namespace sondrel::ui::cpuid_page {

inline constexpr std::int32_t kTemplate = 145;
inline constexpr std::int32_t kCaption = 111;
inline constexpr const char* kWindowText = "CPUID";

namespace control {
inline constexpr ControlId kTitle = 1036;  // the page title of the template
inline constexpr ControlId kMakerLogo = 1038;
inline constexpr ControlId kUnused = 1100;  // always hidden
inline constexpr ControlId kProcessorName = 1243;
inline constexpr ControlId kEngineeringSample = 1060;

inline constexpr ControlId kIdentificationHeading = 1236;
inline constexpr ControlId kTypeLabel = 1197;
inline constexpr ControlId kFamilyLabel = 1198;
inline constexpr ControlId kModelLabel = 1199;
inline constexpr ControlId kSteppingLabel = 1200;
inline constexpr ControlId kRevisionLabel = 1201;
inline constexpr ControlId kType = 1012;
inline constexpr ControlId kFamily = 1008;
inline constexpr ControlId kModel = 1017;
inline constexpr ControlId kStepping = 1188;
inline constexpr ControlId kRevision = 1172;

inline constexpr ControlId kCacheHeading = 1237;
// The five rows of the cache block, in slot order.
inline constexpr std::array<ControlId, 5> kCacheLabels{1212, 1213, 1214, 1215, 1216};
inline constexpr std::array<ControlId, 5> kCacheValues{1217, 1218, 1219, 1220, 1221};

inline constexpr ControlId kFeaturesHeading = 1238;
inline constexpr ControlId kEnhancedHaltLabel = 1264;
inline constexpr ControlId kEnhancedHalt = 1265;
inline constexpr ControlId kExecuteDisableLabel = 1254;
inline constexpr ControlId kExecuteDisable = 1255;

inline constexpr ControlId kGraphicsHeading = 1322;
inline constexpr ControlId kDeviceIdLabel = 1323;
inline constexpr ControlId kDeviceId = 1324;
inline constexpr ControlId kGraphicsNameLabel = 1325;
inline constexpr ControlId kGraphicsName = 1326;

// Every control the page touches.
inline constexpr std::array kAll{kTitle,
                                 kMakerLogo,
                                 kUnused,
                                 kProcessorName,
                                 kEngineeringSample,
                                 kIdentificationHeading,
                                 kTypeLabel,
                                 kFamilyLabel,
                                 kModelLabel,
                                 kSteppingLabel,
                                 kRevisionLabel,
                                 kType,
                                 kFamily,
                                 kModel,
                                 kStepping,
                                 kRevision,
                                 kCacheHeading,
                                 kCacheLabels[0],
                                 kCacheLabels[1],
                                 kCacheLabels[2],
                                 kCacheLabels[3],
                                 kCacheLabels[4],
                                 kCacheValues[0],
                                 kCacheValues[1],
                                 kCacheValues[2],
                                 kCacheValues[3],
                                 kCacheValues[4],
                                 kFeaturesHeading,
                                 kEnhancedHaltLabel,
                                 kEnhancedHalt,
                                 kExecuteDisableLabel,
                                 kExecuteDisable,
                                 kGraphicsHeading,
                                 kDeviceIdLabel,
                                 kDeviceId,
                                 kGraphicsNameLabel,
                                 kGraphicsName};
}  // namespace control

namespace text {
inline constexpr std::int32_t kIdentificationHeading = 364;
inline constexpr std::int32_t kTypeLabel = 354;
inline constexpr std::int32_t kFamilyLabel = 355;
inline constexpr std::int32_t kModelLabel = 356;
inline constexpr std::int32_t kSteppingLabel = 357;
inline constexpr std::int32_t kRevisionLabel = 358;
inline constexpr std::int32_t kCacheHeading = 365;
inline constexpr std::int32_t kEnhancedHaltLabel = 1267;
inline constexpr std::int32_t kExecuteDisableLabel = 390;
inline constexpr std::int32_t kFeaturesHeading = 366;
inline constexpr std::int32_t kGraphicsHeading = 473;
inline constexpr std::int32_t kGraphicsNameLabel = 478;
inline constexpr std::int32_t kDeviceIdLabel = 472;
inline constexpr std::int32_t kEngineeringSample = 396;

inline constexpr std::int32_t kYes = 155;
inline constexpr std::int32_t kNo = 156;
inline constexpr std::int32_t kNotAvailable = 286;
inline constexpr std::int32_t kUnknown = 290;
inline constexpr std::int32_t kAddInGraphics = 483;

// Tooltips.
inline constexpr std::int32_t kMakerLogoTip = 378;
inline constexpr std::int32_t kTypeTip = 226;
inline constexpr std::int32_t kFamilyTip = 228;
inline constexpr std::int32_t kModelTip = 230;
inline constexpr std::int32_t kSteppingTip = 232;
inline constexpr std::int32_t kRevisionTip = 276;
inline constexpr std::int32_t kExecuteDisableTip = 337;
inline constexpr std::int32_t kEnhancedHaltTip = 1266;
inline constexpr std::int32_t kDeviceIdTip = 474;
inline constexpr std::int32_t kGraphicsNameTip = 488;
}  // namespace text

}  // namespace sondrel::ui::cpuid_page
