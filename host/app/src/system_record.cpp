#include "sondrel/app/system_record.h"

#include "sondrel/platform/bitmap.h"

namespace sondrel::app {

SystemRecord& TheSystemRecord() {
    static SystemRecord record;
    return record;
}

void ResetSystemRecord(SystemRecord& record) {
    // Deleting a bitmap cannot fail in the platform layer, so the reset
    // always succeeds.
    if (record.logoBitmap != nullptr) {
        platform::DestroyBitmap(record.logoBitmap);
    }
    SystemRecord reset;
    reset.moduleNumber = record.moduleNumber;
    reset.avx = record.avx;
    reset.aesNi = record.aesNi;
    reset.chipsetId = record.chipsetId;
    record = reset;
}

}  // namespace sondrel::app
