// The uninstall run. Every name comes from the footprint, every key goes
// through CRegistryKey and every folder through RemoveFolder. A step counts
// only when it removed what it was after; no failure stops a later step.
#include "uninstall/UninstallRun.h"

#include "sysaccess/FolderTree.h"
#include "sysaccess/RegistryKey.h"
#include "sysaccess/SystemFolders.h"
#include "uninstall/Footprint.h"
#include "uninstall/SelfRemoval.h"

#include <shlobj.h>

#include <memory>
#include <vector>

const char kConfirmMessage[] = "ｱﾝｲﾝｽﾄｰﾙを実行します。よろしいですか？";

namespace {

// A program of the product, by its window class, and the refusal for it.
struct ProductProgram {
    LPCSTR windowClass;
    LPCSTR message;
};

const ProductProgram kProductPrograms[] = {
    {kMainWindowClass, "クオーヴェイン７ が起動しています。終了させてから実行してください。"},
    {kExplorerWindowClass, "クオーヴェイン エクスプローラが起動しています。終了させてから実行してください。"},
};

// The five removal steps; all five counted is a complete removal.
const int kStepCount = 5;

}  // namespace

LPCSTR RunningProgramMessage()
{
    for (const ProductProgram& program : kProductPrograms)
        if (FindWindowA(program.windowClass, NULL) != NULL)
            return program.message;
    return NULL;
}

static CString ProductSubPath() { return CString(kMakerKey) + kPathSeparator + kProductKey; }

// The folder name a path ends in: the text after its last backslash once
// trailing backslashes are dropped (the whole path without one), or empty
// where that is no folder name, as for a root such as "C:\".
static CString LastComponent(CString path)
{
    while (path.GetLength() > 0 && path.ReverseFind('\\') == path.GetLength() - 1)
        path = path.Left(path.GetLength() - 1);
    CString name = path.Right(path.GetLength() - path.ReverseFind('\\') - 1);
    return name.ReverseFind(':') >= 0 || name == "." || name == ".." ? CString() : name;
}

// Read even when the stock book stays, since the installation folder's
// removal must spare it then.
static CString StockBookPath()
{
    CString path;
    CRegistryKey productKey(ProductSubPath());
    if (productKey.KeyExists())
        productKey.GetString(kStockBookValue, path, "");
    productKey.Close();
    return path;
}

static int RemoveStockBook(BOOL bDeleteStockBook, const CString& stockBookPath)
{
    return bDeleteStockBook && !stockBookPath.IsEmpty() ? RemoveFolder(stockBookPath, NULL) : 0;
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

static int RemoveInstallFolder(const CString& folder, BOOL bDeleteStockBook, const CString& stockBookPath)
{
    if (folder.IsEmpty())
        return 0;
    CString keepName = bDeleteStockBook ? CString() : LastComponent(stockBookPath);
    // A stock book to keep whose record names no folder to spare: leaving
    // the product's files is better than deleting the user's data.
    if (!bDeleteStockBook && !stockBookPath.IsEmpty() && keepName.IsEmpty())
        return 0;
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

// The group folder by Windows family; empty when it cannot be composed,
// and then nothing is removed for it.
static CString StartMenuGroup(BOOL isNT, DWORD majorVersion)
{
    char windowsDirectory[MAX_PATH];
    UINT n = GetWindowsDirectoryA(windowsDirectory, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return CString();
    if (!isNT)
        return CString(windowsDirectory) + kPathSeparator + kGroupUnderWindows;
    if (majorVersion < 5)
        return CString(windowsDirectory) + kPathSeparator + kGroupUnderWindowsNT4;
    return StartMenuGroupNT5();
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

    CString stockBookPath = StockBookPath();
    CString installFolder = InstalledFolder();
    CString group = StartMenuGroup(isNT, version.dwMajorVersion);
    // Started from its own folder, the program moves out before the folders
    // go; where it cannot, the installation folder cannot count as removed.
    std::vector<CString> folders = {installFolder, group};
    if (bDeleteStockBook)
        folders.push_back(stockBookPath);
    BOOL bProgramGone = MoveProgramOutOf(folders, isNT);

    int removedCount = RemoveStockBook(bDeleteStockBook, stockBookPath);
    int installRemoved = RemoveInstallFolder(installFolder, bDeleteStockBook, stockBookPath);
    removedCount += bProgramGone ? installRemoved : 0;
    removedCount += !group.IsEmpty() && RemoveFolder(group, NULL) ? 1 : 0;
    removedCount += isNT ? DeleteProductKeysNT() : DeleteSubKeyOf(kMakerKey, kProductKey);
    removedCount += DeleteSubKeyOf(kUninstallList, kProductKey);
    return removedCount;
}

LPCSTR OutcomeMessage(int removedCount)
{
    if (removedCount == 0)
        return "削除されているか、削除に失敗しました。";
    if (removedCount == kStepCount)
        return "完全に削除しました。";
    return "削除に成功しました。";
}
