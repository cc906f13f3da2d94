// The graphics line names the integrated graphics product by the graphics
// code the module reported, with one table for modules up to 11 and one for
// module 12.
#include <algorithm>
#include <array>

#include "line_text.h"
#include "sondrel/app/product_codes.h"
#include "sondrel/report/report_rules.h"

namespace sondrel::report {

namespace {

constexpr const char* kLabel = "System Graphics";
constexpr const char* kAddIn = "Add-in Graphics";
constexpr const char* kUnknown = "Unknown";
constexpr const char* kGenericIntegrated = "Quarn(R) Lumen Graphics";

constexpr std::int32_t kAddInCode = 0;
constexpr std::int32_t kNoGraphicsCode = -3;
constexpr std::int32_t kSelectedByProductCode = 23;

// Modules up to 11: a code names its product, unless the product code is
// one of the two that show the generic line instead.
struct EarlierGraphicsRow {
    std::int32_t code;
    const char* name;  // null: always the generic line
    std::array<std::int32_t, 2> genericProducts;
};

constexpr std::array<EarlierGraphicsRow, 21> kEarlierGraphics = {{
    {1, "Quarn(R) Lumen(TM) Graphics 9-100", {96, 97}},
    {2, "Quarn(R) Lumen(TM) Graphics 9-200", {96, 97}},
    {3, nullptr, {0, 0}},
    {4, "Quarn(R) Lumen(TM) Graphics 9-300", {96, 97}},
    {5, "Quarn(R) Lumen(TM) Graphics 9-400", {96, 97}},
    {6, "Quarn(R) Lumen(TM) Graphics 10-100", {100, 101}},
    {7, "Quarn(R) Lumen(TM) Graphics 10-200", {100, 101}},
    {8, "Quarn(R) Lumen(TM) Graphics 10-300", {100, 101}},
    {9, "Quarn(R) Lumen(TM) Graphics 10-400", {100, 101}},
    {10, "Quarn(R) Lumen(TM) Graphics 10-500", {100, 101}},
    {11, "Quarn(R) Lumen(TM) Graphics 10-600", {100, 101}},
    {12, "Quarn(R) Lumen(TM) Graphics 10-700 Pro", {100, 101}},
    {13, "Quarn(R) Lumen(TM) Graphics 10-800 Pro", {100, 101}},
    {14, "Quarn(R) Lumen(TM) Graphics 11-100", {108, 109}},
    {15, "Quarn(R) Lumen(TM) Graphics 11-200", {108, 109}},
    {16, "Quarn(R) Lumen(TM) Graphics 11-300", {108, 109}},
    {17, "Quarn(R) Lumen(TM) Graphics 11-400", {108, 109}},
    {18, "Quarn(R) Lumen(TM) Graphics 11-500", {108, 109}},
    {19, "Quarn(R) Lumen(TM) Graphics 11-600", {108, 109}},
    {21, "Quarn(R) Lumen(TM) Graphics 11-700 Pro", {108, 109}},
    {22, "Quarn(R) Lumen(TM) Graphics 11-800 Pro", {108, 109}},
}};

// Code 23 names one of two products by the product code.
struct ProductGraphicsRow {
    std::int32_t productCode;
    const char* name;
};
constexpr std::array<ProductGraphicsRow, 2> kCode23Graphics = {{
    {104, "Quarn(R) Lumen(TM) Graphics 11-900 Pro"},
    {105, "Quarn(R) Lumen(TM) Graphics 11-950 Pro"},
}};

// Module 12: codes 1 to 13.
constexpr std::array<const char*, 13> kModule12Graphics = {
    "Quarn(R) Lumen(TM) Graphics 12-100",     "Quarn(R) Lumen(TM) Graphics 12-150",
    "Quarn(R) Lumen(TM) Graphics 12-200",     "Quarn(R) Lumen(TM) Graphics 12-250",
    "Quarn(R) Lumen(TM) Graphics 12-300",     "Quarn(R) Lumen(TM) Graphics 12-350",
    "Quarn(R) Lumen(TM) Graphics 12-400",     "Quarn(R) Lumen(TM) Graphics 12-450",
    "Quarn(R) Lumen(TM) Graphics 12-500",     "Quarn(R) Lumen(TM) Graphics 12-550",
    "Quarn(R) Lumen(TM) Graphics 12-600 Pro", "Quarn(R) Lumen(TM) Graphics 12-650 Pro",
    "Quarn(R) Lumen(TM) Graphics 12-700 Pro",
};

const char* EarlierGraphicsName(const app::SystemRecord& record) {
    const std::int32_t code = record.graphicsCode;
    if (code == kSelectedByProductCode) {
        const auto row = std::find_if(
            kCode23Graphics.begin(), kCode23Graphics.end(),
            [&](const ProductGraphicsRow& entry) { return entry.productCode == record.productCode; });
        // No product is named for other product codes.
        return row == kCode23Graphics.end() ? kUnknown : row->name;
    }
    const auto row = std::find_if(kEarlierGraphics.begin(), kEarlierGraphics.end(),
                                  [code](const EarlierGraphicsRow& entry) { return entry.code == code; });
    if (row == kEarlierGraphics.end()) {
        return kUnknown;
    }
    if (row->name == nullptr || app::IsOneOf(row->genericProducts, record.productCode)) {
        return kGenericIntegrated;
    }
    return row->name;
}

const char* Module12GraphicsName(std::int32_t code) {
    if (code < 1 || code > static_cast<std::int32_t>(kModule12Graphics.size())) {
        return kUnknown;
    }
    return kModule12Graphics[static_cast<std::size_t>(code - 1)];
}

}  // namespace

GraphicsProduct GraphicsOf(const app::SystemRecord& record) {
    using Kind = GraphicsProduct::Kind;
    const std::int32_t code = record.graphicsCode;
    if (record.addInGraphics == 1 || code == kAddInCode || code == kNoGraphicsCode) {
        return {Kind::kAddIn, kAddIn};
    }
    const char* name =
        record.moduleNumber == app::kModule12 ? Module12GraphicsName(code) : EarlierGraphicsName(record);
    return {name == kUnknown ? Kind::kUnknown : Kind::kIntegrated, name};
}

std::string GraphicsLine(const app::SystemRecord& record) {
    return Line(kLabel, GraphicsOf(record).text);
}

}  // namespace sondrel::report
