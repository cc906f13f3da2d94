// Calling convention and export markers shared by every Sondrel library.
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define SONDREL_CALL __stdcall
#else
#define SONDREL_CALL
#endif

#define SONDREL_EXPORT extern "C" __attribute__((visibility("default")))
