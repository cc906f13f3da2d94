#include "trust_manifest.h"

#include <openssl/evp.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "sondrel/platform/library.h"

namespace sondrel::platform::detail {

namespace {

constexpr std::size_t kReadChunk = std::size_t{256} * 1024;

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
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) {
        return std::nullopt;
    }
    // Filled by every read: no need to clear it first.
    const std::unique_ptr<char[]> buffer(new char[kReadChunk]);
    std::uint64_t total = 0;
    for (;;) {
        const ssize_t count = ::pread(descriptor, buffer.get(), kReadChunk, static_cast<off_t>(total));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        if (EVP_DigestUpdate(context.get(), buffer.get(), static_cast<std::size_t>(count)) != 1) {
            return std::nullopt;
        }
        total += static_cast<std::uint64_t>(count);
    }
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest.data(), &length) != 1) {
        return std::nullopt;
    }
    *bytes = total;
    return Hex(digest.data(), length);
}

}  // namespace sondrel::platform::detail
