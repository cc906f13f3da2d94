// ICPUInfo: name, product code, package, information items, revision, logo.
#include "sondrel/module/processor_module.h"
#include "sondrel/module/text.h"

namespace sondrel::module {

namespace {
constexpr std::int32_t kFirstInfoItem = 1;
constexpr std::int32_t kLastInfoItem = 18;
constexpr std::int32_t kUnknownInfoItem = -1;
}  // namespace

ResultCode SONDREL_CALL CProcessorModule::GetLogoBitmap(std::int32_t processor, BitmapHandle* bitmap) {
    const ResultCode status = CheckQuery(processor, {bitmap});
    if (status != result::kSuccess) {
        return status;
    }
    return LoadLogoBitmap(bitmap);
}

ResultCode SONDREL_CALL CProcessorModule::GetProcessorName(std::int32_t processor, char* name) {
    const ResultCode status = CheckQuery(processor, {name});
    if (status != result::kSuccess) {
        return status;
    }
    CopyBounded(name, kNameBufferSize, snapshot_.processorName);
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::GetProductCode(std::int32_t processor, std::int32_t* code) {
    const ResultCode status = CheckQuery(processor, {code});
    if (status != result::kSuccess) {
        return status;
    }
    *code = snapshot_.productCode;
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::GetPackage(std::int32_t processor, std::int32_t* packageCode,
                                                     char* packageName) {
    const ResultCode status = CheckQuery(processor, {packageCode, packageName});
    if (status != result::kSuccess) {
        return status;
    }
    *packageCode = snapshot_.packageCode;
    CopyBounded(packageName, kNameBufferSize, snapshot_.packageName);
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::GetInfoItem(std::int32_t processor, std::int32_t item,
                                                      std::int32_t* value) {
    const ResultCode status = CheckQuery(processor, {value});
    if (status != result::kSuccess) {
        return status;
    }
    if (item < kFirstInfoItem || item > kLastInfoItem) {
        *value = kUnknownInfoItem;
        return result::kSuccess;
    }
    const auto word = static_cast<std::uint32_t>(snapshot_.infoItemWord);
    *value = static_cast<std::int32_t>((word >> (item - kFirstInfoItem)) & 1u);
    return result::kSuccess;
}

ResultCode SONDREL_CALL CProcessorModule::GetRevision(std::int32_t processor, std::int32_t* revision) {
    const ResultCode status = CheckQuery(processor, {revision});
    if (status != result::kSuccess) {
        return status;
    }
    if (snapshot_.revisionAvailable != 1) {
        return result::kRevisionUnavailable;
    }
    *revision = snapshot_.revision;
    return result::kSuccess;
}

}  // namespace sondrel::module
