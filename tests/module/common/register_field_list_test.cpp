#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory_resource>
#include <new>

#include "sondrel/module/register_field_list.h"

namespace sondrel::module {
namespace {

constexpr std::array kRows = {
    RegisterFieldRow{27, "CoreCount", 0x35, 16, 16},
    RegisterFieldRow{56, "EPTEnabled", 0x48B, 33, 1, FieldCondition::kWithVirtualization},
    RegisterFieldRow{63, "TDPPowerUnit", 0x606, 0, 8},
};

// Fails the allocation with the given index and counts what is outstanding.
class CountingMemory : public std::pmr::memory_resource {
public:
    explicit CountingMemory(int failAt = -1) : failAt_(failAt) {}
    int outstanding = 0;
    int allocations = 0;

private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override {
        if (allocations++ == failAt_) {
            throw std::bad_alloc();
        }
        ++outstanding;
        return std::pmr::new_delete_resource()->allocate(bytes, alignment);
    }
    void do_deallocate(void* pointer, std::size_t bytes, std::size_t alignment) override {
        --outstanding;
        std::pmr::new_delete_resource()->deallocate(pointer, bytes, alignment);
    }
    bool do_is_equal(const memory_resource& other) const noexcept override { return this == &other; }

    int failAt_;
};

TEST(RegisterFieldList, NodesFollowTheTableWithPrivateNameCopies) {
    CountingMemory memory;
    RegisterFieldListStorage list(&memory);
    ASSERT_EQ(list.Build(kRows, true), 0);
    ASSERT_EQ(list.NodeCount(), 3u);
    const RegisterFieldNode* node = list.Header()->first;
    for (const RegisterFieldRow& row : kRows) {
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->fieldId, row.fieldId);
        EXPECT_STREQ(node->name, row.name);
        EXPECT_NE(node->name, row.name);  // a copy, not the table's text
        EXPECT_EQ(node->reg->msr, row.msr);
        EXPECT_EQ(node->reg->bits->lowBit, row.lowBit);
        EXPECT_EQ(node->reg->bits->width, row.width);
        EXPECT_EQ(node->readFlag, 0);
        node = node->next;
    }
    const RegisterFieldList* header = list.Header();
    EXPECT_EQ(header->errorCode, 0);
    EXPECT_EQ(header->revisionUnavailable, 0);
}

TEST(RegisterFieldList, ConditionalRowIsLeftOutWithoutVirtualization) {
    CountingMemory memory;
    RegisterFieldListStorage list(&memory);
    ASSERT_EQ(list.Build(kRows, false), 0);
    EXPECT_EQ(list.NodeCount(), 2u);
    EXPECT_EQ(list.Header()->first->next->fieldId, 63);
}

TEST(RegisterFieldList, EveryAllocationFailureReportsOutOfMemoryAndLeaksNothing) {
    CountingMemory counting;
    {
        RegisterFieldListStorage list(&counting);
        ASSERT_EQ(list.Build(kRows, true), 0);
    }
    ASSERT_EQ(counting.outstanding, 0);
    const int total = counting.allocations;
    ASSERT_GT(total, 0);
    for (int failAt = 0; failAt < total; ++failAt) {
        CountingMemory memory(failAt);
        {
            RegisterFieldListStorage list(&memory);
            EXPECT_EQ(list.Build(kRows, true), result::kOutOfMemory) << "failing allocation " << failAt;
        }
        EXPECT_EQ(memory.outstanding, 0) << "failing allocation " << failAt;
    }
}

}  // namespace
}  // namespace sondrel::module
