// Which of the three frequency pages the sheet keeps.
#pragma once

#include <cstdint>

#include "sondrel/app/system_record.h"

namespace sondrel::app {

enum class FrequencyPage {
    kFreqPage,   // CFreqPage
    kFreqPage2,  // CFreqPage2
    kFreqPage3,  // CFreqPage3
};

// The core figure the last two rules decide on: coresPerPackage for some
// products and for enabled multi-core processors without disabled cores,
// else packageThreadCount / maxCoreCount + disabledCores. A module that
// leaves maxCoreCount at 0 or below gives no quotient to take, so the
// figure is then coresPerPackage as well.
std::int32_t PageCoreFigure(const SystemRecord& record);

FrequencyPage ChooseFrequencyPage(const SystemRecord& record);

}  // namespace sondrel::app
