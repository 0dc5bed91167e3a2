// Folder tree removal through the process's current directory: the parent is
// made current, each folder is entered by its name, emptied, left with ".."
// and removed from its parent.
#pragma once

#include "framework/String.h"

// Removes the folder path names with everything below it, sparing the folder
// keepName (compared without regard to case) directly inside it. 1 on success:
// every file deleted and every folder entered, emptied and left; the current
// directory is then back where it was (or at the removed folder's parent).
// On failure 0, with the current directory where the failure happened.
// Refuses, changing nothing, a path that ProtectedFolders calls unsafe.
BOOL RemoveFolder(CString path, LPCSTR keepName);

// The recursive worker: removes folderName, relative to the current
// directory. It makes NO path checks: only RemoveFolder refuses unsafe paths,
// so nothing but RemoveFolder and RemoveTree itself may call it.
BOOL RemoveTree(CString folderName, LPCSTR keepName);
