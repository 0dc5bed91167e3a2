// SelfRemoval: move aside, or delete at the next start of Windows.
#include "uninstall/SelfRemoval.h"

#include "sysaccess/DeleteAtRestart.h"
#include "sysaccess/LongPath.h"

static CString ProgramPath()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? CString(path, (int)n) : CString();
}

// A path as compared: its long form where it exists, lower case, with no
// trailing backslash.
static CString Comparable(const CString& path)
{
    CString comparable = LongPathName(path);
    if (comparable.IsEmpty())
        comparable = path;
    comparable.MakeLower();
    while (comparable.GetLength() > 0 && comparable.ReverseFind('\\') == comparable.GetLength() - 1)
        comparable = comparable.Left(comparable.GetLength() - 1);
    return comparable;
}

static CString Parent(const CString& path) { return path.Left(path.ReverseFind('\\')); }

// The folder of folders that holds file, or empty when none does.
static CString HoldingFolder(const CString& file, const std::vector<CString>& folders)
{
    CString comparableFile = Comparable(file);
    for (const CString& folder : folders) {
        CString inside = Comparable(folder) + "\\";
        if (!folder.IsEmpty() && comparableFile.Left(inside.GetLength()) == inside)
            return folder;
    }
    return CString();
}

// The program moved to a new unique file of the temporary folder, or empty
// when it cannot be (no temporary folder, another volume, a refusal).
// Windows 95 and 98 have no MoveFileExA; MoveFileA there moves no file
// across volumes either.
static CString MovedAside(const CString& program, BOOL isNT)
{
    char tempFolder[MAX_PATH], tempFile[MAX_PATH];
    DWORD n = GetTempPathA(MAX_PATH, tempFolder);
    if (n == 0 || n >= MAX_PATH || !GetTempFileNameA(tempFolder, "qv7", 0, tempFile))
        return CString();
    // GetTempFileNameA made the file empty, to keep its name unique.
    DeleteFileA(tempFile);
    if (isNT ? MoveFileExA(program, tempFile, 0) : MoveFileA(program, tempFile))
        return tempFile;
    return CString();
}

BOOL MoveProgramOutOf(const std::vector<CString>& folders, BOOL isNT)
{
    CString program = ProgramPath();
    CString folder = program.IsEmpty() ? CString() : HoldingFolder(program, folders);
    if (folder.IsEmpty())
        return TRUE;
    CString moved = MovedAside(program, isNT);
    if (!moved.IsEmpty()) {
        DeleteAtRestart(moved);
        return TRUE;
    }
    // Innermost first: a folder goes only once it is empty.
    DeleteAtRestart(program);
    CString last = Comparable(folder);
    for (CString holder = Parent(program); holder.ReverseFind('\\') >= 0; holder = Parent(holder)) {
        DeleteAtRestart(holder);
        if (Comparable(holder) == last)
            break;
    }
    return FALSE;
}
