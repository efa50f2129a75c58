#include "app/vlttime/arguments.h"

#include "app/vlttime/json_object.h"

namespace vc::vlttime {

std::string Quoted(std::string_view arg) {
    return JsonQuote(arg);
}

OptionValue ArgumentWalk::ValueOf(std::string_view arg, std::string_view name) {
    if (arg == name) {
        if (Done() || args_[next_].starts_with('-')) {
            return {true, std::nullopt};
        }
        return {true, Next()};
    }
    if (arg.starts_with(name) && arg.substr(name.size()).starts_with('=')) {
        return {true, arg.substr(name.size() + 1)};
    }
    return {};
}

}  // namespace vc::vlttime
