#include "sheet_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <filesystem>
#include <thread>

#include "message_boxes.h"
#include "sondrel/app/command_ids.h"
#include "sondrel/platform/library.h"
#include "sondrel/platform/web_browser.h"
#include "sondrel/ui/sheet_ids.h"
#include "sondrel/ui/string_ids.h"
#include "sondrel/ui/web_page.h"

namespace sondrel::program {

namespace {

namespace command = app::command_id;

constexpr std::array<std::int32_t, ui::kVisiblePageCount> kViewCommands{
    command::kViewFrequencyPage, command::kViewTechnologiesPage, command::kViewCpuidPage};
constexpr std::int32_t kSplashBackground = 133;
constexpr std::size_t kTitleLimit = 255;
constexpr const char* kHelpFile = "help/contents.html";

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||" as Qt writes filters.
QString QtFilter(const std::string& filter) {
    const QStringList parts = Latin1(filter).split('|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        filters << parts[index];
    }
    return filters.join(";;");
}

QPixmap IconPixmap(ui::PictureBytes icon) {
    QPixmap pixmap(QSize(64, 64));
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(
        QByteArray(reinterpret_cast<const char*>(icon.data()), static_cast<qsizetype>(icon.size())));
    if (svg.isValid()) {
        QPainter painter(&pixmap);
        svg.render(&painter);
    }
    return pixmap;
}

}  // namespace

std::optional<std::string> HelpContentsPath() {
    namespace fs = std::filesystem;
    const fs::path program = platform::ProgramDirectory();
    for (const fs::path& candidate :
         {program / kHelpFile, program / ".." / "share" / "sondrel" / kHelpFile}) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) {
            return fs::weakly_canonical(candidate, error).string();
        }
    }
    return std::nullopt;
}

QString SheetWindowWidget::TitleFrom(const ui::LanguageText& language) {
    return Latin1(language.StringOrEmpty(ui::string_id::kMainWindowTitle, kTitleLimit));
}

SheetWindowWidget::SheetWindowWidget(const ui::LanguageText& language) : language_(language) {
    setWindowTitle(TitleFrom(language));
    setObjectName(kObjectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 6);
    layout->setMenuBar(new QMenuBar(this));
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        // A tab the user picked is the same as the matching View command.
        if (!activating_ && sheet_ != nullptr && index >= 0 &&
            static_cast<std::size_t>(index) < kViewCommands.size()) {
            sheet_->OnCommand(kViewCommands[static_cast<std::size_t>(index)]);
        }
    });
}

SheetWindowWidget::~SheetWindowWidget() {
    SetWaitCursor(false);
}

bool SheetWindowWidget::Start(ui::CMainSheet& sheet) {
    sheet_ = &sheet;
    sheet.OnInitDialog();
    if (endedWith_) {
        return false;
    }
    show();
    raise();
    activateWindow();
    return true;
}

int SheetWindowWidget::RunModal(ui::CMainSheet& sheet) {
    if (Start(sheet)) {
        exec();
    }
    sheet_ = nullptr;
    return sheet.result();
}

bool SheetWindowWidget::ShowSplash() {
    const SondrelDialogTemplate* shape = language_.Dialog(ui::sheet_id::kSplashTemplate);
    if (shape == nullptr) {
        return false;
    }
    splashLogic_ = std::make_unique<ui::CSplashDialog>(language_);
    splash_ = std::make_unique<ui::qt::TemplateSurface>(*shape);
    splash_->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    splash_->SetTitleWindow(splash_.get());
    splashLogic_->OnInitDialog(*splash_);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        splash_->move(screen->geometry().center() - splash_->rect().center());
    }
    splash_->show();
    QApplication::processEvents();
    return true;
}

ResultCode SheetWindowWidget::RunWhileDrawing(const std::function<ResultCode()>& work) {
    ResultCode result = result::kUnexpectedFailure;
    QEventLoop loop;
    std::thread worker([&] {
        result = work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    return result;
}

void SheetWindowWidget::Wait(std::uint32_t milliseconds) {
    QEventLoop loop;
    // A coarse timer (Qt's choice for waits of seconds) may end up to 5 %
    // early, which would cut the splash's minimum time short.
    QTimer::singleShot(std::chrono::milliseconds(milliseconds), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool SheetWindowWidget::CloseSplash() {
    const bool showing = splash_ != nullptr && splash_->isEnabled();
    if (splashLogic_ != nullptr) {
        splashLogic_->Close();
    }
    if (splash_ != nullptr) {
        splash_->close();
        splash_.reset();
    }
    splashLogic_.reset();
    return showing;
}

std::uint32_t SheetWindowWidget::TickCount() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SheetWindowWidget::SetPages(const std::array<ui::ResultPage*, ui::kVisiblePageCount>& pages) {
    activating_ = true;
    pages_ = pages;
    for (std::size_t index = 0; index < pages.size(); ++index) {
        if (pages[index] == nullptr) {
            continue;
        }
        std::unique_ptr<ui::qt::PageWidget> widget = ui::qt::MakePageWidget(*pages[index], language_, tabs_);
        if (widget == nullptr) {
            continue;
        }
        // A page smaller than the tab fills it: its controls keep their
        // places at the top left and its background covers the rest.
        auto* holder = new QWidget(tabs_);
        auto* layout = new QVBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        pageWidgets_[index] = widget.release();
        layout->addWidget(pageWidgets_[index]);
        holders_[index] = holder;
        tabs_->addTab(holder, Latin1(language_.StringOrEmpty(pages[index]->CaptionStringId(), kTitleLimit)));
    }
    activating_ = false;
}

ResultCode SheetWindowWidget::ActivatePage(std::size_t index) {
    if (index >= pages_.size() || pageWidgets_[index] == nullptr) {
        return result::kUnexpectedFailure;
    }
    ui::qt::PageWidget* page = pageWidgets_[index];
    // Showing a page activates it; a page that was showing already, or a
    // window not shown yet, is activated here. Either way once.
    const bool wasShowing = page->isVisible();
    ResultCode shownResult = result::kSuccess;
    page->SetActivationFailureHandler([&shownResult](ResultCode code) { shownResult = code; });
    activating_ = true;
    tabs_->setCurrentWidget(holders_[index]);
    activating_ = false;
    page->SetActivationFailureHandler(nullptr);
    if (!wasShowing && page->isVisible()) {
        return shownResult;
    }
    return page->Activate();
}

void SheetWindowWidget::SetMenu(const ui::SheetMenu& menu) {
    auto* bar = new QMenuBar(this);
    for (const ui::SheetMenuTitle& title : menu) {
        QMenu* popup = bar->addMenu(Latin1(title.text));
        popup->setEnabled(title.enabled);
        popup->menuAction()->setEnabled(title.enabled);
        for (const ui::SheetMenuItem& item : title.items) {
            if (item.separator) {
                popup->addSeparator();
                continue;
            }
            const std::int32_t id = item.command;
            QAction* action = popup->addAction(Latin1(item.text));
            action->setData(id);
            connect(action, &QAction::triggered, this, [this, id] {
                if (sheet_ != nullptr) {
                    sheet_->OnCommand(id);
                }
            });
        }
    }
    layout()->setMenuBar(bar);
}

void SheetWindowWidget::AddWindowMenuAbout(const std::string& text) {
    windowMenuAbout_ = text;
}

// Desktops offer no system menu to a program, so the window's own context
// menu carries the About item.
void SheetWindowWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (windowMenuAbout_.empty()) {
        return;
    }
    QMenu menu(this);
    QAction* about = menu.addAction(Latin1(windowMenuAbout_));
    if (menu.exec(event->globalPos()) == about && sheet_ != nullptr) {
        sheet_->OnCommand(command::kSystemAbout);
    }
}

void SheetWindowWidget::SetIcon(ui::PictureBytes icon) {
    const QIcon windowIcon(IconPixmap(icon));
    setWindowIcon(windowIcon);
    QApplication::setWindowIcon(windowIcon);
}

void SheetWindowWidget::SetWaitCursor(bool wait) {
    if (wait && !waitCursor_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!wait && waitCursor_) {
        QApplication::restoreOverrideCursor();
    }
    waitCursor_ = wait;
}

void SheetWindowWidget::Focus() {
    activateWindow();
    setFocus();
}

void SheetWindowWidget::Redraw() {
    update();
    if (QWidget* current = tabs_->currentWidget()) {
        current->update();
    }
}

void SheetWindowWidget::EndSheet(int result) {
    endedWith_ = result;
    if (isVisible()) {
        QTimer::singleShot(0, this, [this, result] { done(result); });
    }
}

void SheetWindowWidget::reject() {
    // Escape and the close button end the sheet like Exit.
    if (sheet_ != nullptr) {
        sheet_->OnCommand(command::kExit);
    } else {
        QDialog::reject();
    }
}

void SheetWindowWidget::PostEndMessageAfter(std::int32_t milliseconds) {
    QTimer::singleShot(std::chrono::milliseconds(milliseconds), this, [this] {
        if (sheet_ != nullptr) {
            sheet_->OnCommand(command::kEndSheetMessage);
        }
    });
}

bool SheetWindowWidget::OpenHelpContents() {
    const auto path = HelpContentsPath();
    if (!path) {
        return false;
    }
    std::string commandLine;
    if (ui::BuildWebPageCommandLine(false, "file://" + *path, nullptr, commandLine) != result::kSuccess) {
        return false;
    }
    return platform::StartProcess(commandLine);
}

void SheetWindowWidget::ShowHelpNotOpened() {
    ShowBox(this,
            {"Failed to launch help.", windowTitle().toLatin1().toStdString(), ui::ErrorBoxIcon::kError});
}

std::optional<std::string> SheetWindowWidget::ChooseFile(const report::SaveDialogRequest& request) {
    if (!BoxesCanBeShown()) {
        std::fprintf(stderr, "%s: Save report: no display to choose a file on; nothing saved.\n",
                     windowTitle().toLatin1().constData());
        return std::nullopt;
    }
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(QtFilter(request.filter));
    dialog.setDefaultSuffix(Latin1(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace sondrel::program
