#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vc::vlttime {

// An argument as an error line shows it: JSON quoting keeps any argument, control characters
// included, on the one line.
std::string Quoted(std::string_view arg);

// What one argument says about an option that takes a value.
struct OptionValue {
    bool named = false;                     // the argument is this option
    std::optional<std::string_view> value;  // empty when missing
};

// The command line, one argument at a time.
class ArgumentWalk {
  public:
    explicit ArgumentWalk(std::span<const std::string_view> args) : args_(args) {}

    bool Done() const { return next_ == args_.size(); }
    std::string_view Next() { return args_[next_++]; }

    // `arg` as option `name`: "--name=VALUE", or "--name" and the next argument as the value.
    // Values that start with '-' need the first form, so a following option means the value is
    // missing.
    OptionValue ValueOf(std::string_view arg, std::string_view name);

  private:
    std::span<const std::string_view> args_;
    std::size_t next_ = 0;
};

}  // namespace vc::vlttime
