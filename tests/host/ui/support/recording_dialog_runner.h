// A dialog runner for tests: draws each dialog on a recording surface
// built from its Glossa template.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "sondrel/ui/dialog.h"
#include "support/recording_surface.h"

namespace sondrel::testing {

// Runs each dialog on a surface of its Glossa template: initialisation,
// then the clicks given, and answers with the result it ended with (-1
// when it did not end).
class RecordingDialogRunner : public ui::DialogRunner {
public:
    int RunModal(ui::DialogLogic& dialog) override {
        const SondrelDialogTemplate* found = GlossaDialog(dialog.TemplateId());
        EXPECT_NE(found, nullptr) << "template " << dialog.TemplateId();
        if (found == nullptr) {
            return -1;
        }
        surfaces.push_back(std::make_unique<RecordingSurface>(*found));
        RecordingSurface& surface = *surfaces.back();
        dialog.OnInitDialog(surface);
        for (const ui::ControlId click : clicks) {
            if (surface.endResult) {
                break;
            }
            dialog.OnClick(surface, click);
        }
        EXPECT_TRUE(surface.Faults().empty());
        return surface.endResult.value_or(-1);
    }

    std::vector<ui::ControlId> clicks;
    std::vector<std::unique_ptr<RecordingSurface>> surfaces;
};

}  // namespace sondrel::testing
