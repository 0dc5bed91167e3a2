// ProductFixture: the installer's layout, written out independently of the
// uninstaller's own names.
#include "tests/support/ProductFixture.h"

#include "tests/support/Machine.h"

#include <shlobj.h>
#include <shlwapi.h>

const char kProductKeyPath[] = "Software\\OVQ\\Quorvane7";
const char kUninstallEntryPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvane7";

std::string GroupFolderFor(const std::string& family)
{
    if (family == "win98")
        return ShellFolder(CSIDL_WINDOWS) + "\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\クオーヴェイン７";
    if (family == "nt40")
        return ShellFolder(CSIDL_WINDOWS) + "\\Profiles\\All Users\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\クオーヴェイン７";
    if (family == "win2k")
        return ShellFolder(CSIDL_COMMON_STARTMENU) + "\\プログラム\\クオーヴェイン７";
    return ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\クオーヴェイン７";
}

static bool LayFiles(const InstalledProduct& product)
{
    bool ok = MakeFolders(product.installDir + "\\System") && MakeFolders(product.stockBookDir + "\\2026年") &&
              MakeFolders(product.groupDir);
    for (const char* file : {"\\QV7.EXE", "\\QVEXPLORER.EXE", "\\README.TXT", "\\System\\表計算.DLL"})
        ok = ok && MakeFile(product.installDir + file, "program");
    for (const char* file : {"\\銘柄一覧.QVB", "\\Index.dat", "\\2026年\\ソフト予定表.QVB"})
        ok = ok && MakeFile(product.stockBookDir + file, "stock book");
    for (const char* file : {"\\クオーヴェイン７.lnk", "\\ｱﾝｲﾝｽﾄｰﾙ.lnk"})
        ok = ok && MakeFile(product.groupDir + file, "link");
    return ok;
}

static bool LayKeys(const InstalledProduct& product, const std::string& family)
{
    std::string versionKey = std::string(kProductKeyPath) + "\\7.0";
    bool ok = SetRegString(kProductKeyPath, "StockBookPath", product.stockBookValue) &&
              SetRegString(versionKey, "DIRECTORY", product.installDir) &&
              SetRegString(versionKey + "\\Settings", "Window", "0,0,640,480");
    // Wine's Windows 98 mode fails to delete a tree in which a key has two
    // subkeys (access denied), which Windows 98 itself does; so one subkey there.
    if (family != "win98")
        ok = ok && SetRegString(versionKey + "\\Recent", "File1", product.stockBookDir + "\\Index.dat");
    return ok && SetRegString(kUninstallEntryPath, "DisplayName", "クオーヴェイン７") &&
           SetRegString(kUninstallEntryPath, "UninstallString", product.installDir + "\\QV7UNINSTALL.EXE");
}

bool LayProduct(const std::string& family, InstalledProduct& product)
{
    product.installDir = ShellFolder(CSIDL_PROGRAM_FILES) + "\\OVQ\\クオーヴェイン７";
    product.stockBookDir = product.installDir + "\\StockBook";
    product.stockBookValue = product.installDir + "\\STOCKBOOK";
    product.groupDir = GroupFolderFor(family);
    return LayFiles(product) && LayKeys(product, family);
}

void RemoveProductLeftovers(const std::string& family)
{
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\OVQ");
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallEntryPath);
    DeleteTree(ShellFolder(CSIDL_PROGRAM_FILES) + "\\OVQ");
    DeleteTree(GroupFolderFor(family));
}

bool IsFootprint(const std::string& line, const InstalledProduct& product)
{
    for (const std::string& part : {product.installDir, product.groupDir, std::string(kProductKeyPath) + "\\",
                                    std::string(kUninstallEntryPath)})
        if (line.find(part) != std::string::npos)
            return true;
    return line == std::string("key ") + kProductKeyPath ||
           line.rfind(std::string("value ") + kProductKeyPath + "|", 0) == 0;
}

bool SetWindowsVersion(const char* exeName, const std::string& family)
{
    std::string key = std::string("Software\\Wine\\AppDefaults\\") + exeName;
    if (SHSetValueA(HKEY_CURRENT_USER, key.c_str(), "Version", REG_SZ, family.c_str(),
                    (DWORD)family.size() + 1) != ERROR_SUCCESS)
        return false;
    // An empty override makes the DLL absent: the loader refuses a program
    // that imports it, as Windows 95, 98 and NT 4.0 would.
    std::string overrides = key + "\\DllOverrides";
    if (family == "win98" || family == "nt40")
        return SHSetValueA(HKEY_CURRENT_USER, overrides.c_str(), "userenv", REG_SZ, "", 1) == ERROR_SUCCESS;
    SHDeleteValueA(HKEY_CURRENT_USER, overrides.c_str(), "userenv");
    return true;
}
