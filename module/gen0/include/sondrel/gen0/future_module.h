// Cpumod0's module object, for processors newer than every other module
// knows: signature, name and features only, no register fields, no load
// threads, product code 4.
#pragma once

#include <cstdint>

#include "sondrel/module/processor_module.h"

namespace sondrel::gen0 {

inline constexpr std::int32_t kModuleNumber = 0;
// The name every processor of this module gets, from the language file.
inline constexpr std::int32_t kFutureProcessorName = 7;
inline constexpr std::int32_t kUnknownPackage = 104;
// The Twinstrand feature, which this module cannot judge.
inline constexpr std::int32_t kTwinstrandFeature = 50;

const module::GenerationDescription& Cpumod0Generation();

class CFutureModule : public module::CProcessorModule {
public:
    CFutureModule();

    ResultCode SONDREL_CALL Initialize(std::int32_t processor) override;
    ResultCode SONDREL_CALL GetInfoItem(std::int32_t processor, std::int32_t item,
                                        std::int32_t* value) override;
    ResultCode SONDREL_CALL GetRevision(std::int32_t processor, std::int32_t* revision) override;
    ResultCode SONDREL_CALL GetFeature(std::int32_t processor, std::int32_t featureCode,
                                       std::int32_t* state) override;

private:
    ResultCode ReadSnapshot(IProcessorAccess& access, std::int32_t processor);
};

// Items 1, 5 and 11 always, item 2 for the old family-5 signatures, and
// items 12, 14 and 16 from the features.
std::int32_t FutureInfoItemWord(const module::ProcessorSnapshot& snapshot);
// The items GetInfoItem answers; any other answers −1.
bool AnswersInfoItem(std::int32_t item);

// The body of Cpumod0's GetProcessorModuleInterface export.
ResultCode CreateModule(std::int32_t interfaceId, void* verificationHandle, const char* dataModuleFileName,
                        void** out);

}  // namespace sondrel::gen0
