// Footprint: the names as the product's installer wrote them, Shift-JIS.
#include "uninstall/Footprint.h"

const char kMakerKey[] = "OVQ";
const char kProductKey[] = "Quorvane7";
const char kVersionKey[] = "7.0";
const char kDirectoryValue[] = "DIRECTORY";
const char kStockBookValue[] = "StockBookPath";
const char kUninstallList[] = "Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kPathSeparator[] = "\\";

const char kGroupUnderWindows[] = "ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\クオーヴェイン７";
const char kGroupUnderWindowsNT4[] = "Profiles\\All Users\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\クオーヴェイン７";
const char kGroupUnderStartMenu[] = "プログラム\\クオーヴェイン７";
const char kGroupName[] = "クオーヴェイン７";

const char kMainWindowClass[] = "QV9100_MainWindow_Vup@ovq";
const char kExplorerWindowClass[] = "QV9100_Explorer@ovq";
