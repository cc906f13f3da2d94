#include "sondrel/app/system_record.h"

#include <utility>

#include "sondrel/platform/bitmap.h"

namespace sondrel::app {

void OwnedBitmap::Reset() {
    platform::DestroyBitmap(std::exchange(handle_, nullptr));
}

SystemRecord& TheSystemRecord() {
    static SystemRecord record;
    return record;
}

void ResetSystemRecord(SystemRecord& record) {
    // Deleting a bitmap cannot fail in the platform layer, so the reset
    // always succeeds.
    SystemRecord reset;
    reset.moduleNumber = record.moduleNumber;
    reset.avx = record.avx;
    reset.aesNi = record.aesNi;
    reset.chipsetId = record.chipsetId;
    record = std::move(reset);
}

}  // namespace sondrel::app
