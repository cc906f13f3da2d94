#include "program_dialogs.h"

#include <QDialog>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

#include "message_boxes.h"
#include "sondrel/ui/cpuid_page.h"
#include "sondrel/ui/freq_pages.h"
#include "sondrel/ui/string_ids.h"
#include "sondrel/ui/tech_page.h"
#include "sondrel/ui/version.h"
#include "template_surface.h"

namespace sondrel::program {

namespace {

constexpr std::int32_t kAgreementFirst = 304;
constexpr std::int32_t kAgreementLast = 313;
constexpr std::size_t kTextLimit = 6000;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ui::SheetPages MakeSheetPages(ui::PageContext context) {
    return {std::make_unique<ui::CFreqPage3>(context), std::make_unique<ui::CFreqPage2>(context),
            std::make_unique<ui::CFreqPage>(context), std::make_unique<ui::CTechPage>(context),
            std::make_unique<ui::CCPUIDPage>(context)};
}

ResultCode ProgramDialogs::CheckFreshness(bool& stale) {
    stale = false;
    return result::kSuccess;
}

bool ProgramDialogs::RunFreshnessDialog() {
    return false;
}

bool ProgramDialogs::RunFutureProcessorDialog() {
    return false;
}

void ProgramDialogs::RunAboutDialog() {
    const std::string caption = language_.StringOrEmpty(ui::string_id::kMainWindowTitle, kTextLimit);
    ShowBox(owner_, {caption + "\n\nVersion " + ui::kVersionText, caption, ui::ErrorBoxIcon::kNone});
}

bool RunAgreementDialog(const ui::LanguageText& language) {
    std::string text;
    for (std::int32_t id = kAgreementFirst; id <= kAgreementLast; ++id) {
        const std::string part = language.StringOrEmpty(id, kTextLimit);
        if (part.empty()) {
            break;
        }
        text += part + "\n\n";
    }
    if (!BoxesCanBeShown()) {
        std::fprintf(stderr, "%s\nNo display to accept the agreement on: declined.\n", text.c_str());
        return false;
    }
    QMessageBox box(QMessageBox::NoIcon,
                    Latin1(language.StringOrEmpty(ui::string_id::kMainWindowTitle, kTextLimit)), Latin1(text),
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int QtDialogRunner::RunModal(ui::DialogLogic& dialog) {
    const SondrelDialogTemplate* shape = language_.Dialog(dialog.TemplateId());
    if (shape == nullptr) {
        return 0;
    }
    QDialog window;
    auto* surface = new TemplateSurface(*shape, &dialog, &window);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface);
    window.setWindowTitle(surface->windowTitle());
    dialog.OnInitDialog(*surface);
    if (surface->endResult()) {
        return *surface->endResult();
    }
    if (!BoxesCanBeShown()) {
        std::fprintf(stderr, "%s: no display; closed with its default.\n",
                     surface->windowTitle().toLatin1().constData());
        dialog.OnCancel(*surface);
        return surface->endResult().value_or(0);
    }
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&] {
        if (surface->endResult()) {
            window.done(*surface->endResult());
        }
    });
    poll.start(20);
    QObject::connect(&window, &QDialog::rejected, &window, [&] {
        if (!surface->endResult()) {
            dialog.OnCancel(*surface);
        }
    });
    window.exec();
    return surface->endResult().value_or(0);
}

}  // namespace sondrel::program
