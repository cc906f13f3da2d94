// Rendering a frequency page or the frequency advisory on the recording
// surface of its real template, with strings that read as their own ids
// ("[343]") so that tests see which string went where.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "sondrel/app/system_record.h"
#include "sondrel/ui/freq_pages.h"
#include "support/recording_surface.h"
#include "support/table_language_text.h"

namespace sondrel::testing {

enum class PageKind { kFirst, kSecond, kThird };

inline const char* PageName(PageKind kind) {
    switch (kind) {
        case PageKind::kFirst:
            return "CFreqPage";
        case PageKind::kSecond:
            return "CFreqPage2";
        case PageKind::kThird:
            break;
    }
    return "CFreqPage3";
}

// Every string id reads "[id]"; the units and the decimal separator are
// Glossa's.
inline TableLanguageText IdStrings() {
    TableLanguageText language = UnitStrings();
    for (std::int32_t stringId = 100; stringId < 500; ++stringId) {
        if (!language.String(stringId, 1)) {
            language.Set(stringId, "[" + std::to_string(stringId) + "]");
        }
    }
    language.SetPicture(131, "<svg>background</svg>");
    language.SetPicture(132, "<svg>maker</svg>");
    language.SetPicture(134, "<svg>mark</svg>");
    return language;
}

// A desktop processor of module 12 with expected values, an L3 and six
// cores, measured a little below its rating.
inline app::SystemRecord DesktopRecord() {
    app::SystemRecord record;
    std::strcpy(record.processorName, "Quarn(R) Vantor(TM) i7-8765K CPU @ 3.40GHz");
    record.moduleNumber = 12;
    record.productCode = 148;
    record.family = 6;
    record.model = 14;
    record.extendedModel = 5;
    record.item4Flag = 0;
    record.item9Flag = 1;
    record.item10Flag = 1;
    record.item13Flag = 0;
    record.twinstrandSupport = app::kSupported;
    record.twinstrandEnabled = 0;
    record.reportedCpuMHz = 3392.6f;
    record.expectedCpuMHz = 3400.0f;
    record.reportedBusMHz = 100.0f;
    record.expectedBusMHz = 100.0f;
    record.l2CacheSize = 256;
    record.l2CacheUnit = 1;
    record.l3CacheSize = 12288;
    record.l3CacheUnit = 1;
    record.multiCore = 1;
    record.coresPerPackage = 6;
    record.threadsPerPackage = 12;
    record.multiCoreEnabled = 1;
    record.maxCoreCount2 = 6;
    record.packageThreadCount2 = 12;
    record.disabledCores = 0;
    return record;
}

// Runs dialogs on recording surfaces of their templates.
class RecordingDialogRunner : public ui::DialogRunner {
public:
    int RunModal(ui::DialogLogic& dialog) override {
        const SondrelDialogTemplate* layout = GlossaDialog(dialog.TemplateId());
        EXPECT_NE(layout, nullptr) << "template " << dialog.TemplateId();
        if (layout == nullptr) {
            return -1;
        }
        surfaces.push_back(std::make_unique<RecordingSurface>(*layout));
        dialog.OnInitDialog(*surfaces.back());
        return surfaces.back()->endResult.value_or(-1);
    }
    std::vector<std::unique_ptr<RecordingSurface>> surfaces;
};

// One page on its template's recording surface.
class PageRun {
public:
    PageRun(PageKind kind, app::SystemRecord record, TableLanguageText language = IdStrings())
        : record_(std::move(record)),
          language_(std::move(language)),
          page_(MakePage(kind)),
          surface_(*GlossaDialog(page_->TemplateId())) {}

    ResultCode Activate() { return page_->Activate(surface_); }
    ui::ResultPage& Page() { return *page_; }
    RecordingSurface& Surface() { return surface_; }
    const RecordingSurface& Surface() const { return surface_; }
    app::SystemRecord& Record() { return record_; }
    TableLanguageText& Language() { return language_; }
    std::int32_t CurrentPage() const { return currentPage_; }
    RecordingErrorReporter& Errors() { return errors_; }
    RecordingDialogRunner& Dialogs() { return dialogs_; }

    std::string Text(ui::ControlId id) const { return surface_.Control(id).text; }
    bool Visible(ui::ControlId id) const { return surface_.Control(id).visible; }
    bool Enabled(ui::ControlId id) const { return surface_.Control(id).enabled; }
    std::optional<ui::Rgb> Color(ui::ControlId id) const { return surface_.Control(id).color; }

private:
    std::unique_ptr<ui::ResultPage> MakePage(PageKind kind) {
        const ui::PageContext context{record_, language_, currentPage_, errors_, dialogs_, nullptr};
        switch (kind) {
            case PageKind::kFirst:
                return std::make_unique<ui::CFreqPage>(context);
            case PageKind::kSecond:
                return std::make_unique<ui::CFreqPage2>(context);
            case PageKind::kThird:
                break;
        }
        return std::make_unique<ui::CFreqPage3>(context);
    }

    app::SystemRecord record_;
    TableLanguageText language_;
    std::int32_t currentPage_ = -1;
    RecordingErrorReporter errors_;
    RecordingDialogRunner dialogs_;
    std::unique_ptr<ui::ResultPage> page_;
    RecordingSurface surface_;
};

}  // namespace sondrel::testing
