#include "cpuid_graphics.h"

#include <cstdint>
#include <span>

#include "sondrel/ui/cpuid_page.h"
#include "sondrel/ui/cpuid_page_ids.h"

namespace sondrel::ui::cpuid_page {

namespace {

struct GraphicsRow {
    std::int32_t code;
    std::int32_t text;
};

// Both tables: the codes of add-in graphics.
// -3: the module found no graphics device of the processor's own.
constexpr std::int32_t kAddInCodes[] = {0, -3};
// Code 23 of table A: a name held by the program, chosen by product code.
constexpr std::int32_t kFixedNameCode = 23;
constexpr std::int32_t kFirstFixedNameProduct = 104;
constexpr std::int32_t kSecondFixedNameProduct = 105;

// Modules 9 to 11.
constexpr GraphicsRow kTableA[] = {
    {1, 481},  {2, 482},  {3, 480},  {4, 491},  {5, 492},  {6, 493},  {7, 494},
    {8, 495},  {9, 496},  {10, 128}, {11, 129}, {12, 499}, {13, 500}, {14, 103},
    {15, 104}, {16, 106}, {17, 130}, {18, 131}, {19, 108}, {21, 112}, {22, 127},
};
// Module 12.
constexpr GraphicsRow kTableB[] = {
    {1, 170},   {2, 171},   {3, 180},   {4, 182},   {5, 187},   {6, 191},  {7, 193},
    {8, 199},   {9, 200},   {10, 201},  {11, 202},  {12, 203},  {13, 205}, {14, 206},
    {100, 167}, {101, 168}, {102, 189}, {103, 196}, {104, 198},
};

constexpr std::int32_t kLastModuleWithoutGraphics = 6;
constexpr std::int32_t kTableBModule = 12;
constexpr std::int32_t kDeviceIdModules[] = {7, 8, 9};
constexpr std::int32_t kTableAModules[] = {9, 11};
// Module 10 names the graphics only for these processors (family 6).
constexpr std::int32_t kModule10 = 10;
constexpr std::int32_t kModule10Family = 6;
struct ExtendedModelAndModel {
    std::int32_t extendedModel;
    std::int32_t model;
};
constexpr ExtendedModelAndModel kModule10Graphics[] = {{3, 7}, {4, 12}};

constexpr std::size_t kNameLimit = 5999;

template <std::size_t N>
bool OneOf(std::int32_t value, const std::int32_t (&values)[N]) {
    for (const std::int32_t candidate : values) {
        if (candidate == value) {
            return true;
        }
    }
    return false;
}

bool Module10WithGraphics(const app::SystemRecord& r) {
    if (r.moduleNumber != kModule10 || r.family != kModule10Family) {
        return false;
    }
    for (const auto& processor : kModule10Graphics) {
        if (r.extendedModel == processor.extendedModel && r.model == processor.model) {
            return true;
        }
    }
    return false;
}

bool UsesTableA(const app::SystemRecord& r) {
    return OneOf(r.moduleNumber, kTableAModules) || Module10WithGraphics(r);
}

std::string LookUp(std::span<const GraphicsRow> table, std::int32_t code, const LanguageText& language) {
    for (const GraphicsRow& row : table) {
        if (row.code == code) {
            return language.StringOrEmpty(row.text, kNameLimit);
        }
    }
    return language.StringOrEmpty(text::kUnknown, kNameLimit);
}

std::string FixedName(std::int32_t productCode, const LanguageText& language) {
    if (productCode == kFirstFixedNameProduct) {
        return kFixedGraphicsNames[0];
    }
    if (productCode == kSecondFixedNameProduct) {
        return kFixedGraphicsNames[1];
    }
    return language.StringOrEmpty(text::kUnknown, kNameLimit);
}

}  // namespace

bool HasGraphicsBlock(const app::SystemRecord& r) {
    return r.moduleNumber > kLastModuleWithoutGraphics && r.chipsetId != 0;
}

bool HasDeviceIdRow(const app::SystemRecord& r) {
    return HasGraphicsBlock(r) && OneOf(r.moduleNumber, kDeviceIdModules);
}

bool HasGraphicsNameRow(const app::SystemRecord& r) {
    return HasGraphicsBlock(r) && (UsesTableA(r) || r.moduleNumber == kTableBModule);
}

std::optional<GraphicsName> ChooseGraphicsName(const app::SystemRecord& r, const LanguageText& language) {
    if (!HasGraphicsNameRow(r)) {
        return std::nullopt;
    }
    if (OneOf(r.graphicsCode, kAddInCodes)) {
        return GraphicsName{language.StringOrEmpty(text::kAddInGraphics, kNameLimit), true};
    }
    if (UsesTableA(r)) {
        if (r.graphicsCode == kFixedNameCode) {
            return GraphicsName{FixedName(r.productCode, language), false};
        }
        return GraphicsName{LookUp(kTableA, r.graphicsCode, language), false};
    }
    return GraphicsName{LookUp(kTableB, r.graphicsCode, language), false};
}

}  // namespace sondrel::ui::cpuid_page
