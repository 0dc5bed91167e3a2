// The uninstall run. Every name comes from the footprint, every key goes
// through CRegistryKey and every folder through RemoveFolder. A step counts
// only when it removed what it was after; no failure stops a later step.
#include "uninstall/UninstallRun.h"

#include "sysaccess/FolderTree.h"
#include "sysaccess/RegistryKey.h"
#include "sysaccess/SystemFolders.h"
#include "uninstall/Footprint.h"

#include <shlobj.h>

#include <memory>

const char kConfirmMessage[] = "ｱﾝｲﾝｽﾄｰﾙを実行します。よろしいですか？";

struct RunningProgram {
    LPCSTR windowClass;
    LPCSTR message;
};

static const RunningProgram kRunningPrograms[] = {
    {kMainWindowClass, "クオーヴェイン７ が起動しています。終了させてから実行してください。"},
    {kExplorerWindowClass, "クオーヴェイン エクスプローラが起動しています。終了させてから実行してください。"},
};

LPCSTR RunningProgramMessage()
{
    for (const RunningProgram& program : kRunningPrograms)
        if (FindWindowA(program.windowClass, NULL) != NULL)
            return program.message;
    return NULL;
}

static CString ProductSubPath() { return CString(kMakerKey) + kPathSeparator + kProductKey; }

// The text after the last backslash: the whole path without one.
static CString LastComponent(const CString& path)
{
    return path.Right(path.GetLength() - path.ReverseFind('\\') - 1);
}

// The stock-book path is read even when it stays, since the installation
// folder's removal must spare it then.
static int RemoveStockBook(BOOL bDeleteStockBook, CString& stockBookPath)
{
    int removed = 0;
    CRegistryKey productKey(ProductSubPath());
    if (productKey.KeyExists()) {
        productKey.GetString(kStockBookValue, stockBookPath, "");
        if (!stockBookPath.IsEmpty() && bDeleteStockBook)
            removed = RemoveFolder(stockBookPath, NULL);
    }
    productKey.Close();
    return removed;
}

CString InstalledFolder()
{
    CString folder;
    CRegistryKey versionKey(kProductKey, kVersionKey);
    if (versionKey.KeyExists())
        versionKey.GetString(kDirectoryValue, folder, "");
    versionKey.Close();
    return folder;
}

static int RemoveInstallFolder(BOOL bDeleteStockBook, const CString& stockBookPath)
{
    CString folder = InstalledFolder();
    if (folder.IsEmpty())
        return 0;
    CString keepName = bDeleteStockBook ? CString() : LastComponent(stockBookPath);
    return RemoveFolder(folder, keepName);
}

static BOOL FolderExists(LPCSTR path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// NT 5 and later: under the all-users Start menu; where that has no group
// (from Vista on the Programs folder is "Programs" on disk whatever the
// language), under the all-users Programs folder.
static CString StartMenuGroupNT5()
{
    CString startMenu = SpecialFolderPath(CSIDL_COMMON_STARTMENU);
    if (startMenu.IsEmpty())
        return CString();
    CString group = startMenu + kPathSeparator + kGroupUnderStartMenu;
    if (FolderExists(group))
        return group;
    CString programs = SpecialFolderPath(CSIDL_COMMON_PROGRAMS);
    return programs.IsEmpty() ? CString() : programs + kPathSeparator + kGroupName;
}

static int RemoveStartMenuGroup(BOOL isNT, DWORD majorVersion)
{
    char windowsDirectory[MAX_PATH];
    UINT n = GetWindowsDirectoryA(windowsDirectory, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return 0;
    CString group;
    if (!isNT)
        group = CString(windowsDirectory) + kPathSeparator + kGroupUnderWindows;
    else if (majorVersion < 5)
        group = CString(windowsDirectory) + kPathSeparator + kGroupUnderWindowsNT4;
    else
        group = StartMenuGroupNT5();
    return !group.IsEmpty() && RemoveFolder(group, NULL) ? 1 : 0;
}

// The NT family deletes no key that has subkeys: the version key's subkeys
// go first, then the version key, then the product key.
static int DeleteProductKeysNT()
{
    BOOL bAllDeleted = TRUE;
    CRegistryKey versionKey(kProductKey, kVersionKey);
    std::unique_ptr<CStringArray> pNames(versionKey.EnumSubKeys());
    versionKey.Close();
    if (pNames) {
        for (int i = 0; i < pNames->GetSize(); i++)
            if (!versionKey.DeleteSubKey(pNames->GetAt(i)))
                bAllDeleted = FALSE;
        versionKey.Close();
    }
    CRegistryKey productKey(ProductSubPath());
    if (!productKey.DeleteSubKey(kVersionKey))
        bAllDeleted = FALSE;
    productKey.Close();
    CRegistryKey makerKey(kMakerKey);
    if (!makerKey.DeleteSubKey(kProductKey))
        bAllDeleted = FALSE;
    makerKey.Close();
    return bAllDeleted ? 1 : 0;
}

// Windows 95 and 98 delete a key with its whole subtree.
static int DeleteSubKeyOf(LPCSTR subPath, LPCSTR name)
{
    CRegistryKey key(subPath);
    int removed = key.KeyExists() && key.DeleteSubKey(name) ? 1 : 0;
    key.Close();
    return removed;
}

int RemoveProduct(BOOL bDeleteStockBook)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    BOOL isNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT;

    CString stockBookPath;
    int removedCount = RemoveStockBook(bDeleteStockBook, stockBookPath);
    removedCount += RemoveInstallFolder(bDeleteStockBook, stockBookPath);
    removedCount += RemoveStartMenuGroup(isNT, version.dwMajorVersion);
    removedCount += isNT ? DeleteProductKeysNT() : DeleteSubKeyOf(kMakerKey, kProductKey);
    removedCount += DeleteSubKeyOf(kUninstallList, kProductKey);
    return removedCount;
}

LPCSTR OutcomeMessage(int removedCount)
{
    if (removedCount == 0)
        return "削除されているか、削除に失敗しました。";
    if (removedCount == 5)
        return "完全に削除しました。";
    return "削除に成功しました。";
}
