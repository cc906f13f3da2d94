#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "sha256.h"

namespace sondrel::platform::detail {
namespace {

using Implementation = Sha256::Implementation;

std::string Hex(const Sha256::Digest& digest) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// An independent implementation to compare with.
Sha256::Digest Reference(std::span<const std::uint8_t> bytes) {
    Sha256::Digest digest{};
    unsigned int length = 0;
    EXPECT_EQ(EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_sha256(), nullptr), 1);
    return digest;
}

class Sha256Test : public testing::TestWithParam<Implementation> {};

TEST_P(Sha256Test, PublishedVectors) {
    const struct {
        std::string message;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases) {
        Sha256 sha(GetParam());
        sha.Update(Bytes(c.message));
        EXPECT_EQ(Hex(sha.Final()), c.digest) << c.message.size() << " bytes";
    }
}

// Every length around the padding boundaries, fed in uneven pieces, agrees
// with the independent implementation.
TEST_P(Sha256Test, AgreesWithAnIndependentImplementationForEveryLengthAndSplit) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> data(3 * 64 + 1);
    for (std::uint8_t& byte : data) {
        byte = static_cast<std::uint8_t>(random());
    }
    for (std::size_t length = 0; length <= data.size(); ++length) {
        const auto message = std::span<const std::uint8_t>(data).first(length);
        for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{64}, std::size_t{1000}}) {
            Sha256 sha(GetParam());
            for (std::size_t at = 0; at < length; at += piece) {
                sha.Update(message.subspan(at, std::min(piece, length - at)));
            }
            ASSERT_EQ(Hex(sha.Final()), Hex(Reference(message))) << length << " bytes in pieces of " << piece;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Implementations, Sha256Test,
                         testing::Values(Implementation::kAuto, Implementation::kPortable));

}  // namespace
}  // namespace sondrel::platform::detail
