// CRegistryKey against Wine's registry, below HKLM\SoftWare\QV7Tests.
#include "sysaccess/RegistryKey.h"
#include "tests/support/Machine.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <set>
#include <string>

namespace {

const char kRoot[] = "SoftWare\\QV7Tests";

class CRegistryKeyTest : public testing::Test {
protected:
    void SetUp() override { SHDeleteKeyA(HKEY_LOCAL_MACHINE, kRoot); }
    void TearDown() override { SHDeleteKeyA(HKEY_LOCAL_MACHINE, kRoot); }

    static std::string Path(const char* sub) { return std::string(kRoot) + "\\" + sub; }

    static void MakeKey(const char* sub)
    {
        ScopedKey key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, Path(sub).c_str(), 0, NULL, 0,
                                                 KEY_ALL_ACCESS, NULL, key.Receive(), NULL));
    }

    static void SetRaw(const char* sub, const char* name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_NO_FATAL_FAILURE(MakeKey(sub));
        ASSERT_EQ(ERROR_SUCCESS, SHSetValueA(HKEY_LOCAL_MACHINE, Path(sub).c_str(), name, type, data, size));
    }

    static bool KeyPresent(const char* sub) { return RegKeyExists(Path(sub)); }

    // Type and size of a stored value; size 0 and type REG_NONE when absent.
    static std::pair<DWORD, DWORD> RawValue(const char* sub, const char* name, char* data)
    {
        DWORD type = REG_NONE, size = 2048;
        if (SHGetValueA(HKEY_LOCAL_MACHINE, Path(sub).c_str(), name, &type, data, &size))
            return {REG_NONE, 0};
        return {type, size};
    }
};

// The product-and-version form is rooted at SoftWare\OVQ, the other at SoftWare.
TEST_F(CRegistryKeyTest, ConstructorsJoinThePathExactly)
{
    const char productKey[] = "Software\\OVQ\\QV7TestProduct";
    {
        ScopedKey key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\OVQ\\QV7TestProduct\\1.5",
                                                 0, NULL, 0, KEY_ALL_ACCESS, NULL, key.Receive(), NULL));
    }
    EXPECT_TRUE(CRegistryKey("QV7TestProduct", "1.5").KeyExists());
    EXPECT_FALSE(CRegistryKey("QV7TestProduct", "1.50").KeyExists());
    EXPECT_TRUE(CRegistryKey("OVQ\\QV7TestProduct\\1.5").KeyExists());
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, productKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\OVQ");  // only when nothing else is below it
}

TEST_F(CRegistryKeyTest, CloseOnNewObjectHoldsNothing)
{
    CRegistryKey key("QV7Tests\\Never");
    EXPECT_FALSE(key.Close());
    EXPECT_FALSE(KeyPresent("Never"));
}

TEST_F(CRegistryKeyTest, KeyExistsLeavesNoHandle)
{
    MakeKey("Present");
    CRegistryKey present("QV7Tests\\Present");
    EXPECT_TRUE(present.KeyExists());
    EXPECT_FALSE(present.Close());
    CRegistryKey missing("QV7Tests\\Missing");
    EXPECT_FALSE(missing.KeyExists());
    EXPECT_FALSE(missing.Close());
    EXPECT_FALSE(KeyPresent("Missing"));
}

TEST_F(CRegistryKeyTest, EnumSubKeysEmptyListOrNull)
{
    MakeKey("Parent\\b");
    MakeKey("Parent\\a");
    MakeKey("Parent\\予定");
    MakeKey("Parent\\a\\deeper");
    MakeKey("Leaf");

    CRegistryKey parent("QV7Tests\\Parent");
    CStringArray* pNames = parent.EnumSubKeys();
    ASSERT_NE(nullptr, pNames);
    std::set<std::string> names;
    for (int i = 0; i < pNames->GetSize(); i++)
        names.insert((LPCSTR)pNames->GetAt(i));
    EXPECT_EQ(3, pNames->GetSize());
    EXPECT_EQ((std::set<std::string>{"a", "b", "予定"}), names);
    delete pNames;
    EXPECT_FALSE(parent.Close());

    CStringArray* pEmpty = CRegistryKey("QV7Tests\\Leaf").EnumSubKeys();
    ASSERT_NE(nullptr, pEmpty);
    EXPECT_EQ(0, pEmpty->GetSize());
    delete pEmpty;

    EXPECT_EQ(nullptr, CRegistryKey("QV7Tests\\Missing").EnumSubKeys());
}

TEST_F(CRegistryKeyTest, DeleteSubKey)
{
    MakeKey("Parent\\Leaf");
    MakeKey("Parent\\Branch\\Twig");
    CRegistryKey parent("QV7Tests\\Parent");

    EXPECT_TRUE(parent.DeleteSubKey("Leaf"));
    EXPECT_FALSE(KeyPresent("Parent\\Leaf"));
    EXPECT_FALSE(parent.Close());

    // A missing name fails and leaves the key open until the next operation.
    EXPECT_FALSE(parent.DeleteSubKey("Missing"));
    EXPECT_TRUE(parent.Close());
    EXPECT_FALSE(parent.DeleteSubKey("Missing"));
    EXPECT_TRUE(parent.KeyExists());
    EXPECT_FALSE(parent.Close());

    // NT family: a subkey with subkeys of its own stays.
    EXPECT_FALSE(parent.DeleteSubKey("Branch"));
    EXPECT_TRUE(KeyPresent("Parent\\Branch\\Twig"));
    EXPECT_TRUE(parent.Close());

    EXPECT_FALSE(CRegistryKey("QV7Tests\\Missing").DeleteSubKey("Leaf"));
}

TEST_F(CRegistryKeyTest, GetStringOnMissingKeyStoresDefault)
{
    CRegistryKey key("QV7Tests\\New");
    CString value("untouched");
    EXPECT_TRUE(key.GetString("Path", value, "C:\\既定"));
    EXPECT_STREQ("C:\\既定", value);
    EXPECT_FALSE(key.Close());
    char data[2048];
    auto [type, size] = RawValue("New", "Path", data);
    EXPECT_EQ((DWORD)REG_SZ, type);
    EXPECT_STREQ("C:\\既定", data);

    CRegistryKey empty("QV7Tests\\NewEmpty");
    EXPECT_TRUE(empty.GetString("Path", value, ""));
    EXPECT_STREQ("", value);
    auto [emptyType, emptySize] = RawValue("NewEmpty", "Path", data);
    EXPECT_EQ((DWORD)REG_SZ, emptyType);
    EXPECT_EQ(1u, emptySize);
    EXPECT_EQ('\0', data[0]);
}

TEST_F(CRegistryKeyTest, GetStringOnExistingKeyWithoutValue)
{
    MakeKey("Existing");
    CRegistryKey key("QV7Tests\\Existing");
    CString value("untouched");
    EXPECT_FALSE(key.GetString("Path", value, "default"));
    EXPECT_STREQ("untouched", value);
    char data[2048];
    EXPECT_EQ((DWORD)REG_NONE, RawValue("Existing", "Path", data).first);
    EXPECT_FALSE(key.Close());
}

TEST_F(CRegistryKeyTest, GetStringReadsOnlyStringsThatFit)
{
    std::string fits(1023, 'x');
    std::string tooLong(1024, 'y');
    SetRaw("Values", "Fits", REG_SZ, fits.c_str(), 1024);
    SetRaw("Values", "TooLong", REG_SZ, tooLong.c_str(), 1025);
    SetRaw("Values", "Expand", REG_EXPAND_SZ, "%WINDIR%", 9);
    SetRaw("Values", "Dword", REG_DWORD, "\1\0\0\0", 4);
    SetRaw("Values", "Unterminated", REG_SZ, "abcdef", 3);
    SetRaw("Values", "Kanji", REG_SZ, "C:\\予定\\表", 11);

    struct Case {
        const char* valueName;
        BOOL bRead;
        std::string expected;
    } cases[] = {
        {"Fits", TRUE, fits},
        {"TooLong", FALSE, "untouched"},
        {"Expand", FALSE, "untouched"},
        {"Dword", FALSE, "untouched"},
        {"Unterminated", TRUE, "abc"},
        {"Kanji", TRUE, "C:\\予定\\表"},
    };
    CRegistryKey key("QV7Tests\\Values");
    for (const Case& c : cases) {
        CString value("untouched");
        EXPECT_EQ(c.bRead, key.GetString(c.valueName, value, "")) << c.valueName;
        EXPECT_EQ(c.expected, (LPCSTR)value) << c.valueName;
        EXPECT_FALSE(key.Close()) << c.valueName;
    }
}

TEST_F(CRegistryKeyTest, SetStringThenGetString)
{
    CRegistryKey key("QV7Tests\\RoundTrip\\Deep");
    EXPECT_TRUE(key.SetString("DIRECTORY", "C:\\Program Files\\クオーヴェイン７"));
    EXPECT_FALSE(key.Close());
    EXPECT_TRUE(key.SetString("DIRECTORY", "C:\\ソフト"));
    CString value;
    EXPECT_TRUE(key.GetString("DIRECTORY", value, "default"));
    EXPECT_STREQ("C:\\ソフト", value);
}

}  // namespace
