// ProtectedFolders: the path form checks, then the comparison with the
// system's folders, asked of the system each time.
#include "sysaccess/ProtectedFolders.h"

#include "sysaccess/LongPath.h"
#include "sysaccess/SystemFolders.h"

#include <string.h>

static BOOL IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A UNC server and share that name an ordinary share: not the device and
// namespace forms ("\\?\", "\\.\"), not an administrative share ("C$").
static BOOL IsOrdinaryShare(const CString& server, const CString& share)
{
    return server != "?" && server != "." && share.ReverseFind('$') != share.GetLength() - 1;
}

// The byte length of the root: "X:\" or "\\server\share\"; 0 when the path
// has neither form.
static int RootLength(const CString& path)
{
    LPCSTR p = path;
    if (IsDriveLetter(p[0]) && p[1] == ':' && p[2] == '\\')
        return 3;
    if (p[0] != '\\' || p[1] != '\\')
        return 0;
    // Server and share, neither empty, each followed by a backslash.
    CString names[2];
    int count = 0;
    for (LPCSTR q = p + 2; *q; q += CharLength(q)) {
        if (*q != '\\') {
            names[count] += CString(q, CharLength(q));
            continue;
        }
        if (names[count].IsEmpty())
            return 0;
        if (++count == 2)
            return IsOrdinaryShare(names[0], names[1]) ? (int)(q - p) + 1 : 0;
    }
    return 0;
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
    if (rootLength == 0 || !HasOnlyRealNames(path, rootLength) || !IsItsOwnFullPath(path))
        return FALSE;
    CString longPath = LongPathName(path, rootLength);
    CString candidates[2] = {Normalized(path), Normalized(longPath.IsEmpty() ? path : longPath)};
    for (const CString& folder : SystemFolders()) {
        CString system = Normalized(folder);
        for (const CString& candidate : candidates)
            if (Contains(candidate, system))
                return FALSE;
    }
    return TRUE;
}
