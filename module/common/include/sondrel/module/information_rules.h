// The tables of the package step, the logo lookup and the information-item
// word. Each generation module brings its own.
#pragma once

#include <cstdint>
#include <span>

#include "sondrel/module/generation.h"

namespace sondrel::module {

// A package code and the language-file string that names it.
struct PackageChoice {
    std::int32_t code;
    std::int32_t stringId;
};

struct PackageRow {
    std::span<const ProductCodeRange> productCodes;
    PackageChoice mobile;   // mobileFlag 1
    PackageChoice desktop;  // mobileFlag 0
};

// A product code whose package depends on the signature and a register
// field; on any other signature the step writes nothing.
struct SignaturePackageRow {
    std::int32_t productCode;
    std::int32_t family;
    std::int32_t extendedModel;
    std::int32_t model;
    std::int32_t fieldId;
    std::int32_t fieldValue;
    PackageChoice fieldMatches;
    PackageChoice otherwise;
};

struct LogoRow {
    std::int32_t productCode;
    std::int32_t bitmapId;
};

struct InformationRules {
    std::span<const PackageRow> packages;
    std::span<const SignaturePackageRow> signaturePackages;
    PackageChoice otherPackage;  // every product code without a row
    std::span<const LogoRow> logos;
    // Product codes that set information item 6, and those that set item 7.
    std::span<const ProductCodeRange> item6ProductCodes;
    std::span<const ProductCodeRange> item7ProductCodes;
};

}  // namespace sondrel::module
