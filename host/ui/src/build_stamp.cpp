#include "sondrel/ui/build_stamp.h"

#include <algorithm>
#include <array>

#include "sondrel/ui/version.h"

namespace sondrel::ui {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> kMonthNumbers = {"01", "02", "03", "04", "05", "06",
                                                            "07", "08", "09", "10", "11", "12"};
// "Oct 18 2017": month, day at positions 4 and 5, year in the last four.
constexpr std::size_t kDateLength = 11;
constexpr std::size_t kDayPosition = 4;
constexpr std::size_t kYearLength = 4;

bool IsDigit(char character) {
    return character >= '0' && character <= '9';
}

}  // namespace

std::optional<std::string> BuildStampFromDate(std::string_view buildDate) {
    if (buildDate.size() != kDateLength) {
        return std::nullopt;
    }
    const auto month = std::find(kMonths.begin(), kMonths.end(), buildDate.substr(0, 3));
    if (month == kMonths.end()) {
        return std::nullopt;
    }
    const std::string_view year = buildDate.substr(kDateLength - kYearLength);
    const char tens = buildDate[kDayPosition] == ' ' ? '0' : buildDate[kDayPosition];
    const char units = buildDate[kDayPosition + 1];
    if (!std::all_of(year.begin(), year.end(), IsDigit) || !IsDigit(tens) || !IsDigit(units)) {
        return std::nullopt;
    }
    std::string stamp(year);
    stamp += kMonthNumbers[static_cast<std::size_t>(month - kMonths.begin())];
    stamp += tens;
    stamp += units;
    return stamp;
}

ResultCode GetBuildStamp(std::string& stamp) {
    const auto made = BuildStampFromDate(kBuildDate);
    stamp = made.value_or(std::string());
    return made ? result::kSuccess : result::kUnexpectedFailure;
}

}  // namespace sondrel::ui
