// ProtectedFolders: which folder paths a removal may take. A corrupt or
// hostile installation record must never take the system with it.
#pragma once

#include "framework/String.h"

// TRUE for a full path ("X:\..." or "\\server\share\...") whose every
// component is a real name (not empty, "." or "..") and that neither is nor
// contains a folder the system needs (Windows and system directories, Program
// Files, the profiles, and the Desktop, Documents, Start Menu and Programs
// folders of the user and of all users).
BOOL IsRemovableFolderPath(const CString& path);
