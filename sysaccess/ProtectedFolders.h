// ProtectedFolders: which folder paths a removal may take. A corrupt or
// hostile installation record must never take the system with it, however
// it spells a folder.
#pragma once

#include "framework/String.h"

// TRUE only for a full path ("X:\..." or "\\server\share\...") that
// - is its own full form (GetFullPathNameA gives it back byte for byte), so
//   no trailing dot or space, forward slash, "." or ".." is rewritten away;
// - has no empty component, no wildcard, colon or pipe after its root, no
//   "\\?\" or "\\.\" prefix, and no administrative share ("\\server\C$");
// - neither is nor contains a folder the system needs (SystemFolders),
//   compared without regard to case, as written and in its long form.
// A folder inside a protected one (C:\Program Files\App) stays removable.
BOOL IsRemovableFolderPath(const CString& path);
