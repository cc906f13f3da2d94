#include "sondrel/app/single_instance.h"

#include "sondrel/platform/settings_store.h"
#include "sondrel/platform/single_instance.h"

namespace sondrel::app {

ResultCode BringRunningInstanceToFront() {
    auto settings = platform::OpenProgramSettings();
    if (settings == nullptr) {
        return result::kUnexpectedFailure;
    }
    const auto title = settings->ReadText(kNameSetting, kNameSettingLimit);
    settings->Close();
    if (!title) {
        return result::kSuccess;
    }
    platform::AskRunningInstanceToRaise(kInstanceLockName, *title);
    return result::kSuccess;
}

}  // namespace sondrel::app
