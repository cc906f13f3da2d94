// DeriveProcessorCount: how many processors (packages) the system has, and
// whether the Processor menu lists them.
#include <array>
#include <cstdint>

#include "sondrel/app/derived_counts.h"
#include "sondrel/app/product_codes.h"

namespace sondrel::app {

namespace {

// Products whose package count is taken as it is (step 1).
constexpr std::array<std::int32_t, 9> kPackageCountProducts = {56, 79, 84, 94, 95, 98, 99, 107, 110};
// Product accepted as one processor whenever there are several packages.
constexpr std::int32_t kSinglePackageProduct = 78;
constexpr std::int32_t kThreadGatedProduct = 49;
// Products accepted only on multi-core processors with 2 or more logical processors.
constexpr std::array<std::int32_t, 14> kMultiCoreProducts = {64, 68,  79,  84,  94,  95,  98,
                                                             99, 107, 110, 142, 143, 144, 145};
// The product whose count survives a clear item 7.
constexpr std::int32_t kItem7ExemptProduct = 64;
constexpr std::int32_t kFewestListed = 2;

struct Inputs {
    std::int32_t product;        // T
    std::int32_t logical;        // L
    std::int32_t activeCores;    // A
    std::int32_t threads;        // B
    std::int32_t packages;       // K
    std::int32_t disabledCores;  // X
    std::int32_t multiCore;      // M
    std::int32_t twinstrand;     // S
};

class Decision {
public:
    explicit Decision(MainSheetState& sheet) : sheet_(sheet) {}

    void Accept(std::int32_t processors) {
        sheet_.processorsInSystem = processors;
        sheet_.processorMenuOffered = true;
    }
    void Reject() {
        sheet_.processorsInSystem = 0;
        sheet_.processorMenuOffered = false;
    }

private:
    MainSheetState& sheet_;
};

// Step 2.3: the processor count of a single package.
std::int32_t SinglePackageCount(const Inputs& in) {
    if (in.disabledCores > 0 && in.disabledCores > in.logical) {
        return in.logical;
    }
    if (in.multiCore == 1 && in.activeCores > 0 && in.twinstrand == kSupported) {
        return in.logical / in.activeCores;
    }
    if (in.multiCore == 1 && in.activeCores >= in.logical && in.activeCores > 2 && in.threads == 1) {
        return in.logical / 2;
    }
    return in.logical;
}

// Step 3, for K of 1 or less: true when P is accepted here.
bool AcceptedByProduct(const Inputs& in) {
    if (in.product == kThreadGatedProduct) {
        return (in.multiCore == 1 && in.logical > 2) || (in.multiCore == 0 && in.logical >= 2);
    }
    return IsOneOf(kMultiCoreProducts, in.product) && in.multiCore == 1 && in.logical >= 2;
}

// Steps 3 and 4. A P that step 3 does not accept, even for a product it
// names, is judged by step 4 rather than rejected at once.
void DecideSinglePackage(const Inputs& in, std::int32_t processors, Decision& decision) {
    const bool accepted =
        AcceptedByProduct(in) || (in.logical > 1 && in.logical > in.activeCores && in.multiCore == 0);
    accepted ? decision.Accept(processors) : decision.Reject();
}

// Steps 1 to 4.
void Decide(const Inputs& in, Decision& decision) {
    if (IsOneOf(kPackageCountProducts, in.product)) {
        if (in.packages > 1) {
            decision.Accept(in.packages);
            return;
        }
        DecideSinglePackage(in, 1, decision);
        return;
    }
    const bool packagesShareThreads =
        in.twinstrand == kSupported && in.packages > 1 && in.threads > in.activeCores;
    if (packagesShareThreads || in.product == kSinglePackageProduct) {
        if (in.packages > 1) {
            decision.Accept(1);
            return;
        }
        DecideSinglePackage(in, 1, decision);
        return;
    }
    if (in.packages > 1) {
        decision.Accept(in.packages);
        return;
    }
    DecideSinglePackage(in, SinglePackageCount(in), decision);
}

}  // namespace

ResultCode DeriveProcessorCount(MainSheetState& sheet, const SystemRecord& record) {
    const Inputs inputs{record.productCode,       sheet.logicalProcessorCount, record.coresPerPackage,
                        record.threadsPerPackage, record.packageCount,         record.disabledCores,
                        record.multiCore,         record.twinstrandSupport};
    Decision decision(sheet);
    Decide(inputs, decision);
    if (sheet.processorsInSystem < kFewestListed) {
        sheet.processorMenuOffered = false;
    }
    if (record.item7Flag == 0 && record.productCode != kItem7ExemptProduct) {
        sheet.processorsInSystem = 1;
        sheet.processorMenuOffered = false;
    }
    return result::kSuccess;
}

}  // namespace sondrel::app
