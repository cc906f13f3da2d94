#include "sondrel/module/frequency.h"

namespace sondrel::module {

float Snap(float value, float reference) {
    const double ref = reference;
    const double measured = value;
    if (ref > 0.0 && ref - 0.01 * ref <= measured && measured <= ref + 0.01 * ref) {
        return reference;
    }
    return value;
}

}  // namespace sondrel::module
