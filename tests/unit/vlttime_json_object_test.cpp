#include <gtest/gtest.h>

#include "app/vlttime/json_object.h"

namespace vc::vlttime {
namespace {

TEST(JsonQuote, EscapesWhatJsonRequires) {
    const struct {
        std::string_view text;
        const char* quoted;
    } cases[] = {
        {"", R"("")"},
        {"plain", R"("plain")"},
        {R"(say "hi")", R"("say \"hi\"")"},
        {R"(C:\dir)", R"("C:\\dir")"},
        {"a\nb\tc\rd\be\ff", R"("a\nb\tc\rd\be\ff")"},
        {std::string_view("\x01\x1f\x7f\0", 4), R"("\u0001\u001f\u007f\u0000")"},
        {"555年03月008日", R"("555年03月008日")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonQuote(c.text), c.quoted);
    }
}

TEST(JsonObject, KeepsMembersInOrderOnOneLine) {
    EXPECT_EQ(JsonObject().Text(), "{}");
    JsonObject json;
    json.Number("n", -12).Bool("yes", true).Bool("no", false).String("s", "a\"b");
    EXPECT_EQ(json.Text(), R"({"n":-12,"yes":true,"no":false,"s":"a\"b"})");
}

}  // namespace
}  // namespace vc::vlttime
