#include "module_state.h"

#include <cstdio>
#include <new>
#include <string>
#include <variant>

namespace sondrel::profile_data {

namespace {
constexpr const char* kLinePrefix = "ProfileData: ";

void ReportOnce(const std::string& message) {
    std::fputs((kLinePrefix + message + "\n").c_str(), stderr);
    std::fflush(stderr);
}
}  // namespace

ModuleState& ModuleState::Instance() {
    static ModuleState state;
    return state;
}

ResultCode ModuleState::Acquire(const profile::Profile** profile) {
    std::lock_guard lock(mutex_);
    if (!loaded_) {
        loaded_ = true;
        try {
            const std::string path = profile::ChooseProfilePath();
            profile::LoadResult loaded = profile::LoadProfile(path);
            if (auto* error = std::get_if<profile::LoadError>(&loaded)) {
                loadResult_ = error->kind == profile::LoadError::Kind::kUnreadable
                                  ? result::kFileNotFound
                                  : result::kUnexpectedFailure;
                ReportOnce(error->Message());
            } else {
                profile_ = std::move(std::get<profile::Profile>(loaded));
                measurementCalls_.assign(profile_->processors.size(), 0);
            }
        } catch (const std::bad_alloc&) {
            loadResult_ = result::kOutOfMemory;
            ReportOnce("out of memory while reading the profile");
        } catch (...) {
            loadResult_ = result::kUnexpectedFailure;
            ReportOnce("the profile cannot be read");
        }
    }
    if (loadResult_ != result::kSuccess) {
        return loadResult_;
    }
    *profile = &*profile_;
    return result::kSuccess;
}

const profile::Measurement* ModuleState::NextMeasurement(const profile::Processor& processor) {
    if (processor.measurements->empty()) {
        return nullptr;
    }
    std::lock_guard lock(mutex_);
    std::size_t& calls = measurementCalls_[static_cast<std::size_t>(processor.number - 1)];
    const std::size_t index =
        calls < processor.measurements->size() ? calls : processor.measurements->size() - 1;
    if (calls < processor.measurements->size()) {
        ++calls;
    }
    return &(*processor.measurements)[index];
}

}  // namespace sondrel::profile_data
