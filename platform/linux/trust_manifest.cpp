#include "trust_manifest.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "sha256.h"
#include "sondrel/platform/library.h"

namespace sondrel::platform::detail {

namespace {

// A stack buffer: one allocation mapped and faulted in afresh for every
// library cost more than the reads.
constexpr std::size_t kReadChunk = std::size_t{64} * 1024;

std::string Hex(const unsigned char* bytes, unsigned int length) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(std::size_t{2} * length);
    for (unsigned int i = 0; i < length; ++i) {
        hex += kDigits[bytes[i] >> 4];
        hex += kDigits[bytes[i] & 0x0F];
    }
    return hex;
}

}  // namespace

std::optional<std::string> RecordedDigest(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return std::nullopt;
    }
    const std::string directory = slash == 0 ? std::string("/") : path.substr(0, slash);
    const std::string name = path.substr(slash + 1);
    std::ifstream manifest(directory + "/" + kTrustManifestName);
    std::string line;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        std::string digest;
        std::string entry;
        if (fields >> digest >> entry && entry == name) {
            return digest;
        }
    }
    return std::nullopt;
}

std::optional<std::string> DescriptorDigest(int descriptor, std::uint64_t* bytes) {
    Sha256 sha;
    std::array<std::uint8_t, kReadChunk> buffer;  // filled by every read
    std::uint64_t total = 0;
    for (;;) {
        const ssize_t count = ::pread(descriptor, buffer.data(), buffer.size(), static_cast<off_t>(total));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        sha.Update(std::span(buffer).first(static_cast<std::size_t>(count)));
        total += static_cast<std::uint64_t>(count);
    }
    const Sha256::Digest digest = sha.Final();
    *bytes = total;
    return Hex(digest.data(), static_cast<unsigned int>(digest.size()));
}

}  // namespace sondrel::platform::detail
