// Modal dialogs: logic over the surface built from their template, run by
// whoever draws them (the Qt back end, or a test's runner).
#pragma once

#include <cstdint>

#include "sondrel/ui/control_surface.h"

namespace sondrel::ui {

class DialogLogic : public ControlEvents {
public:
    // The dialog template of the language module it is built from.
    virtual std::int32_t TemplateId() const = 0;
    // Fills the surface before the dialog is shown; may end the dialog at
    // once through `surface.EndDialog`.
    virtual void OnInitDialog(ControlSurface& surface) = 0;
    // Escape or the window's close button; ends the dialog with 0 unless a
    // dialog says otherwise.
    virtual void OnCancel(ControlSurface& surface) { surface.EndDialog(0); }
    // Keys a dialog refuses to be ended by (the splash) answer false.
    virtual bool AllowsKeyboardEnd() const { return true; }
};

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Shows the dialog modally and returns the result it ended with.
    virtual int RunModal(DialogLogic& dialog) = 0;
};

}  // namespace sondrel::ui
