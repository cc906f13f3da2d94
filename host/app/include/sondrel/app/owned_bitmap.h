// A picture handle that a module handed to the host: the holder owns it and
// destroys it through the platform layer when it lets go.
#pragma once

#include <utility>

#include "sondrel/bitmap.h"

namespace sondrel::app {

class OwnedBitmap {
public:
    OwnedBitmap() = default;
    ~OwnedBitmap() { Reset(); }
    OwnedBitmap(const OwnedBitmap&) = delete;
    OwnedBitmap& operator=(const OwnedBitmap&) = delete;
    OwnedBitmap(OwnedBitmap&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedBitmap& operator=(OwnedBitmap&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    operator BitmapHandle() const { return handle_; }  // NOLINT(google-explicit-constructor)

    // For an out parameter: lets go of the picture held so far.
    BitmapHandle* Receive() {
        Reset();
        return &handle_;
    }
    void Reset();

private:
    BitmapHandle handle_ = nullptr;
};

}  // namespace sondrel::app
