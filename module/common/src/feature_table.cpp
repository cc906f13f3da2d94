#include "sondrel/module/feature_table.h"

#include <array>

namespace sondrel::module {

namespace {

constexpr std::array kStandardFeatures = {
    FeatureRow{10, [](const ProcessorSnapshot& s) { return s.mmx; }},
    FeatureRow{20, [](const ProcessorSnapshot& s) { return s.sse; }},
    FeatureRow{30, [](const ProcessorSnapshot& s) { return s.sse2; }},
    FeatureRow{50, [](const ProcessorSnapshot& s) { return s.twinstrandEnabled; }},
    FeatureRow{60, [](const ProcessorSnapshot& s) { return s.sse3; }},
    FeatureRow{70, [](const ProcessorSnapshot& s) { return s.arch64; }},
    FeatureRow{80, [](const ProcessorSnapshot& s) { return s.executeDisable; }},
    // Enhanced Halt State: the "C1E" field exactly 1.
    FeatureRow{90, [](const ProcessorSnapshot& s) { return s.fields.Value(field_id::kC1E) == 1 ? 1 : 0; }},
    FeatureRow{100, [](const ProcessorSnapshot& s) { return s.virtualization; }},
    FeatureRow{120, [](const ProcessorSnapshot& s) { return s.thermalSensor; }},
    FeatureRow{130, [](const ProcessorSnapshot& s) { return s.sse4; }},
    FeatureRow{140, [](const ProcessorSnapshot& s) { return s.avx; }},
    FeatureRow{150, [](const ProcessorSnapshot& s) { return s.aesNi; }},
};

}  // namespace

std::span<const FeatureRow> StandardFeatureRows() {
    return kStandardFeatures;
}

}  // namespace sondrel::module
