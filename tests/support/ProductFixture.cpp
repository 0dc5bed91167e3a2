// ProductFixture: the installer's layout, written out independently of the
// uninstaller's own names.
#include "tests/support/ProductFixture.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <iterator>

namespace {

std::string WindowsDirectory()
{
    char path[MAX_PATH];
    GetWindowsDirectoryA(path, MAX_PATH);
    return path;
}

// File associations are most of the registry and nothing here goes near
// them; Wine fills in the network cards by itself, at a moment of its own.
bool IsSkippedKey(const char* name)
{
    for (const char* skipped : {"Classes", "NetworkCards"})
        if (_stricmp(name, skipped) == 0)
            return true;
    return false;
}

void SnapshotKey(HKEY hParent, const std::string& path, std::set<std::string>& lines)
{
    HKEY hKey;
    if (RegOpenKeyExA(hParent, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return;
    lines.insert("key " + path);
    for (DWORD i = 0;; i++) {
        char name[16384];
        BYTE data[65536];
        DWORD nameLength = sizeof name, size = sizeof data, type = 0;
        if (RegEnumValueA(hKey, i, name, &nameLength, NULL, &type, data, &size) != ERROR_SUCCESS)
            break;
        lines.insert("value " + path + "|" + name + "|" + std::to_string(type) + "|" +
                     std::string((char*)data, size));
    }
    for (DWORD i = 0;; i++) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(hKey, i, name, &length, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        if (!IsSkippedKey(name))
            SnapshotKey(hParent, path + "\\" + name, lines);
    }
    RegCloseKey(hKey);
}

void SnapshotFolder(const std::string& folder, std::set<std::string>& lines)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = fd.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = folder + "\\" + name;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            lines.insert("folder " + path);
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && _stricmp(name.c_str(), "temp"))
                SnapshotFolder(path, lines);
        } else {
            lines.insert("file " + path + "|" + std::to_string(fd.nFileSizeLow));
        }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

}  // namespace

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = "";
    SHGetFolderPathA(NULL, csidl, NULL, SHGFP_TYPE_CURRENT, path);
    return path;
}

void DeleteTree(const std::string& path)
{
    std::string from = path + '\0';
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationA(&op);
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void MakeFolders(const std::string& path) { SHCreateDirectoryExA(NULL, path.c_str(), NULL); }

void MakeFile(const std::string& path, const std::string& content)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD written;
    WriteFile(h, content.data(), (DWORD)content.size(), &written, NULL);
    CloseHandle(h);
}

void SetRegString(const std::string& keyPath, const char* name, const std::string& value)
{
    SHSetValueA(HKEY_LOCAL_MACHINE, keyPath.c_str(), name, REG_SZ, value.c_str(), (DWORD)value.size() + 1);
}

bool RegKeyExists(const std::string& keyPath)
{
    HKEY h;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

std::string GroupFolderFor(const std::string& family)
{
    if (family == "win98")
        return WindowsDirectory() + "\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\クオーヴェイン７";
    if (family == "nt40")
        return WindowsDirectory() + "\\Profiles\\All Users\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\クオーヴェイン７";
    if (family == "win2k")
        return ShellFolder(CSIDL_COMMON_STARTMENU) + "\\プログラム\\クオーヴェイン７";
    return ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\クオーヴェイン７";
}

InstalledProduct LayProduct(const std::string& family)
{
    InstalledProduct product;
    product.installDir = ShellFolder(CSIDL_PROGRAM_FILES) + "\\OVQ\\クオーヴェイン７";
    product.stockBookDir = product.installDir + "\\StockBook";
    product.stockBookValue = product.installDir + "\\STOCKBOOK";
    product.groupDir = GroupFolderFor(family);

    MakeFolders(product.installDir + "\\System");
    MakeFolders(product.stockBookDir + "\\2026年");
    MakeFolders(product.groupDir);
    for (const char* file : {"\\QV7.EXE", "\\QVEXPLORER.EXE", "\\README.TXT", "\\System\\表計算.DLL"})
        MakeFile(product.installDir + file, "program");
    for (const char* file : {"\\銘柄一覧.QVB", "\\Index.dat", "\\2026年\\ソフト予定表.QVB"})
        MakeFile(product.stockBookDir + file, "stock book");
    for (const char* file : {"\\クオーヴェイン７.lnk", "\\ｱﾝｲﾝｽﾄｰﾙ.lnk"})
        MakeFile(product.groupDir + file, "link");

    SetRegString("Software\\OVQ\\Quorvane7", "StockBookPath", product.stockBookValue);
    SetRegString("Software\\OVQ\\Quorvane7\\7.0", "DIRECTORY", product.installDir);
    SetRegString("Software\\OVQ\\Quorvane7\\7.0\\Settings", "Window", "0,0,640,480");
    // Wine's Windows 98 mode fails to delete a tree in which a key has two
    // subkeys (access denied), which Windows 98 itself does; so one subkey there.
    if (family != "win98")
        SetRegString("Software\\OVQ\\Quorvane7\\7.0\\Recent", "File1", product.stockBookDir + "\\Index.dat");
    SetRegString("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvane7", "DisplayName",
                 "クオーヴェイン７");
    SetRegString("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvane7", "UninstallString",
                 product.installDir + "\\QV7UNINSTALL.EXE");
    return product;
}

void RemoveProductLeftovers(const std::string& family)
{
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\OVQ");
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvane7");
    DeleteTree(ShellFolder(CSIDL_PROGRAM_FILES) + "\\OVQ");
    DeleteTree(GroupFolderFor(family));
}

void SetWindowsVersion(const char* exeName, const std::string& family)
{
    std::string key = std::string("Software\\Wine\\AppDefaults\\") + exeName;
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), "Version", REG_SZ, family.c_str(), (DWORD)family.size() + 1);
    // An empty override makes the DLL absent: the loader refuses a program
    // that imports it, as Windows 95, 98 and NT 4.0 would.
    std::string overrides = key + "\\DllOverrides";
    if (family == "win98" || family == "nt40")
        SHSetValueA(HKEY_CURRENT_USER, overrides.c_str(), "userenv", REG_SZ, "", 1);
    else
        SHDeleteValueA(HKEY_CURRENT_USER, overrides.c_str(), "userenv");
}

std::set<std::string> TakeSnapshot()
{
    std::set<std::string> lines;
    SnapshotKey(HKEY_LOCAL_MACHINE, "Software", lines);
    SnapshotFolder("C:", lines);
    return lines;
}

std::set<std::string> Missing(const std::set<std::string>& a, const std::set<std::string>& b)
{
    std::set<std::string> result;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(result, result.end()));
    return result;
}

std::string Changes(const std::set<std::string>& before, const std::set<std::string>& after)
{
    std::string text;
    for (const std::string& line : Missing(before, after))
        text += "- " + line + "\n";
    for (const std::string& line : Missing(after, before))
        text += "+ " + line + "\n";
    return text;
}
