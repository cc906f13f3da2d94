// The frequency pages and the frequency advisory hosted in Qt on Glossa's
// templates, fed from records collected through the real broker and modules:
// every visible text fits its control and no two controls overlap, with the
// bundled profiles and with the longest texts Glossa has.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "broker_on_profile.h"
#include "sondrel/app/broker_session.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/platform/library.h"
#include "sondrel/ui/advisory_dialog.h"
#include "sondrel/ui/freq_pages.h"
#include "sondrel/ui/qt/dialog_runner.h"
#include "sondrel/ui/qt/page_widget.h"
#include "sondrel/ui/qt/template_surface.h"
#include "support/screenshot.h"
#include "support/table_language_text.h"

namespace sondrel::testing {
namespace {

namespace fs = std::filesystem;
using ui::qt::TemplateSurface;

fs::path Profiles() {
    return fs::path(SONDREL_SOURCE_DIR) / "profiles";
}

enum class PageKind { kFirst, kSecond, kThird };
constexpr PageKind kAllPages[] = {PageKind::kFirst, PageKind::kSecond, PageKind::kThird};

// A record collected from a profile as the sheet collects it at start-up.
struct Collected {
    explicit Collected(const nlohmann::json& profile) : selected(profile), connection(sheet, record) {
        code = connection.RunBrokerSession();
    }
    SelectedProfile selected;
    app::MainSheetState sheet;
    app::SystemRecord record;
    app::BrokerConnection connection;
    ResultCode code = result::kUnexpectedFailure;
};

// A bundled profile as a pre-production part (MSR CEh bit 27 clear), for
// which the module confirms the rating, so the expected figures show.
nlohmann::json PreProduction(const std::string& name) {
    nlohmann::json profile = ReadProfile(Profiles() / name);
    auto& msr = profile["packages"][0]["msr"]["0xCE"];
    const std::uint64_t value = std::stoull(msr.get<std::string>(), nullptr, 16) & ~(std::uint64_t{1} << 27);
    char text[19];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(value));
    msr = text;
    return profile;
}

// ... and measured well above its 3.70 GHz rating.
nlohmann::json OverclockedDesktop() {
    nlohmann::json profile = PreProduction("default.json");
    profile["packages"][0]["measurements"] = nlohmann::json::array(
        {{{"cpuMHz", 4088.6}, {"busMHz", 110.3}}, {{"cpuMHz", 4095.3}, {"busMHz", 110.5}}});
    return profile;
}

// Every visible text must fit its control, and the visible controls other
// than the frames must not overlap.
void ExpectReadable(const TemplateSurface& surface) {
    std::vector<const QWidget*> shown;
    for (const QWidget* child : surface.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || qobject_cast<const QGroupBox*>(child) != nullptr) {
            continue;
        }
        shown.push_back(child);
        const auto* label = qobject_cast<const QLabel*>(child);
        if (label == nullptr || label->text().isEmpty()) {
            continue;
        }
        const QRect room = label->contentsRect();
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, room.width(), 100000),
                              static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), room.width()) << label->text().toStdString();
        EXPECT_LE(needed.height(), room.height()) << label->text().toStdString();
    }
    for (std::size_t first = 0; first < shown.size(); ++first) {
        for (std::size_t second = first + 1; second < shown.size(); ++second) {
            EXPECT_FALSE(shown[first]->geometry().intersects(shown[second]->geometry()))
                << shown[first]->geometry().x() << "," << shown[first]->geometry().y() << " and "
                << shown[second]->geometry().x() << "," << shown[second]->geometry().y();
        }
    }
}

class FrequencyPagesInQt : public ::testing::Test {
protected:
    void SetUp() override {
        glossa_ = language::OpenLanguageModule("Glossa.so");
        ASSERT_EQ(glossa_.status, result::kSuccess);
        language_ = std::make_unique<ui::ModuleLanguageText>(glossa_.library);
        dialogs_ = std::make_unique<ui::qt::QtDialogRunner>(*language_, &errors_);
    }
    void TearDown() override {
        dialogs_.reset();
        language_.reset();
        platform::UnloadLibrary(glossa_.library);
    }

    // A page of `kind` on `record`, shown; its activation must succeed.
    struct Shown {
        std::unique_ptr<ui::ResultPage> page;
        std::unique_ptr<ui::qt::PageWidget> widget;
    };
    Shown Show(PageKind kind, app::SystemRecord& record) {
        const ui::PageContext context{record, *language_, currentPage_, errors_, *dialogs_, nullptr};
        Shown shown;
        switch (kind) {
            case PageKind::kFirst:
                shown.page = std::make_unique<ui::CFreqPage>(context);
                break;
            case PageKind::kSecond:
                shown.page = std::make_unique<ui::CFreqPage2>(context);
                break;
            case PageKind::kThird:
                shown.page = std::make_unique<ui::CFreqPage3>(context);
                break;
        }
        shown.widget = ui::qt::MakePageWidget(*shown.page, *language_);
        EXPECT_NE(shown.widget, nullptr);
        if (shown.widget != nullptr) {
            shown.widget->SetActivationFailureHandler(
                [](ResultCode code) { ADD_FAILURE() << "activation failed: " << std::hex << code; });
            shown.widget->show();
            QApplication::processEvents();
        }
        return shown;
    }

    language::OpenedLanguageModule glossa_;
    std::unique_ptr<ui::ModuleLanguageText> language_;
    RecordingErrorReporter errors_;
    std::unique_ptr<ui::qt::QtDialogRunner> dialogs_;
    std::int32_t currentPage_ = -1;
};

TEST_F(FrequencyPagesInQt, EveryPageShowsEveryBundledProfileReadably) {
    for (const auto& entry : fs::recursive_directory_iterator(Profiles())) {
        if (entry.path().extension() != ".json") {
            continue;
        }
        Collected collected(ReadProfile(entry.path()));
        ASSERT_EQ(collected.code, result::kSuccess) << entry.path();
        for (const PageKind kind : kAllPages) {
            SCOPED_TRACE(entry.path().filename().string() + " page " +
                         std::to_string(static_cast<int>(kind) + 1));
            const Shown shown = Show(kind, collected.record);
            ASSERT_NE(shown.widget, nullptr);
            ExpectReadable(shown.widget->Surface());
        }
    }
    EXPECT_TRUE(errors_.codes.empty());
}

TEST_F(FrequencyPagesInQt, TheLongestTextsFit) {
    // Every status sentence at once, two-line headers, greyed cells, the
    // note and the advisory.
    Collected collected(ReadProfile(Profiles() / "default.json"));
    ASSERT_EQ(collected.code, result::kSuccess);
    app::SystemRecord& record = collected.record;
    record.twinstrandSupport = app::kSupported;
    record.twinstrandEnabled = 1;
    record.item4Flag = 1;
    record.item9Flag = 1;
    record.item10Flag = 1;
    record.item13Flag = 1;
    record.frequencyExcess = 3;
    for (const PageKind kind : kAllPages) {
        SCOPED_TRACE(static_cast<int>(kind) + 1);
        // The note on frequencies above the rating, where each page has it.
        record.moduleNumber = kind == PageKind::kFirst ? 10 : 12;
        record.extendedModel = kind == PageKind::kFirst ? 4 : 5;
        record.model = kind == PageKind::kFirst ? 13 : 14;
        record.productCode = kind == PageKind::kThird ? 138 : 148;
        record.coresPerPackage = kind == PageKind::kFirst ? 2 : 6;
        record.disabledCores = kind == PageKind::kSecond ? 1 : 0;
        const Shown shown = Show(kind, record);
        ASSERT_NE(shown.widget, nullptr);
        const TemplateSurface& surface = shown.widget->Surface();
        EXPECT_FALSE(surface.ControlWidget(1063)->isHidden());
        EXPECT_FALSE(surface.ControlWidget(1060)->isHidden());
        ExpectReadable(surface);
    }

    // The newer processor's message.
    record.productCode = 4;
    for (const PageKind kind : kAllPages) {
        const Shown shown = Show(kind, record);
        ASSERT_NE(shown.widget, nullptr);
        EXPECT_FALSE(shown.widget->Surface().ControlWidget(1222)->isHidden());
        ExpectReadable(shown.widget->Surface());
    }
}

TEST_F(FrequencyPagesInQt, ScreenshotsOfTheThreePagesAndTheAdvisory) {
    // The third page is the one the bundled desktop keeps.
    {
        Collected collected(PreProduction("default.json"));
        ASSERT_EQ(collected.code, result::kSuccess);
        const Shown shown = Show(PageKind::kThird, collected.record);
        ASSERT_NE(shown.widget, nullptr);
        SaveScreenshot(*shown.widget, "frequency-page-table");
    }
    // Four cores with one disabled on the second page.
    {
        Collected collected(PreProduction("desktop_vantor_i5_9e.json"));
        ASSERT_EQ(collected.code, result::kSuccess);
        collected.record.disabledCores = 1;
        const Shown shown = Show(PageKind::kSecond, collected.record);
        ASSERT_NE(shown.widget, nullptr);
        SaveScreenshot(*shown.widget, "frequency-page-four-cores");
    }
    // The desktop measured above its rating on the first page. Generation 12
    // processors never report an excess themselves, so the record is given
    // the one its figures show: the processor's.
    Collected collected(OverclockedDesktop());
    ASSERT_EQ(collected.code, result::kSuccess);
    app::SystemRecord& record = collected.record;
    EXPECT_GT(record.reportedCpuMHz, record.expectedCpuMHz);
    record.frequencyExcess = app::kProcessorExcess;
    const Shown shown = Show(PageKind::kFirst, record);
    ASSERT_NE(shown.widget, nullptr);
    const TemplateSurface& surface = shown.widget->Surface();
    EXPECT_EQ(surface.ControlWidget(1177)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    SaveScreenshot(*shown.widget, "frequency-page-excess");

    // The link opens the advisory, which the OK button ends.
    std::string advice;
    dialogs_->SetShownHook([&advice](TemplateSurface& dialog) {
        advice = dialog.Text(1077);
        SaveScreenshot(*dialog.window(), "frequency-advisory");
        qobject_cast<QAbstractButton*>(dialog.ControlWidget(1062))->click();
    });
    qobject_cast<QAbstractButton*>(surface.ControlWidget(1063))->click();
    EXPECT_NE(advice.find("processor reported a frequency above"), std::string::npos) << advice;
    EXPECT_TRUE(errors_.codes.empty());
}

TEST_F(FrequencyPagesInQt, TheAdvisoryIsReadableForEachExcess) {
    Collected collected(ReadProfile(Profiles() / "default.json"));
    ASSERT_EQ(collected.code, result::kSuccess);
    for (const std::int32_t excess : {1, 2, 3}) {
        collected.record.frequencyExcess = excess;
        ui::CAdvisoryDialog advisory(collected.record, *language_, errors_);
        int checked = 0;
        dialogs_->SetShownHook([&checked](TemplateSurface& dialog) {
            ExpectReadable(dialog);
            ++checked;
            qobject_cast<QAbstractButton*>(dialog.ControlWidget(1062))->click();
        });
        EXPECT_EQ(dialogs_->RunModal(advisory), 1);
        EXPECT_EQ(checked, 1);
    }
    EXPECT_TRUE(errors_.codes.empty());
}

}  // namespace
}  // namespace sondrel::testing
