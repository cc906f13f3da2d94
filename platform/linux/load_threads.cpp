#include "sondrel/platform/load_threads.h"

#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <vector>

namespace sondrel::platform {

namespace {

struct LoadThread {
    pthread_t thread{};
    std::atomic<bool> stop{false};
};

// Busy, but giving way at once to any other runnable thread: the processor
// stays fully loaded when nothing else wants it, the thread taking the
// snapshot never waits behind a spinner on its processor, and a stopped
// spinner leaves as soon as it is next run instead of after a full time
// slice.
void* Spin(void* argument) {
    const auto* self = static_cast<const LoadThread*>(argument);
    while (!self->stop.load(std::memory_order_relaxed)) {
        ::sched_yield();
    }
    return nullptr;
}

// The processors this process may run on, in ascending order.
std::vector<int> AllowedProcessors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    std::vector<int> processors;
    if (::sched_getaffinity(0, sizeof(set), &set) == 0) {
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
            if (CPU_ISSET(cpu, &set)) {
                processors.push_back(cpu);
            }
        }
    }
    return processors;
}

}  // namespace

struct LoadThreads::Impl {
    // Pointers keep each thread's stop flag at a fixed address.
    std::vector<std::unique_ptr<LoadThread>> threads;
};

LoadThreads::LoadThreads() : impl_(std::make_unique<Impl>()) {}

LoadThreads::~LoadThreads() {
    Stop();
}

bool LoadThreads::Start(int count) {
    const std::vector<int> processors = AllowedProcessors();
    for (int index = 0; index < count; ++index) {
        auto thread = std::make_unique<LoadThread>();
        pthread_attr_t attributes;
        if (::pthread_attr_init(&attributes) != 0) {
            Stop();
            return false;
        }
        bool ok = true;
        if (!processors.empty()) {
            // Logical processor i is the i-th processor this process may use;
            // asked for more threads than that, they share processors.
            cpu_set_t set;
            CPU_ZERO(&set);
            CPU_SET(processors[static_cast<std::size_t>(index) % processors.size()], &set);
            ok = ::pthread_attr_setaffinity_np(&attributes, sizeof(set), &set) == 0;
        }
        ok = ok && ::pthread_create(&thread->thread, &attributes, Spin, thread.get()) == 0;
        ::pthread_attr_destroy(&attributes);
        if (!ok) {
            Stop();
            return false;
        }
        impl_->threads.push_back(std::move(thread));
    }
    return true;
}

void LoadThreads::Stop() {
    auto& threads = impl_->threads;
    while (!threads.empty()) {
        LoadThread& last = *threads.back();
        last.stop.store(true, std::memory_order_relaxed);
        ::pthread_join(last.thread, nullptr);
        threads.pop_back();
    }
}

int LoadThreads::RunningCount() const {
    return static_cast<int>(impl_->threads.size());
}

}  // namespace sondrel::platform
