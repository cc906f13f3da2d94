// Collection steps 3 to 5: information items, name, logo, product code,
// package, revision, signature and features.
#include <array>

#include "collection_steps.h"
#include "sondrel/app/signature_rules.h"
#include "sondrel/held_interface.h"
#include "sondrel/interface_ids.h"
#include "sondrel/module_interfaces.h"
#include "sondrel/platform/bitmap.h"
#include "text_copy.h"

namespace sondrel::app::collection {

namespace {

constexpr std::int32_t kRecognisedItem = 1;
constexpr std::int32_t kRecognised = 1;

struct InfoItemRow {
    std::int32_t item;
    std::int32_t SystemRecord::*field;
};

// The order the module is asked in; item 15 is never asked.
constexpr std::array kInfoItemRows = {
    InfoItemRow{2, &SystemRecord::item2Flag},      InfoItemRow{3, &SystemRecord::item3Flag},
    InfoItemRow{4, &SystemRecord::item4Flag},      InfoItemRow{5, &SystemRecord::item5Flag},
    InfoItemRow{14, &SystemRecord::eqrtEnabled},   InfoItemRow{6, &SystemRecord::item6Flag},
    InfoItemRow{7, &SystemRecord::item7Flag},      InfoItemRow{8, &SystemRecord::item8Flag},
    InfoItemRow{9, &SystemRecord::item9Flag},      InfoItemRow{11, &SystemRecord::twinstrandEnabled},
    InfoItemRow{12, &SystemRecord::arch64Enabled}, InfoItemRow{16, &SystemRecord::virtualizationEnabled},
    InfoItemRow{18, &SystemRecord::eptEnabled},    InfoItemRow{17, &SystemRecord::item17Flag},
    InfoItemRow{13, &SystemRecord::item13Flag},    InfoItemRow{10, &SystemRecord::item10Flag},
};

// How a feature answer is stored.
enum class FeatureStorage {
    kValue,           // the value; any failure fails
    kValueOrZero,     // the value, 0 on any failure
    kHaltState,       // -1 when not determinable, else 1 or 0
    kSupportState,    // 1 when not determinable, else 2 or 0
    kExecuteDisable,  // 0 when not determinable, else 1 or 0
};

struct FeatureRow {
    std::int32_t code;
    std::int32_t SystemRecord::*field;
    FeatureStorage storage;
};

constexpr std::array kFeatureRows = {
    FeatureRow{10, &SystemRecord::mmx, FeatureStorage::kValue},
    FeatureRow{20, &SystemRecord::sse, FeatureStorage::kValue},
    FeatureRow{30, &SystemRecord::sse2, FeatureStorage::kValue},
    FeatureRow{60, &SystemRecord::sse3, FeatureStorage::kValueOrZero},
    FeatureRow{130, &SystemRecord::sse4, FeatureStorage::kValueOrZero},
    FeatureRow{140, &SystemRecord::avx, FeatureStorage::kValueOrZero},
    FeatureRow{150, &SystemRecord::aesNi, FeatureStorage::kValueOrZero},
    FeatureRow{90, &SystemRecord::enhancedHaltState, FeatureStorage::kHaltState},
    FeatureRow{50, &SystemRecord::twinstrandSupport, FeatureStorage::kSupportState},
    FeatureRow{70, &SystemRecord::arch64Support, FeatureStorage::kSupportState},
    FeatureRow{100, &SystemRecord::virtualizationSupport, FeatureStorage::kSupportState},
    FeatureRow{120, &SystemRecord::feature120Support, FeatureStorage::kSupportState},
    FeatureRow{80, &SystemRecord::executeDisable, FeatureStorage::kExecuteDisable},
};

constexpr std::int32_t kHaltStatePresent = 1;
constexpr std::int32_t kHaltStateAbsent = 0;
constexpr std::int32_t kExecuteDisablePresent = 1;
constexpr std::int32_t kExecuteDisableAbsent = 0;

bool IsNotDeterminable(ResultCode code) {
    return code == result::kUnknownFeature || code == result::kFeatureUndeterminable;
}

std::int32_t StoredFeature(FeatureStorage storage, ResultCode code, std::int32_t value) {
    switch (storage) {
        case FeatureStorage::kValue:
            Succeeds(code);
            return value;
        case FeatureStorage::kValueOrZero:
            return code == result::kSuccess ? value : 0;
        case FeatureStorage::kHaltState:
            if (IsNotDeterminable(code)) {
                return kNotAsked;
            }
            Succeeds(code);
            return value != 0 ? kHaltStatePresent : kHaltStateAbsent;
        case FeatureStorage::kSupportState:
            if (IsNotDeterminable(code)) {
                return kNotDeterminable;
            }
            Succeeds(code);
            return value != 0 ? kSupported : kNotSupported;
        case FeatureStorage::kExecuteDisable:
            if (IsNotDeterminable(code)) {
                return kExecuteDisableAbsent;
            }
            Succeeds(code);
            return value != 0 ? kExecuteDisablePresent : kExecuteDisableAbsent;
    }
    throw CollectionFailure{};
}

void CollectLogo(ICPUInfo& info, std::int32_t processor, SystemRecord& record) {
    const ResultCode code = info.GetLogoBitmap(processor, record.logoBitmap.Receive());
    if (code == result::kNoLogoBitmap) {
        record.logoBitmap.Reset();
        return;
    }
    Succeeds(code);
}

void CollectRevision(ICPUInfo& info, std::int32_t processor, SystemRecord& record) {
    std::int32_t revision = 0;
    const ResultCode code = info.GetRevision(processor, &revision);
    if (code == result::kSuccess) {
        record.revision = revision;
        record.revisionState = kRevisionValid;
    } else if (code == result::kRevisionUndeterminable) {
        record.revisionState = kRevisionUnknown;
    } else if (code == result::kRevisionUnavailable) {
        record.revisionState = kRevisionNotAvailable;
    } else {
        throw CollectionFailure{};
    }
}

}  // namespace

void CollectInformation(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record) {
    HeldInterface<ICPUInfo> info;
    Succeeds(info.Lookup(module, interface_id::kCPUInfo));

    Succeeds(info->GetInfoItem(processor, kRecognisedItem, &record.item1Flag));
    Require(record.item1Flag == kRecognised);
    for (const InfoItemRow& row : kInfoItemRows) {
        Succeeds(info->GetInfoItem(processor, row.item, &(record.*row.field)));
    }

    char name[kNameBufferSize] = {};
    Succeeds(info->GetProcessorName(processor, name));
    CopyText(record.processorName, name, sizeof name);
    Require(record.processorName[0] != '\0');

    CollectLogo(*info, processor, record);

    Succeeds(info->GetProductCode(processor, &record.productCode));
    std::int32_t packageCode = 0;
    char package[kNameBufferSize] = {};
    Succeeds(info->GetPackage(processor, &packageCode, package));
    CopyText(record.packaging, package, sizeof package);

    CollectRevision(*info, processor, record);
}

void CollectSignature(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record) {
    HeldInterface<ICPUSignature> signature;
    Succeeds(signature.Lookup(module, interface_id::kCPUSignature));
    Succeeds(signature->GetFamily(processor, &record.family));
    Succeeds(signature->GetProcessorType(processor, &record.cpuType));
    Succeeds(signature->GetModel(processor, &record.model));
    Succeeds(signature->GetStepping(processor, &record.stepping));
    if (record.family == kFamily6) {
        Succeeds(signature->GetExtendedFamily(processor, &record.extendedFamily));
        Succeeds(signature->GetExtendedModel(processor, &record.extendedModel));
    }
}

void CollectFeatures(IFreqIDUnknown& module, std::int32_t processor, SystemRecord& record) {
    HeldInterface<ICPUFeatures> features;
    Succeeds(features.Lookup(module, interface_id::kCPUFeatures));
    for (const FeatureRow& row : kFeatureRows) {
        std::int32_t value = 0;
        const ResultCode code = features->GetFeature(processor, row.code, &value);
        record.*row.field = StoredFeature(row.storage, code, value);
    }
}

}  // namespace sondrel::app::collection
