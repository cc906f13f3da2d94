// The main sheet's connection to the hardware broker: the start-up session
// that collects processor 1, and the collection of a processor chosen from
// the Processor menu. The window (splash, menus, error boxes) only calls
// these and shows what they return.
#pragma once

#include <cstdint>

#include "sondrel/app/main_sheet_state.h"
#include "sondrel/app/power_policy.h"
#include "sondrel/app/system_record.h"
#include "sondrel/exports.h"
#include "sondrel/platform/library.h"

namespace sondrel::app {

inline constexpr const char* kBrokerLibraryName = "Hwbroker.so";

// What a processor switch came to.
struct SwitchOutcome {
    enum class Kind {
        kUnchanged,         // the processor was already selected
        kCollected,         // the record now holds the new processor
        kCollectionFailed,  // `code` is the collection's result, for the error box
        kFailed,            // any other failure: the sheet reports 0x80041F40
    };
    Kind kind = Kind::kFailed;
    ResultCode code = result::kUnexpectedFailure;
};

class BrokerConnection {
public:
    BrokerConnection(MainSheetState& sheet, SystemRecord& record);
    // Drops the broker root and unloads the broker: the sheet ends just
    // before the process does.
    ~BrokerConnection();
    BrokerConnection(const BrokerConnection&) = delete;
    BrokerConnection& operator=(const BrokerConnection&) = delete;

    // Loads and verifies the broker, keeps its root, opens a session, reads
    // the processor count, collects processor 1 with throttling switched
    // off, and derives the processor count. Returns 0, the collection's own
    // failing code, or 0x80041F40 for any other failure.
    ResultCode RunBrokerSession();

    // Collects processor `processor` (1-based) with a fresh session. The
    // throttling policy is not touched and the processor count is not
    // derived again.
    SwitchOutcome SwitchProcessor(std::int32_t processor);

private:
    void LoadBroker();
    void ObtainRoot();

    MainSheetState& sheet_;
    SystemRecord& record_;
    PowerPolicyState powerPolicy_;
    platform::LibraryHandle library_ = nullptr;
    GetBrokerModuleInterfaceFunction entry_ = nullptr;
    IFreqIDUnknown* root_ = nullptr;
};

}  // namespace sondrel::app
