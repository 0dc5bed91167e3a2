// Machine: the helpers over Win32 and the shell.
#include "tests/support/Machine.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <iterator>

namespace {

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
    ScopedKey key;
    if (RegOpenKeyExA(hParent, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return;
    HKEY hKey = key.Get();
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

bool MakeFolders(const std::string& path)
{
    int result = SHCreateDirectoryExA(NULL, path.c_str(), NULL);
    return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS;
}

bool MakeFile(const std::string& path, const std::string& content)
{
    ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL));
    DWORD written = 0;
    return file.IsValid() && WriteFile(file.Get(), content.data(), (DWORD)content.size(), &written, NULL) &&
           written == content.size();
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool DeleteTree(const std::string& path)
{
    std::string from = path + '\0';
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationA(&op);
    return !PathExists(path);
}

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = "";
    SHGetFolderPathA(NULL, csidl, NULL, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string ShortName(const std::string& path)
{
    char shortPath[MAX_PATH] = "";
    DWORD n = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return n > 0 && n < MAX_PATH ? shortPath : "";
}

bool SetRegString(const std::string& keyPath, const char* name, const std::string& value)
{
    return SHSetValueA(HKEY_LOCAL_MACHINE, keyPath.c_str(), name, REG_SZ, value.c_str(),
                       (DWORD)value.size() + 1) == ERROR_SUCCESS;
}

bool RegKeyExists(const std::string& keyPath)
{
    ScopedKey key;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
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
