#include "sondrel/ui/sondrel_app.h"

#include <cstdio>

#include "sondrel/app/single_instance.h"
#include "sondrel/ui/program_settings_values.h"

namespace sondrel::ui {

CSondrelApp::~CSondrelApp() {
    language_.reset();
    platform::UnloadLibrary(languageLibrary_);
}

bool CSondrelApp::LoadLanguageModule() {
    const auto path = platform::FindLibrary(kLanguageModuleName);
    if (!path) {
        shell_.ShowStartupMessage({kResourcesNotFound, kErrorTitle, ErrorBoxIcon::kError});
        return false;
    }
    // A file that fails verification counts as one that cannot be loaded.
    languageLibrary_ = platform::LoadVerifiedLibrary(*path).handle;
    if (languageLibrary_ == nullptr) {
        shell_.ShowStartupMessage({kLanguageFileNotLoaded, kErrorTitle, ErrorBoxIcon::kError});
        return true;
    }
    language_ = std::make_unique<ModuleLanguageText>(languageLibrary_);
    return true;
}

int CSondrelApp::InitInstance(std::span<const char* const> arguments) {
    options_ = app::ParseCommandLine(arguments);

    // The common controls and the instance handle have no counterpart here.
    platform::InstanceLockResult lock = platform::AcquireInstanceLock(app::kInstanceLockName);
    if (lock.status == platform::InstanceLockStatus::kHeldByAnother) {
        app::BringRunningInstanceToFront();
        return kExitAnotherInstance;
    }
    if (lock.status != platform::InstanceLockStatus::kAcquired) {
        std::fprintf(stderr, "Sondrel: the single-instance lock could not be made.\n");
        return kExitFailure;
    }
    shell_.ListenForRaiseRequests(*lock.lock);

    // Timer resolution: Linux schedules sleeps and timers at the kernel's
    // own high resolution, with no system-wide period to raise and restore.

    if (!LoadLanguageModule()) {
        return kExitFailure;
    }
    WriteProgramSettingsValues(language_.get());

    if (!options_.unattended) {
        // Without a language module there is no agreement to show: the
        // program ends after the message it gave.
        if (language_ == nullptr) {
            return kExitFailure;
        }
        if (!shell_.RunAgreement(*language_)) {
            return kExitSuccess;
        }
    }
    const SheetRun run = shell_.RunMainSheet(options_, language_.get());
    const bool failed = run.failureReported || run.result != 0 || language_ == nullptr;
    return failed ? kExitFailure : kExitSuccess;
}

}  // namespace sondrel::ui
