// The rule tables of brand-string analysis and naming. Each generation
// module brings its own; the framework's naming steps only read them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "sondrel/module/generation.h"

namespace sondrel::module {

// An inclusive range of processor numbers or brand classes.
struct ValueRange {
    std::int32_t first;
    std::int32_t last;
    bool Holds(std::int32_t n) const { return n >= first && n <= last; }
};

enum class SuffixTest { kAny, kMobile, kOther };
enum class XTest { kAny, kHasX, kNoX };

inline constexpr std::int32_t kAnyModel = -1;

// Signatures a rule table applies to: family and model exactly (kAnyModel:
// every model), the extended model one of a list (empty: any), the stepping
// in a range.
struct SignatureRange {
    std::int32_t family;
    std::int32_t model;
    std::span<const std::int32_t> extendedModels;
    std::int32_t firstStepping;
    std::int32_t lastStepping;
};

// One rule of a brand-class table: all its tests must hold. Rules are tried
// in order and the first that holds gives the class.
struct BrandRule {
    std::string_view prefix;  // the name starts with it
    std::int32_t brandClass;
    XTest x = XTest::kAny;
    std::string_view contains = {};            // also contained in the name, when not empty
    std::span<const ValueRange> numbers = {};  // the processor number lies in one, when not empty
    SuffixTest suffix = SuffixTest::kAny;
    bool tier = false;  // the tier test must hold
    // The processor's signature lies in one, when not empty.
    std::span<const SignatureRange> signatures = {};
};

// A signature range and the rules for names on it. The first branch whose
// signature matches decides; no match gives class 0.
struct BrandBranch {
    SignatureRange signature;
    std::span<const BrandRule> rules;
};

struct BrandClassMapping {
    std::int32_t brandClass;
    std::int32_t productCode;
};

// A valid class that brandClass holds as another; the product code still
// comes from the class the rules gave.
struct BrandClassAlias {
    std::int32_t brandClass;
    std::int32_t storedAs;
};

// Which of the two programmable fields ("ProgrammableTurbo",
// "ProgrammableRatio") must hold 1 for the programmable product codes.
enum class ProgrammableTest { kBoth, kEither };

// The letters of the model that the Extreme Edition name keeps.
enum class ExtremeSuffix {
    kMXOrXPair,  // "MX" when the name has it, else the first "X" and the letter after it unless a space
    kXPair,      // the first "X" and the letter after it unless a space
    kXLetter,    // "X" when the name has one, else nothing
};

// The rename of a name into its Extreme Edition form.
struct ExtremeRenameRule {
    // Product codes renamed whenever the name allows it …
    std::span<const std::int32_t> productCodes;
    // … and those renamed only when the programmable fields allow it.
    std::span<const std::int32_t> programmableProductCodes;
    ValueRange numbers;
    std::string_view base;  // the name's new start, before the separator and the number
    std::int32_t brandClass;
    std::int32_t productCode;
    ProgrammableTest programmable = ProgrammableTest::kBoth;
    bool desktopOnly = false;  // a processor marked mobile is never renamed
    bool requiresX = true;     // a name without "X" is never renamed
    ExtremeSuffix suffix = ExtremeSuffix::kMXOrXPair;
    std::string_view separator = "-";  // between the base and the number
};

// The rename of an unnamed tier processor into the mobile line.
struct TierRenameRule {
    std::int32_t productCode;  // 0: no tier rename
    ValueRange numbers;
    std::string_view base;  // the name's new start, before "-"
};

// Signatures whose mobile flag the mobile rule decides.
struct SignatureModel {
    std::int32_t extendedModel;
    std::int32_t model;
};

struct MobileRule {
    std::int32_t family;
    std::span<const SignatureModel> signatures;  // empty: no mobile rule
    // Processor numbers judged by their suffix letter; any other number by the tier test.
    std::span<const ValueRange> suffixNumbers;
};

// Where the name-fallback step takes a name from: a string of the
// language file, or a fixed text.
struct NameSource {
    std::int32_t stringId;  // 0: use `text`
    std::string_view text;
};

struct FallbackNameRow {
    std::int32_t productCode;
    NameSource name;
};

struct NameFallbackRules {
    // Step 1: names loaded whatever the brand string said.
    std::span<const FallbackNameRow> replacedNames;
    // Product codes whose name is kept (and that are then established).
    std::span<const ProductCodeRange> keptNames;
    // The name of every other product code, which stays not established.
    std::int32_t unknownNameString;
    // Step 3: names for an empty name, by product code; others get `emptyNameDefault`.
    std::span<const FallbackNameRow> emptyNames;
    std::int32_t emptyNameDefault;
};

struct NamingRules {
    std::span<const BrandBranch> branches;
    // The rules for a signature no branch covers (empty: class 0).
    std::span<const BrandRule> otherSignatureRules;
    // Classes that are kept; any other leaves the class 0 and the processor not handled.
    std::span<const ValueRange> validClasses;
    std::span<const BrandClassMapping> mapping;
    std::span<const BrandClassAlias> classAliases = {};
    ExtremeRenameRule extremeRename;
    TierRenameRule tierRename;
    MobileRule mobileRule;
    std::string_view mobileSuffixLetters;
    std::span<const std::string_view> tierMarks;
    NameFallbackRules fallback;
};

}  // namespace sondrel::module
