#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <variant>

#include "profile_test_support.h"
#include "sondrel/message_text.h"
#include "sondrel/profile/profile.h"

namespace sondrel::profile {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

Profile Loaded(LoadResult result) {
    if (const auto* error = std::get_if<LoadError>(&result)) {
        ADD_FAILURE() << error->Message();
        return Profile{};
    }
    return std::get<Profile>(std::move(result));
}

LoadResult Parse(const std::string& text) {
    return ParseProfile(text, "t.json");
}

std::string ErrorOf(const std::string& text) {
    const LoadResult result = Parse(text);
    const auto* error = std::get_if<LoadError>(&result);
    return error == nullptr ? std::string("(loaded)") : error->Message();
}

// A one-processor profile with one package member replaced.
std::string WithPackage(const std::string& members) {
    return R"({"packages": [{"logicalProcessors": 1, )" + members + "}]}";
}

struct MalformedCase {
    const char* name;
    std::string text;
    std::string message;  // the whole line, or its beginning when prefixOnly
    bool prefixOnly = false;
};

void PrintTo(const MalformedCase& c, std::ostream* os) {
    *os << c.name;
}

class MalformedProfile : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedProfile, IsRefusedWithOneLineNamingFileAndField) {
    const MalformedCase& c = GetParam();
    const std::string message = ErrorOf(c.text);
    if (c.prefixOnly) {
        EXPECT_THAT(message, StartsWith(c.message));
    } else {
        EXPECT_EQ(message, c.message);
    }
    EXPECT_EQ(message.find('\n'), std::string::npos);
}

const MalformedCase kMalformedCases[] = {
    {"EmptyFile", "", "t.json: not valid JSON at line 1 column 1: ", true},
    {"SyntaxErrorPosition", "{\"packages\": [{\"logicalProcessors\": 1}],\n   \"revision\": x}",
     "t.json: not valid JSON at line 2 column 16: ", true},
    {"TrailingText", R"({"packages": [{"logicalProcessors": 1}]} [])",
     "t.json: not valid JSON at line 1 column ", true},
    {"InvalidUtf8", "{\"description\": \"\xff\", \"packages\": [{\"logicalProcessors\": 1}]}",
     "t.json: not valid JSON at line 1 column ", true},
    {"TopLevelNotObject", "[]", "t.json: (top level): expected an object"},
    {"PackagesMissing", "{}", "t.json: packages: missing"},
    {"PackagesEmpty", R"({"packages": []})", "t.json: packages: expected at least one package"},
    {"PackagesNotArray", R"({"packages": {}})", "t.json: packages: expected an array"},
    {"ZeroProcessors", R"({"packages": [{"logicalProcessors": 0}]})",
     "t.json: packages[0].logicalProcessors: out of range: from 1 to 1024"},
    {"NegativeProcessors", R"({"packages": [{"logicalProcessors": -3}]})",
     "t.json: packages[0].logicalProcessors: out of range: from 1 to 1024"},
    {"HugeProcessors", R"({"packages": [{"logicalProcessors": 99999999999999999999999}]})",
     "t.json: packages[0].logicalProcessors: out of range: from 1 to 1024"},
    {"TooManyProcessorsInAll", R"({"packages": [{"logicalProcessors": 1000}, {"logicalProcessors": 25}]})",
     "t.json: packages[1].logicalProcessors: out of range: at most 1024 logical processors in all packages "
     "together"},
    {"RegisterTooWide", WithPackage(R"("cpuid": [{"leaf": 1, "eax": "0x1FFFFFFFF"}])"),
     "t.json: packages[0].cpuid[0].eax: out of range: at most 0xFFFFFFFF"},
    {"RegisterTooWideNumber", WithPackage(R"("cpuid": [{"leaf": 1, "eax": 4294967296}])"),
     "t.json: packages[0].cpuid[0].eax: out of range: at most 0xFFFFFFFF"},
    {"RegisterNegative", WithPackage(R"("cpuid": [{"leaf": 1, "ebx": -1}])"),
     "t.json: packages[0].cpuid[0].ebx: out of range: negative"},
    {"RegisterFraction", WithPackage(R"("cpuid": [{"leaf": 1, "ecx": 1.5}])"),
     "t.json: packages[0].cpuid[0].ecx: expected an unsigned 32-bit number"},
    {"RegisterNotHex", WithPackage(R"("cpuid": [{"leaf": 1, "edx": "0x12G4"}])"),
     "t.json: packages[0].cpuid[0].edx: expected an unsigned 32-bit number"},
    {"RegisterBareHexPrefix", WithPackage(R"("cpuid": [{"leaf": 1, "edx": "0x"}])"),
     "t.json: packages[0].cpuid[0].edx: expected an unsigned 32-bit number"},
    {"RegisterBoolean", WithPackage(R"("cpuid": [{"leaf": true}])"),
     "t.json: packages[0].cpuid[0].leaf: expected an unsigned 32-bit number"},
    {"LeafMissing", WithPackage(R"("cpuid": [{"eax": 1}])"), "t.json: packages[0].cpuid[0].leaf: missing"},
    {"DuplicateCpuidEntry",
     WithPackage(R"("cpuid": [{"leaf": 4, "subleaf": 1}, {"leaf": 1}, {"leaf": "0x4", "subleaf": "0x1"}])"),
     "t.json: packages[0].cpuid[2]: duplicate entry for leaf 0x4 sub-leaf 1 (also at packages[0].cpuid[0])"},
    {"MisspeltKey", WithPackage(R"("cpuid": [{"leaf": 1, "eaz": 1}])"),
     "t.json: packages[0].cpuid[0].eaz: unknown key"},
    {"DuplicateJsonKey", WithPackage(R"("cpuid": [{"leaf": 1, "leaf": 2}])"),
     "t.json: packages[0].cpuid[0].leaf: duplicate key"},
    {"MsrKeyNotNumber", WithPackage(R"("msr": {"0xZZ": 1})"),
     "t.json: packages[0].msr[\"0xZZ\"]: expected a number as the key (\"0x...\" or decimal)"},
    {"MsrValueBeyond64Bits", WithPackage(R"("msr": {"0x35": 18446744073709551616})"),
     "t.json: packages[0].msr[\"0x35\"]: out of range: at most 0xFFFFFFFFFFFFFFFF"},
    {"MsrValueBeyond64BitsHex", WithPackage(R"("msr": {"0x35": "0x10000000000000000"})"),
     "t.json: packages[0].msr[\"0x35\"]: out of range: at most 0xFFFFFFFFFFFFFFFF"},
    {"MsrTwiceInTwoSpellings", WithPackage(R"("msr": {"0x35": 1, "53": 2})"),
     "t.json: packages[0].msr[\"53\"]: duplicate MSR (also written as \"0x35\")"},
    {"MeasurementsEmpty", WithPackage(R"("measurements": [])"),
     "t.json: packages[0].measurements: expected at least one measurement"},
    {"MeasurementNotNumber", WithPackage(R"("measurements": [{"cpuMHz": "fast"}])"),
     "t.json: packages[0].measurements[0].cpuMHz: expected a frequency in MHz (a JSON number)"},
    {"MeasurementBeyondFloat", WithPackage(R"("measurements": [{"cpuMHz": 1e300}])"),
     "t.json: packages[0].measurements[0].cpuMHz: out of range: not a 32-bit floating-point number"},
    {"MeasurementFailureAndFrequency", WithPackage(R"("measurements": [{"fail": 5, "cpuMHz": 1}])"),
     "t.json: packages[0].measurements[0]: a measurement has either fail or frequencies, not both"},
    {"FailureCodeZero", WithPackage(R"("faults": {"presence": 0})"),
     "t.json: packages[0].faults.presence: out of range: a failure code must not be 0"},
    {"FailureCodeTooWide", WithPackage(R"("faults": {"brand": "0x180041F40"})"),
     "t.json: packages[0].faults.brand: out of range: at most 0xFFFFFFFF"},
    {"FaultMisspelt", WithPackage(R"("faults": {"presense": 5})"),
     "t.json: packages[0].faults.presense: unknown key"},
    {"UnreadFieldNotString", WithPackage(R"("faults": {"unreadFields": [27]})"),
     "t.json: packages[0].faults.unreadFields[0]: expected a string"},
    {"AbsentOutsidePackage", WithPackage(R"("absent": [2])"),
     "t.json: packages[0].absent[0]: out of range: from 1 to 1"},
    {"OverridePositionZero", WithPackage(R"("processors": {"0": {}})"),
     "t.json: packages[0].processors[\"0\"]: out of range: positions count from 1"},
    {"SystemCountsShort", R"({"packages": [{"logicalProcessors": 1}], "systemCounts": [1, 2]})",
     "t.json: systemCounts: expected an array of three counts"},
    {"SystemCountNegative", R"({"packages": [{"logicalProcessors": 1}], "systemCounts": [1, -2, 3]})",
     "t.json: systemCounts[1]: out of range: from 0 to 2147483647"},
    {"PciDeviceOutOfRange", R"({"packages": [{"logicalProcessors": 1}], "pci": [{"device": 32}]})",
     "t.json: pci[0].device: out of range: from 0 to 31"},
    {"PciRegisterUnaligned",
     R"({"packages": [{"logicalProcessors": 1}], "pci": [{"device": 31, "registers": {"0x2": 1}}]})",
     "t.json: pci[0].registers[\"0x2\"]: out of range: a register offset is a multiple of 4 from 0x0 to "
     "0xFFC"},
    {"PciDeviceTwice",
     R"({"packages": [{"logicalProcessors": 1}], "pci": [{"device": 31}, {"bus": 0, "device": 31, "function": 0}]})",
     "t.json: pci[1]: duplicate device 0:31.0 (also at pci[0])"},
    {"UnknownTopLevelKey", R"({"packages": [{"logicalProcessors": 1}], "package": []})",
     "t.json: package: unknown key"},
};

INSTANTIATE_TEST_SUITE_P(Table, MalformedProfile, ::testing::ValuesIn(kMalformedCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ProfileParser, RefusesAbsurdNestingWithoutCrashing) {
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    const std::string message = ErrorOf(R"({"description": )" + deep + R"(, "packages": []})");
    EXPECT_THAT(message, HasSubstr("nested more than 64 levels deep"));
    EXPECT_THAT(message, StartsWith("t.json: description[0][0]"));
}

// Keys and values of a hostile file reach the message escaped: one line that
// a terminal cannot act on.
TEST(ProfileParser, ErrorsEscapeControlBytesAndInvalidUtf8) {
    EXPECT_EQ(ErrorOf(WithPackage(R"("\u001b[2J\u001b[H": 1)")),
              "t.json: packages[0][\"\\x1B[2J\\x1B[H\"]: unknown key");
    EXPECT_EQ(ErrorOf(WithPackage(R"("a\r\nb": 1)")), "t.json: packages[0][\"a\\x0D\\x0Ab\"]: unknown key");
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"plain text", "plain text"},
        {"\x7F\t", "\\x7F\\x09"},
        {"caf\xC3\xA9 \xE2\x84\xA2", "caf\xC3\xA9 \xE2\x84\xA2"},  // valid UTF-8 is kept
        {"\xC2\x9B"
         "31m",
         "\\xC2\\x9B"
         "31m"},                                                // a C1 control (CSI)
        {"\xFF\xC3(", "\\xFF\\xC3("},                           // invalid and cut-short sequences
        {"\xED\xA0\x80\xC0\xAF", "\\xED\\xA0\\x80\\xC0\\xAF"},  // a surrogate, an overlong form
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeForMessage(c.text), c.shown);
    }
    const LoadError error{LoadError::Kind::kUnreadable, std::string("a\nb.json", 8), "", "cannot open"};
    EXPECT_EQ(error.Message(), "a\\x0Ab.json: cannot open");
}

// A list far beyond any real processor is refused before it takes memory,
// also when an override's entries are merged into its package's.
TEST(ProfileParser, RefusesMoreCpuidEntriesThanAProcessorCouldHave) {
    const auto entries = [](std::size_t count, std::uint32_t first) {
        std::string list = "[";
        for (std::size_t i = 0; i < count; ++i) {
            list += (i == 0 ? "" : ",") + std::string(R"({"leaf": )") + std::to_string(first + i) + "}";
        }
        return list + "]";
    };
    EXPECT_EQ(ErrorOf(WithPackage(R"("cpuid": )" + entries(kMaxCpuidEntries + 1, 0))),
              "t.json: packages[0].cpuid: more than 4096 CPUID entries for one processor");
    EXPECT_EQ(ErrorOf(WithPackage(R"("faults": {"cpuid": )" + entries(kMaxCpuidEntries + 1, 0) + "}")),
              "t.json: packages[0].faults.cpuid: more than 4096 CPUID entries for one processor");
    EXPECT_EQ(ErrorOf(WithPackage(R"("cpuid": )" + entries(kMaxCpuidEntries, 0) +
                                  R"(, "processors": {"1": {"cpuid": )" + entries(1, 0x80000000u) + "}}")),
              "t.json: packages[0].processors[\"1\"].cpuid: more than 4096 CPUID entries for one processor");
    EXPECT_EQ(ErrorOf(WithPackage(R"("cpuid": )" + entries(kMaxCpuidEntries, 0))), "(loaded)");
}

TEST(ProfileLoader, NamesTheFileItCannotOpen) {
    const LoadResult missing = LoadProfile("/nonexistent/none.json");
    ASSERT_TRUE(std::holds_alternative<LoadError>(missing));
    EXPECT_EQ(std::get<LoadError>(missing).kind, LoadError::Kind::kUnreadable);
    EXPECT_EQ(std::get<LoadError>(missing).Message(),
              "/nonexistent/none.json: cannot open: No such file or directory");

    const LoadResult directory = LoadProfile(testing::kFixtureDirectory);
    ASSERT_TRUE(std::holds_alternative<LoadError>(directory));
    EXPECT_THAT(std::get<LoadError>(directory).Message(), HasSubstr("is a directory"));
}

TEST(ProfileParser, NumbersAcceptJsonIntegersHexAndDecimalStrings) {
    const Profile profile = Loaded(Parse(WithPackage(R"(
        "msr": {"0x10": 18446744073709551615, "0x11": "0xFFFFFFFFFFFFFFFF", "18": "0x8000000000000001",
                "0X13": 9007199254740993},
        "cpuid": [{"leaf": "2147483648", "eax": "0xffffffff"}])")));
    ASSERT_EQ(profile.ProcessorCount(), 1);
    const Processor& processor = profile.processors[0];
    EXPECT_EQ(processor.Msr(0x10), 0xFFFFFFFFFFFFFFFFull);
    EXPECT_EQ(processor.Msr(0x11), 0xFFFFFFFFFFFFFFFFull);
    EXPECT_EQ(processor.Msr(0x12), 0x8000000000000001ull);
    EXPECT_EQ(processor.Msr(0x13), 9007199254740993ull);  // beyond a double's exact range
    EXPECT_EQ(processor.Cpuid(0x80000000u, 0).eax, 0xFFFFFFFFu);
}

TEST(ProfileParser, FailureCodesAcceptEverySpelling) {
    const Profile profile = Loaded(Parse(WithPackage(R"("faults": {
        "presence": "0x80041F40", "brand": 2147753792, "measurement": -2147213504, "registerFields": 5})")));
    const ProcessorFaults& faults = profile.processors[0].faults;
    EXPECT_EQ(faults.presence, static_cast<std::int32_t>(0x80041F40u));
    EXPECT_EQ(faults.brand, static_cast<std::int32_t>(0x80041F40u));
    EXPECT_EQ(faults.measurement, static_cast<std::int32_t>(0x80041F40u));
    EXPECT_EQ(faults.registerFields, 5);
}

TEST(ProfileParser, CpuidEntryWithoutSubleafAnswersEverySubleafWithoutItsOwn) {
    const Profile profile = Loaded(Parse(WithPackage(R"("cpuid": [
        {"leaf": 4, "eax": 1}, {"leaf": 4, "subleaf": 2, "eax": 2}, {"leaf": 1, "subleaf": 0, "ebx": 3}])")));
    const Processor& processor = profile.processors[0];
    EXPECT_EQ(processor.Cpuid(4, 0).eax, 1u);
    EXPECT_EQ(processor.Cpuid(4, 7).eax, 1u);
    EXPECT_EQ(processor.Cpuid(4, 2).eax, 2u);
    EXPECT_EQ(processor.Cpuid(1, 0).ebx, 3u);
    EXPECT_EQ(processor.Cpuid(1, 1).ebx, 0u);  // only sub-leaf 0 listed
    EXPECT_EQ(processor.Cpuid(0x16, 0).eax, 0u);
}

TEST(ProfileParser, PackagesNumberProcessorsInOrderWithAbsenceAndOverrides) {
    const Profile profile = Loaded(Parse(R"({
        "revision": 7,
        "packages": [
          {"logicalProcessors": 2, "brand": "first", "msr": {"0x35": 1}, "absent": [2]},
          {"logicalProcessors": 3, "brand": "second", "revision": 9, "msr": {"0x35": 2, "0x36": 3},
           "cpuid": [{"leaf": 1, "eax": "0x906E9"}],
           "processors": {"2": {"brand": "override", "msr": {"0x36": 4}, "measurements": [{"cpuMHz": 1}],
                                "cpuid": [{"leaf": 1, "eax": "0x906EA"}]}}}
        ]})"));
    ASSERT_EQ(profile.ProcessorCount(), 5);
    EXPECT_EQ(profile.packageCount, 2);
    EXPECT_EQ(profile.systemCounts, (std::array<std::int32_t, 3>{5, 5, 5}));
    const auto* second = profile.FindProcessor(2);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->present);
    EXPECT_EQ(second->revision, 7u);
    const auto* fourth = profile.FindProcessor(4);
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(fourth->number, 4);
    EXPECT_EQ(fourth->package, 1);
    EXPECT_EQ(fourth->brand, "override");
    EXPECT_EQ(fourth->revision, 9u);
    EXPECT_EQ(fourth->Msr(0x35), 2u);  // merged, not replaced
    EXPECT_EQ(fourth->Msr(0x36), 4u);
    EXPECT_EQ(fourth->Signature(), 0x906EAu);
    EXPECT_EQ(profile.FindProcessor(5)->brand, "second");
    EXPECT_EQ(profile.FindProcessor(5)->Signature(), 0x906E9u);
    EXPECT_TRUE(profile.FindProcessor(5)->measurements->empty());
    EXPECT_EQ(profile.FindProcessor(0), nullptr);
    EXPECT_EQ(profile.FindProcessor(6), nullptr);
}

TEST(ProfileParser, DuplicateEntriesAreRefusedAlsoInFaultLists) {
    EXPECT_EQ(ErrorOf(WithPackage(R"("absent": [1, 1])")),
              "t.json: packages[0].absent[1]: duplicate position");
    EXPECT_EQ(
        ErrorOf(WithPackage(R"("faults": {"cpuid": [{"leaf": 1, "code": 5}, {"leaf": 1, "code": 6}]})")),
        "t.json: packages[0].faults.cpuid[1]: duplicate fault for leaf 0x1 (every sub-leaf)");
    EXPECT_EQ(ErrorOf(R"({"packages": [{"logicalProcessors": 1}], "faults": {"pci": [
                  {"device": 2, "offset": 0, "code": 5}, {"device": 2, "function": 0, "offset": 0, "code": 6}]}})"),
              "t.json: faults.pci[1]: duplicate fault for this register");
}

TEST(ProfileFixture, DesktopProfileDescribesTheMachine) {
    const Profile profile = Loaded(LoadProfile(testing::kDesktopFixture));
    ASSERT_EQ(profile.ProcessorCount(), 8);
    for (const Processor& processor : profile.processors) {
        EXPECT_TRUE(processor.present);
        EXPECT_EQ(processor.Signature(), 0x000906E9u);
        EXPECT_EQ(processor.MaxStandardLeaf(), 0x16u);
        // The brand string is spelt by leaves 0x80000002 to 0x80000004.
        EXPECT_EQ(processor.brand, "Quarn(R) Vantor(TM) i7-7789K CPU @ 4.20GHz");
        EXPECT_EQ(processor.ReadMsrField(0x35, 16, 16), 4u);
        EXPECT_EQ(processor.ReadMsrField(0x35, 0, 16), 8u);
        EXPECT_EQ(processor.measurements->size(), 3u);
    }
    EXPECT_EQ(profile.systemCounts[1], 8);
    EXPECT_EQ(profile.pci.size(), 3u);
}

TEST(ProfileFixture, DocumentationExamplesLoadAndTheFirstIsTheDesktopFixture) {
    const auto examples = testing::JsonBlocks(testing::ReadText(SONDREL_SOURCE_DIR "/docs/profiles.md"));
    ASSERT_EQ(examples.size(), 2u);
    for (const std::string& example : examples) {
        Loaded(ParseProfile(example, "docs/profiles.md"));
    }
    EXPECT_EQ(nlohmann::json::parse(examples[0]),
              nlohmann::json::parse(testing::ReadText(testing::kDesktopFixture)));
    const Profile twoPackages = Loaded(ParseProfile(examples[1], "docs/profiles.md"));
    ASSERT_EQ(twoPackages.ProcessorCount(), 8);
    EXPECT_FALSE(twoPackages.FindProcessor(4)->present);
    EXPECT_EQ(*twoPackages.FindProcessor(6)->faults.unreadFields, std::vector<std::string>{"TurboDisable"});
}

TEST(ChooseProfilePath, EnvironmentVariableWinsWhenNotEmpty) {
    ::setenv(kProfileVariable, "/somewhere/p.json", 1);
    EXPECT_EQ(ChooseProfilePath(), "/somewhere/p.json");
    ::setenv(kProfileVariable, "", 1);
    EXPECT_THAT(ChooseProfilePath(), HasSubstr("default.json"));
    ::unsetenv(kProfileVariable);
}

}  // namespace
}  // namespace sondrel::profile
