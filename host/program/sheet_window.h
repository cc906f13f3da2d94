// The main sheet's Qt window: the three pages as tabs, the menu bar, the
// splash, the icon, and the modal loop. The rules live in ui::CMainSheet;
// this only draws what it says and hands the commands back.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "sondrel/report/save.h"
#include "sondrel/ui/main_sheet.h"
#include "sondrel/ui/qt/page_widget.h"
#include "sondrel/ui/qt/template_surface.h"
#include "sondrel/ui/splash_dialog.h"

class QTabWidget;

namespace sondrel::program {

class SheetWindowWidget : public QDialog, public ui::SheetWindow, public report::SaveDialog {
public:
    // The window's object name, by which tests find it.
    static constexpr const char* kObjectName = "SondrelMainSheet";

    explicit SheetWindowWidget(const ui::LanguageText& language);
    ~SheetWindowWidget() override;

    // Runs the sheet: its start-up, then the window until it ends.
    int RunModal(ui::CMainSheet& sheet);
    // Only the start-up, then shows the window without waiting; false when
    // the sheet ended during it.
    bool Start(ui::CMainSheet& sheet);

    // The window's own title: what a second start looks for.
    static QString TitleFrom(const ui::LanguageText& language);

    bool ShowSplash() override;
    ResultCode RunWhileDrawing(const std::function<ResultCode()>& work) override;
    void Wait(std::uint32_t milliseconds) override;
    bool CloseSplash() override;
    std::uint32_t TickCount() override;
    void SetPages(const std::array<ui::ResultPage*, ui::kVisiblePageCount>& pages) override;
    ResultCode ActivatePage(std::size_t index) override;
    void SetMenu(const ui::SheetMenu& menu) override;
    void AddWindowMenuAbout(const std::string& text) override;
    void SetIcon(ui::PictureBytes icon) override;
    void SetWaitCursor(bool wait) override;
    void Focus() override;
    void Redraw() override;
    void EndSheet(int result) override;
    void PostEndMessageAfter(std::int32_t milliseconds) override;
    bool OpenHelpContents() override;
    void ShowHelpNotOpened() override;

    std::optional<std::string> ChooseFile(const report::SaveDialogRequest& request) override;

    // For tests and screenshots: the tab widget and the page surfaces.
    QTabWidget* tabs() const { return tabs_; }
    QWidget* surface(std::size_t index) const { return pageWidgets_.at(index); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void reject() override;

private:
    const ui::LanguageText& language_;
    ui::CMainSheet* sheet_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::array<ui::ResultPage*, ui::kVisiblePageCount> pages_{};
    std::array<ui::qt::PageWidget*, ui::kVisiblePageCount> pageWidgets_{};
    std::array<QWidget*, ui::kVisiblePageCount> holders_{};
    std::unique_ptr<ui::CSplashDialog> splashLogic_;
    std::unique_ptr<ui::qt::TemplateSurface> splash_;
    std::string windowMenuAbout_;
    bool activating_ = false;
    bool waitCursor_ = false;
    std::optional<int> endedWith_;
};

// Where the program's help page lies: beside the program in the build
// tree, or in the installed data folder.
std::optional<std::string> HelpContentsPath();

}  // namespace sondrel::program
