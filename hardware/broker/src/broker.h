// The hardware broker stand-in: a root object that reads the machine from
// the processor profile, and sessions that pick, load and initialise the
// processor module serving each processor.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <optional>

#include "sondrel/broker_interfaces.h"
#include "sondrel/exports.h"
#include "sondrel/platform/library.h"
#include "sondrel/profile/profile.h"

namespace sondrel::broker {

// The data module every processor module is given: it answers from the
// same processor profile the broker reads.
inline constexpr const char* kDataModuleFileName = "ProfileData.so";

class BrokerRoot final : public IFreqIDUnknown {
public:
    BrokerRoot() = default;
    BrokerRoot(const BrokerRoot&) = delete;
    BrokerRoot& operator=(const BrokerRoot&) = delete;

    ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) override;
    std::int32_t SONDREL_CALL AddReference() override;
    std::int32_t SONDREL_CALL DropReference() override;

    // Reads the profile once; later calls succeed without reading again.
    ResultCode Open(void* brokerLibrary);
    // Null until Open succeeded.
    const profile::Profile* Machine() const { return machine_ ? &*machine_ : nullptr; }
    void* VerificationHandle() const { return brokerLibrary_; }
    // Loads Cpumod<n> once and keeps it until the root goes away.
    ResultCode ModuleEntry(std::int32_t moduleNumber, GetProcessorModuleInterfaceFunction* entry);

private:
    // The module libraries are unloaded here: every module object must have
    // been dropped before the root is.
    ~BrokerRoot();

    std::atomic<std::int32_t> references_{1};
    std::optional<profile::Profile> machine_;
    void* brokerLibrary_ = nullptr;
    std::map<std::int32_t, platform::LibraryHandle> moduleLibraries_;
};

class BrokerSession final : public IBrokerSession {
public:
    // Holds a reference to the root for as long as the session lives.
    explicit BrokerSession(BrokerRoot& root);
    BrokerSession(const BrokerSession&) = delete;
    BrokerSession& operator=(const BrokerSession&) = delete;

    ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) override;
    std::int32_t SONDREL_CALL AddReference() override;
    std::int32_t SONDREL_CALL DropReference() override;

    ResultCode SONDREL_CALL Open(void* brokerLibrary) override;
    ResultCode SONDREL_CALL GetProcessorCount(std::int32_t* count) override;
    ResultCode SONDREL_CALL GetMaxCpuidLeaf(std::int32_t processor, std::int32_t* leaf) override;
    ResultCode SONDREL_CALL GetProcessorModule(std::int32_t processor, void** root) override;
    ResultCode SONDREL_CALL Reserved7() override { return result::kReservedSlot; }
    ResultCode SONDREL_CALL Reserved8() override { return result::kReservedSlot; }
    ResultCode SONDREL_CALL GetModuleNumber(std::int32_t* moduleNumber) override;

private:
    ~BrokerSession();
    // Null output, then not opened, then the processor number, then presence.
    ResultCode CheckProcessor(std::int32_t processor, const void* output,
                              const profile::Processor** found) const;
    ResultCode CreateModule(std::int32_t moduleNumber, std::int32_t processor, IFreqIDUnknown** module);

    std::atomic<std::int32_t> references_{1};
    BrokerRoot& root_;
    std::optional<std::int32_t> moduleNumber_;
};

// The body of GetBrokerModuleInterface.
ResultCode CreateBrokerRoot(std::int32_t interfaceId, void** out);

}  // namespace sondrel::broker
