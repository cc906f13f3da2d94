// Language module of Cpumod12. Its strings and pictures are added with the
// resource mechanism; until then the library only identifies itself.
#include "sondrel/call.h"

SONDREL_EXPORT const char* SondrelLanguageModuleName() { return "Cpumod12Glossa"; }
