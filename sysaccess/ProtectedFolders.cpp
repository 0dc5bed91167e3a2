// ProtectedFolders: the path form checks, then the comparison with the
// system's folders, asked of the system each time.
#include "sysaccess/ProtectedFolders.h"

#include "sysaccess/LongPath.h"
#include "sysaccess/SystemFolders.h"

#include <string.h>

// A UNC root that names an ordinary share: not the namespace and device
// forms ("\\?\", "\\.\"), not an administrative share ("\\server\C$").
static BOOL IsOrdinaryShare(const CString& root)
{
    if (root.Left(2) != "\\\\")
        return TRUE;
    CString names = root.Mid(2, root.GetLength() - 3);   // "server\share"
    int split = names.ReverseFind('\\');
    CString server = names.Left(split);
    CString share = names.Mid(split + 1, names.GetLength() - split - 1);
    return server != "?" && server != "." && share.ReverseFind('$') != share.GetLength() - 1;
}

// A single-byte character no folder name may hold: wildcards (the DOS ones
// too), a colon, which would name a stream, and a pipe.
static BOOL IsForbidden(LPCSTR p) { return CharLength(p) == 1 && strchr("*?<>\"|:", *p) != NULL; }

// Every component after the root is a real name.
static BOOL HasOnlyRealNames(const CString& path, int rootLength)
{
    CString component;
    for (LPCSTR p = (LPCSTR)path + rootLength;; p += CharLength(p)) {
        if (*p == '\\' || *p == '\0') {
            if (component.IsEmpty() || component == "." || component == "..")
                return FALSE;
            if (*p == '\0')
                return TRUE;
            component.Empty();
        } else if (IsForbidden(p)) {
            return FALSE;
        } else {
            component += CString(p, CharLength(p));
        }
    }
}

// The system rewrites every spelling it does not take literally: trailing
// dots and spaces, forward slashes, "." and "..", device names.
static BOOL IsItsOwnFullPath(const CString& path)
{
    char fullPath[MAX_PATH];
    DWORD n = GetFullPathNameA(path, MAX_PATH, fullPath, NULL);
    return n > 0 && n < MAX_PATH && strcmp(fullPath, path) == 0;
}

static CString Normalized(CString path)
{
    path.MakeLower();
    if (path.GetLength() > 0 && path.ReverseFind('\\') == path.GetLength() - 1)
        path = path.Left(path.GetLength() - 1);
    return path;
}

// path contains folder, or is it.
static BOOL Contains(const CString& path, const CString& folder)
{
    return folder == path || folder.Left(path.GetLength() + 1) == path + "\\";
}

BOOL IsRemovableFolderPath(const CString& path)
{
    int rootLength = RootLength(path);
    if (rootLength == 0 || !IsOrdinaryShare(path.Left(rootLength)) || !HasOnlyRealNames(path, rootLength) ||
        !IsItsOwnFullPath(path))
        return FALSE;
    CString longPath = LongPathName(path);
    CString candidates[2] = {Normalized(path), Normalized(longPath.IsEmpty() ? path : longPath)};
    for (const CString& folder : SystemFolders()) {
        CString system = Normalized(folder);
        for (const CString& candidate : candidates)
            if (Contains(candidate, system))
                return FALSE;
    }
    return TRUE;
}
