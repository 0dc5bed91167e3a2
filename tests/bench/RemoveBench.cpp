// RemoveBench: removes one folder tree by the method named and prints the
// seconds it took. Used by tools/bench.
//   qv7_bench ours|cmd|shfileop <folder>
#include "sysaccess/FolderTree.h"

#include <shellapi.h>
#include <stdio.h>
#include <string.h>

#include <string>

static bool RemoveByCmd(const char* folder)
{
    std::string commandLine = std::string("cmd /c rmdir /s /q \"") + folder + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return false;
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return true;
}

static bool RemoveByShell(const char* folder)
{
    std::string from = std::string(folder) + '\0';
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    return SHFileOperationA(&op) == 0;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: qv7_bench ours|cmd|shfileop <folder>\n");
        return 2;
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    bool ok = strcmp(argv[1], "ours") == 0 ? RemoveFolder(argv[2], NULL) != 0
            : strcmp(argv[1], "cmd") == 0  ? RemoveByCmd(argv[2])
                                           : RemoveByShell(argv[2]);
    QueryPerformanceCounter(&end);
    bool gone = GetFileAttributesA(argv[2]) == INVALID_FILE_ATTRIBUTES;
    printf("%.3f\n", (double)(end.QuadPart - start.QuadPart) / frequency.QuadPart);
    return ok && gone ? 0 : 1;
}
