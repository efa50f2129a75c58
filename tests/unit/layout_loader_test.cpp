#include "framework/layout_loader.h"

#include <gtest/gtest.h>

#include <limits>

#include "framework/application.h"
#include "framework/errors.h"
#include "framework/form.h"
#include "framework/image.h"
#include "framework/label.h"
#include "framework/menu.h"
#include "framework/timer.h"
#include "platform/posix/cp932.h"
#include "tests/support/scripted_window_system.h"

namespace vc {
namespace {

class TTestForm final : public TForm {
  public:
    using TForm::TForm;
    const char* ClassName() const override { return "TTestForm"; }
    TNotifyEvent FindHandler(std::string_view name) override {
        if (name != "Clicked") {
            return {};
        }
        return [this](TObject* sender) { clickedBy = sender; };
    }
    TMouseEvent FindMouseHandler(std::string_view) override { return {}; }

    TObject* clickedBy = nullptr;
};

class LayoutLoader : public testing::Test {
  protected:
    void Load(std::string_view text) {
        const LayoutSources sources{Utf8ToCp932, [](const std::string& name) {
                                        if (name != "PIC") {
                                            throw std::runtime_error("no resource " + name);
                                        }
                                        Bitmap picture(2, 1, Rgb{1, 2, 3});
                                        return EncodeBmp24(picture);
                                    }};
        LoadLayout(form, text, ComponentRegistry::WithStandardKinds(), sources);
    }

    ScriptedWindowSystem system;
    TApplication application{system, "Test"};
    TTestForm form{application};
};

TEST_F(LayoutLoader, BuildsComponentsWithTheirPropertiesParentsAndEvents) {
    Load(R"(// a comment
object Main: TTestForm
  Caption = 'It''s'
  ClientWidth = 50
  ClientHeight = 20
  object Picture1: TImage
    Left = 1
    Top = 2
    Width = 2
    Height = 1
    Picture = 'PIC'
    PopupMenu = Menu
    OnClick = Clicked
  end
  object Text: TLabel
    Left = 5
    Caption = '日本'
    Font.Color = $0000FF
    Font.Style = [fsBold]
  end
  object Menu: TPopupMenu
    AutoPopup = False
    object First: TMenuItem
      Caption = 'A'
      Checked = True
    end
  end
  object Ticker: TTimer
    Interval = 10
  end
end
)");
    EXPECT_EQ(form.Name(), "Main");
    EXPECT_EQ(form.Caption(), "It's");
    EXPECT_EQ(form.BoundsRect(), RectAt(0, 0, 50, 20));
    auto& picture = FindAs<TImage>(form, "Picture1");
    EXPECT_EQ(picture.BoundsRect(), RectAt(1, 2, 2, 1));
    EXPECT_EQ(picture.Picture().At(1, 0), (Rgb{1, 2, 3}));
    EXPECT_EQ(picture.Parent(), &form);
    auto& menu = FindAs<TPopupMenu>(form, "Menu");
    EXPECT_EQ(picture.PopupMenu(), &menu);
    picture.OnClick(&picture);
    EXPECT_EQ(form.clickedBy, &picture);
    auto& text = FindAs<TLabel>(form, "Text");
    EXPECT_EQ(Cp932ToUtf8(text.Caption()), "日本");
    EXPECT_EQ(text.Font().Color, 0x0000FFu);
    EXPECT_TRUE(text.Font().Bold);
    EXPECT_EQ(text.BoundsRect(), RectAt(5, 0, 24, 12)) << "sized to its text once loaded";
    ASSERT_EQ(menu.Items().size(), 1u);
    EXPECT_TRUE(menu.Items()[0]->Checked());
    EXPECT_FALSE(menu.AutoPopup());
    EXPECT_EQ(FindAs<TTimer>(form, "Ticker").Interval(), 10);
    ASSERT_EQ(form.Controls().size(), 2u);
    EXPECT_EQ(form.Controls()[0], &picture) << "stacking order is the layout's order";
}

// Positions and sizes near the int limits: the far edges stop at the limit instead of
// wrapping round.
TEST_F(LayoutLoader, FarEdgesStopAtTheIntLimits) {
    Load(R"(object Main: TTestForm
  Left = 2001882257
  Top = -2001882257
  Width = 2107039714
  Height = -2107039714
end
)");
    EXPECT_EQ(form.BoundsRect(), (Rect{2001882257, -2001882257, std::numeric_limits<int>::max(),
                                       std::numeric_limits<int>::min()}));
}

struct BadLayout {
    const char* what;
    const char* text;
    int line;
    const char* message;
};

class LayoutErrors : public LayoutLoader, public testing::WithParamInterface<BadLayout> {};

TEST_P(LayoutErrors, NameTheProblemAndItsLine) {
    const BadLayout& c = GetParam();
    try {
        Load(c.text);
        FAIL() << c.what << ": loaded";
    } catch (const ELayoutError& error) {
        EXPECT_EQ(error.Line(), c.line) << c.what;
        EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
            << c.what << ": " << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LayoutErrors,
    testing::Values(
        BadLayout{"unknown kind", "object F: TTestForm\n  object X: TButton\n  end\nend\n", 2,
                  "unknown kind TButton"},
        BadLayout{"unknown property", "object F: TTestForm\n  object X: TLabel\n    Wrap = True\n",
                  3, "TLabel has no property Wrap"},
        BadLayout{"unknown handler",
                  "object F: TTestForm\n  object X: TImage\n    OnClick = Pressed\n  end\nend\n", 3,
                  "unknown handler Pressed"},
        BadLayout{"malformed line", "object F: TTestForm\n  Caption 'x'\nend\n", 2,
                  "cannot read \"Caption 'x'\""},
        BadLayout{"unclosed text", "object F: TTestForm\n  Caption = 'x\nend\n", 2, "cannot read"},
        BadLayout{"text that is not UTF-8", "object F: TTestForm\n  Caption = 'a\xFF'\nend\n", 2,
                  "text is not valid UTF-8"},
        BadLayout{"text CP932 cannot hold",
                  "object F: TTestForm\n  Caption = '\xF0\x9F\x98\x80'\nend\n", 2,
                  "cannot read \"'\xF0\x9F\x98\x80'\""},
        BadLayout{"wrong kind of value", "object F: TTestForm\n  ClientWidth = 'wide'\nend\n", 2,
                  "expected a number"},
        BadLayout{"unknown name", "object F: TTestForm\n  FormStyle = fsMDIChild\nend\n", 2,
                  "expected fsNormal or fsStayOnTop"},
        BadLayout{"missing end", "object F: TTestForm\n  object X: TLabel\nend\n", 3,
                  "object of line 1 has no end"},
        BadLayout{"end without object", "object F: TTestForm\nend\nend\n", 3,
                  "text after the form's end"},
        BadLayout{"another form", "object F: TOtherForm\nend\n", 1,
                  "the form is a TTestForm, not a TOtherForm"},
        BadLayout{"unknown reference",
                  "object F: TTestForm\n  object X: TImage\n    PopupMenu = Nowhere\n  end\nend\n",
                  3, "no component named Nowhere"},
        BadLayout{"reference of the wrong kind",
                  "object F: TTestForm\n  object X: TImage\n    PopupMenu = X\n  end\nend\n", 3,
                  "X is not a popup menu"},
        BadLayout{
            "same name twice",
            "object F: TTestForm\n  object X: TImage\n  end\n  object X: TLabel\n  end\nend\n", 4,
            "a second component named X"},
        BadLayout{"a menu item on the form",
                  "object F: TTestForm\n  object X: TMenuItem\n  end\nend\n", 2,
                  "TTestForm cannot hold a TMenuItem"},
        BadLayout{"missing picture",
                  "object F: TTestForm\n  object X: TImage\n    Picture = 'NONE'\n  end\nend\n", 3,
                  "no resource NONE"},
        BadLayout{"empty layout", "// nothing\n", 1, "no form in the layout"}));

}  // namespace
}  // namespace vc
