#include "app/vlttime/local_time_text.h"

#include <array>

#include "clock/local_calendar.h"
#include "framework/text_format.h"

namespace vc::vlttime {
namespace {

constexpr int kFirstYear = 1601;

struct Field {
    const char* name;
    int width;
    char separatorBefore;  // '\0' for none
};

constexpr std::array<Field, 6> kFields{{
    {"year", 4, '\0'},
    {"month", 2, '-'},
    {"day", 2, '-'},
    {"hour", 2, ' '},
    {"minute", 2, ':'},
    {"second", 2, ':'},
}};

constexpr Field kMilliseconds{"milliseconds", 3, '.'};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads fields left to right; the first mismatch becomes the problem.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    bool NextIs(char c) const { return !AtEnd() && text_[pos_] == c; }
    const std::string& Problem() const { return problem_; }

    int Read(const Field& field) {
        if (!problem_.empty()) {
            return 0;
        }
        if (field.separatorBefore != '\0' && !NextIs(field.separatorBefore)) {
            problem_ =
                std::string("expected '") + field.separatorBefore + "' before the " + field.name;
            return 0;
        }
        pos_ += field.separatorBefore != '\0' ? 1 : 0;
        return ReadDigits(field);
    }

    void ExpectEnd() {
        if (problem_.empty() && !AtEnd()) {
            problem_ = "unexpected text after the time";
        }
    }

  private:
    int ReadDigits(const Field& field) {
        int value = 0;
        int count = 0;
        for (; pos_ < text_.size() && IsDigit(text_[pos_]); ++pos_, ++count) {
            if (count < field.width) {
                value = value * 10 + (text_[pos_] - '0');
            }
        }
        if (count != field.width) {
            problem_ =
                std::string(field.name) + " must be " + std::to_string(field.width) + " digits";
        }
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string problem_;
};

std::string RangeProblem(const SystemTime& t) {
    if (t.wYear < kFirstYear) {
        return Printf("year %04d is outside %d..9999", t.wYear, kFirstYear);
    }
    const std::string inMonth = Printf(" in %04d-%02d", t.wYear, t.wMonth);
    const struct {
        const char* name;
        int value;
        int first;
        int last;
        std::string_view context;
    } ranges[] = {
        {"month", t.wMonth, 1, 12, ""},  // checked first: the day's range depends on it
        {"day", t.wDay, 1, DaysInMonth(t.wYear, t.wMonth), inMonth},
        {"hour", t.wHour, 0, 23, ""},
        {"minute", t.wMinute, 0, 59, ""},
        {"second", t.wSecond, 0, 59, ""},
    };
    for (const auto& range : ranges) {
        if (range.value < range.first || range.value > range.last) {
            return Printf("no %s %02d", range.name, range.value) + std::string(range.context);
        }
    }
    return {};
}

}  // namespace

LocalTimeParse ParseLocalTime(std::string_view text) {
    FieldReader reader(text);
    std::array<std::uint16_t, kFields.size()> values{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        values[i] = static_cast<std::uint16_t>(reader.Read(kFields[i]));
    }
    const bool hasMs = reader.NextIs(kMilliseconds.separatorBefore);
    const int ms = hasMs ? reader.Read(kMilliseconds) : 0;
    reader.ExpectEnd();
    if (!reader.Problem().empty()) {
        return {{}, reader.Problem()};
    }
    LocalTimeParse parse;
    SystemTime& t = parse.time;
    t.wYear = values[0];
    t.wMonth = values[1];
    t.wDay = values[2];
    t.wHour = values[3];
    t.wMinute = values[4];
    t.wSecond = values[5];
    t.wMilliseconds = static_cast<std::uint16_t>(ms);
    parse.problem = RangeProblem(t);
    if (parse.problem.empty()) {
        t.wDayOfWeek = static_cast<std::uint16_t>(DayOfWeek({t.wYear, t.wMonth, t.wDay}));
    }
    return parse;
}

std::string FormatLocalTime(const SystemTime& local) {
    return Printf("%04d-%02d-%02d %02d:%02d:%02d.%03d", local.wYear, local.wMonth, local.wDay,
                  local.wHour, local.wMinute, local.wSecond, local.wMilliseconds);
}

std::string FormatDuration(std::int64_t ms) {
    return Printf("%lld:%02lld:%02lld.%03lld", static_cast<long long>(ms / 3'600'000),
                  static_cast<long long>(ms / 60'000 % 60), static_cast<long long>(ms / 1'000 % 60),
                  static_cast<long long>(ms % 1'000));
}

}  // namespace vc::vlttime
