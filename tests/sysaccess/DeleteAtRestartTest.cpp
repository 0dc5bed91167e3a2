// The Windows 95 and 98 request to delete a file at the next start: a line in
// WININIT.INI's [rename] section, every line already there kept.
#include "sysaccess/DeleteAtRestart.h"
#include "tests/support/Machine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

const char kIni[] = "C:\\qv7wininit\\WININIT.INI";
const char kFile[] = "C:\\qv7wininit\\Long File Name.tmp";

std::string Read(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct WininitCase {
    const char* name;
    const char* before;   // NULL: no file
    const char* afterWithout;   // the result, "%s" standing for our line
};

TEST(DeleteAtRestart, WininitKeepsWhatIsThere)
{
    const WininitCase cases[] = {
        {"no file", NULL, "[rename]\r\n%s"},
        {"an earlier request", "[rename]\r\nNUL=C:\\OLD.TMP\r\n", "[rename]\r\n%sNUL=C:\\OLD.TMP\r\n"},
        {"header in capitals", "[Other]\r\nA=1\r\n[RENAME]\r\n", "[Other]\r\nA=1\r\n[RENAME]\r\n%s"},
        {"other section, no last line break", "[Other]\r\nA=1", "[Other]\r\nA=1\r\n[rename]\r\n%s"},
    };
    MakeFolders("C:\\qv7wininit");
    MakeFile(kFile);
    char shortPath[MAX_PATH];
    ASSERT_NE(0u, GetShortPathNameA(kFile, shortPath, MAX_PATH));
    ASSERT_STRNE(kFile, shortPath);
    std::string line = std::string("NUL=") + shortPath + "\r\n";
    for (const WininitCase& c : cases) {
        DeleteFileA(kIni);
        if (c.before)
            MakeFile(kIni, c.before);
        EXPECT_TRUE(AddWininitDeletion(kIni, kFile)) << c.name;
        std::string expected = c.afterWithout;
        expected.replace(expected.find("%s"), 2, line);
        EXPECT_EQ(expected, Read(kIni)) << c.name;
    }
    DeleteTree("C:\\qv7wininit");
}

}  // namespace
