// Whether a person can see the windows: not on Qt's offscreen or minimal
// platforms, and not before a QApplication exists. Without a display every
// box that would wait for a person prints its text to standard error and is
// answered with its default.
#pragma once

namespace sondrel::ui::qt {

bool RunsWithoutDisplay();

}  // namespace sondrel::ui::qt
