// Screenshots for the documentation: scripts/screenshots runs the test
// programs with SONDREL_SCREENSHOT_DIR set; without it nothing is written.
#pragma once

#include <QWidget>
#include <string>

namespace sondrel::testing {

// Writes `<name>.png` (`<name>@2x.png` at a scale factor of 2) into
// $SONDREL_SCREENSHOT_DIR. Returns the file written, or the empty text when
// the variable is unset. A widget that was never shown is laid out first.
std::string SaveScreenshot(QWidget& widget, const std::string& name);

}  // namespace sondrel::testing
