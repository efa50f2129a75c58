#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vc::vlttime {

// `text` as a double-quoted JSON string; UTF-8 passes through, control characters are escaped.
std::string JsonQuote(std::string_view text);

// Builds one JSON object on one line, members in the order they are added.
class JsonObject {
  public:
    JsonObject& Number(std::string_view key, std::int64_t value);
    JsonObject& Bool(std::string_view key, bool value);
    JsonObject& String(std::string_view key, std::string_view value);
    std::string Text() const { return "{" + members_ + "}"; }

  private:
    JsonObject& Member(std::string_view key, std::string_view json);

    std::string members_;
};

}  // namespace vc::vlttime
