// DeleteAtRestart: files and empty folders that cannot go now, deleted by
// Windows itself the next time it starts.
#pragma once

#include "framework/String.h"

// NT family: MoveFileExA with MOVEFILE_DELAY_UNTIL_REBOOT, which takes files
// and empty folders and needs administrator rights. Windows 95 and 98: a
// "NUL=" line in the [rename] section of WININIT.INI in the Windows folder,
// which takes files only, by their short names (a folder gives FALSE there).
// Requests are carried out in the order made. FALSE when the request could
// not be recorded.
BOOL DeleteAtRestart(const CString& path);

// The Windows 95 and 98 request: adds "NUL=" and the short form of path to
// the [rename] section of the file iniPath, making the section or the file
// where there is none and keeping every line already there (the section
// may hold several NUL lines, which profile functions cannot write).
BOOL AddWininitDeletion(const CString& iniPath, const CString& path);
