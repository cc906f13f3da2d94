// State shared by the pieces of the platform fake.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sondrel/platform/fake.h"

namespace sondrel::platform::fake {

struct LoadedEntry {
    std::string name;
    const FakeLibrary* library;
};

struct State {
    std::map<std::string, FakeLibrary> libraries;  // by path
    std::vector<std::string> searchLog;
    // Each loaded library gets a handle of its own; index into this vector.
    std::vector<LoadedEntry*> loaded;
    int processorCount = 1;
    int failingThread = -1;
    std::vector<std::string> threadLog;
    int runningThreads = 0;
    // Unset: the policy cannot be read.
    std::optional<std::uint8_t> mainsThrottle;
    std::optional<std::uint8_t> batteryThrottle;
    bool failPowerPolicyWrites = false;
    std::vector<std::string> powerPolicyLog;
    std::optional<OsVersion> basicVersion;
    std::optional<OsVersion> extendedVersion;
    UtcTime time{2000, 1, 1, 0, 0, 0};
    std::map<std::string, std::string> fileTypeClasses;
    std::map<std::string, std::string> openCommands;
    bool failProcessStart = false;
    std::vector<std::string> startedCommandLines;
    // Unset: the program's key does not exist.
    std::optional<std::map<std::string, std::string>> settings;
    bool settingsOpenable = true;
    bool failSettingsReads = false;
    bool failSettingsWrites = false;
    bool failSettingsClose = false;
    std::vector<std::string> settingsLog;
    bool is64BitSystem = true;
    std::optional<std::uint64_t> availableDiskBytes = std::uint64_t{1} << 40;
    bool administrator = false;
    std::vector<std::string> diskQueryLog;
    bool instanceLockHeld = false;
    bool instanceLockFails = false;
    bool runningInstanceAnswers = true;
    std::vector<std::string> raiseRequests;
    bool ownLockAlive = false;
    std::function<void(std::string)> raiseListener;
};

State& GetState();

}  // namespace sondrel::platform::fake
