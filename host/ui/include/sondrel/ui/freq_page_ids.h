// Control ids and string ids of the three frequency pages (templates 113,
// 444 and 467) and of the frequency advisory dialog (template 138).
#pragma once

#include <cstdint>

#include "sondrel/ui/control_surface.h"

namespace sondrel::ui {

namespace freq_template {
inline constexpr std::int32_t kFreqPage = 113;
inline constexpr std::int32_t kFreqPage2 = 444;
inline constexpr std::int32_t kFreqPage3 = 467;
inline constexpr std::int32_t kAdvisory = 138;
}  // namespace freq_template

namespace freq_control {
// Shared by the three pages.
inline constexpr ControlId kPageTitle = 1036;
inline constexpr ControlId kMakerLogo = 1038;
inline constexpr ControlId kProcessorName = 1243;
inline constexpr ControlId kProcessorLogo = 1013;
inline constexpr ControlId kAdvisoryMark = 1066;
inline constexpr ControlId kAdvisoryText = 1067;
inline constexpr ControlId kAdvisoryLink = 1063;
inline constexpr ControlId kCollecting = 1100;
inline constexpr ControlId kFutureMessage = 1222;
inline constexpr ControlId kStatusText = 1010;
inline constexpr ControlId kNote = 1060;
// The template's unnumbered static (the frame of the figures), which the
// future-processor layout keeps.
inline constexpr ControlId kUnnumberedStatic = 0xFFFF;
inline constexpr ControlId kExpectedHeader = 1006;
inline constexpr ControlId kReportedHeader = 1009;
inline constexpr ControlId kProcessorLabel = 1016;

// The first two pages: row labels, the expected column, the first reported
// column and the further columns (header, processor, bus, cache).
inline constexpr ControlId kBusLabel = 1018;
inline constexpr ControlId kCacheLabel = 1021;
inline constexpr ControlId kExpectedProcessor = 1023;
inline constexpr ControlId kExpectedBus = 1028;
inline constexpr ControlId kReportedProcessor = 1177;
inline constexpr ControlId kReportedBus = 1032;
inline constexpr ControlId kReportedCache = 1180;  // first page
inline constexpr ControlId kCache2 = 1182;         // second page
inline constexpr ControlId kHeader2 = 1042;
inline constexpr ControlId kProcessor2 = 1046;
inline constexpr ControlId kBus2 = 1049;
inline constexpr ControlId kCache2Column = 1054;  // first page
inline constexpr ControlId kHeader3 = 1334;
inline constexpr ControlId kProcessor3 = 1298;
inline constexpr ControlId kBus3 = 1299;
inline constexpr ControlId kHeader4 = 1301;
inline constexpr ControlId kProcessor4 = 1303;
inline constexpr ControlId kBus4 = 1304;

// The third page: five rows of label, reported and expected value.
inline constexpr ControlId kRowLabels[5] = {1307, 1308, 1309, 1310, 1311};
inline constexpr ControlId kRowReported[5] = {1312, 1313, 1315, 1316, 1317};
inline constexpr ControlId kRowExpected[5] = {1314, 1318, 1319, 1320, 1321};

// The advisory dialog.
inline constexpr ControlId kAdvisoryBody = 1077;
inline constexpr ControlId kAdvisoryOk = 1062;
}  // namespace freq_control

namespace freq_string {
inline constexpr std::int32_t kCaption = 107;
inline constexpr std::int32_t kReported = 343;
inline constexpr std::int32_t kExpected = 345;
inline constexpr std::int32_t kProcessorFrequency = 347;
inline constexpr std::int32_t kSystemBus = 350;
inline constexpr std::int32_t kReferenceClock = 476;
inline constexpr std::int32_t kL2Cache = 408;
inline constexpr std::int32_t kL3Cache = 387;
inline constexpr std::int32_t kNote = 396;
inline constexpr std::int32_t kCore1 = 411;
inline constexpr std::int32_t kCore2 = 412;
inline constexpr std::int32_t kCore3 = 446;
inline constexpr std::int32_t kCore4 = 447;
inline constexpr std::int32_t kDisabled = 417;
inline constexpr std::int32_t kFutureProcessor = 154;

// Third page rows.
inline constexpr std::int32_t kRowProcessor = 456;
inline constexpr std::int32_t kRowInterconnect = 457;
inline constexpr std::int32_t kRowMemoryController = 458;
inline constexpr std::int32_t kRowL2Cache = 298;
inline constexpr std::int32_t kRowL3Cache = 468;
inline constexpr std::int32_t kRowThreads = 479;
inline constexpr std::int32_t kRowCores = 460;

// The advisory link.
inline constexpr std::int32_t kAdvisoryText = 197;
inline constexpr std::int32_t kAdvisoryLink = 439;

// Status text pieces.
inline constexpr std::int32_t kTwinstrandActive = 151;
inline constexpr std::int32_t kTurboNote = 133;
inline constexpr std::int32_t kRated = 287;
inline constexpr std::int32_t kProcessorAbove = 119;
inline constexpr std::int32_t kBusAbove = 207;
inline constexpr std::int32_t kBothAbove = 210;
inline constexpr std::int32_t kFrequencyMayVary = 410;
inline constexpr std::int32_t kMeasuredUnderLoad = 114;
inline constexpr std::int32_t kNotConfirmed = 120;
inline constexpr std::int32_t kSupportAdvice = 115;

// Tooltips.
inline constexpr std::int32_t kTipExpected = 218;
inline constexpr std::int32_t kTipReported = 216;
inline constexpr std::int32_t kTipProcessor = 263;
inline constexpr std::int32_t kTipBus = 264;
inline constexpr std::int32_t kTipCache = 395;
inline constexpr std::int32_t kTipMakerLogo = 378;
inline constexpr std::int32_t kTipAdvisory = 220;
inline constexpr std::int32_t kTipExpectedTable = 461;
inline constexpr std::int32_t kTipReportedTable = 462;
inline constexpr std::int32_t kTipRowProcessor = 463;
inline constexpr std::int32_t kTipInterconnect = 464;
inline constexpr std::int32_t kTipMemoryController = 465;
inline constexpr std::int32_t kTipCores = 466;

// The advisory dialog: the first text by the frequency excess, and the
// button.
inline constexpr std::int32_t kProcessorExcessAdvice = 126;
inline constexpr std::int32_t kBusExcessAdvice = 212;
inline constexpr std::int32_t kBothExcessAdvice = 214;
inline constexpr std::int32_t kOk = 436;
}  // namespace freq_string

}  // namespace sondrel::ui
