// RemoveFolder against real folders of the Wine prefix, code page 932.
#include "sysaccess/FolderTree.h"
#include "tests/support/Machine.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <stdlib.h>

#include <string>
#include <vector>

namespace {

const std::string kRoot = "C:\\qv7tree";

std::string CurrentDirectory()
{
    char path[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, path);
    std::string s = path;
    if (s.size() > 3 && s.back() == '\\')
        s.pop_back();
    return s;
}

BOOL Remove(const std::string& path, const char* keepName) { return RemoveFolder(path.c_str(), keepName); }

class FolderTreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        MakeFolders(kRoot + "\\cwd");
        SetCurrentDirectoryA((kRoot + "\\cwd").c_str());
        m_saved = CurrentDirectory();
    }
    void TearDown() override
    {
        SetCurrentDirectoryA("C:\\");
        DeleteTree(kRoot);
    }

    // A tree under kRoot: folders end in a backslash, everything else is a file.
    static void MakeTree(const std::vector<std::string>& entries)
    {
        for (const std::string& e : entries) {
            if (e.back() == '\\')
                MakeFolders(kRoot + "\\" + e.substr(0, e.size() - 1));
            else {
                MakeFolders(kRoot + "\\" + e.substr(0, e.rfind('\\')));
                MakeFile(kRoot + "\\" + e);
            }
        }
    }

    static bool Exists(const std::string& relative) { return PathExists(kRoot + "\\" + relative); }

    std::string m_saved;
};

TEST_F(FolderTreeTest, RemovesEverythingBelowWithAnyNames)
{
    MakeTree({"top\\README.TXT", "top\\ソフト.txt", "top\\Sub\\表計算\\予定.DAT", "top\\アイコン\\",
              "top\\Empty\\", "top\\Sub\\Deeper\\ｱ.txt"});
    EXPECT_EQ(1, Remove(kRoot + "\\top", NULL));
    EXPECT_FALSE(Exists("top"));
    EXPECT_EQ(m_saved, CurrentDirectory());
}

// C:\qv7tree\予定\表 splits into C:\qv7tree\予定\ and 表, never inside 予 or 表.
TEST_F(FolderTreeTest, SplitsAtTheLastRealBackslash)
{
    MakeTree({"予定\\表\\file.txt", "予定\\other.txt", "予定\\表計算\\"});
    EXPECT_EQ(1, Remove(kRoot + "\\予定\\表", NULL));
    EXPECT_FALSE(Exists("予定\\表"));
    EXPECT_TRUE(Exists("予定\\other.txt"));
    EXPECT_TRUE(Exists("予定\\表計算"));
}

TEST_F(FolderTreeTest, FolderAtTheDriveRoot)
{
    MakeFolders("C:\\qv7root\\sub");
    MakeFile("C:\\qv7root\\sub\\f.txt");
    EXPECT_EQ(1, Remove("C:\\qv7root", NULL));
    EXPECT_FALSE(PathExists("C:\\qv7root"));
    EXPECT_EQ(m_saved, CurrentDirectory());
}

TEST_F(FolderTreeTest, KeptFolderSurvivesDirectlyInside)
{
    MakeTree({"top\\KEEP\\book.QVB", "top\\KEEP\\年\\old.QVB", "top\\keep.txt", "top\\other.txt",
              "top\\Sub\\Keep\\deep.txt", "top\\file\\"});
    MakeTree({"top\\file\\x"});
    MakeTree({"top2\\keep", "top2\\a.txt"});

    EXPECT_EQ(1, Remove(kRoot + "\\top", "Keep"));
    EXPECT_TRUE(Exists("top\\KEEP\\book.QVB"));
    EXPECT_TRUE(Exists("top\\KEEP\\年\\old.QVB"));
    EXPECT_FALSE(Exists("top\\keep.txt"));
    EXPECT_FALSE(Exists("top\\other.txt"));
    EXPECT_FALSE(Exists("top\\Sub"));   // a deeper Keep goes with the rest
    EXPECT_FALSE(Exists("top\\file"));
    EXPECT_EQ(m_saved, CurrentDirectory());

    // A file bearing the kept name is no folder to spare.
    EXPECT_EQ(1, Remove(kRoot + "\\top2", "KEEP"));
    EXPECT_FALSE(Exists("top2"));
}

TEST_F(FolderTreeTest, KeptNameHoldingTwoByteCharacters)
{
    MakeTree({"top\\アーカイブ\\a.txt", "top\\b.txt"});
    EXPECT_EQ(1, Remove(kRoot + "\\top", "アーカイブ"));
    EXPECT_TRUE(Exists("top\\アーカイブ\\a.txt"));
    EXPECT_FALSE(Exists("top\\b.txt"));
}

TEST_F(FolderTreeTest, KeptNameThatSparesNothing)
{
    const char* const keepNames[] = {"Nothing", "", NULL};
    for (const char* keep : keepNames) {
        MakeTree({"top\\KEEP\\book.QVB", "top\\a.txt"});
        EXPECT_EQ(1, Remove(kRoot + "\\top", keep)) << (keep ? keep : "null");
        EXPECT_FALSE(Exists("top")) << (keep ? keep : "null");
    }
}

struct Undeletable {
    const char* name;
    HANDLE (*hold)(const std::string& file);   // makes the file undeletable
    void (*release)(const std::string& file, HANDLE h);
};

const Undeletable kUndeletable[] = {
    {"read-only",
     [](const std::string& f) {
         SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_READONLY);
         return (HANDLE)NULL;
     },
     [](const std::string& f, HANDLE) { SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_NORMAL); }},
    {"held open without delete sharing",
     [](const std::string& f) {
         return CreateFileA(f.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
     },
     [](const std::string&, HANDLE h) { CloseHandle(h); }},
};

// The removal stops at the file it cannot delete and the current directory
// stays in that file's folder; once the file lets go, the removal completes.
TEST_F(FolderTreeTest, UndeletableFileStopsTheRemovalThere)
{
    for (const Undeletable& u : kUndeletable) {
        MakeTree({"top\\a\\b\\stuck.txt", "top\\a\\later.txt"});
        std::string stuck = kRoot + "\\top\\a\\b\\stuck.txt";
        HANDLE h = u.hold(stuck);
        EXPECT_EQ(0, Remove(kRoot + "\\top", NULL)) << u.name;
        EXPECT_EQ(kRoot + "\\top\\a\\b", CurrentDirectory()) << u.name;
        EXPECT_TRUE(PathExists(stuck)) << u.name;
        EXPECT_TRUE(Exists("top\\a")) << u.name;
        u.release(stuck, h);
        SetCurrentDirectoryA(m_saved.c_str());
        EXPECT_EQ(1, Remove(kRoot + "\\top", NULL)) << u.name;
    }
}

TEST_F(FolderTreeTest, SavedDirectoryInsideTheRemovedFolder)
{
    MakeTree({"top\\sub\\f.txt"});
    SetCurrentDirectoryA((kRoot + "\\top\\sub").c_str());
    EXPECT_EQ(1, Remove(kRoot + "\\top", NULL));
    EXPECT_FALSE(Exists("top"));
    EXPECT_EQ(kRoot, CurrentDirectory());
}

struct RefusedPath {
    const char* name;
    std::string path;
};

std::string ShortName(const std::string& path)
{
    char shortPath[MAX_PATH] = "";
    DWORD n = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return n > 0 && n < MAX_PATH ? shortPath : "";
}

std::string Parent(const std::string& path) { return path.substr(0, path.rfind('\\')); }

std::string Wow64SystemFolder()
{
    char path[MAX_PATH] = "";
    GetSystemWow64DirectoryA(path, MAX_PATH);
    return path;
}

std::string Environment(const char* name)
{
    const char* value = getenv(name);
    return value ? value : "";
}

// Refused paths change nothing, the current directory included. Each row
// names real folders: without its rule the spelling would reach them.
TEST_F(FolderTreeTest, RefusesUnsafePaths)
{
    MakeTree({"top\\a.txt", "top\\sub\\b.txt"});
    std::string windows = ShellFolder(CSIDL_WINDOWS);
    std::string programFiles = ShellFolder(CSIDL_PROGRAM_FILES);
    ASSERT_NE(programFiles, ShortName(programFiles)) << "no 8.3 name to spell it by";
    ASSERT_NE("", Environment("ProgramW6432")) << "a 64-bit prefix is needed";
    const RefusedPath refused[] = {
        {"empty", ""},
        {"bare name", "top"},
        {"relative", "qv7tree\\top"},
        {"forward slashes", "C:/qv7tree/top"},
        {"trailing backslash", kRoot + "\\top\\"},
        {"dot dot", kRoot + "\\cwd\\..\\top"},
        {"dot", kRoot + "\\.\\top"},
        {"empty component", kRoot + "\\\\top"},
        {"drive root", "C:\\"},
        {"drive only", "C:"},
        {"UNC without share", "\\\\server"},
        {"UNC with an empty server", "\\\\\\share\\folder"},
        {"Windows directory", windows},
        {"Windows directory in capitals", "C:\\WINDOWS"},
        {"trailing dot", kRoot + "\\top."},
        {"trailing space", kRoot + "\\top "},
        {"trailing dot and space", kRoot + "\\top. ."},
        {"namespace prefix", "\\\\?\\" + kRoot + "\\top"},
        {"device prefix", "\\\\.\\" + kRoot + "\\top"},
        {"wildcard", kRoot + "\\to*"},
        {"DOS wildcard", kRoot + "\\to<"},
        {"stream of the folder", kRoot + "\\top::$INDEX_ALLOCATION"},
        {"administrative share", "\\\\localhost\\C$\\qv7tree\\top"},
        {"Documents with a trailing dot", ShellFolder(CSIDL_COMMON_DOCUMENTS) + "."},
        {"holding AppData without being a system folder", Parent(ShellFolder(CSIDL_APPDATA))},
        {"Program Files by its 8.3 name", ShortName(programFiles)},
        {"native Program Files", Environment("ProgramW6432")},
        {"native Common Files", Environment("CommonProgramW6432")},
        {"WOW64 system folder", Wow64SystemFolder()},
        {"native system folder through Sysnative", windows + "\\Sysnative"},
        {"system directory", ShellFolder(CSIDL_SYSTEM)},
        {"Program Files", ShellFolder(CSIDL_PROGRAM_FILES)},
        {"profiles root", "C:\\users"},
        {"a user's profile", ShellFolder(CSIDL_PROFILE)},
        {"all users' Start Menu", ShellFolder(CSIDL_COMMON_STARTMENU)},
        {"all users' Programs", ShellFolder(CSIDL_COMMON_PROGRAMS)},
        {"the user's Desktop", ShellFolder(CSIDL_DESKTOPDIRECTORY)},
        {"folder holding the Start Menu", "C:\\ProgramData"},
    };
    std::set<std::string> before = TakeSnapshot();
    for (const RefusedPath& r : refused) {
        EXPECT_EQ(0, Remove(r.path, NULL)) << r.name << ": " << r.path;
        EXPECT_EQ(m_saved, CurrentDirectory()) << r.name;
        SetCurrentDirectoryA(m_saved.c_str());   // so that one failure names one row
    }
    EXPECT_EQ("", Changes(before, TakeSnapshot()));
    EXPECT_TRUE(Exists("top\\sub\\b.txt"));
}

// Inside a protected folder is allowed: that is where products live.
TEST_F(FolderTreeTest, FolderInsideProgramFilesIsRemovable)
{
    std::string product = ShellFolder(CSIDL_PROGRAM_FILES) + "\\qv7test\\app";
    MakeFolders(product);
    MakeFile(product + "\\a.exe");
    EXPECT_EQ(1, Remove(product, NULL));
    EXPECT_FALSE(PathExists(product));
    RemoveDirectoryA((ShellFolder(CSIDL_PROGRAM_FILES) + "\\qv7test").c_str());
}

// Made by make_linux_entries.sh: C:\qv7links\top holds a file and a link to
// a folder outside the drive; C:\qv7links\toplink is such a link.
TEST(FolderTreeLinks, NothingALinkPointsToChanges)
{
    const std::string target = QV7_LINK_TARGET;
    ASSERT_TRUE(PathExists("C:\\qv7links\\top\\Outside")) << "run through ctest, after make_linux_entries.sh";
    DWORD attributes = GetFileAttributesA("C:\\qv7links\\top\\Outside");
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_REPARSE_POINT);

    EXPECT_EQ(1, Remove("C:\\qv7links\\top", NULL));
    EXPECT_FALSE(PathExists("C:\\qv7links\\top\\own.txt"));
    EXPECT_EQ(1, Remove("C:\\qv7links\\toplink", NULL));

    for (const char* file : {"\\t1.txt", "\\sub\\t2.txt", "\\sub"})
        EXPECT_TRUE(PathExists(target + file)) << file;
    EXPECT_TRUE(PathExists(target + "\\emptysub"));
}

// Made by make_linux_entries.sh: C:\\qv7case holds a folder "Sub" and a file
// "sub". Each is deleted by its name as listed, so both go.
TEST(FolderTreeCase, NamesDifferingInCaseAloneAllGo)
{
    ASSERT_TRUE(PathExists("C:\\qv7case\\Sub\\inside.txt")) << "run through ctest, after make_linux_entries.sh";
    EXPECT_EQ(1, RemoveFolder("C:\\qv7case", NULL));
    EXPECT_FALSE(PathExists("C:\\qv7case"));
}

}  // namespace
