// The routes the oldest systems take to their folders (shell32 4.0's lookup,
// a long name built by listing) give what the newer functions give here.
#include "sysaccess/LongPath.h"
#include "sysaccess/SystemFolders.h"
#include "tests/support/Machine.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>

namespace {

std::string ShortName(const std::string& path)
{
    char shortPath[MAX_PATH] = "";
    DWORD n = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return n > 0 && n < MAX_PATH ? shortPath : "";
}

// Wine's shell32 ends some folders in a backslash; the refusal compares
// without it.
std::string WithoutTrailingBackslash(std::string path)
{
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

// The folders shell32 4.0 knows, as 95, 98 and NT 4.0 without shfolder.dll
// ask for them.
TEST(SystemFolders, Shell32LookupAgreesWithSHGetFolderPath)
{
    const int kOldFolders[] = {CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL, CSIDL_STARTMENU,
                               CSIDL_PROGRAMS, CSIDL_COMMON_STARTMENU, CSIDL_COMMON_PROGRAMS,
                               CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_APPDATA};
    for (int csidl : kOldFolders) {
        std::string viaShell32 = WithoutTrailingBackslash((LPCSTR)SpecialFolderPath(csidl));
        EXPECT_NE("", viaShell32) << csidl;
        EXPECT_EQ(WithoutTrailingBackslash((LPCSTR)ShellFolderPath(csidl)), viaShell32) << csidl;
    }
}

TEST(SystemFolders, HoldsTheFoldersOfEveryRoute)
{
    std::vector<CString> folders = SystemFolders();
    auto has = [&](const std::string& path) {
        return std::any_of(folders.begin(), folders.end(),
                           [&](const CString& f) { return _stricmp(f, path.c_str()) == 0; });
    };
    EXPECT_TRUE(has(ShellFolder(CSIDL_WINDOWS)));
    EXPECT_TRUE(has(ShellFolder(CSIDL_COMMON_STARTMENU)));
    EXPECT_TRUE(has(ShellFolder(CSIDL_PROGRAM_FILES_COMMON)));
    EXPECT_TRUE(has(getenv("ProgramW6432")));
    for (const CString& folder : folders)
        EXPECT_FALSE(folder.IsEmpty());
}

struct LongCase {
    const char* name;
    std::string path;
};

// 95 and NT 4.0 have no GetLongPathNameA: the listing must give the same.
TEST(LongPath, ListingGivesWhatGetLongPathNameGives)
{
    std::string multibyte = "C:\\qv7long\\クオーヴェイン７ ソフト表\\Program Data";
    MakeFolders(multibyte);
    const LongCase cases[] = {
        {"Program Files", ShellFolder(CSIDL_PROGRAM_FILES)},
        {"common files", ShellFolder(CSIDL_PROGRAM_FILES_COMMON)},
        {"multibyte names", multibyte},
    };
    for (const LongCase& c : cases) {
        std::string shortPath = ShortName(c.path);
        ASSERT_NE("", shortPath) << c.name;
        EXPECT_NE(c.path, shortPath) << c.name << ": no 8.3 name to test by";
        EXPECT_STREQ(c.path.c_str(), LongPathByListing(shortPath.c_str())) << c.name;
        EXPECT_STREQ(LongPathName(shortPath.c_str()), LongPathByListing(shortPath.c_str())) << c.name;
    }
    EXPECT_STREQ("", LongPathByListing("C:\\qv7long\\absent"));
    EXPECT_STREQ("", LongPathByListing("C:\\qv7lon?"));
    DeleteTree("C:\\qv7long");
}

}  // namespace
