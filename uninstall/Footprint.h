// Footprint: the fixed names under which the product's installer left it on
// the machine. Only this product and version are recognised.
#pragma once

// Registry, below HKEY_LOCAL_MACHINE\SoftWare
extern const char kMakerKey[];             // "OVQ"
extern const char kProductKey[];           // "Quorvane7"
extern const char kVersionKey[];           // "7.0"
extern const char kDirectoryValue[];       // installation folder, REG_SZ
extern const char kStockBookValue[];       // stock-book folder, REG_SZ
extern const char kUninstallList[];        // the system list of installed programs
extern const char kPathSeparator[];        // "\\"

// Start-menu group, relative to its base folder, by Windows family
extern const char kGroupUnderWindows[];    // not NT: under the Windows directory
extern const char kGroupUnderWindowsNT4[]; // NT before 5: under the Windows directory
extern const char kGroupUnderStartMenu[];  // NT 5 and later: under the all-users Start menu
extern const char kGroupName[];            // the group folder's own name

// Window classes of the product's own programs
extern const char kMainWindowClass[];
extern const char kExplorerWindowClass[];
