// The resources of the built QV7UNINSTALL.EXE, read back from the file.
#include "framework/AfxRes.h"
#include "res/resource.h"
#include "tests/support/DialogTemplate.h"
#include "tests/support/Gui.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ExpectedItem {
    int id;
    const wchar_t* className;
    const char* text;   // Shift-JIS, or "#n" for an ordinal
    DWORD style;
    short x, y, cx, cy;
};

const wchar_t kButton[] = L"BUTTON";
const wchar_t kStatic[] = L"STATIC";

// A template names a predefined class by ordinal or by name; both are the class.
std::wstring ClassOf(const std::wstring& name)
{
    if (name == L"#128")
        return kButton;
    if (name == L"#130")
        return kStatic;
    std::wstring upper = name;
    for (wchar_t& c : upper)
        c = towupper(c);
    return upper;
}

void ExpectItems(const DialogTemplate& dlg, const ExpectedItem* expected, size_t count)
{
    ASSERT_EQ(count, dlg.items.size());
    for (size_t i = 0; i < count; i++) {
        const DialogItem& item = dlg.items[i];
        const ExpectedItem& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(i + 1));
        EXPECT_EQ(e.id, item.id);
        EXPECT_EQ(std::wstring(e.className), ClassOf(item.className));
        EXPECT_EQ(ToWide(e.text), item.text);
        EXPECT_EQ(e.style, item.style);
        EXPECT_EQ(0u, item.exStyle);
        EXPECT_EQ(0u, item.helpId);
        EXPECT_EQ(e.x, item.x);
        EXPECT_EQ(e.y, item.y);
        EXPECT_EQ(e.cx, item.cx);
        EXPECT_EQ(e.cy, item.cy);
    }
}

const ExpectedItem kMainItems[] = {
    {IDCANCEL, kButton, "ｷｬﾝｾﾙ", 0x50030001, 135, 150, 50, 14},
    {IDOK, kButton, "実行", 0x50014000, 80, 150, 50, 14},
    {IDC_DELETE_STOCKBOOK, kButton, "ｽﾄｯｸﾌﾞｯｸ削除", 0x50010003, 65, 125, 57, 10},
    {IDC_INSTALL_PATH, kStatic, "", 0x50020000, 20, 10, 155, 8},
    {-1, kStatic, "  にインストールされている クオーヴェイン７ を削除します。", 0x50020000, 20, 20, 150, 25},
    {-1, kStatic, "  削除する場合は実行を押してください。やめる場合はキャンセルを押してください。",
     0x50020000, 20, 50, 155, 25},
    {-1, kStatic,
     "  注意：アンインストールを実行するとストックブックも削除されてしまいます。"
     "削除したくない場合は、下のチェックをはずして下さい。",
     0x50020000, 20, 90, 155, 30},
    {-1, kButton, "", 0x50000007, 5, 0, 180, 80},
    {-1, kButton, "", 0x50000007, 5, 80, 180, 60},
};

TEST(Resources, MainDialogTemplate)
{
    DialogTemplate dlg;
    ASSERT_TRUE(ReadDialogTemplate(QV7_EXE, IDD_UNINSTALL_DIALOG, dlg));
    EXPECT_TRUE(dlg.extended);
    EXPECT_EQ(0x90C800C0u, dlg.style);
    EXPECT_EQ(0x00040000u, dlg.exStyle);
    EXPECT_EQ(0u, dlg.helpId);
    EXPECT_EQ(0, dlg.x);
    EXPECT_EQ(0, dlg.y);
    EXPECT_EQ(191, dlg.cx);
    EXPECT_EQ(169, dlg.cy);
    EXPECT_EQ(L"", dlg.menu);
    EXPECT_EQ(L"", dlg.className);
    EXPECT_EQ(ToWide("クオーヴェイン７ ｱﾝｲﾝｽﾄｰﾗｰ"), dlg.caption);
    EXPECT_EQ(ToWide("ＭＳ Ｐゴシック"), dlg.font);
    EXPECT_EQ(9, dlg.pointSize);
    EXPECT_EQ(0, dlg.weight);
    EXPECT_EQ(0, dlg.italic);
    EXPECT_EQ(DEFAULT_CHARSET, dlg.charset);
    ExpectItems(dlg, kMainItems, sizeof kMainItems / sizeof kMainItems[0]);
}

const ExpectedItem kAboutItems[] = {
    {-1, kStatic, "#128", 0x50000003, 11, 17, 20, 20},
    {-1, kStatic, "QV7Uninstall Version 1.0", 0x50020080, 40, 10, 119, 8},
    {-1, kStatic, "Copyright (C) 1999 OVQ", 0x50020000, 40, 25, 119, 8},
    {IDOK, kButton, "OK", 0x50030001, 178, 7, 32, 14},
};

TEST(Resources, AboutBoxTemplate)
{
    DialogTemplate dlg;
    ASSERT_TRUE(ReadDialogTemplate(QV7_EXE, IDD_ABOUTBOX, dlg));
    EXPECT_FALSE(dlg.extended);
    EXPECT_EQ(0x80C800C0u, dlg.style);
    EXPECT_EQ(0u, dlg.exStyle);
    EXPECT_EQ(0, dlg.x);
    EXPECT_EQ(0, dlg.y);
    EXPECT_EQ(217, dlg.cx);
    EXPECT_EQ(55, dlg.cy);
    EXPECT_EQ(ToWide("ﾊﾞｰｼﾞｮﾝ情報 QV7Uninstall"), dlg.caption);
    EXPECT_EQ(ToWide("ＭＳ Ｐゴシック"), dlg.font);
    EXPECT_EQ(9, dlg.pointSize);
    ExpectItems(dlg, kAboutItems, sizeof kAboutItems / sizeof kAboutItems[0]);
}

// Two images, 32 x 32 then 16 x 16, both 256 colours.
TEST(Resources, IconGroupHoldsBothImages)
{
    std::string group = ReadResource(QV7_EXE, (LPCSTR)RT_GROUP_ICON, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_EQ(6u + 2 * 14, group.size());
    const BYTE* p = (const BYTE*)group.data();
    EXPECT_EQ(2, p[4]);
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; i++) {
        const BYTE* entry = p + 6 + 14 * i;
        EXPECT_EQ(sizes[i], entry[0]);
        EXPECT_EQ(sizes[i], entry[1]);
        EXPECT_EQ(8, *(const WORD*)(entry + 6));
    }
}

TEST(Resources, StringsAreJapanese)
{
    HMODULE hModule = LoadLibraryExA(QV7_EXE, NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, hModule);
    char text[256];
    LoadStringA(hModule, IDS_ABOUTBOX, text, sizeof text);
    EXPECT_STREQ("ﾊﾞｰｼﾞｮﾝ情報(QV7Uninstall) (&A)...", text);
    LoadStringA(hModule, AFX_IDS_APP_TITLE, text, sizeof text);
    EXPECT_STREQ("ｸｵｰｳﾞｪｲﾝ7 ｱﾝｲﾝｽﾄﾗｰ", text);
    // Every resource is in language 0x0411.
    HRSRC hRes = FindResourceExA(hModule, (LPCSTR)RT_STRING, MAKEINTRESOURCEA(IDS_ABOUTBOX / 16 + 1),
                                 MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    EXPECT_NE(nullptr, hRes);
    EXPECT_NE(nullptr, FindResourceExA(hModule, (LPCSTR)RT_DIALOG, MAKEINTRESOURCEA(IDD_UNINSTALL_DIALOG),
                                       MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)));
    FreeLibrary(hModule);
}

}  // namespace

namespace {

std::string VersionString(const std::vector<char>& info, const char* key)
{
    char* value = nullptr;
    UINT length = 0;
    std::string path = std::string("\\StringFileInfo\\041104b0\\") + key;
    if (!VerQueryValueA(info.data(), path.c_str(), (void**)&value, &length) || !value)
        return "(missing)";
    return std::string(value);
}

TEST(Resources, VersionBlock)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(QV7_EXE, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(QV7_EXE, 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", (void**)&fixed, &length));
    EXPECT_EQ(MAKELONG(0, 1), fixed->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(1, 0), fixed->dwFileVersionLS);
    EXPECT_EQ(MAKELONG(0, 1), fixed->dwProductVersionMS);
    EXPECT_EQ(MAKELONG(1, 0), fixed->dwProductVersionLS);
    EXPECT_EQ(0x3Fu, fixed->dwFileFlagsMask);
    EXPECT_EQ(0u, fixed->dwFileFlags);
    EXPECT_EQ((DWORD)VOS__WINDOWS32, fixed->dwFileOS);
    EXPECT_EQ((DWORD)VFT_APP, fixed->dwFileType);
    EXPECT_EQ(0u, fixed->dwFileSubtype);
    EXPECT_EQ(0u, fixed->dwFileDateMS);
    EXPECT_EQ(0u, fixed->dwFileDateLS);

    const std::pair<const char*, const char*> strings[] = {
        {"CompanyName", "OVQ"},
        {"FileDescription", "ｸｵｰｳﾞｪｲﾝ7 ｱﾝｲﾝｽﾄｰﾙ ｱﾌﾟﾘｹｰｼｮﾝ"},
        {"FileVersion", "Version 1.0"},
        {"InternalName", "QV7UNINSTALL"},
        {"LegalCopyright", "Copyright (C) 1999 OVQ"},
        {"OriginalFilename", "QV7UNINSTALL.EXE"},
        {"ProductName", "QV7UNINSTALL ｱﾌﾟﾘｹｰｼｮﾝ"},
        {"ProductVersion", "Version 1.0"},
    };
    for (const auto& [key, value] : strings)
        EXPECT_EQ(value, VersionString(info, key)) << key;

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", (void**)&translation, &length));
    ASSERT_EQ(4u, length);
    EXPECT_EQ(0x0411, translation[0]);
    EXPECT_EQ(1200, translation[1]);
}

// The start tags of an XML text, comments and declarations left out.
std::vector<std::string> StartTags(const std::string& xml)
{
    std::vector<std::string> tags;
    for (size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
        if (xml.compare(at, 4, "<!--") == 0) {
            at = xml.find("-->", at);
            continue;
        }
        if (xml[at + 1] != '?' && xml[at + 1] != '/')
            tags.push_back(xml.substr(at, xml.find('>', at) - at + 1));
    }
    return tags;
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        n++;
    return n;
}

// Accepted from XP on: trustInfo in its own namespace, no element declaring
// two (XP SP2 can crash on that); Vista to 10/11 named; system DPI aware.
TEST(Resources, ManifestEverySystemAccepts)
{
    std::string manifest = ReadResource(QV7_EXE, (LPCSTR)RT_MANIFEST, MAKEINTRESOURCEA(1));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(std::string::npos, manifest.find("requestedExecutionLevel level=\"requireAdministrator\""));
    EXPECT_NE(std::string::npos, manifest.find("<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">"));
    for (const std::string& tag : StartTags(manifest))
        EXPECT_LE(Count(tag, "xmlns"), 1u) << tag;
    const std::pair<const char*, const char*> systems[] = {
        {"Vista", "{e2011457-1546-43c5-a5fe-008deee3d3f0}"}, {"7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
        {"8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},     {"8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
        {"10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
    };
    for (const auto& [name, id] : systems)
        EXPECT_NE(std::string::npos, manifest.find(std::string("<supportedOS Id=\"") + id + "\"/>")) << name;
    EXPECT_NE(std::string::npos, manifest.find(">true</dpiAware>"));
}

}  // namespace
