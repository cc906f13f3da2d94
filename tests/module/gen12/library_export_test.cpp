// The built Cpumod12.so exports its entry point with C linkage.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "sondrel/exports.h"

namespace {

TEST(Cpumod12Library, ExportsGetProcessorModuleInterface) {
    const std::string path = std::string(SONDREL_OUTPUT_DIR) + "/Cpumod12.so";
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    auto* entry = reinterpret_cast<GetProcessorModuleInterfaceFunction>(
        dlsym(library, sondrel::export_name::kProcessorModule));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(1000, nullptr, "ProfileData.so", nullptr), sondrel::result::kNullArgument);
    dlclose(library);
}

}  // namespace
