// A recorded sheet window with a clock the test moves, scripted dialogs and
// processor data, and pages that record their activations.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "sondrel/ui/main_sheet.h"
#include "support/table_language_text.h"

namespace sondrel::testing {

class RecordingSheetWindow : public ui::SheetWindow {
public:
    bool ShowSplash() override {
        log.push_back("splash shown");
        splashShowing = splashCanShow;
        return splashCanShow;
    }
    ResultCode RunWhileDrawing(const std::function<ResultCode()>& work) override {
        const ResultCode code = work();
        clock += workMs;
        return code;
    }
    void Wait(std::uint32_t milliseconds) override {
        waitedMs += milliseconds;
        clock += milliseconds;
    }
    bool CloseSplash() override {
        log.push_back("splash closed at " + std::to_string(clock - startTick));
        const bool was = splashShowing;
        splashShowing = false;
        return was;
    }
    std::uint32_t TickCount() override { return clock; }
    void SetPages(const std::array<ui::ResultPage*, ui::kVisiblePageCount>& shown) override { pages = shown; }
    ResultCode ActivatePage(std::size_t index) override {
        log.push_back("activate " + std::to_string(index));
        return activationResult;
    }
    void SetMenu(const ui::SheetMenu& shown) override { menu = shown; }
    void AddWindowMenuAbout(const std::string& text) override { windowMenuAbout.push_back(text); }
    void SetIcon(ui::PictureBytes bytes) override { icon.assign(bytes.begin(), bytes.end()); }
    void SetWaitCursor(bool wait) override { log.push_back(wait ? "wait cursor" : "arrow cursor"); }
    void Focus() override { log.push_back("focus"); }
    void Redraw() override { log.push_back("redraw"); }
    void EndSheet(int result) override { ends.push_back(result); }
    void PostEndMessageAfter(std::int32_t milliseconds) override { postedEndAfter.push_back(milliseconds); }
    bool OpenHelpContents() override { return helpOpens; }
    void ShowHelpNotOpened() override { log.push_back("help not opened"); }

    std::uint32_t startTick = 1000;
    std::uint32_t clock = 1000;
    std::uint32_t workMs = 400;
    std::uint32_t waitedMs = 0;
    bool splashCanShow = true;
    bool splashShowing = false;
    bool helpOpens = true;
    ResultCode activationResult = result::kSuccess;
    std::array<ui::ResultPage*, ui::kVisiblePageCount> pages{};
    ui::SheetMenu menu;
    std::vector<std::string> windowMenuAbout;
    std::string icon;
    std::vector<int> ends;
    std::vector<std::int32_t> postedEndAfter;
    std::vector<std::string> log;
};

class ScriptedDialogs : public ui::SheetDialogs {
public:
    ResultCode CheckFreshness(bool& isStale) override {
        isStale = stale;
        return freshnessResult;
    }
    bool RunFreshnessDialog() override {
        shown.push_back("freshness");
        return freshnessError;
    }
    bool RunFutureProcessorDialog() override {
        shown.push_back("future processor");
        return futureError;
    }
    void RunAboutDialog() override { shown.push_back("about"); }

    ResultCode freshnessResult = result::kSuccess;
    bool stale = false;
    bool freshnessError = false;
    bool futureError = false;
    std::vector<std::string> shown;
};

// Fills the record as a collection would; `fill` sets the processor's fields.
class ScriptedProcessors : public ui::ProcessorSource {
public:
    ScriptedProcessors(app::MainSheetState& state, app::SystemRecord& record)
        : state_(state), record_(record) {}

    ResultCode RunBrokerSession() override {
        if (sessionResult == result::kSuccess) {
            Fill(1);
            state_.processorsInSystem = processorsInSystem;
            state_.processorMenuOffered = processorsInSystem > 1;
        }
        return sessionResult;
    }
    app::SwitchOutcome SwitchProcessor(std::int32_t processor) override {
        switches.push_back(processor);
        state_.selectedProcessor = processor;
        if (switchOutcome.kind == app::SwitchOutcome::Kind::kCollected) {
            Fill(processor);
        }
        return switchOutcome;
    }

    ResultCode sessionResult = result::kSuccess;
    std::int32_t processorsInSystem = 1;
    app::SwitchOutcome switchOutcome{app::SwitchOutcome::Kind::kCollected, result::kSuccess};
    std::function<void(std::int32_t processor, app::SystemRecord& record)> fill;
    std::vector<std::int32_t> switches;

private:
    void Fill(std::int32_t processor) {
        record_.currentProcessor = processor;
        record_.item3Flag = 1;
        record_.family = 6;
        record_.extendedModel = 1;
        record_.model = 10;
        record_.moduleNumber = 8;
        record_.coresPerPackage = 2;
        record_.multiCoreEnabled = 1;
        record_.disabledCores = 0;
        if (fill) {
            fill(processor, record_);
        }
    }
    app::MainSheetState& state_;
    app::SystemRecord& record_;
};

class RecordingPage : public ui::ResultPage {
public:
    RecordingPage(ui::PageContext context, std::string name) : ResultPage(context), name_(std::move(name)) {}
    std::int32_t TemplateId() const override { return 0; }
    std::int32_t CaptionStringId() const override { return 0; }
    ResultCode Activate(ui::ControlSurface& /*surface*/) override { return result::kSuccess; }
    void OnClick(ui::ControlSurface& /*surface*/, ui::ControlId /*id*/) override {}
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

inline ui::SheetPages MakeRecordingPages(ui::PageContext context) {
    const char* names[ui::kPageCount] = {"CFreqPage3", "CFreqPage2", "CFreqPage", "CTechPage", "CCPUIDPage"};
    ui::SheetPages pages;
    for (std::size_t index = 0; index < ui::kPageCount; ++index) {
        pages[index] = std::make_unique<RecordingPage>(context, names[index]);
    }
    return pages;
}

inline std::string PageName(const ui::ResultPage* page) {
    return page == nullptr ? "none" : static_cast<const RecordingPage*>(page)->name();
}

// Glossa's menu 127 and the strings the sheet reads.
class SheetLanguageText : public TableLanguageText {
public:
    SheetLanguageText() : TableLanguageText(UnitStrings()) {
        const std::map<std::int32_t, std::string> texts{
            {101, "About Quarn(R) Sondrel..."},
            {424, "Processor "},
            {425, "&File"},
            {426, "&Save Report..."},
            {427, "E&xit"},
            {428, "&Processor"},
            {429, "&View"},
            {430, "&Frequency Test"},
            {431, "&Technologies"},
            {432, "&CPUID Data"},
            {433, "&Help"},
            {434, "&Contents"},
            {435, "&About Quarn(R) Sondrel..."},
            {443, "Quarn on the &Web"},
            {448, "https://support.quarn.example/sondrel/freshness"}};
        for (const auto& [id, text] : texts) {
            Set(id, text);
        }
        SetPicture(149, "<svg/>");
    }
    std::span<const SondrelMenuItem> Menu(std::int32_t id) const override {
        if (id != 127 || !hasMenu) {
            return {};
        }
        return kMenu;
    }
    std::optional<std::string> Picture(std::int32_t id) const override {
        if (id == 149 && !hasIcon) {
            return std::nullopt;
        }
        return TableLanguageText::Picture(id);
    }
    bool hasMenu = true;
    bool hasIcon = true;

private:
    static constexpr std::array<SondrelMenuItem, 15> kMenu{{
        {0, 0, 0, "File"},
        {32821, 1, 0, "Save"},
        {0, 1, kSondrelSeparator, ""},
        {32771, 1, 0, "Exit"},
        {0, 0, 0, "Processor"},
        {32823, 1, 0, "Processor 1"},
        {0, 0, 0, "View"},
        {32776, 1, 0, "Frequency"},
        {32778, 1, 0, "Technologies"},
        {32779, 1, 0, "CPUID"},
        {0, 0, 0, "Help"},
        {32780, 1, 0, "Contents"},
        {32856, 1, 0, "Web"},
        {0, 1, kSondrelSeparator, ""},
        {32820, 1, 0, "About"},
    }};
};

}  // namespace sondrel::testing
