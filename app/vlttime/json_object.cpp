#include "app/vlttime/json_object.h"

#include <cstdio>

namespace vc::vlttime {
namespace {

std::string Escape(char c) {
    switch (c) {
        case '"':
            return "\\\"";
        case '\\':
            return "\\\\";
        case '\b':
            return "\\b";
        case '\f':
            return "\\f";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            break;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
        return std::string(1, c);
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", byte);
    return buffer;
}

}  // namespace

std::string JsonQuote(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += Escape(c);
    }
    return quoted + "\"";
}

JsonObject& JsonObject::Number(std::string_view key, std::int64_t value) {
    return Member(key, std::to_string(value));
}

JsonObject& JsonObject::Bool(std::string_view key, bool value) {
    return Member(key, value ? "true" : "false");
}

JsonObject& JsonObject::String(std::string_view key, std::string_view value) {
    return Member(key, JsonQuote(value));
}

JsonObject& JsonObject::Member(std::string_view key, std::string_view json) {
    if (!members_.empty()) {
        members_ += ',';
    }
    members_ += JsonQuote(key);
    members_ += ':';
    members_ += json;
    return *this;
}

}  // namespace vc::vlttime
