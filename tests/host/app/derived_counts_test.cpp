// DeriveCacheCounts and DeriveProcessorCount as decision tables.
#include <gtest/gtest.h>

#include <array>

#include "sondrel/app/derived_counts.h"

using namespace sondrel;
using namespace sondrel::app;

namespace {

struct CacheCase {
    const char* what;
    std::int32_t family, extendedModel, model;
    std::int32_t multiCore, coresPerPackage, disabledCores;
    std::int32_t l2Size, l3Size;
    std::int32_t productCode;
    std::array<std::int32_t, 4> counts;  // I, D, L2, L3
};

TEST(DeriveCacheCounts, Table) {
    // Sharing outputs of the module: D 5, I 6, L2 7, L3 8, so a "sharing" row is recognisable.
    const CacheCase cases[] = {
        {"family 5: all 1", 5, 0, 2, 1, 4, 0, 256, 8192, 0, {1, 1, 1, 1}},
        {"family 15 multi-core, L3 -2 counts as present", 15, 0, 4, 1, 2, 0, -2, -2, 0, {2, 2, 2, 2}},
        {"family 15 single core without L3", 15, 0, 4, 0, 1, 0, 512, 0, 0, {1, 1, 1, 0}},
        {"(0,9) without L2", 6, 0, 9, 0, 1, 0, -1, 0, 0, {1, 1, 0, 0}},
        {"(0,13) with L2", 6, 0, 13, 0, 1, 0, 2048, 0, 0, {1, 1, 1, 0}},
        {"(0,14) multi-core", 6, 0, 14, 1, 2, 0, 2048, 0, 0, {2, 2, 1, 0}},
        {"(0,15) rule A, 2 cores", 6, 0, 15, 1, 2, 0, 4096, 0, 0, {2, 2, 1, 0}},
        {"(0,15) rule A, product 76", 6, 0, 15, 1, 2, 0, 4096, 0, 76, {1, 1, 1, 0}},
        {"(0,3) other", 6, 0, 3, 1, 2, 0, 256, 0, 0, {1, 1, 1, 1}},
        {"(1,7) rule A, 4 cores 2 disabled", 6, 1, 7, 1, 4, 2, 3072, 0, 0, {2, 2, 1, 0}},
        {"(1,7) rule A, 4 cores 3 disabled", 6, 1, 7, 1, 4, 3, 3072, 0, 0, {1, 1, 1, 0}},
        {"(1,7) rule A, 4 cores none disabled", 6, 1, 7, 1, 4, 0, 3072, 0, 0, {4, 4, 2, 0}},
        {"(1,6) rule A, 2 cores 1 disabled", 6, 1, 6, 1, 2, 1, 3072, 8192, 0, {1, 1, 1, 1}},
        {"(1,6) rule A, 2 cores -1 disabled", 6, 1, 6, 1, 2, -1, 3072, 8192, 0, {2, 2, 1, 1}},
        {"(1,10) sharing", 6, 1, 10, 1, 4, 0, 256, 8192, 0, {6, 5, 7, 8}},
        {"(1,12) rule C multi-core", 6, 1, 12, 1, 2, 0, 512, 0, 0, {2, 2, 2, 0}},
        {"(1,12) rule C single", 6, 1, 12, 0, 1, 0, 512, 0, 0, {1, 1, 1, 0}},
        {"(1,13) rule B, 6 cores 3 disabled", 6, 1, 13, 1, 6, 3, 3072, 16384, 0, {3, 3, 1, 1}},
        {"(1,13) rule B, 6 cores 2 disabled", 6, 1, 13, 1, 6, 2, 3072, 16384, 0, {4, 4, 2, 1}},
        {"(1,13) rule B, 6 cores none disabled", 6, 1, 13, 1, 6, 0, 3072, 16384, 0, {6, 6, 3, 1}},
        {"(1,13) rule B, 6 cores 5 disabled, L3 -1", 6, 1, 13, 1, 6, 5, 3072, -1, 0, {1, 1, 1, 0}},
        {"(1,13) rule B, 4 cores 2 disabled", 6, 1, 13, 1, 4, 2, 3072, 16384, 0, {2, 2, 1, 1}},
        {"(1,13) rule B, 2 cores 1 disabled", 6, 1, 13, 1, 2, 1, 3072, 16384, 0, {1, 1, 1, 1}},
        {"(1,13) rule B, single core", 6, 1, 13, 0, 1, 0, 3072, 16384, 0, {1, 1, 1, 1}},
        {"(2,6) rule C", 6, 2, 6, 1, 2, 0, 512, 0, 0, {2, 2, 2, 0}},
        {"(2,5) sharing", 6, 2, 5, 1, 2, 0, 256, 4096, 0, {6, 5, 7, 8}},
        {"(2,7) other", 6, 2, 7, 1, 2, 0, 256, 4096, 0, {1, 1, 1, 1}},
        {"(3,7) multi-core", 6, 3, 7, 1, 4, 0, 256, 0, 0, {4, 4, 2, 0}},
        {"(3,7) single", 6, 3, 7, 0, 1, 0, 256, 0, 0, {1, 1, 1, 0}},
        {"(3,11) flat", 6, 3, 11, 1, 4, 0, 256, 8192, 0, {1, 1, 1, 0}},
        {"(4,13) single: flat", 6, 4, 13, 0, 1, 0, 256, 8192, 0, {1, 1, 1, 0}},
        {"(4,13) multi-core: sharing", 6, 4, 13, 1, 2, 0, 256, 8192, 0, {6, 5, 7, 8}},
        {"(4,12) single", 6, 4, 12, 0, 1, 0, 1024, 0, 0, {2, 2, 1, 0}},
        {"(5,14) sharing", 6, 5, 14, 1, 4, 0, 256, 8192, 0, {6, 5, 7, 8}},
        {"(5,7) flat", 6, 5, 7, 1, 4, 0, 256, 8192, 0, {1, 1, 1, 0}},
        {"(7,3) all 1", 6, 7, 3, 1, 4, 0, 256, 8192, 0, {1, 1, 1, 1}},
        {"(9,14) sharing", 6, 9, 14, 1, 4, 0, 256, 8192, 0, {6, 5, 7, 8}},
        {"(8,6) flat", 6, 8, 6, 1, 4, 0, 256, 8192, 0, {1, 1, 1, 0}},
        {"(10,14) all 1", 6, 10, 14, 1, 4, 0, 256, 8192, 0, {1, 1, 1, 1}},
        {"(-1,14) in no row: all 1", 6, -1, 14, 1, 4, 0, 256, 8192, 0, {1, 1, 1, 1}},
    };
    for (const CacheCase& c : cases) {
        SCOPED_TRACE(c.what);
        SystemRecord record;
        record.family = c.family;
        record.extendedModel = c.extendedModel;
        record.model = c.model;
        record.multiCore = c.multiCore;
        record.coresPerPackage = c.coresPerPackage;
        record.disabledCores = c.disabledCores;
        record.l2CacheSize = c.l2Size;
        record.l3CacheSize = c.l3Size;
        record.productCode = c.productCode;
        record.l1DataSharing = 5;
        record.l1InstructionSharing = 6;
        record.l2Sharing = 7;
        record.l3Sharing = 8;
        DeriveCacheCounts(record);
        EXPECT_EQ((std::array{record.l1InstructionCount, record.l1DataCount, record.l2Count, record.l3Count}),
                  c.counts);
        EXPECT_EQ(record.coresPerPackage, c.coresPerPackage);
    }
}

TEST(DeriveCacheCounts, Model4_12MultiCoreForcesEightCores) {
    SystemRecord record;
    record.family = 6;
    record.extendedModel = 4;
    record.model = 12;
    record.multiCore = 1;
    record.coresPerPackage = 2;
    DeriveCacheCounts(record);
    EXPECT_EQ(record.coresPerPackage, 8);
    EXPECT_EQ((std::array{record.l1InstructionCount, record.l1DataCount, record.l2Count, record.l3Count}),
              (std::array{4, 4, 2, 0}));
}

struct ProcessorCase {
    const char* what;
    std::int32_t product;     // T
    std::int32_t logical;     // L
    std::int32_t cores;       // A
    std::int32_t threads;     // B
    std::int32_t packages;    // K
    std::int32_t disabled;    // X
    std::int32_t multiCore;   // M
    std::int32_t twinstrand;  // S
    std::int32_t item7;
    std::int32_t processors;
    bool menu;
};

TEST(DeriveProcessorCount, Table) {
    const ProcessorCase cases[] = {
        {"two packages of product 94", 94, 3, 4, 8, 2, 0, 1, 2, 1, 2, true},
        {"product 94 on one package counts one", 94, 8, 4, 8, 1, 0, 1, 2, 1, 1, false},
        // Not accepted by the product rule, so the single-core rule decides.
        {"product 94 on one package, single core", 94, 8, 1, 1, 1, 0, 0, 0, 1, 1, false},
        {"product 143 single core with 2 threads", 143, 2, 1, 2, 1, 0, 0, 2, 1, 2, true},
        {"product 143 with one logical processor", 143, 1, 1, 1, 1, 0, 0, 0, 1, 0, false},
        {"packages sharing threads count as one", 133, 16, 4, 8, 2, 0, 1, 2, 1, 1, false},
        {"product 78 with two packages", 78, 16, 4, 4, 2, 0, 1, 0, 1, 1, false},
        {"two packages without shared threads", 133, 8, 4, 4, 2, 0, 1, 0, 1, 2, true},
        {"item 7 clear overrides", 133, 8, 4, 4, 2, 0, 1, 0, 0, 1, false},
        {"item 7 clear keeps product 64", 64, 8, 4, 4, 2, 0, 1, 0, 0, 2, true},
        {"product 64 on one package: L / A", 64, 8, 4, 8, 1, 0, 1, 2, 0, 2, true},
        {"product 49 multi-core needs more than 2", 49, 2, 2, 2, 1, 0, 1, 0, 1, 0, false},
        {"product 49 multi-core with 4", 49, 4, 2, 2, 1, 0, 1, 0, 1, 4, true},
        {"product 49 single core with 2", 49, 2, 1, 1, 1, 0, 0, 0, 1, 2, true},
        {"disabled cores above L", 133, 2, 1, 1, 1, 3, 0, 0, 1, 2, true},
        {"single-core system of 4", 133, 4, 1, 1, 1, 0, 0, 0, 1, 4, true},
        {"multi-core single package rejected", 133, 8, 4, 8, 1, 0, 1, 2, 1, 0, false},
        {"one logical processor rejected", 133, 1, 1, 1, 1, 0, 0, 0, 1, 0, false},
        {"A of 0 is never divided by", 133, 4, 0, 1, 1, 0, 1, 2, 1, 0, false},
    };
    for (const ProcessorCase& c : cases) {
        SCOPED_TRACE(c.what);
        SystemRecord record;
        record.productCode = c.product;
        record.coresPerPackage = c.cores;
        record.threadsPerPackage = c.threads;
        record.packageCount = c.packages;
        record.disabledCores = c.disabled;
        record.multiCore = c.multiCore;
        record.twinstrandSupport = c.twinstrand;
        record.item7Flag = c.item7;
        MainSheetState sheet;
        sheet.logicalProcessorCount = c.logical;
        EXPECT_EQ(DeriveProcessorCount(sheet, record), result::kSuccess);
        EXPECT_EQ(sheet.processorsInSystem, c.processors);
        EXPECT_EQ(sheet.processorMenuOffered, c.menu);
    }
}

}  // namespace
