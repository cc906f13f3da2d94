#include "sondrel/app/frequency_page.h"

#include <array>

#include "sondrel/app/product_codes.h"
#include "sondrel/app/signature_rules.h"
#include "sondrel/wrapping_arithmetic.h"

namespace sondrel::app {

namespace {

constexpr std::array<std::int32_t, 6> kActiveCoreProducts = {kProductNotHandled, 73, 74, 75, 76, 78};
constexpr std::int32_t kFewestForSecondPage = 3;
constexpr std::int32_t kMostForSecondPage = 5;

}  // namespace

std::int32_t PageCoreFigure(const SystemRecord& record) {
    const bool activeCores = IsOneOf(kActiveCoreProducts, record.productCode) ||
                             (record.multiCoreEnabled != 0 && record.disabledCores <= 0);
    if (activeCores || record.maxCoreCount <= 0) {
        return record.coresPerPackage;
    }
    return WrappingAdd(record.packageThreadCount / record.maxCoreCount, record.disabledCores);
}

FrequencyPage ChooseFrequencyPage(const SystemRecord& record) {
    if (IsFirstPageSignature(record)) {
        return FrequencyPage::kFreqPage;
    }
    if (record.moduleNumber == kModule12 || IsThirdPageProduct(record.productCode) ||
        IsProduct56OnModule9Or11(record.productCode, record.moduleNumber)) {
        return FrequencyPage::kFreqPage3;
    }
    const std::int32_t figure = PageCoreFigure(record);
    if (figure >= kFewestForSecondPage && figure <= kMostForSecondPage) {
        return FrequencyPage::kFreqPage2;
    }
    return FrequencyPage::kFreqPage;
}

}  // namespace sondrel::app
