#include <gtest/gtest.h>
#include <sched.h>

#include <filesystem>
#include <set>

#include "sondrel/platform/load_threads.h"
#include "sondrel/platform/system_info.h"

using namespace sondrel::platform;

namespace {

std::set<int> TaskIds() {
    std::set<int> ids;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/task")) {
        ids.insert(std::stoi(entry.path().filename().string()));
    }
    return ids;
}

std::set<int> AllowedProcessors(pid_t task) {
    cpu_set_t set;
    CPU_ZERO(&set);
    std::set<int> processors;
    if (::sched_getaffinity(task, sizeof(set), &set) == 0) {
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
            if (CPU_ISSET(cpu, &set)) {
                processors.insert(cpu);
            }
        }
    }
    return processors;
}

}  // namespace

TEST(LogicalProcessors, CountMatchesTheProcessorsThisProcessMayUse) {
    EXPECT_EQ(LogicalProcessorCount(), static_cast<int>(AllowedProcessors(0).size()));
    EXPECT_GE(LogicalProcessorCount(), 1);
}

TEST(LoadThreads, OnePinnedThreadPerLogicalProcessor) {
    const int count = LogicalProcessorCount();
    const std::set<int> before = TaskIds();
    LoadThreads threads;
    ASSERT_TRUE(threads.Start(count));
    EXPECT_EQ(threads.RunningCount(), count);

    std::set<int> pinnedTo;
    for (int task : TaskIds()) {
        if (before.count(task) == 0) {
            const std::set<int> allowed = AllowedProcessors(task);
            ASSERT_EQ(allowed.size(), 1u) << "load thread " << task << " is not pinned";
            pinnedTo.insert(*allowed.begin());
        }
    }
    EXPECT_EQ(pinnedTo, AllowedProcessors(0));

    threads.Stop();
    EXPECT_EQ(threads.RunningCount(), 0);
    EXPECT_EQ(TaskIds(), before);
}

TEST(LoadThreads, MoreThanFiftyStartAndAllEnd) {
    const std::set<int> before = TaskIds();
    {
        LoadThreads threads;
        ASSERT_TRUE(threads.Start(51));
        EXPECT_EQ(threads.RunningCount(), 51);
        EXPECT_EQ(TaskIds().size(), before.size() + 51);
    }  // the destructor ends what is still running
    EXPECT_EQ(TaskIds(), before);
}
