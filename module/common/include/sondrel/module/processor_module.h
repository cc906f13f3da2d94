// The module object shared by every generation: the ten interfaces, the
// object model, Initialize with its snapshot, and the query operations. A
// generation module derives from it, passes its GenerationDescription, and
// overrides the steps below where its generation differs.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory_resource>

#include "sondrel/data_module_interfaces.h"
#include "sondrel/exports.h"
#include "sondrel/module/generation.h"
#include "sondrel/module/snapshot.h"
#include "sondrel/module_interfaces.h"
#include "sondrel/platform/library.h"

namespace sondrel::module {

// Per-object state outside the snapshot; Initialize does not clear it.
struct Bookkeeping {
    std::int32_t currentProcessor = -1;
    std::int32_t processorCount = 0;
    std::int32_t readyFlag = 0;
};

class CProcessorModule : public IInitializePM,
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
    explicit CProcessorModule(const GenerationDescription& generation);
    // Declared before any other new virtual function, so that it follows
    // Initialize in the first table.
    virtual ~CProcessorModule();
    CProcessorModule(const CProcessorModule&) = delete;
    CProcessorModule& operator=(const CProcessorModule&) = delete;

    // Loads the language file and the data module; returns the construction
    // status (0 when both are loaded).
    ResultCode Construct(void* verificationHandle, const char* dataModuleFileName);

    // Root operations, shared by all ten tables.
    ResultCode SONDREL_CALL LookupInterface(std::int32_t interfaceId, void** out) override;
    std::int32_t SONDREL_CALL AddReference() override;
    std::int32_t SONDREL_CALL DropReference() override;

    // IInitializePM
    ResultCode SONDREL_CALL Initialize(std::int32_t processor) override;

    // ICPUInfo
    ResultCode SONDREL_CALL GetLogoBitmap(std::int32_t processor, BitmapHandle* bitmap) override;
    ResultCode SONDREL_CALL GetProcessorName(std::int32_t processor, char* name) override;
    ResultCode SONDREL_CALL GetProductCode(std::int32_t processor, std::int32_t* code) override;
    ResultCode SONDREL_CALL GetPackage(std::int32_t processor, std::int32_t* packageCode,
                                       char* packageName) override;
    ResultCode SONDREL_CALL GetInfoItem(std::int32_t processor, std::int32_t item,
                                        std::int32_t* value) override;
    ResultCode SONDREL_CALL GetRevision(std::int32_t processor, std::int32_t* revision) override;

    // ICPUSignature
    ResultCode SONDREL_CALL GetExtendedFamily(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetFamily(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetExtendedModel(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetModel(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetStepping(std::int32_t processor, std::int32_t* value) override;
    ResultCode SONDREL_CALL GetProcessorType(std::int32_t processor, std::int32_t* value) override;

    // ICPUFeatures
    ResultCode SONDREL_CALL GetFeature(std::int32_t processor, std::int32_t featureCode,
                                       std::int32_t* state) override;

    // ISpeeds
    ResultCode SONDREL_CALL GetExpectedSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz) override;
    ResultCode SONDREL_CALL GetReportedSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz) override;
    ResultCode SONDREL_CALL MeasureSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz,
                                          std::int32_t sampleCount, std::int32_t* auxOut,
                                          std::int32_t auxIn) override;

    // ICacheSizes
    ResultCode SONDREL_CALL GetCacheSize(std::int32_t processor, std::int32_t level, std::int32_t* size,
                                         std::int32_t* unit) override;

    // ICPUDetails
    ResultCode SONDREL_CALL GetCompatibilityGuide(std::int32_t processor, char* guide) override;
    ResultCode SONDREL_CALL GetActiveCoreCount(std::int32_t processor, std::int32_t* count) override;

    // ICPUCMPDetails
    ResultCode SONDREL_CALL GetThreadCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetMultiCoreEnabled(std::int32_t processor, std::int32_t* enabled) override;
    ResultCode SONDREL_CALL GetMaxCoreCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetPackageThreadCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetPackageCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetDisabledCoreCount(std::int32_t processor, std::int32_t* count) override;
    ResultCode SONDREL_CALL GetCacheCounts(std::int32_t processor, std::int32_t* level1Data,
                                           std::int32_t* level1Instruction, std::int32_t* level2,
                                           std::int32_t* level3) override;

    // ICPUPCIDetails
    ResultCode SONDREL_CALL GetPciLinkValues(std::int32_t processor, std::int32_t* first,
                                             std::int32_t* second) override;
    ResultCode SONDREL_CALL GetExpectedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                    float* memoryControllerMHz) override;
    ResultCode SONDREL_CALL GetReportedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                    float* memoryControllerMHz) override;
    ResultCode SONDREL_CALL GetChipsetDeviceId(std::int32_t processor, std::int32_t* deviceId) override;
    ResultCode SONDREL_CALL GetGraphicsCode(std::int32_t processor, std::int32_t* code) override;

    // ITDP
    ResultCode SONDREL_CALL GetBaseTDP(std::int32_t processor, std::int32_t* watts) override;

protected:
    // ---- Generation steps. Each default is the framework's shared rule; a
    // ---- generation overrides the ones its processors need differently.

    // CPUID pass step 8: leaf-2 descriptors for one cache level. Filled by the caches work.
    virtual ResultCode DescribeCacheLevel(IProcessorAccess& access, std::int32_t processor, int levelIndex);
    // CPUID pass step 9: leaf-4 replacement of sizes. Filled by the caches work.
    virtual void EnumerateDeterministicCaches(IProcessorAccess& access, std::int32_t processor);
    // CPUID pass step 9: cache instance counts. Filled by the cache-sharing work.
    virtual void ComputeCacheSharing(IProcessorAccess& access, std::int32_t processor);
    // CPUID pass step 12: brand class, product code and renames. Filled by the naming work.
    virtual void ClassifyBrand();
    // End of the register pass for the mobile-rule product codes. Filled by the naming work.
    virtual void ApplyMobileRule();
    // Snapshot pass step 4: the PCI reads and the third-level cache count. Filled by the PCI work.
    virtual ResultCode RunPciReads(IPciConfig& pci, std::int32_t processor);
    // After every refresh and every nominal bus query. Filled by the frequency work.
    virtual void ComputeRatioFrequency();
    // The bus frequency the module reports beside a measured core frequency.
    virtual float NominalBusQuery();
    // Completion step 4, for the models the generation decides on: the decision
    // table and the reconciliation. Filled by the frequency work.
    virtual void DecideFrequencySupport();
    // Completion step 5: disabled cores. Filled by the PCI work.
    virtual void CountDisabledCores();
    // Initialize step 6: package code and name. Filled by the information-items work.
    virtual void RunPackageStep();
    // Initialize step 6: name fallback and nameEstablished. Filled by the naming work.
    virtual void RunNameFallback();
    // Initialize step 6: the information-item word. Filled by the information-items work.
    virtual void ComputeInfoItemWord();
    // GetLogoBitmap after its checks: logo table and language-file bitmap. Filled by the information-items
    // work.
    virtual ResultCode LoadLogoBitmap(BitmapHandle* bitmap);

    // ---- Framework services for the steps.

    // Null output 0x80041F61, then not initialised for this processor
    // 0x80041F67, then out of range 0x80041F60; 0 when all pass.
    ResultCode CheckQuery(std::int32_t processor, std::initializer_list<const void*> outputs) const;

    // The snapshot pass of Initialize, the completion step's refresh and MeasureSpeeds.
    ResultCode RunSnapshotPass(std::int32_t processor);

    // The generation's measurement call.
    ResultCode Measure(IProcessorAccess& access, std::int32_t processor, std::int32_t sampleCount,
                       float* cpuMHz, float* busMHz, std::int32_t* auxOut, std::int32_t auxIn) const;

    // Obtains a data-module interface (2000 or 14000): 0x80041F47 without a
    // data module, 0x80041F48 without its entry point, 0x80041F4F otherwise.
    ResultCode ObtainDataModuleInterface(std::int32_t interfaceId, void** out);

    ProcessorSnapshot& Snapshot() { return snapshot_; }
    const ProcessorSnapshot& Snapshot() const { return snapshot_; }
    Bookkeeping& State() { return bookkeeping_; }
    const Bookkeeping& State() const { return bookkeeping_; }
    const GenerationDescription& Generation() const { return generation_; }
    platform::LibraryHandle LanguageFile() const { return languageFile_; }
    void* VerificationHandle() const { return verificationHandle_; }
    ResultCode ConstructionStatus() const { return constructionStatus_; }

    // Where the register-field list is allocated (the default heap unless set).
    void SetRegisterListMemory(std::pmr::memory_resource* memory) { registerListMemory_ = memory; }

private:
    bool Answers(std::int32_t interfaceId) const;
    ResultCode LoadLanguageFile();
    ResultCode LoadDataModule(const char* dataModuleFileName);
    ResultCode RunCpuidPass(IProcessorAccess& access, std::int32_t processor);
    ResultCode RunRegisterPass(IRegisterFields& fields, std::int32_t processor);
    ResultCode ReadRegisterFields(IRegisterFields& fields, std::int32_t processor);
    ResultCode RunCompletionStep();
    // productCode 4 and no expected frequency: a processor this module does not handle.
    void MarkNotHandled();
    // End of the Derive outcome: snaps the reported values onto the expected
    // ones and measures once more when they still fall short.
    void Reconcile();
    // The steps of the PCI reads before the third-level cache count.
    ResultCode ReadPciDetails(IPciConfig& pci, std::int32_t processor);
    ResultCode ReadActiveCores(IPciConfig& pci, std::int32_t processor);
    ResultCode ProbeGraphics(IPciConfig& pci, std::int32_t processor);
    ResultCode RunSteps(std::int32_t processor);

    const GenerationDescription& generation_;
    std::int32_t referenceCount_ = 0;
    ResultCode constructionStatus_ = result::kSuccess;
    void* verificationHandle_ = nullptr;
    platform::LibraryHandle languageFile_ = nullptr;
    platform::LibraryHandle dataModule_ = nullptr;
    GetDataModuleInterfaceFunction dataModuleEntry_ = nullptr;
    std::pmr::memory_resource* registerListMemory_;
    Bookkeeping bookkeeping_;
    ProcessorSnapshot snapshot_;
};

}  // namespace sondrel::module
