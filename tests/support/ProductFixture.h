// ProductFixture: lays the product down as its installer leaves it, for one
// Windows family, and takes snapshots of the machine to compare afterwards.
#pragma once

#include <set>
#include <string>

struct InstalledProduct {
    std::string installDir;     // the DIRECTORY value
    std::string stockBookDir;   // on disk, directly inside installDir
    std::string stockBookValue; // the StockBookPath value: the same folder, other letter case
    std::string groupDir;       // the Start-menu group
};

// family: "win98", "nt40", "win2k" or "win10", as Wine's Version setting.
InstalledProduct LayProduct(const std::string& family);
// Where the installer puts the Start-menu group on that family.
std::string GroupFolderFor(const std::string& family);
// Removes whatever the fixture laid down, keys and folders.
void RemoveProductLeftovers(const std::string& family);

// Wine reports this Windows version to the executable of that name; on
// win98 and nt40 it also gives it no userenv.dll, which those lack (95 and
// 98 have none; NT 4.0's has none of the profile functions).
void SetWindowsVersion(const char* exeName, const std::string& family);

// Registry values below HKLM\Software (file associations and Wine's own
// network list aside) and every
// file and folder of drive C: (temporary folders aside), one line each.
std::set<std::string> TakeSnapshot();
// What differs from before to after, a line each ("- " gone, "+ " new);
// empty when nothing did.
std::string Changes(const std::set<std::string>& before, const std::set<std::string>& after);
// Lines of a that are not in b.
std::set<std::string> Missing(const std::set<std::string>& a, const std::set<std::string>& b);

// Small helpers on the real machine.
std::string ShellFolder(int csidl);
// Removes a folder tree by the shell's own means, for cleaning up.
void DeleteTree(const std::string& path);
bool PathExists(const std::string& path);
void MakeFile(const std::string& path, const std::string& content = "x");
void MakeFolders(const std::string& path);
void SetRegString(const std::string& keyPath, const char* name, const std::string& value);
bool RegKeyExists(const std::string& keyPath);
