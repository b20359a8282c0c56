// The layout syntax: every kind of value, nesting, and refusals that name the line.
#include "framework/layout/layout_parser.h"

#include <gtest/gtest.h>

#include "framework/core/exception.h"

namespace ov {
namespace {

TEST(LayoutParser, ObjectsPropertiesAndEveryKindOfValue)
{
    TLayoutObject root = ParseLayout(
        "\xEF\xBB\xBF"
        "object Form1: TForm1\n"
        "  Left = -12\n"
        "  Tag = $FF\n"
        "  Caption = 'It''s '#13#10'two'#$263A + \n"
        "    ' lines \xE5\x85\xB3\xE4\xBA\x8E'\n"
        "  Font.Name = 'Tahoma'\n"
        "  Anchors = [akLeft, akTop]\n"
        "  Empty = []\n"
        "  Visible = False\n"
        "  Data = {0A ff\n   00}\n"
        "  Lines.Strings = (\n    'a'\n    'b')\n"
        "  Items = <\n    item\n      Width = 3\n    end\n    item\n    end>\n"
        "  object Panel1: TPanel\n"
        "    object Label1: TLabel\n"
        "    end\n"
        "  end\n"
        "  inherited Button1: TButton\n"
        "  end\n"
        "end\n");
    EXPECT_EQ(root.name, L"Form1");
    EXPECT_EQ(root.className, L"TForm1");
    ASSERT_EQ(root.properties.size(), 10u);
    EXPECT_EQ(root.properties[0].value.integer, -12);
    EXPECT_EQ(root.properties[1].value.integer, 255);
    EXPECT_EQ(root.properties[2].value.kind, TLayoutValue::String);
    EXPECT_EQ(root.properties[2].value.text, L"It's \r\ntwo\x263A lines \x5173\x4E8E");
    EXPECT_EQ(root.properties[3].name, L"Font.Name");
    EXPECT_EQ(root.properties[4].value.elements, (std::vector<std::wstring>{L"akLeft", L"akTop"}));
    EXPECT_TRUE(root.properties[5].value.elements.empty());
    EXPECT_EQ(root.properties[6].value.kind, TLayoutValue::Identifier);
    EXPECT_EQ(root.properties[6].value.text, L"False");
    EXPECT_EQ(root.properties[7].value.bytes, (std::vector<std::uint8_t>{0x0A, 0xFF, 0x00}));
    ASSERT_EQ(root.properties[8].value.list.size(), 2u);
    EXPECT_EQ(root.properties[8].value.list[1].text, L"b");
    ASSERT_EQ(root.properties[9].value.items.size(), 2u);
    EXPECT_EQ(root.properties[9].value.items[0][0].name, L"Width");
    EXPECT_TRUE(root.properties[9].value.items[1].empty());
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].children[0].className, L"TLabel");
    EXPECT_TRUE(root.children[1].inherited);
    EXPECT_EQ(root.children[0].line, 21);
}

// Each refusal names the line where the text went wrong.
TEST(LayoutParser, BadTextRaisesWithTheLine)
{
    struct Case {
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"object A: TA\n  X = 'open\nend\n", 2},
        {"object A: TA\n  X = 1\n", 3},            // missing end
        {"object A: TA\n  X 1\nend\n", 2},         // missing '='
        {"object A: TA\n  X = {0A 1}\nend\n", 2},  // odd hex digits
        {"object A: TA\n  X = {0G}\nend\n", 2},
        {"object A: TA\n\n  X = [a b]\nend\n", 3},
        {"object A: TA\n  X = #99999999\nend\n", 2},  // not a character
        {"object A: TA\n  X = 99999999999999999999\nend\n", 2},
        {"object A: TA\n  X = 1.5\nend\n", 2},
        {"object A: TA\nend\nobject B: TB\nend\n", 3},  // text after the root
        {"thing A: TA\nend\n", 1},
        {"object A: TA\n  X = <item Y = 1>\nend\n", 2},
        {"object A: TA\n  X = 'a' +\nend\n", 3},
    };
    for (const Case& c : cases) {
        try {
            ParseLayout(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const Exception& e) {
            std::wstring expected = L"Layout error in line " + std::to_wstring(c.line) + L":";
            EXPECT_TRUE(e.Message().starts_with(expected)) << e.what() << " for " << c.text;
        }
    }
}

TEST(LayoutParser, DeepNestingIsRefusedNotOverflowed)
{
    std::string text;
    for (int i = 0; i < 10000; ++i)
        text += "object A: TA\n";
    EXPECT_THROW(ParseLayout(text), Exception);
    std::string lists = "object A: TA\n X = ";
    lists += std::string(10000, '(');
    EXPECT_THROW(ParseLayout(lists), Exception);
}

}  // namespace
}  // namespace ov
