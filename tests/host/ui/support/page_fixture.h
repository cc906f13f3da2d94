// What the page tests share: a language whose strings read "#<id>" (with
// the real cache and frequency units), a context over a record, and a
// dialog runner that draws each dialog on a recording surface built from
// its Glossa template.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sondrel/platform/fake.h"
#include "sondrel/ui/result_page.h"
#include "support/recording_dialog_runner.h"
#include "support/recording_surface.h"
#include "support/table_language_text.h"

namespace sondrel::testing {

// "#<id>" for every string id the host uses, units as Glossa spells them,
// and small stand-ins for the background and the maker's logo.
inline TableLanguageText NumberedStrings() {
    TableLanguageText language;
    for (std::int32_t id = 100; id <= 1300; ++id) {
        language.Set(id, "#" + std::to_string(id));
    }
    for (const std::int32_t id : {141, 146, 280, 281, 293, 294, 295, 296, 453, 470}) {
        language.Set(id, UnitStrings().String(id, 99).value_or(""));
    }
    language.SetPicture(131, "<svg>background</svg>");
    language.SetPicture(132, "<svg>maker</svg>");
    return language;
}

class PageTest : public ::testing::Test {
protected:
    void SetUp() override { platform::fake::Reset(); }
    void TearDown() override { platform::fake::Reset(); }

    // A surface of the page's Glossa template.
    static RecordingSurface SurfaceOf(std::int32_t templateId) {
        const SondrelDialogTemplate* found = GlossaDialog(templateId);
        if (found == nullptr) {
            ADD_FAILURE() << "Glossa has no template " << templateId;
            return RecordingSurface(std::vector<ui::ControlId>{});
        }
        return RecordingSurface(*found);
    }

    // Activates the page on `surface`, expecting success and no fault.
    static void Activate(ui::ResultPage& page, RecordingSurface& surface) {
        EXPECT_EQ(page.Activate(surface), result::kSuccess);
        EXPECT_EQ(surface.Faults(), std::vector<std::string>{});
    }

    ui::PageContext Context() { return {record, language, currentPage, errors, dialogs, nullptr}; }

    TableLanguageText language = NumberedStrings();
    app::SystemRecord record;
    std::int32_t currentPage = -1;
    RecordingErrorReporter errors;
    RecordingDialogRunner dialogs;
};

// A surface whose text writes fail, as a broken window would.
class FailingSurface : public RecordingSurface {
public:
    using RecordingSurface::RecordingSurface;
    void SetText(ui::ControlId id, std::string_view text) override {
        if (id == failingId) {
            throw std::runtime_error("control gone");
        }
        RecordingSurface::SetText(id, text);
    }
    ui::ControlId failingId = 0;
};

}  // namespace sondrel::testing
