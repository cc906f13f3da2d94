// The agreement, splash, about, freshness and future-processor dialogs on
// their Glossa templates, with the platform fake's clock, settings key and
// browser.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "sondrel/platform/fake.h"
#include "sondrel/result_codes.h"
#include "sondrel/ui/about_dialog.h"
#include "sondrel/ui/advice_dialogs.h"
#include "sondrel/ui/auxiliary_dialog_ids.h"
#include "sondrel/ui/build_stamp.h"
#include "sondrel/ui/license_dialog.h"
#include "sondrel/ui/splash_dialog.h"
#include "support/recording_surface.h"
#include "support/table_language_text.h"

namespace sondrel::ui {
namespace {

namespace fake = platform::fake;
using namespace auxiliary;
using testing::RecordingSurface;
using Settings = std::map<std::string, std::string>;

constexpr const char* kIcon = "<svg>icon</svg>";
constexpr const char* kSplashPicture = "<svg>splash</svg>";

std::string Stamp() {
    std::string stamp;
    EXPECT_EQ(GetBuildStamp(stamp), result::kSuccess);
    return stamp;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        language.SetPicture(149, kIcon);
        language.SetPicture(133, kSplashPicture);
    }
    void TearDown() override { fake::Reset(); }

    RecordingSurface SurfaceOf(std::int32_t id) {
        const SondrelDialogTemplate* dialog = testing::GlossaDialog(id);
        EXPECT_NE(dialog, nullptr) << id;
        return dialog != nullptr ? RecordingSurface(*dialog) : RecordingSurface(std::vector<ControlId>{});
    }

    testing::TableLanguageText language;
    testing::RecordingErrorReporter errors;
};

// --- agreement ------------------------------------------------------------

class LicenseDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        for (std::int32_t id = kAgreementFirstString; id <= kAgreementLastString; ++id) {
            language.Set(id, "<" + std::to_string(id) + ">");
        }
    }
};

TEST_F(LicenseDialogTest, TheTextRunsFrom304UntilAPartOfThreeCharactersOrFewer) {
    struct Case {
        const char* name;
        std::map<std::int32_t, std::string> parts;
        std::string expected;
    };
    const Case cases[] = {
        {"309 of two characters ends after 308", {{309, "ab"}}, "<304><305><306><307><308>"},
        {"three characters end it too", {{306, "abc"}}, "<304><305>"},
        {"four characters do not", {{306, "abcd"}, {307, ""}}, "<304><305>abcd"},
        {"characters, not bytes, are counted", {{306, "\xC3\xA9\xC3\xA9"}, {307, "x"}}, "<304><305>"},
        {"305 short leaves 304 alone", {{305, ""}}, "<304>"},
    };
    for (const Case& item : cases) {
        SetUp();
        for (const auto& [id, text] : item.parts) {
            language.Set(id, text);
        }
        EXPECT_EQ(AgreementText(language), item.expected) << item.name;
    }

    // With no short part at all the text ends with 333.
    SetUp();
    std::string all;
    for (std::int32_t id = kAgreementFirstString; id <= kAgreementLastString; ++id) {
        all += "<" + std::to_string(id) + ">";
    }
    EXPECT_EQ(AgreementText(language), all);
}

TEST_F(LicenseDialogTest, FillsItsTemplateAndTheButtonsDecide) {
    language.Set(307, "");
    CLicenseDialog dialog(language, errors);
    EXPECT_EQ(dialog.TemplateId(), kAgreementTemplate);
    RecordingSurface surface = SurfaceOf(kAgreementTemplate);
    dialog.OnInitDialog(surface);
    EXPECT_EQ(surface.Text(kAgreementText), "<304><305><306>");
    EXPECT_EQ(surface.icon, kIcon);
    for (const ControlId id : {kAgreementText, kAcceptButton, kDeclineButton}) {
        EXPECT_EQ(surface.Control(id).backdrop, Backdrop::kOpaqueWhite) << id;
    }
    EXPECT_FALSE(surface.endResult);

    dialog.OnClick(surface, kAcceptButton);
    EXPECT_EQ(surface.endResult, kAccepted);
    for (const auto& [act, expected] : std::map<int, int>{{0, kDeclined}, {1, kDeclined}}) {
        RecordingSurface other = SurfaceOf(kAgreementTemplate);
        act == 0 ? dialog.OnClick(other, kDeclineButton) : dialog.OnCancel(other);
        EXPECT_EQ(other.endResult, expected);
    }
    EXPECT_TRUE(surface.Faults().empty());
    EXPECT_TRUE(errors.codes.empty());
}

TEST_F(LicenseDialogTest, AMissingStringOrIconEndsWithZeroAndOneBox) {
    for (const bool missingIcon : {false, true}) {
        SetUp();
        errors.codes.clear();
        if (missingIcon) {
            language = testing::TableLanguageText();
            for (std::int32_t id = kAgreementFirstString; id <= kAgreementLastString; ++id) {
                language.Set(id, "long enough");
            }
        } else {
            language.Remove(310);
        }
        CLicenseDialog dialog(language, errors);
        RecordingSurface surface = SurfaceOf(kAgreementTemplate);
        dialog.OnInitDialog(surface);
        EXPECT_EQ(surface.endResult, kDeclined);
        EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
    }
}

// --- splash and about -------------------------------------------------------

TEST_F(DialogTest, SplashShowsItsLineOnTheBackgroundAndOnlyTheProgramClosesIt) {
    language.Set(501, "Identifying...");
    CSplashDialog splash(language);
    EXPECT_FALSE(splash.AllowsKeyboardEnd());
    RecordingSurface surface = SurfaceOf(kSplashTemplate);
    splash.Close();  // not shown yet: nothing to close
    splash.OnInitDialog(surface);
    EXPECT_EQ(surface.Text(kSplashText), "Identifying...");
    EXPECT_EQ(surface.Control(kSplashText).font.weight, kBoldWeight);
    EXPECT_EQ(surface.windowText, "Quarn(R) Sondrel");
    EXPECT_EQ(surface.backgroundPicture, kSplashPicture);

    splash.OnCancel(surface);
    EXPECT_FALSE(surface.endResult);
    splash.Close();
    EXPECT_EQ(surface.endResult, 1);
    splash.Close();
    EXPECT_EQ(surface.Log().back(), "EndDialog 1");
    EXPECT_EQ(std::count(surface.Log().begin(), surface.Log().end(), "EndDialog 1"), 1);
    EXPECT_TRUE(surface.Faults().empty());
}

TEST_F(DialogTest, AboutShowsVersionWithBuildStampAndEndsWithZero) {
    language.Set(437, "Quarn(R) Sondrel version");
    language.Set(438, "Processor identification");
    language.Set(436, "OK");
    CAboutDlg about(language, errors);
    RecordingSurface surface = SurfaceOf(kAboutTemplate);
    about.OnInitDialog(surface);
    EXPECT_EQ(surface.Text(kAboutVersion), "Quarn(R) Sondrel version 5.80." + Stamp());
    EXPECT_EQ(surface.Text(kAboutDescription), "Processor identification");
    EXPECT_EQ(surface.Text(kAboutOkButton), "OK");
    EXPECT_EQ(surface.windowText, "About");
    EXPECT_EQ(surface.Control(kAboutVersion).font.weight, kBoldWeight);
    EXPECT_EQ(surface.Control(kAboutDescription).font.weight, kBoldWeight);
    EXPECT_FALSE(surface.Control(kAboutOkButton).font.weight);
    EXPECT_EQ(surface.backgroundPicture, kSplashPicture);
    EXPECT_FALSE(surface.endResult);
    about.OnClick(surface, kAboutOkButton);
    EXPECT_EQ(surface.endResult, 0);
    EXPECT_TRUE(surface.Faults().empty());
    EXPECT_TRUE(errors.codes.empty());
    // A long version string is cut to 259 characters.
    language.Set(437, std::string(300, 'v'));
    EXPECT_EQ(AboutVersionText(language, Stamp()).size(), kAboutVersionLimit);
}

// --- freshness --------------------------------------------------------------

TEST_F(DialogTest, FreshnessAdviceFollowsTheAgeAndTheStoredStamp) {
    struct Case {
        const char* name;
        platform::UtcTime today;
        std::optional<Settings> settings;
        bool show;
    };
    const std::optional<Settings> emptyKey = Settings{};
    const Case cases[] = {
        {"age 600", {2018, 4, 18}, emptyKey, false},
        {"age 601", {2018, 4, 19}, emptyKey, true},
        {"age 683", {2018, 5, 1}, emptyKey, true},
        {"this build turned off", {2018, 5, 1}, Settings{{"BODDlg", "20171018"}}, false},
        {"an older build turned off", {2018, 5, 1}, Settings{{"BODDlg", "20170401"}}, true},
        {"no key: never advised", {2019, 1, 1}, std::nullopt, false},
        {"built the same day", {2017, 10, 18}, emptyKey, false},
    };
    for (const Case& item : cases) {
        fake::Reset();
        fake::SetProgramSettings(item.settings);
        CFreshnessDialog dialog(language, errors, nullptr);
        bool show = !item.show;
        EXPECT_EQ(ShouldShowFreshness(dialog, "20171018", item.today, show), result::kSuccess) << item.name;
        EXPECT_EQ(show, item.show) << item.name;
        EXPECT_FALSE(dialog.ErrorFlag()) << item.name;
    }
    // Only what the decision needs is read, and the key is closed.
    fake::Reset();
    fake::SetProgramSettings(Settings{});
    CFreshnessDialog dialog(language, errors, nullptr);
    bool show = false;
    ShouldShowFreshness(dialog, "20171018", {2018, 5, 1}, show);
    EXPECT_EQ(fake::SettingsLog(), (std::vector<std::string>{"open", "read BODDlg", "close"}));
    EXPECT_TRUE(errors.codes.empty());
}

TEST_F(DialogTest, FreshnessDecisionFailuresSetTheErrorFlagWithoutABox) {
    for (const bool badStamp : {false, true}) {
        fake::Reset();
        fake::SetProgramSettings(Settings{});
        fake::FailSettings(fake::SettingsFailure::kClose, true);
        CFreshnessDialog dialog(language, errors, nullptr);
        bool show = true;
        EXPECT_EQ(ShouldShowFreshness(dialog, badStamp ? "2017101x" : "20171018", {2018, 5, 1}, show),
                  result::kUnexpectedFailure);
        EXPECT_FALSE(show);
        EXPECT_TRUE(dialog.ErrorFlag());
    }
    EXPECT_TRUE(errors.codes.empty());
}

TEST_F(DialogTest, FreshnessDecisionUsesThisBuildAndTheClock) {
    const std::string stamp = Stamp();
    const auto number = [&](std::size_t at, std::size_t length) {
        return static_cast<std::uint32_t>(std::stoi(stamp.substr(at, length)));
    };
    fake::SetProgramSettings(Settings{});
    CFreshnessDialog dialog(language, errors, nullptr);
    bool show = true;
    fake::SetSystemTimeUtc({number(0, 4), number(4, 2), number(6, 2)});
    EXPECT_EQ(ShouldShowFreshness(dialog, show), result::kSuccess);
    EXPECT_FALSE(show);
    fake::SetSystemTimeUtc({number(0, 4) + 1, number(4, 2), number(6, 2)});
    EXPECT_EQ(ShouldShowFreshness(dialog, show), result::kSuccess);
    EXPECT_TRUE(show);
}

class AdviceDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        language.Set(204, "This copy of %s is old. ");
        language.Set(278, "Sondrel");
        language.Set(300, "Get a newer one.");
        language.Set(121, "This processor is new. ");
        language.Set(442, "Do not show again");
        language.Set(177, "Web site");
        language.Set(441, "Close");
        language.Set(448, "https://support.example/article");
    }
};

TEST_F(AdviceDialogTest, FreshnessAndFutureProcessorFillTheSharedTemplate) {
    CFreshnessDialog freshness(language, errors, nullptr);
    RecordingSurface fresh = SurfaceOf(kAdviceTemplate);
    freshness.OnInitDialog(fresh);
    EXPECT_EQ(fresh.Text(kAdviceText), "This copy of Sondrel is old. Get a newer one.");
    EXPECT_EQ(fresh.icon, kIcon);
    EXPECT_TRUE(fresh.Visible(kDoNotShowAgainCheck));

    CFutureProcessorDialog future(language, errors, nullptr);
    RecordingSurface notice = SurfaceOf(kAdviceTemplate);
    future.OnInitDialog(notice);
    EXPECT_EQ(notice.Text(kAdviceText), "This processor is new. Get a newer one.");
    EXPECT_FALSE(notice.Visible(kDoNotShowAgainCheck));

    for (RecordingSurface* surface : {&fresh, &notice}) {
        EXPECT_EQ(surface->Text(kDoNotShowAgainCheck), "Do not show again");
        EXPECT_EQ(surface->Text(kWebSiteButton), "Web site");
        EXPECT_EQ(surface->Text(kCloseButton), "Close");
        EXPECT_FALSE(surface->endResult);
        EXPECT_TRUE(surface->Faults().empty());
    }
    EXPECT_EQ(freshness.TemplateId(), kAdviceTemplate);
    EXPECT_EQ(future.TemplateId(), kAdviceTemplate);
    EXPECT_TRUE(errors.codes.empty());
}

TEST_F(AdviceDialogTest, CloseAndCancelBothEndWithOne) {
    CFreshnessDialog freshness(language, errors, nullptr);
    CFutureProcessorDialog future(language, errors, nullptr);
    for (AdviceDialog* dialog : std::initializer_list<AdviceDialog*>{&freshness, &future}) {
        RecordingSurface closed = SurfaceOf(kAdviceTemplate);
        dialog->OnClick(closed, kCloseButton);
        EXPECT_EQ(closed.endResult, 1);
        RecordingSurface cancelled = SurfaceOf(kAdviceTemplate);
        dialog->OnCancel(cancelled);
        EXPECT_EQ(cancelled.endResult, 1);
        EXPECT_FALSE(dialog->ErrorFlag());
    }
}

TEST_F(AdviceDialogTest, AFailedInitialisationEndsWithZeroAndReportsOnce) {
    language.Remove(300);
    CFreshnessDialog freshness(language, errors, nullptr);
    for (int attempt = 0; attempt < 2; ++attempt) {
        RecordingSurface surface = SurfaceOf(kAdviceTemplate);
        freshness.OnInitDialog(surface);
        EXPECT_EQ(surface.endResult, 0);
    }
    EXPECT_TRUE(freshness.ErrorFlag());
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});

    // A format that asks for more than the program's name fails too.
    errors.codes.clear();
    language.Set(300, "x");
    language.Set(204, "%s %d");
    CFreshnessDialog formatted(language, errors, nullptr);
    RecordingSurface surface = SurfaceOf(kAdviceTemplate);
    formatted.OnInitDialog(surface);
    EXPECT_EQ(surface.endResult, 0);
    EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kUnexpectedFailure});
}

TEST_F(AdviceDialogTest, TheCheckBoxStoresOrForgetsThisBuildsStamp) {
    fake::SetProgramSettings(Settings{{"Name", "Sondrel"}});
    CFreshnessDialog freshness(language, errors, nullptr);
    RecordingSurface surface = SurfaceOf(kAdviceTemplate);
    freshness.OnInitDialog(surface);
    surface.SetChecked(kDoNotShowAgainCheck, true);
    freshness.OnClick(surface, kDoNotShowAgainCheck);
    EXPECT_EQ(fake::ProgramSettings(), (Settings{{"Name", "Sondrel"}, {"BODDlg", Stamp()}}));
    surface.SetChecked(kDoNotShowAgainCheck, false);
    freshness.OnClick(surface, kDoNotShowAgainCheck);
    EXPECT_EQ(fake::ProgramSettings(), (Settings{{"Name", "Sondrel"}}));
    EXPECT_FALSE(surface.endResult);
    EXPECT_FALSE(freshness.ErrorFlag());
    EXPECT_TRUE(errors.codes.empty());
}

TEST_F(AdviceDialogTest, ACheckBoxThatCannotBeStoredEndsTheDialogAndReportsTheSettingsFailureOnce) {
    struct Case {
        const char* name;
        std::optional<fake::SettingsFailure> failure;
        bool checked;
    };
    const Case cases[] = {
        {"no key", std::nullopt, true},
        {"write", fake::SettingsFailure::kWrite, true},
        {"delete", fake::SettingsFailure::kWrite, false},
        {"close", fake::SettingsFailure::kClose, true},
    };
    for (const Case& item : cases) {
        fake::Reset();
        errors.codes.clear();
        if (item.failure) {
            fake::SetProgramSettings(Settings{});
            fake::FailSettings(*item.failure, true);
        }
        CFreshnessDialog freshness(language, errors, nullptr);
        for (int attempt = 0; attempt < 2; ++attempt) {
            RecordingSurface surface = SurfaceOf(kAdviceTemplate);
            surface.SetChecked(kDoNotShowAgainCheck, item.checked);
            freshness.OnClick(surface, kDoNotShowAgainCheck);
            EXPECT_EQ(surface.endResult, 0) << item.name;
        }
        EXPECT_TRUE(freshness.ErrorFlag()) << item.name;
        EXPECT_EQ(errors.codes, std::vector<ResultCode>{result::kRegistryWriteFailed}) << item.name;
    }
}

TEST_F(AdviceDialogTest, TheWebSiteButtonOpensTheArticleAndEndsWithOne) {
    fake::SetFileTypeClass(".htm", "browser.document");
    fake::SetOpenCommand("browser.document", "\"/usr/bin/browser\" %1");
    CFutureProcessorDialog future(language, errors, nullptr);
    RecordingSurface surface = SurfaceOf(kAdviceTemplate);
    future.OnClick(surface, kWebSiteButton);
    EXPECT_EQ(fake::StartedCommandLines(),
              std::vector<std::string>{"\"/usr/bin/browser\" https://support.example/article"});
    EXPECT_EQ(surface.endResult, 1);
    EXPECT_TRUE(errors.codes.empty());

    // Without a browser: the launcher's box, then the button's own, and
    // the dialog still ends with 1.
    fake::Reset();
    RecordingSurface again = SurfaceOf(kAdviceTemplate);
    future.OnClick(again, kWebSiteButton);
    EXPECT_EQ(again.endResult, 1);
    EXPECT_EQ(errors.codes,
              (std::vector<ResultCode>{result::kDocumentNotOpened, result::kDocumentNotOpened}));
    EXPECT_FALSE(future.ErrorFlag());
}

}  // namespace
}  // namespace sondrel::ui
