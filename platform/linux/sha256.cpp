#include "sha256.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace sondrel::platform::detail {

namespace {

constexpr std::size_t kBlockBytes = 64;

constexpr std::array<std::uint32_t, 64> kRoundConstants = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

constexpr std::array<std::uint32_t, 8> kInitialState = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                                        0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

constexpr std::uint32_t RotateRight(std::uint32_t value, unsigned count) {
    return (value >> count) | (value << (32U - count));
}

std::uint32_t LoadBigEndian(const std::uint8_t* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           std::uint32_t{bytes[3]};
}

void CompressPortable(std::array<std::uint32_t, 8>& state, const std::uint8_t* blocks, std::size_t count) {
    for (; count > 0; --count, blocks += kBlockBytes) {
        std::array<std::uint32_t, 64> w{};
        for (std::size_t t = 0; t < 16; ++t) {
            w[t] = LoadBigEndian(blocks + 4 * t);
        }
        for (std::size_t t = 16; t < 64; ++t) {
            const std::uint32_t s0 = RotateRight(w[t - 15], 7) ^ RotateRight(w[t - 15], 18) ^ (w[t - 15] >> 3);
            const std::uint32_t s1 = RotateRight(w[t - 2], 17) ^ RotateRight(w[t - 2], 19) ^ (w[t - 2] >> 10);
            w[t] = w[t - 16] + s0 + w[t - 7] + s1;
        }
        std::array<std::uint32_t, 8> v = state;
        for (std::size_t t = 0; t < 64; ++t) {
            const std::uint32_t s1 = RotateRight(v[4], 6) ^ RotateRight(v[4], 11) ^ RotateRight(v[4], 25);
            const std::uint32_t choice = (v[4] & v[5]) ^ (~v[4] & v[6]);
            const std::uint32_t first = v[7] + s1 + choice + kRoundConstants[t] + w[t];
            const std::uint32_t s0 = RotateRight(v[0], 2) ^ RotateRight(v[0], 13) ^ RotateRight(v[0], 22);
            const std::uint32_t majority = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
            const std::uint32_t second = s0 + majority;
            v = {first + second, v[0], v[1], v[2], v[3] + first, v[4], v[5], v[6]};
        }
        for (std::size_t i = 0; i < state.size(); ++i) {
            state[i] += v[i];
        }
    }
}

#if defined(__x86_64__)

bool HasShaInstructions() {
    return __builtin_cpu_supports("sha") && __builtin_cpu_supports("sse4.1");
}

// The processor's SHA extension: four rounds per pair of instructions, the
// state kept as the two halves ABEF and CDGH the instructions work on.
__attribute__((target("sha,sse4.1"))) void CompressInstructions(std::array<std::uint32_t, 8>& state,
                                                                 const std::uint8_t* blocks, std::size_t count) {
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
    __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[0]));
    __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[4]));
    const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
    const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
    __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);

    for (; count > 0; --count, blocks += kBlockBytes) {
        const __m128i savedAbef = abef;
        const __m128i savedCdgh = cdgh;
        __m128i words[16];  // NOLINT(modernize-avoid-c-arrays): vector type attributes
        for (std::size_t group = 0; group < 16; ++group) {
            if (group < 4) {
                words[group] = _mm_shuffle_epi8(
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 16 * group)), byteSwap);
            } else {
                const __m128i partial = _mm_add_epi32(_mm_sha256msg1_epu32(words[group - 4], words[group - 3]),
                                                      _mm_alignr_epi8(words[group - 1], words[group - 2], 4));
                words[group] = _mm_sha256msg2_epu32(partial, words[group - 1]);
            }
            __m128i message = _mm_add_epi32(
                words[group], _mm_loadu_si128(reinterpret_cast<const __m128i*>(&kRoundConstants[4 * group])));
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
            message = _mm_shuffle_epi32(message, 0x0E);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, message);
        }
        abef = _mm_add_epi32(abef, savedAbef);
        cdgh = _mm_add_epi32(cdgh, savedCdgh);
    }

    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
    dcba = _mm_blend_epi16(feba, dchg, 0xF0);
    hgfe = _mm_alignr_epi8(dchg, feba, 8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[0]), dcba);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[4]), hgfe);
}

#else

bool HasShaInstructions() {
    return false;
}

void CompressInstructions(std::array<std::uint32_t, 8>& state, const std::uint8_t* blocks, std::size_t count) {
    CompressPortable(state, blocks, count);
}

#endif

}  // namespace

Sha256::Sha256(Implementation implementation)
    : state_(kInitialState), instructions_(implementation == Implementation::kAuto && HasShaInstructions()) {}

void Sha256::Compress(const std::uint8_t* blocks, std::size_t count) {
    if (instructions_) {
        CompressInstructions(state_, blocks, count);
    } else {
        CompressPortable(state_, blocks, count);
    }
}

void Sha256::Update(std::span<const std::uint8_t> bytes) {
    totalBytes_ += bytes.size();
    if (pendingBytes_ > 0) {
        const std::size_t taken = std::min(bytes.size(), kBlockBytes - pendingBytes_);
        std::memcpy(pending_.data() + pendingBytes_, bytes.data(), taken);
        pendingBytes_ += taken;
        bytes = bytes.subspan(taken);
        if (pendingBytes_ < kBlockBytes) {
            return;
        }
        Compress(pending_.data(), 1);
        pendingBytes_ = 0;
    }
    const std::size_t whole = bytes.size() / kBlockBytes;
    if (whole > 0) {
        Compress(bytes.data(), whole);
    }
    const auto rest = bytes.subspan(whole * kBlockBytes);
    if (!rest.empty()) {
        std::memcpy(pending_.data(), rest.data(), rest.size());
    }
    pendingBytes_ = rest.size();
}

Sha256::Digest Sha256::Final() {
    const std::uint64_t bits = totalBytes_ * 8;
    std::array<std::uint8_t, kBlockBytes + 8> padding{};
    padding[0] = 0x80;
    // The message ends 8 bytes before a block boundary, then its length.
    const std::size_t used = (pendingBytes_ + 1) % kBlockBytes;
    const std::size_t zeros = used <= kBlockBytes - 8 ? kBlockBytes - 8 - used : 2 * kBlockBytes - 8 - used;
    std::array<std::uint8_t, 8> length{};
    for (std::size_t i = 0; i < length.size(); ++i) {
        length[i] = static_cast<std::uint8_t>(bits >> (56 - 8 * i));
    }
    const std::uint64_t total = totalBytes_;
    Update(std::span(padding).first(1 + zeros));
    Update(length);
    totalBytes_ = total;
    Digest digest{};
    for (std::size_t i = 0; i < state_.size(); ++i) {
        for (std::size_t b = 0; b < 4; ++b) {
            digest[4 * i + b] = static_cast<std::uint8_t>(state_[i] >> (24 - 8 * b));
        }
    }
    return digest;
}

}  // namespace sondrel::platform::detail
