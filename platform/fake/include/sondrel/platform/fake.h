// Controls of the platform fake that tests link instead of the Linux layer.
// Libraries are entries registered by the test; load threads are recorded,
// not started.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sondrel/platform/os_version.h"
#include "sondrel/platform/power_policy.h"
#include "sondrel/platform/system_time.h"

namespace sondrel::platform::fake {

struct FakeLibrary {
    bool verified = true;  // passes the trust manifest check
    bool loadable = true;  // LoadLibrary succeeds
    std::map<std::string, void*> entryPoints;
};

// Restores the initial state: no libraries, 1 processor, no thread failures,
// no readable power policy, no version, no file-type association.
void Reset();

// `name` is what FindLibrary is asked for; the fake finds it at "/fake/<name>"
// (or at `name` itself when it has a directory part).
void AddLibrary(const std::string& name, FakeLibrary library);

// Names of the libraries loaded and not yet unloaded, in load order.
std::vector<std::string> LoadedLibraries();
// Every FindLibrary request, in order.
std::vector<std::string> SearchLog();

void SetLogicalProcessorCount(int count);

// The start of load thread `index` (0-based) fails; -1: none fails.
void FailLoadThreadAt(int index);

// "start <i>" and "stop <i>" entries in the order they happened.
std::vector<std::string> LoadThreadLog();
// Threads started and not yet stopped, over all LoadThreads objects.
int RunningLoadThreads();

// Power policy: unset (the default) means the policy cannot be read.
void SetDynamicThrottle(PowerSource source, std::optional<std::uint8_t> value);
std::optional<std::uint8_t> DynamicThrottle(PowerSource source);
void FailPowerPolicyWrites(bool fail);
// "read mains", "write battery 0" ... in the order they happened.
std::vector<std::string> PowerPolicyLog();
// Tests add entries of their own to see what happened between the reads and
// the writes.
void LogEvent(const std::string& event);

// Version queries: unset (the default) means the query fails.
void SetOsVersions(std::optional<OsVersion> basic, std::optional<OsVersion> extended);

// The clock: the time SystemTimeUtc answers (default 2000-01-01 00:00:00).
void SetSystemTimeUtc(const UtcTime& time);

// The file-type association: unset means nothing is registered.
void SetFileTypeClass(const std::string& extension, std::optional<std::string> documentClass);
void SetOpenCommand(const std::string& documentClass, std::optional<std::string> command);
// StartProcess fails from now on (or succeeds again).
void FailProcessStart(bool fail);
// Every command line StartProcess was asked to start, in order.
std::vector<std::string> StartedCommandLines();

// The program's settings key: unset (the default) means the installation
// did not create it. The values as the program left them.
void SetProgramSettings(std::optional<std::map<std::string, std::string>> values);
std::optional<std::map<std::string, std::string>> ProgramSettings();
enum class SettingsFailure { kOpen, kRead, kWrite, kClose };
// Writes fail for deletes too.
void FailSettings(SettingsFailure failure, bool fail);
// "open", "read Name", "write BODDlg", "delete BODDlg", "close" in order.
std::vector<std::string> SettingsLog();

// The start-up check's facts: a 64-bit system (the default), the bytes
// available on the program's volume (default plenty; unset: the query
// fails), administrator rights (default none).
void Set64BitSystem(bool is64Bit);
void SetAvailableDiskBytes(std::optional<std::uint64_t> bytes);
void SetAdministratorRights(bool administrator);
// Every path AvailableDiskBytes was asked about, in order.
std::vector<std::string> DiskQueryLog();

// The single-instance lock: another instance holds it (default no), or it
// cannot be made at all. Whether a running instance takes raise requests
// (default yes), and the titles asked for, in order.
void SetInstanceLockHeldByAnother(bool held);
void FailInstanceLock(bool fail);
void SetRunningInstanceAnswers(bool answers);
std::vector<std::string> RaiseRequests();
// Delivers a raise request to the listener of the lock this process holds,
// as a later start would; false when nobody listens.
bool DeliverRaiseRequest(const std::string& title);

}  // namespace sondrel::platform::fake
