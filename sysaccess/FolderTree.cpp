// Folder tree removal. Links are never followed: a folder that is a reparse
// point (junction or symbolic link) is not entered; the link itself goes only
// where the platform removes links, not what they point to.
#include "sysaccess/FolderTree.h"

#include "framework/FileFind.h"
#include "sysaccess/ProtectedFolders.h"

// Under Wine, RemoveDirectoryA on a link to a folder removes the folder it
// points to when that is empty; there the link is left in place.
static BOOL PlatformRemovesLinks()
{
    HMODULE hNtdll = GetModuleHandleA("ntdll.dll");   // none on Windows 95 and 98
    return hNtdll == NULL || GetProcAddress(hNtdll, "wine_get_version") == NULL;
}

static BOOL IsFolderLink(LPCSTR name)
{
    DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

BOOL RemoveFolder(CString path, LPCSTR keepName)
{
    if (!IsRemovableFolderPath(path))
        return 0;
    // Like the runtime's query, the current directory fits MAX_PATH or fails.
    char savedDirectory[1024];
    DWORD n = GetCurrentDirectoryA(MAX_PATH, savedDirectory);
    if (n == 0 || n >= MAX_PATH)
        return 0;
    // A removable path is a full path, so it has a backslash to split at.
    int pos = path.ReverseFind('\\');
    CString parent = path.Left(pos + 1);
    CString folderName = path.Right(path.GetLength() - pos - 1);
    if (!SetCurrentDirectoryA(parent))
        return 0;
    if (!RemoveTree(folderName, keepName))
        return 0;
    // When the saved directory went with the tree, the parent stays current.
    SetCurrentDirectoryA(savedDirectory);
    return 1;
}

// An entry is deleted by its name as listed; the lower-cased copy serves only
// to compare it with the kept name.
static BOOL RemoveEntry(const CFileFind& finder, const CString& keptName)
{
    CString name = finder.GetFileName();
    if (name == "." || name == "..")
        return TRUE;
    BOOL bFolder = finder.MatchesMask(FILE_ATTRIBUTE_DIRECTORY);
    if (bFolder && !keptName.IsEmpty()) {
        CString lowerName = name;
        lowerName.MakeLower();
        if (lowerName == keptName)
            return TRUE;
    }
    if (bFolder)
        return RemoveTree(name, NULL);
    return DeleteFileA(name);
}

BOOL RemoveTree(CString folderName, LPCSTR keepName)
{
    CString keptName(keepName);
    keptName.MakeLower();
    // A link is never entered; removing it is no failure, nor is leaving it
    // where the platform cannot remove the link alone.
    if (IsFolderLink(folderName)) {
        if (PlatformRemovesLinks())
            RemoveDirectoryA(folderName);
        return 1;
    }
    if (folderName.IsEmpty() || !SetCurrentDirectoryA(folderName))
        return 0;
    CFileFind finder;
    BOOL bMore = finder.FindFile("*.*");
    if (!bMore)
        return 0;
    while (bMore) {
        bMore = finder.FindNextFile();
        if (!RemoveEntry(finder, keptName))
            return 0;
    }
    finder.Close();
    if (!SetCurrentDirectoryA(".."))
        return 0;
    RemoveDirectoryA(folderName);
    return 1;
}
