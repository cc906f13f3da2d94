// A processor module object made in the test: every answer and every
// failure is set by the test, and references are counted so a test can see
// that the host dropped everything it obtained.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "sondrel/broker_interfaces.h"
#include "sondrel/module_interfaces.h"

namespace sondrel::testing {

struct ModuleAnswers {
    std::map<std::int32_t, std::int32_t> infoItems{{1, 1}};  // unlisted items answer 0
    std::string name = "Quarn(R) Test Processor";
    std::int32_t productCode = 0;
    std::string package = "Test package";
    std::int32_t revision = 0x2A;
    std::int32_t family = 6;
    std::int32_t processorType = 0;
    std::int32_t model = 14;
    std::int32_t stepping = 9;
    std::int32_t extendedFamily = 0;
    std::int32_t extendedModel = 9;
    std::map<std::int32_t, std::int32_t> features;  // unlisted codes answer 0
    std::array<std::int32_t, 4> cacheSizes{32, 32, 256, 8192};
    std::array<std::int32_t, 4> cacheUnits{1, 1, 1, 1};
    float expectedCpuMHz = 4200.0f;
    float expectedBusMHz = 100.0f;
    float reportedCpuMHz = 4200.0f;
    float reportedBusMHz = 100.0f;
    std::int32_t activeCores = 4;
    std::string guide = "TESTGUIDE";
    std::int32_t threadCount = 8;
    std::int32_t multiCoreEnabled = 1;
    std::int32_t maxCoreCount = 4;
    std::int32_t packageThreadCount = 8;
    std::int32_t packageCount = 1;
    std::int32_t disabledCores = 0;
    std::array<std::int32_t, 4> sharing{4, 4, 4, 1};  // level 1 data, level 1 instruction, 2, 3
    std::int32_t chipsetId = 0x591F;
    std::int32_t graphicsCode = 3;
    float expectedInterconnect = 0.0f;
    float expectedMemoryController = 0.0f;
    float reportedInterconnect = 0.0f;
    float reportedMemoryController = 0.0f;
    std::int32_t baseTdpWatts = 91;
};

class FakeModule final : public IInitializePM,
                         public ICPUInfo,
                         public ICPUSignature,
                         public ICPUFeatures,
                         public ISpeeds,
                         public ICacheSizes,
                         public ICPUDetails,
                         public ICPUCMPDetails,
                         public ICPUPCIDetails,
                         public ITDP {
public:
    ModuleAnswers answers;
    // Lookups of these ids answer 0x80041F50 (the interface is absent) ...
    std::set<std::int32_t> absent;
    // ... and these their code.
    std::map<std::int32_t, ResultCode> lookupFailures;
    // By operation name; GetInfoItem<n>, GetFeature<code> and GetCacheSize<index> name one call.
    std::map<std::string, ResultCode> failures;
    // Operation names in call order (lookups as "Lookup <id>").
    std::vector<std::string> calls;
    // References the host holds.
    std::int32_t references = 0;
    // Handed out by GetLogoBitmap when set.
    BitmapHandle logo = nullptr;

    ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) override;
    std::int32_t SONDREL_CALL AddReference() override { return ++references; }
    std::int32_t SONDREL_CALL DropReference() override {
        --references;
        return 0;
    }

    ResultCode SONDREL_CALL Initialize(std::int32_t processor) override;
    ResultCode SONDREL_CALL GetLogoBitmap(std::int32_t processor, BitmapHandle* bitmap) override;
    ResultCode SONDREL_CALL GetProcessorName(std::int32_t processor, char* name) override;
    ResultCode SONDREL_CALL GetProductCode(std::int32_t processor, std::int32_t* code) override;
    ResultCode SONDREL_CALL GetPackage(std::int32_t processor, std::int32_t* packageCode,
                                       char* packageName) override;
    ResultCode SONDREL_CALL GetInfoItem(std::int32_t processor, std::int32_t item,
                                        std::int32_t* value) override;
    ResultCode SONDREL_CALL GetRevision(std::int32_t processor, std::int32_t* revision) override;
    ResultCode SONDREL_CALL GetExtendedFamily(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetFamily(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetExtendedModel(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetModel(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetStepping(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetProcessorType(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetFeature(std::int32_t processor, std::int32_t featureCode,
                                       std::int32_t* state) override;
    ResultCode SONDREL_CALL GetExpectedSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz) override;
    ResultCode SONDREL_CALL GetReportedSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz) override;
    ResultCode SONDREL_CALL MeasureSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz,
                                          std::int32_t sampleCount, std::int32_t* auxOut,
                                          std::int32_t auxIn) override;
    ResultCode SONDREL_CALL GetCacheSize(std::int32_t processor, std::int32_t level, std::int32_t* size,
                                         std::int32_t* unit) override;
    ResultCode SONDREL_CALL GetCompatibilityGuide(std::int32_t processor, char* guide) override;
    ResultCode SONDREL_CALL GetActiveCoreCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetThreadCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetMultiCoreEnabled(std::int32_t processor, std::int32_t* enabled) override;
    ResultCode SONDREL_CALL GetMaxCoreCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetPackageThreadCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetPackageCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetDisabledCoreCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetCacheCounts(std::int32_t processor, std::int32_t* level1Data,
                                           std::int32_t* level1Instruction, std::int32_t* level2,
                                           std::int32_t* level3) override;
    ResultCode SONDREL_CALL GetPciLinkValues(std::int32_t processor, std::int32_t* first,
                                             std::int32_t* second) override;
    ResultCode SONDREL_CALL GetExpectedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                    float* memoryControllerMHz) override;
    ResultCode SONDREL_CALL GetReportedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                    float* memoryControllerMHz) override;
    ResultCode SONDREL_CALL GetChipsetDeviceId(std::int32_t processor, std::int32_t* deviceId) override;
    ResultCode SONDREL_CALL GetGraphicsCode(std::int32_t processor, std::int32_t* code) override;
    ResultCode SONDREL_CALL GetBaseTDP(std::int32_t processor, std::int32_t* watts) override;

    // The processor number every query was asked for (0 before the first).
    std::set<std::int32_t> processorsAsked;

private:
    ResultCode Answer(const std::string& operation, std::int32_t processor);
};

// A broker session that hands out one FakeModule.
class FakeSession final : public IBrokerSession {
public:
    explicit FakeSession(FakeModule* module) : module_(module) {}

    std::int32_t processorCount = 1;
    std::int32_t maxCpuidLeaf = 0x16;
    std::int32_t moduleNumber = 12;
    std::map<std::string, ResultCode> failures;
    std::vector<std::string> calls;
    // Told of every call as well, to interleave it with other logs.
    std::function<void(const std::string&)> onCall;
    std::int32_t references = 0;
    void* openedWith = nullptr;

    ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) override;
    std::int32_t SONDREL_CALL AddReference() override { return ++references; }
    std::int32_t SONDREL_CALL DropReference() override {
        --references;
        return 0;
    }
    ResultCode SONDREL_CALL Open(void* brokerLibrary) override;
    ResultCode SONDREL_CALL GetProcessorCount(std::int32_t* count) override;
    ResultCode SONDREL_CALL GetMaxCpuidLeaf(std::int32_t processor, std::int32_t* leaf) override;
    ResultCode SONDREL_CALL GetProcessorModule(std::int32_t processor, void** root) override;
    ResultCode SONDREL_CALL Reserved7() override { return result::kReservedSlot; }
    ResultCode SONDREL_CALL Reserved8() override { return result::kReservedSlot; }
    ResultCode SONDREL_CALL GetModuleNumber(std::int32_t* moduleNumber) override;

private:
    ResultCode Answer(const std::string& operation);
    FakeModule* module_;
};

}  // namespace sondrel::testing
