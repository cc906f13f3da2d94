// The application object's windows on Qt: the start-up messages, the
// agreement, the raise requests of later starts, and the main sheet.
#pragma once

#include "sondrel/ui/sondrel_app.h"

namespace sondrel::program {

class QtApplicationShell : public ui::ApplicationShell {
public:
    void ShowStartupMessage(const ui::ErrorBoxDescription& box) override;
    void ListenForRaiseRequests(platform::InstanceLock& lock) override;
    bool RunAgreement(const ui::LanguageText& language) override;
    ui::SheetRun RunMainSheet(const app::StartOptions& options, const ui::LanguageText* language) override;
};

}  // namespace sondrel::program
