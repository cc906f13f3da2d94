// The binary contract of a language module (Glossa.so, Cpumod<n>Glossa.so):
// a library that holds only resources and exports one lookup by kind and id.
// Everything it hands out lives as long as the library stays loaded.
#pragma once

#include <cstdint>

extern "C" {

// Kinds of resource.
enum SondrelResourceKind : std::int32_t {
    kSondrelString = 1,   // text bytes, no terminator counted in the size
    kSondrelPicture = 2,  // an encoded picture (SVG document)
    kSondrelMenu = 3,     // an array of SondrelMenuItem
    kSondrelDialog = 4,   // one SondrelDialogTemplate
};

// Kinds of dialog control.
enum SondrelControlKind : std::int32_t {
    kSondrelStaticText = 1,
    kSondrelButton = 2,
    kSondrelDefaultButton = 3,
    kSondrelGroupBox = 4,
    kSondrelPictureBox = 5,
    kSondrelEditText = 6,
    kSondrelCheckBox = 7,
};

// Style flags of controls, dialogs and menu items.
enum SondrelStyleFlag : std::uint32_t {
    kSondrelHidden = 1u << 0,
    kSondrelDisabled = 1u << 1,
    kSondrelBorder = 1u << 2,
    kSondrelCentered = 1u << 3,
    kSondrelRightAligned = 1u << 4,
    kSondrelMultiline = 1u << 5,
    kSondrelSeparator = 1u << 6,  // menu items only
};

struct SondrelRectangle {
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
};

// A menu is a flat list in display order: depth 0 items are the bar's
// popups, depth 1 their commands, and so on.
struct SondrelMenuItem {
    std::int32_t command;  // 0 for popups and separators
    std::int32_t depth;
    std::uint32_t style;
    const char* text;  // never null
};

struct SondrelDialogControl {
    std::int32_t id;
    std::int32_t kind;  // SondrelControlKind
    SondrelRectangle rectangle;
    std::uint32_t style;
    const char* text;  // never null
};

struct SondrelDialogTemplate {
    SondrelRectangle rectangle;
    std::uint32_t style;
    const char* caption;  // never null
    std::uint32_t controlCount;
    const SondrelDialogControl* controls;
};

// Finds a resource. Returns 1 and sets *data and *size (in bytes) when the
// module has it; returns 0 and leaves both untouched when it does not.
using SondrelFindResourceFunction = std::int32_t (*)(std::int32_t kind, std::int32_t id, const void** data,
                                                     std::uint32_t* size);
}

namespace sondrel::export_name {
inline constexpr const char* kFindResource = "SondrelFindResource";
}  // namespace sondrel::export_name
