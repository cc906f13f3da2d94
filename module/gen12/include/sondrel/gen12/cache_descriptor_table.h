// Cpumod12's leaf-2 descriptor table (shared by Cpumod11, Cpumod9 and Cpumod8).
#pragma once

#include <span>

#include "sondrel/module/cache_descriptors.h"

namespace sondrel::gen12 {

std::span<const module::CacheDescriptorRow> CacheDescriptorTable();

}  // namespace sondrel::gen12
