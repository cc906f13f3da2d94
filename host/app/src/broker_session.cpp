#include "sondrel/app/broker_session.h"

#include "sondrel/app/collection.h"
#include "sondrel/app/derived_counts.h"
#include "sondrel/broker_interfaces.h"
#include "sondrel/held_interface.h"
#include "sondrel/interface_ids.h"

namespace sondrel::app {

namespace {

struct SessionFailure {};

void Require(bool condition) {
    if (!condition) {
        throw SessionFailure{};
    }
}

}  // namespace

BrokerConnection::BrokerConnection(MainSheetState& sheet, SystemRecord& record)
    : sheet_(sheet), record_(record) {}

BrokerConnection::~BrokerConnection() {
    if (root_ != nullptr) {
        root_->DropReference();
    }
    platform::UnloadLibrary(library_);
}

void BrokerConnection::LoadBroker() {
    if (library_ != nullptr) {
        return;
    }
    // A broker that fails verification counts as missing.
    const auto path = platform::FindLibrary(kBrokerLibraryName);
    Require(path.has_value());
    library_ = platform::LoadVerifiedLibrary(*path).handle;
    Require(library_ != nullptr);
    entry_ = reinterpret_cast<GetBrokerModuleInterfaceFunction>(
        platform::FindEntryPoint(library_, export_name::kBrokerModule));
    Require(entry_ != nullptr);
}

void BrokerConnection::ObtainRoot() {
    if (root_ != nullptr) {
        return;
    }
    void* root = nullptr;
    Require(entry_(interface_id::kRoot, &root) == result::kSuccess && root != nullptr);
    root_ = static_cast<IFreqIDUnknown*>(root);
}

ResultCode BrokerConnection::RunBrokerSession() {
    try {
        LoadBroker();
        ObtainRoot();
        HeldInterface<IBrokerSession> session;
        Require(session.Lookup(*root_, interface_id::kBrokerSession) == result::kSuccess);
        Require(session->Open(library_) == result::kSuccess);
        Require(session->GetProcessorCount(&sheet_.logicalProcessorCount) == result::kSuccess);
        Require(sheet_.logicalProcessorCount >= 1);

        SwitchThrottlingOff(powerPolicy_);
        const ResultCode collected = CollectProcessorData(sheet_, *session, 1, record_);
        RestoreThrottling(powerPolicy_);
        if (collected != result::kSuccess) {
            return collected;
        }
        DeriveProcessorCount(sheet_, record_);
        return result::kSuccess;
    } catch (...) {
        return result::kUnexpectedFailure;
    }
}

SwitchOutcome BrokerConnection::SwitchProcessor(std::int32_t processor) {
    using Kind = SwitchOutcome::Kind;
    if (processor < 1 || processor > sheet_.processorsInSystem || root_ == nullptr) {
        return {Kind::kFailed, result::kUnexpectedFailure};
    }
    if (processor == sheet_.selectedProcessor) {
        return {Kind::kUnchanged, result::kSuccess};
    }
    sheet_.selectedProcessor = processor;
    ResetSystemRecord(record_);
    HeldInterface<IBrokerSession> session;
    if (session.Lookup(*root_, interface_id::kBrokerSession) != result::kSuccess) {
        return {Kind::kFailed, result::kUnexpectedFailure};
    }
    const ResultCode collected = CollectProcessorData(sheet_, *session, processor, record_);
    if (collected != result::kSuccess) {
        return {Kind::kCollectionFailed, collected};
    }
    return {Kind::kCollected, result::kSuccess};
}

}  // namespace sondrel::app
