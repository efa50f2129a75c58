#include "framework/access_keys.h"

#include <gtest/gtest.h>

#include "platform/posix/cp932.h"

namespace vc {
namespace {

struct Item {
    const char* caption;  // UTF-8
    bool visible = true;
};

struct AccessKeyCase {
    const char* what;
    std::vector<Item> before;
    std::vector<const char*> after;
    bool doubleByteSystem = true;
};

std::vector<MenuCaption> Captions(const std::vector<Item>& items) {
    std::vector<MenuCaption> captions;
    for (const Item& item : items) {
        const std::string caption = Utf8ToCp932(item.caption);
        captions.push_back({caption, item.visible, caption == "-"});
    }
    return captions;
}

class AccessKeys : public testing::TestWithParam<AccessKeyCase> {};

TEST_P(AccessKeys, KeylessVisibleItemsGetTheFirstFreeEligibleCharacter) {
    const AccessKeyCase& c = GetParam();
    std::vector<MenuCaption> captions = Captions(c.before);
    AssignAccessKeys(captions, c.doubleByteSystem);
    ASSERT_EQ(captions.size(), c.after.size());
    for (std::size_t i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(Cp932ToUtf8(captions[i].caption), c.after[i]) << c.what << ", item " << i;
    }
    // Opening again changes nothing more.
    std::vector<MenuCaption> again = captions;
    AssignAccessKeys(again, c.doubleByteSystem);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(again[i].caption, captions[i].caption) << c.what << ", item " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rule, AccessKeys,
    testing::Values(
        AccessKeyCase{"the clock's menu",
                      {{"VeltriaRuneを実行(&X)"},
                       {"24時間表記"},
                       {"リアル時間の表示(&S)"},
                       {"昼と夜で背景色変更(&H)"},
                       {"-"},
                       {"文字色の変更（ゲーム時間）(&G)"},
                       {"文字色の変更（リアル時間）(&R)"},
                       {"-"},
                       {"Ctrl + P でスクリーンショット保存(&P)"},
                       {"-"},
                       {"終了(&E)"}},
                      {"VeltriaRuneを実行(&X)", "24時間表記(&2)", "リアル時間の表示(&S)",
                       "昼と夜で背景色変更(&H)", "-", "文字色の変更（ゲーム時間）(&G)",
                       "文字色の変更（リアル時間）(&R)", "-",
                       "Ctrl + P でスクリーンショット保存(&P)", "-", "終了(&E)"}},
        AccessKeyCase{"on a single-byte system", {{"24時間表記"}}, {"&24時間表記"}, false},
        AccessKeyCase{"plain captions take the key in place",
                      {{"Open"}, {"Other"}, {"&Save"}},
                      {"&Open", "O&ther", "&Save"}},
        AccessKeyCase{"a repeated key is dropped and chosen again",
                      {{"&Open"}, {"&Other"}, {"終了(&O)"}},
                      {"&Open", "O&ther", "終了"}},
        AccessKeyCase{
            "keys of later items are not taken", {{"Save as"}, {"&Save"}}, {"S&ave as", "&Save"}},
        AccessKeyCase{"separators and hidden items neither get nor hold keys",
                      {{"-"}, {"&Apple", false}, {"Apple"}, {"Hidden", false}},
                      {"-", "&Apple", "&Apple", "Hidden"}},
        AccessKeyCase{"the key goes before a closing ellipsis", {{"設定A..."}}, {"設定A(&A)..."}},
        AccessKeyCase{"no eligible character: no key", {{"日本語"}, {"!?"}}, {"日本語", "!?"}},
        AccessKeyCase{"letters compare in upper case", {{"&a"}, {"abc"}}, {"&a", "a&bc"}}));

TEST(AccessKeys, KeyOfACaption) {
    EXPECT_EQ(AccessKeyOf("&x"), 'X');
    EXPECT_EQ(AccessKeyOf("a&&b"), 0);
    EXPECT_EQ(AccessKeyOf("a&&&b"), 'B');
    EXPECT_EQ(AccessKeyOf("abc"), 0);
}

}  // namespace
}  // namespace vc
