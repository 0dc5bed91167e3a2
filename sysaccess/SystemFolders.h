// SystemFolders: the folders Windows itself needs, asked of the running
// system by whatever means its version offers, so that no system loses a
// folder's protection because a newer function is missing.
#pragma once

#include "framework/String.h"

#include <vector>

// Every such folder this system has: the Windows and system directories
// (the WOW64 ones too), Program Files and Common Files (the native ones too
// on 64-bit Windows), the profiles, and the shell folders of the user and of
// all users. A folder the system cannot name is left out.
std::vector<CString> SystemFolders();

// A shell folder (CSIDL_...) by the best means the system has; empty where
// it has no such folder.
CString ShellFolderPath(int csidl);

// A shell folder through shell32 4.0's own lookup, as Windows 95, 98 and
// NT 4.0 have it; empty where it cannot be had.
CString SpecialFolderPath(int csidl);
