// CString: byte counting and the multibyte rules of the system's code page.
#include "framework/String.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* name;
    const char* path;
    int lastBackslash;
    const char* parent;   // text up to and including the last backslash
    const char* last;     // text after it
};

// Second bytes 0x5C of ソ, 予 and 表 are never a backslash.
const SplitCase kSplitCases[] = {
    {"kanji path", "C:\\予定\\表", 7, "C:\\予定\\", "表"},
    {"ソ alone", "ソ", -1, "", "ソ"},
    {"ソ after root", "C:\\ソ", 2, "C:\\", "ソ"},
    {"表 before separator", "表\\", 2, "表\\", ""},
    {"ascii", "C:\\Program Files\\App", 16, "C:\\Program Files\\", "App"},
    {"no separator", "abc", -1, "", "abc"},
};

TEST(CStringMultibyte, ReverseFindSkipsSecondBytes)
{
    ASSERT_EQ(932u, GetACP());
    for (const SplitCase& c : kSplitCases) {
        CString path(c.path);
        int pos = path.ReverseFind('\\');
        EXPECT_EQ(c.lastBackslash, pos) << c.name;
        EXPECT_STREQ(c.parent, path.Left(pos + 1)) << c.name;
        EXPECT_STREQ(c.last, path.Right(path.GetLength() - pos - 1)) << c.name;
    }
}

struct LowerCase {
    const char* name;
    const char* text;
    const char* lower;
};

const LowerCase kLowerCases[] = {
    {"A-Z", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz"},
    {"ア keeps its second byte 0x41", "ア", "ア"},
    {"half-width katakana", "ｸｵｰｳﾞｪｲﾝ", "ｸｵｰｳﾞｪｲﾝ"},
    {"mixed", "README予定ア.TXT", "readme予定ア.txt"},
    {"ソ and 表 followed by capitals", "ソA表B", "ソa表b"},
    {"full-width capital through the locale", "Ａ", "ａ"},
};

TEST(CStringMultibyte, MakeLowerByCharacters)
{
    ASSERT_EQ(932u, GetACP());
    for (const LowerCase& c : kLowerCases) {
        CString text(c.text);
        text.MakeLower();
        EXPECT_STREQ(c.lower, text) << c.name;
        EXPECT_EQ((int)strlen(c.text), text.GetLength()) << c.name;
    }
}

TEST(CStringMultibyte, MakeLowerChangesOnlyItsOwnCopy)
{
    char buffer[] = "ABC";
    CString text(buffer);
    CString copy(text);
    text.MakeLower();
    EXPECT_STREQ("ABC", buffer);
    EXPECT_STREQ("ABC", copy);
}

// Run under a Western locale: the same bytes are single-byte characters.
TEST(CStringSingleByte, EveryByteIsACharacter)
{
    ASSERT_EQ(1252u, GetACP());
    CString path("C:\\\x97\x5C");
    EXPECT_EQ(4, path.ReverseFind('\\'));
    CString text("\x83\x41\xC0");
    text.MakeLower();
    EXPECT_STREQ("\x83\x61\xE0", text);
}

TEST(CString, LengthsCountBytes)
{
    CString text("予定ABC");
    EXPECT_EQ(7, text.GetLength());
    EXPECT_STREQ("予定", text.Left(4));
    EXPECT_STREQ("ABC", text.Right(3));
    EXPECT_STREQ("", text.Left(-1));
    EXPECT_STREQ("予定ABC", text.Right(99));
    EXPECT_STREQ("定A", text.Mid(2, 3));
    EXPECT_STREQ("BC", text.Mid(5, 99));
    EXPECT_STREQ("", text.Mid(9, 1));
    EXPECT_EQ(3, CString("abc\0def", 3).GetLength());
}

TEST(CString, ConcatenationAndComparison)
{
    CString path = CString("C:\\") + "予定" + CString("\\") + "表";
    EXPECT_STREQ("C:\\予定\\表", path);
    path += '\\';
    path += CString("x");
    EXPECT_TRUE(path == "C:\\予定\\表\\x");
    EXPECT_TRUE(path != "c:\\予定\\表\\x");
    EXPECT_LT(CString("a").Compare("b"), 0);
    EXPECT_TRUE(CString().IsEmpty());
    CString cleared("x");
    cleared.Empty();
    EXPECT_TRUE(cleared.IsEmpty());
}

TEST(CString, LoadStringFromResources)
{
    CString text;
    EXPECT_TRUE(text.LoadString(1));
    EXPECT_STREQ("テスト文字列", text);
    EXPECT_FALSE(text.LoadString(9999));
    EXPECT_TRUE(text.IsEmpty());
}

}  // namespace
