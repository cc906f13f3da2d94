// Verification of companion libraries against the trust manifest that the
// build and the install write beside them: one "<sha256 hex>  <name>" line
// per library.
#include <openssl/evp.h>

#include <array>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include "sondrel/platform/library.h"

namespace sondrel::platform {

namespace {

std::optional<std::string> Sha256Hex(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) {
        return std::nullopt;
    }
    std::array<char, 65536> buffer{};
    while (file) {
        file.read(buffer.data(), buffer.size());
        const std::streamsize count = file.gcount();
        if (count > 0 &&
            EVP_DigestUpdate(context.get(), buffer.data(), static_cast<std::size_t>(count)) != 1) {
            return std::nullopt;
        }
    }
    if (file.bad()) {
        return std::nullopt;
    }
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest.data(), &length) != 1) {
        return std::nullopt;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 0x0F];
    }
    return hex;
}

// The digest the manifest in `directory` records for `name`.
std::optional<std::string> RecordedDigest(const std::string& directory, const std::string& name) {
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

}  // namespace

bool VerifyLibrary(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string(".") : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto recorded = RecordedDigest(slash == 0 ? std::string("/") : directory, name);
    if (!recorded) {
        return false;
    }
    const auto actual = Sha256Hex(path);
    return actual && *actual == *recorded;
}

}  // namespace sondrel::platform
