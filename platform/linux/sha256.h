// SHA-256 of the companion libraries, computed in the process that loads
// them. The program's start-up is dominated by what it loads; a general
// cryptography library costs more to load than hashing every companion, so
// the one digest the trust manifest needs is computed here. Tests compare
// it with an independent implementation.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace sondrel::platform::detail {

class Sha256 {
public:
    using Digest = std::array<std::uint8_t, 32>;

    // kAuto takes the processor's SHA instructions where it has them.
    enum class Implementation { kAuto, kPortable };

    explicit Sha256(Implementation implementation = Implementation::kAuto);

    void Update(std::span<const std::uint8_t> bytes);
    // Ends the computation; the object is then spent.
    Digest Final();

private:
    void Compress(const std::uint8_t* blocks, std::size_t count);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> pending_{};
    std::size_t pendingBytes_ = 0;
    std::uint64_t totalBytes_ = 0;
    bool instructions_ = false;
};

}  // namespace sondrel::platform::detail
