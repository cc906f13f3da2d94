// The ten interfaces of a processor module object, each declared in the
// slot order of its operation table. Every query takes the 1-based
// processor number first.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sondrel/bitmap.h"
#include "sondrel/unknown.h"

namespace sondrel {

// Caller buffer sizes of the text outputs, terminator included.
inline constexpr std::size_t kNameBufferSize = 61;
inline constexpr std::size_t kGuideBufferSize = 11;

class IInitializePM : public IFreqIDUnknown {
public:
    virtual ResultCode SONDREL_CALL Initialize(std::int32_t processor) = 0;

protected:
    ~IInitializePM() = default;
};

class ICPUInfo : public IFreqIDUnknown {
public:
    virtual ResultCode SONDREL_CALL GetLogoBitmap(std::int32_t processor, BitmapHandle* bitmap) = 0;
    // name: text[kNameBufferSize]
    virtual ResultCode SONDREL_CALL GetProcessorName(std::int32_t processor, char* name) = 0;
    virtual ResultCode SONDREL_CALL GetProductCode(std::int32_t processor, std::int32_t* code) = 0;
    // name: text[kNameBufferSize]
    virtual ResultCode SONDREL_CALL GetPackage(std::int32_t processor, std::int32_t* packageCode,
                                               char* packageName) = 0;
    virtual ResultCode SONDREL_CALL GetInfoItem(std::int32_t processor, std::int32_t item,
                                                std::int32_t* value) = 0;
    virtual ResultCode SONDREL_CALL GetRevision(std::int32_t processor, std::int32_t* revision) = 0;

protected:
    ~ICPUInfo() = default;
};

class ICPUSignature : public IFreqIDUnknown {
public:
    virtual ResultCode SONDREL_CALL GetExtendedFamily(std::int32_t processor, std::int32_t* value) = 0;
    virtual ResultCode SONDREL_CALL GetFamily(std::int32_t processor, std::int32_t* value) = 0;
    virtual ResultCode SONDREL_CALL GetExtendedModel(std::int32_t processor, std::int32_t* value) = 0;
    virtual ResultCode SONDREL_CALL GetModel(std::int32_t processor, std::int32_t* value) = 0;
    virtual ResultCode SONDREL_CALL GetStepping(std::int32_t processor, std::int32_t* value) = 0;
    virtual ResultCode SONDREL_CALL GetProcessorType(std::int32_t processor, std::int32_t* value) = 0;

protected:
    ~ICPUSignature() = default;
};

class ICPUFeatures : public IFreqIDUnknown {
public:
    virtual ResultCode SONDREL_CALL GetFeature(std::int32_t processor, std::int32_t featureCode,
                                               std::int32_t* state) = 0;

protected:
    ~ICPUFeatures() = default;
};

class ISpeeds : public IFreqIDUnknown {
public:
    virtual ResultCode SONDREL_CALL GetExpectedSpeeds(std::int32_t processor, float* cpuMHz,
                                                      float* busMHz) = 0;
    virtual ResultCode SONDREL_CALL GetReportedSpeeds(std::int32_t processor, float* cpuMHz,
                                                      float* busMHz) = 0;
    // sampleCount, auxOut and auxIn are handed unchanged to the data module.
    virtual ResultCode SONDREL_CALL MeasureSpeeds(std::int32_t processor, float* cpuMHz, float* busMHz,
                                                  std::int32_t sampleCount, std::int32_t* auxOut,
                                                  std::int32_t auxIn) = 0;

protected:
    ~ISpeeds() = default;
};

class ICacheSizes : public IFreqIDUnknown {
public:
    // level 0 to 3 (first-level data, first-level instruction, second, third).
    virtual ResultCode SONDREL_CALL GetCacheSize(std::int32_t processor, std::int32_t level,
                                                 std::int32_t* size, std::int32_t* unit) = 0;

protected:
    ~ICacheSizes() = default;
};

class ICPUDetails : public IFreqIDUnknown {
public:
    // guide: text[kGuideBufferSize]
    virtual ResultCode SONDREL_CALL GetCompatibilityGuide(std::int32_t processor, char* guide) = 0;
    virtual ResultCode SONDREL_CALL GetActiveCoreCount(std::int32_t processor, std::int32_t* count) = 0;

protected:
    ~ICPUDetails() = default;
};

class ICPUCMPDetails : public IFreqIDUnknown {
public:
    virtual ResultCode SONDREL_CALL GetThreadCount(std::int32_t processor, std::int32_t* count) = 0;
    virtual ResultCode SONDREL_CALL GetMultiCoreEnabled(std::int32_t processor, std::int32_t* enabled) = 0;
    virtual ResultCode SONDREL_CALL GetMaxCoreCount(std::int32_t processor, std::int32_t* count) = 0;
    virtual ResultCode SONDREL_CALL GetPackageThreadCount(std::int32_t processor, std::int32_t* count) = 0;
    virtual ResultCode SONDREL_CALL GetPackageCount(std::int32_t processor, std::int32_t* count) = 0;
    virtual ResultCode SONDREL_CALL GetDisabledCoreCount(std::int32_t processor, std::int32_t* count) = 0;
    virtual ResultCode SONDREL_CALL GetCacheCounts(std::int32_t processor, std::int32_t* level1Data,
                                                   std::int32_t* level1Instruction, std::int32_t* level2,
                                                   std::int32_t* level3) = 0;

protected:
    ~ICPUCMPDetails() = default;
};

class ICPUPCIDetails : public IFreqIDUnknown {
public:
    virtual ResultCode SONDREL_CALL GetPciLinkValues(std::int32_t processor, std::int32_t* first,
                                                     std::int32_t* second) = 0;
    virtual ResultCode SONDREL_CALL GetExpectedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                            float* memoryControllerMHz) = 0;
    virtual ResultCode SONDREL_CALL GetReportedInterconnect(std::int32_t processor, float* interconnectMHz,
                                                            float* memoryControllerMHz) = 0;
    virtual ResultCode SONDREL_CALL GetChipsetDeviceId(std::int32_t processor, std::int32_t* deviceId) = 0;
    virtual ResultCode SONDREL_CALL GetGraphicsCode(std::int32_t processor, std::int32_t* code) = 0;

protected:
    ~ICPUPCIDetails() = default;
};

class ITDP : public IFreqIDUnknown {
public:
    virtual ResultCode SONDREL_CALL GetBaseTDP(std::int32_t processor, std::int32_t* watts) = 0;

protected:
    ~ITDP() = default;
};

}  // namespace sondrel
