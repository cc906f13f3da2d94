// The program's settings key of the fake: values held in the fake's state.
#include "sondrel/platform/settings_store.h"

#include "state.h"

namespace sondrel::platform {

namespace {

class FakeSettingsKey : public SettingsKey {
public:
    std::optional<std::string> ReadText(std::string_view name, std::size_t limit) const override {
        fake::State& state = fake::GetState();
        state.settingsLog.push_back("read " + std::string(name));
        if (!state.settings || state.failSettingsReads) {
            return std::nullopt;
        }
        const auto found = state.settings->find(std::string(name));
        if (found == state.settings->end()) {
            return std::nullopt;
        }
        return found->second.substr(0, limit);
    }

    bool WriteText(std::string_view name, std::string_view value) override {
        fake::State& state = fake::GetState();
        state.settingsLog.push_back("write " + std::string(name));
        if (!state.settings || state.failSettingsWrites) {
            return false;
        }
        (*state.settings)[std::string(name)] = std::string(value);
        return true;
    }

    bool DeleteValue(std::string_view name) override {
        fake::State& state = fake::GetState();
        state.settingsLog.push_back("delete " + std::string(name));
        if (!state.settings || state.failSettingsWrites) {
            return false;
        }
        state.settings->erase(std::string(name));
        return true;
    }

    bool Close() override {
        fake::State& state = fake::GetState();
        state.settingsLog.emplace_back("close");
        return !state.failSettingsClose;
    }
};

}  // namespace

std::unique_ptr<SettingsKey> OpenProgramSettings() {
    fake::State& state = fake::GetState();
    state.settingsLog.emplace_back("open");
    if (!state.settings || !state.settingsOpenable) {
        return nullptr;
    }
    return std::make_unique<FakeSettingsKey>();
}

namespace fake {

void SetProgramSettings(std::optional<std::map<std::string, std::string>> values) {
    GetState().settings = std::move(values);
}

std::optional<std::map<std::string, std::string>> ProgramSettings() {
    return GetState().settings;
}

void FailSettings(SettingsFailure failure, bool fail) {
    State& state = GetState();
    switch (failure) {
        case SettingsFailure::kOpen:
            state.settingsOpenable = !fail;
            break;
        case SettingsFailure::kRead:
            state.failSettingsReads = fail;
            break;
        case SettingsFailure::kWrite:
            state.failSettingsWrites = fail;
            break;
        case SettingsFailure::kClose:
            state.failSettingsClose = fail;
            break;
    }
}

std::vector<std::string> SettingsLog() {
    return GetState().settingsLog;
}

}  // namespace fake

}  // namespace sondrel::platform
