// Dialog templates are laid out in dialog units: a quarter of the dialog
// font's average character width across, an eighth of its height down. The
// pixels come from the font, so a layout holds at any scale factor and with
// any font the machine substitutes.
#pragma once

#include <QFont>
#include <QRect>

#include "sondrel/language_module.h"

namespace sondrel::ui::qt {

// The font every control of a template starts with.
QFont DialogFont();

struct DialogBaseUnits {
    int width = 1;   // average character width in pixels
    int height = 1;  // character cell height in pixels
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

// The rectangle in device-independent pixels.
QRect ToPixels(const SondrelRectangle& rectangle, DialogBaseUnits units);

}  // namespace sondrel::ui::qt
