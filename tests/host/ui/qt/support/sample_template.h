// A small dialog template with one control of every kind, for the back
// end's own tests.
#pragma once

#include <array>
#include <string>

#include "sondrel/language_module.h"

namespace sondrel::testing {

namespace sample {
inline constexpr std::int32_t kLabel = 10;
inline constexpr std::int32_t kButton = 11;
inline constexpr std::int32_t kDefaultButton = 12;
inline constexpr std::int32_t kGroup = 13;
inline constexpr std::int32_t kPicture = 14;
inline constexpr std::int32_t kEdit = 15;
inline constexpr std::int32_t kCheck = 16;
inline constexpr std::int32_t kHiddenLabel = 17;
inline constexpr std::int32_t kDisabledButton = 18;
inline constexpr std::int32_t kLine = 19;
inline constexpr std::int32_t kMissing = 9999;
}  // namespace sample

inline const std::array<SondrelDialogControl, 10> kSampleControls{{
    {sample::kGroup, kSondrelGroupBox, {4, 4, 192, 100}, 0, "Group"},
    {sample::kLabel, kSondrelStaticText, {8, 16, 80, 10}, 0, "Label"},
    {sample::kButton, kSondrelButton, {8, 30, 50, 14}, 0, "Button"},
    {sample::kDefaultButton, kSondrelDefaultButton, {62, 30, 50, 14}, 0, "OK"},
    {sample::kPicture, kSondrelPictureBox, {120, 16, 60, 30}, 0, ""},
    {sample::kEdit, kSondrelEditText, {8, 50, 120, 30}, kSondrelMultiline | kSondrelBorder, "Edit"},
    {sample::kCheck, kSondrelCheckBox, {8, 84, 100, 10}, 0, "Check"},
    {sample::kHiddenLabel,
     kSondrelStaticText,
     {130, 50, 60, 10},
     kSondrelHidden | kSondrelRightAligned,
     "Hidden"},
    {sample::kDisabledButton, kSondrelButton, {130, 62, 50, 14}, kSondrelDisabled, "Off"},
    {sample::kLine, kSondrelEditText, {130, 80, 60, 12}, kSondrelBorder, "Line"},
}};

inline const SondrelDialogTemplate kSampleTemplate{{0, 0, 200, 110},
                                                   0,
                                                   "Sample",
                                                   static_cast<std::uint32_t>(kSampleControls.size()),
                                                   kSampleControls.data()};

// A 4 x 2 PNG: the left half pure red (the colour key), the right half blue.
std::string KeyedRasterPicture();
// An SVG of 40 x 20 filled with green.
inline constexpr const char* kGreenSvg =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20" viewBox="0 0 40 20">)"
    R"(<rect width="40" height="20" fill="#00ff00"/></svg>)";

}  // namespace sondrel::testing
