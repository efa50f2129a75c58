#include "app/vlttime/options.h"

#include <array>

#include "app/vlttime/arguments.h"
#include "app/vlttime/local_time_text.h"

namespace vc::vlttime {
namespace {

constexpr std::string_view kAt = "--at";

struct Flag {
    std::string_view name;
    bool Options::*member;
    bool value;
};

constexpr std::array<Flag, 8> kFlags{{
    {"--12h", &Options::hour24, false},
    {"--real", &Options::real, true},
    {"--next", &Options::next, true},
    {"--json", &Options::json, true},
    {"--sjis", &Options::sjis, true},
    {"--watch", &Options::watch, true},
    {"-h", &Options::help, true},
    {"--help", &Options::help, true},
}};

std::string ExpectedTime() {
    return "expected " + Quoted(kLocalTimeForm);
}

std::string AtArgument(std::string_view value) {
    return std::string(kAt) + " " + Quoted(value);
}

std::string ExpectedOption() {
    std::string expected = "expected one of " + std::string(kAt);
    for (const Flag& flag : kFlags) {
        expected += ", " + std::string(flag.name);
    }
    return expected;
}

class Parser {
  public:
    explicit Parser(std::span<const std::string_view> args) : args_(args) {}

    OptionsParse Run() {
        while (error_.empty() && !result_.help && !args_.Done()) {
            Take(args_.Next());
        }
        if (error_.empty() && !result_.help) {
            CheckCombinations();
        }
        return {result_, error_};
    }

  private:
    void Take(std::string_view arg) {
        if (const OptionValue at = args_.ValueOf(arg, kAt); at.named) {
            TakeTime(at.value);
        } else if (!TakeFlag(arg)) {
            error_ = Quoted(arg) + ": unknown option; " + ExpectedOption();
        }
    }

    bool TakeFlag(std::string_view arg) {
        for (const Flag& flag : kFlags) {
            if (arg == flag.name) {
                result_.*flag.member = flag.value;
                return true;
            }
        }
        return false;
    }

    void TakeTime(std::optional<std::string_view> value) {
        if (!value) {
            error_ = std::string(kAt) + ": missing value; " + ExpectedTime();
        } else if (result_.at) {
            error_ = AtArgument(*value) + ": --at given twice; expected one time";
        } else {
            const LocalTimeParse parse = ParseLocalTime(*value);
            if (parse.problem.empty()) {
                result_.at = parse.time;
            } else {
                error_ = AtArgument(*value) + ": " + parse.problem + "; " + ExpectedTime();
            }
        }
    }

    void CheckCombinations() {
        if (result_.sjis && result_.json) {
            error_ = "--sjis with --json: JSON is always UTF-8; expected one of them, not both";
        } else if (result_.watch && result_.at) {
            error_ =
                "--watch with --at: --watch follows the clock, --at fixes the time; "
                "expected one of them, not both";
        }
    }

    ArgumentWalk args_;
    Options result_;
    std::string error_;
};

}  // namespace

OptionsParse ParseOptions(std::span<const std::string_view> args) {
    return Parser(args).Run();
}

}  // namespace vc::vlttime
