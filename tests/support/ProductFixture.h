// ProductFixture: the product as its installer leaves it on the machine, for
// one Windows family, written out independently of the uninstaller's own
// names; and the Windows family Wine reports to the uninstaller.
#pragma once

#include <string>

struct InstalledProduct {
    std::string installDir;     // the DIRECTORY value
    std::string stockBookDir;   // on disk, directly inside installDir
    std::string stockBookValue; // the StockBookPath value: the same folder, other letter case
    std::string groupDir;       // the Start-menu group
};

extern const char kProductKeyPath[];     // HKLM\Software\OVQ\Quorvane7
extern const char kUninstallEntryPath[]; // its entry in the list of installed programs

// family: "win98", "nt40", "win2k" or "win10", as Wine's Version setting.
// False, with what was laid down so far, when any part could not be made.
bool LayProduct(const std::string& family, InstalledProduct& product);
// Where the installer puts the Start-menu group on that family.
std::string GroupFolderFor(const std::string& family);
// Removes whatever the fixture laid down, keys and folders.
void RemoveProductLeftovers(const std::string& family);
// A snapshot line (see Machine.h) that belongs to the product.
bool IsFootprint(const std::string& line, const InstalledProduct& product);

// Wine reports this Windows version to the executable of that name; on
// win98 and nt40 it also gives it no userenv.dll, which those lack (95 and
// 98 have none; NT 4.0's has none of the profile functions).
bool SetWindowsVersion(const char* exeName, const std::string& family);
