// SelfRemoval: the uninstaller's own file. The list of installed programs
// starts it from inside the installation folder, and a running program
// cannot be deleted; it can be moved, and goes on running from there.
#pragma once

#include "framework/String.h"

#include <vector>

// Clears the running program's file out of the folders about to be removed.
// When it lies inside one of them it is moved to the temporary folder under
// a unique name, and that copy is deleted at the next start of Windows.
// Where it cannot be moved, the file and the folders holding it, up to the
// one it lies in, are deleted at the next start instead, and FALSE says the
// file is still there now. TRUE otherwise; a program outside the folders is
// neither moved nor scheduled. Empty entries of folders are skipped.
BOOL MoveProgramOutOf(const std::vector<CString>& folders, BOOL isNT);
