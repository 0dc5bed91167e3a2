// CFileFind against a real folder of the Wine prefix.
#include "framework/FileFind.h"
#include "tests/support/Machine.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class CFileFindTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        m_folder = std::string(temp) + "filefind_test";
        ASSERT_TRUE(MakeFolders(m_folder + "\\Sub"));
        for (const char* name : {"File.TXT", "予定表.dat", "ReadOnly.txt"})
            ASSERT_TRUE(MakeFile(m_folder + "\\" + name)) << name;
        SetFileAttributesA((m_folder + "\\ReadOnly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    }

    void TearDown() override
    {
        SetFileAttributesA((m_folder + "\\ReadOnly.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteTree(m_folder);
    }

    std::string m_folder;
};

TEST_F(CFileFindTest, ListsEveryEntryOnceWithItsAttributes)
{
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile((m_folder + "\\*.*").c_str()));
    std::map<std::string, int> seen;
    std::map<std::string, bool> isFolder;
    std::map<std::string, bool> isReadOnly;
    BOOL bMore = TRUE;
    while (bMore) {
        bMore = finder.FindNextFile();
        std::string name(finder.GetFileName());
        seen[name]++;
        isFolder[name] = finder.MatchesMask(FILE_ATTRIBUTE_DIRECTORY);
        isReadOnly[name] = finder.MatchesMask(FILE_ATTRIBUTE_READONLY);
    }
    const std::map<std::string, int> expected = {
        {".", 1}, {"..", 1}, {"Sub", 1}, {"File.TXT", 1}, {"予定表.dat", 1}, {"ReadOnly.txt", 1}};
    EXPECT_EQ(expected, seen);
    EXPECT_TRUE(isFolder["."]);
    EXPECT_TRUE(isFolder[".."]);
    EXPECT_TRUE(isFolder["Sub"]);
    EXPECT_FALSE(isFolder["File.TXT"]);
    EXPECT_TRUE(isReadOnly["ReadOnly.txt"]);
    EXPECT_FALSE(isReadOnly["File.TXT"]);
}

TEST_F(CFileFindTest, FindFileFailsOnMissingFolder)
{
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile((m_folder + "\\missing\\*.*").c_str()));
    EXPECT_FALSE(finder.FindNextFile());
}

// An open listing keeps its folder busy; once the listing is closed, by Close
// or by the destructor, the emptied folder can be removed.
TEST_F(CFileFindTest, ClosesOnDestruction)
{
    std::string empty = m_folder + "\\Sub";
    {
        CFileFind finder;
        ASSERT_TRUE(finder.FindFile((empty + "\\*.*").c_str()));
        ASSERT_FALSE(RemoveDirectoryA(empty.c_str()));
    }
    EXPECT_TRUE(RemoveDirectoryA(empty.c_str()));
}

}  // namespace
