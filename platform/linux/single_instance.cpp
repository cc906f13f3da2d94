// Linux: the lock is an exclusive flock on "<name>.lock" and the raise
// channel a Unix socket "<name>.socket", both in the user's runtime
// directory (XDG_RUNTIME_DIR, else a private /tmp/sondrel-<uid>). The
// kernel drops the flock when the process ends, so a crashed instance
// never blocks the next start.
#include "sondrel/platform/single_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

namespace sondrel::platform {

namespace {

// The longest title a request carries (the "Name" value's buffer).
constexpr std::size_t kTitleLimit = 6000;
constexpr int kRequestTimeoutMs = 1000;

std::optional<std::string> RuntimeDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        return std::string(runtime);
    }
    const uid_t user = ::getuid();
    std::string directory = "/tmp/sondrel-" + std::to_string(user);
    ::mkdir(directory.c_str(), 0700);
    struct stat status {};
    // Someone else's folder of that name is not ours to use.
    if (::lstat(directory.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != user) {
        return std::nullopt;
    }
    return directory;
}

std::optional<sockaddr_un> SocketAddress(const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path)) {
        return std::nullopt;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

bool ValidName(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos && name != "." && name != "..";
}

class LinuxInstanceLock : public InstanceLock {
public:
    LinuxInstanceLock(int lockFile, std::string socketPath)
        : lockFile_(lockFile), socketPath_(std::move(socketPath)) {}

    ~LinuxInstanceLock() override {
        if (listener_.joinable()) {
            const char stop = 0;
            [[maybe_unused]] const auto written = ::write(stopPipe_[1], &stop, 1);
            listener_.join();
        }
        for (int descriptor : {listenSocket_, stopPipe_[0], stopPipe_[1]}) {
            if (descriptor >= 0) {
                ::close(descriptor);
            }
        }
        if (listenSocket_ >= 0) {
            ::unlink(socketPath_.c_str());
        }
        ::close(lockFile_);
    }

    LinuxInstanceLock(const LinuxInstanceLock&) = delete;
    LinuxInstanceLock& operator=(const LinuxInstanceLock&) = delete;

    void ListenForRaiseRequests(std::function<void(std::string title)> onRaise) override {
        if (listener_.joinable()) {
            return;
        }
        const auto address = SocketAddress(socketPath_);
        if (!address || ::pipe2(stopPipe_.data(), O_CLOEXEC) != 0) {
            return;
        }
        listenSocket_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (listenSocket_ < 0) {
            return;
        }
        // We hold the lock, so a socket file left there is a dead instance's.
        ::unlink(socketPath_.c_str());
        if (::bind(listenSocket_, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0 ||
            ::listen(listenSocket_, 4) != 0) {
            ::close(listenSocket_);
            listenSocket_ = -1;
            return;
        }
        listener_ = std::thread([this, raise = std::move(onRaise)] { Listen(raise); });
    }

private:
    void Listen(const std::function<void(std::string)>& onRaise) const {
        for (;;) {
            std::array<pollfd, 2> watched{{{listenSocket_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}}};
            if (::poll(watched.data(), watched.size(), -1) < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return;
            }
            if (watched[1].revents != 0) {
                return;
            }
            const int connection = ::accept4(listenSocket_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0) {
                continue;
            }
            std::optional<std::string> title = ReadTitle(connection);
            ::close(connection);
            if (title) {
                onRaise(std::move(*title));
            }
        }
    }

    static std::optional<std::string> ReadTitle(int connection) {
        std::string title;
        std::array<char, 512> chunk{};
        for (;;) {
            pollfd readable{connection, POLLIN, 0};
            if (::poll(&readable, 1, kRequestTimeoutMs) <= 0) {
                return std::nullopt;
            }
            const ssize_t count = ::read(connection, chunk.data(), chunk.size());
            if (count < 0) {
                return std::nullopt;
            }
            if (count == 0) {
                return title;
            }
            title.append(chunk.data(), static_cast<std::size_t>(count));
            if (title.size() > kTitleLimit) {
                return std::nullopt;
            }
        }
    }

    int lockFile_;
    std::string socketPath_;
    int listenSocket_ = -1;
    std::array<int, 2> stopPipe_{-1, -1};
    std::thread listener_;
};

}  // namespace

InstanceLockResult AcquireInstanceLock(std::string_view name) {
    const auto directory = RuntimeDirectory();
    if (!directory || !ValidName(name)) {
        return {};
    }
    const std::string base = *directory + "/" + std::string(name);
    const int lockFile = ::open((base + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFile < 0) {
        return {};
    }
    if (::flock(lockFile, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(lockFile);
        return {held ? InstanceLockStatus::kHeldByAnother : InstanceLockStatus::kFailed, nullptr};
    }
    return {InstanceLockStatus::kAcquired, std::make_unique<LinuxInstanceLock>(lockFile, base + ".socket")};
}

bool AskRunningInstanceToRaise(std::string_view name, std::string_view title) {
    const auto directory = RuntimeDirectory();
    if (!directory || !ValidName(name)) {
        return false;
    }
    const auto address = SocketAddress(*directory + "/" + std::string(name) + ".socket");
    if (!address) {
        return false;
    }
    const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0) {
        return false;
    }
    bool sent = ::connect(connection, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0;
    std::size_t offset = 0;
    while (sent && offset < title.size()) {
        const ssize_t count = ::send(connection, title.data() + offset, title.size() - offset, MSG_NOSIGNAL);
        sent = count > 0;
        offset += sent ? static_cast<std::size_t>(count) : 0;
    }
    ::close(connection);
    return sent;
}

}  // namespace sondrel::platform
