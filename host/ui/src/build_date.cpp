// Alone in its file so that only it has to be compiled afresh to change the date.
#include "sondrel/ui/version.h"

namespace sondrel::ui {

const char* const kBuildDate = __DATE__;

}  // namespace sondrel::ui
