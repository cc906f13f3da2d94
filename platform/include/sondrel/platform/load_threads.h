// Busy-looping threads that keep every logical processor loaded while a
// processor snapshot is taken.
#pragma once

#include <memory>

namespace sondrel::platform {

class LoadThreads {
public:
    LoadThreads();
    ~LoadThreads();  // stops any thread still running
    LoadThreads(const LoadThreads&) = delete;
    LoadThreads& operator=(const LoadThreads&) = delete;

    // Starts `count` spinning threads, thread i pinned to logical processor i.
    // Returns false when a thread could not be started; the threads already
    // started have then been stopped again.
    bool Start(int count);

    // Ends every thread cooperatively, most recently started first; all of
    // them are gone when it returns.
    void Stop();

    int RunningCount() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace sondrel::platform
