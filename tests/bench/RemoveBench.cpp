// RemoveBench: removes one folder tree by the method named and prints the
// seconds it took. Used by tools/bench.
//   qv7_bench ours|bare|cmd|shfileop <folder>
// "bare" is the floor of our own method: the same walk through the current
// directory with no path checks, no link checks and no kept name.
#include "sysaccess/FolderTree.h"
#include "tests/support/Machine.h"

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

static bool RemoveBareTree(const char* name)
{
    if (!SetCurrentDirectoryA(name))
        return false;
    WIN32_FIND_DATAA entry;
    HANDLE hFind = FindFirstFileA("*.*", &entry);
    bool ok = hFind != INVALID_HANDLE_VALUE;
    while (ok) {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (strcmp(entry.cFileName, ".") != 0 && strcmp(entry.cFileName, "..") != 0)
                ok = RemoveBareTree(entry.cFileName);
        } else {
            ok = DeleteFileA(entry.cFileName) != 0;
        }
        if (ok && !FindNextFileA(hFind, &entry))
            break;
    }
    if (hFind != INVALID_HANDLE_VALUE)
        FindClose(hFind);
    return ok && SetCurrentDirectoryA("..") && RemoveDirectoryA(name);
}

static bool RemoveBare(const char* folder)
{
    std::string path = folder;
    size_t split = path.rfind('\\');
    return SetCurrentDirectoryA(path.substr(0, split + 1).c_str()) &&
           RemoveBareTree(path.substr(split + 1).c_str());
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: qv7_bench ours|bare|cmd|shfileop <folder>\n");
        return 2;
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    bool ok = strcmp(argv[1], "ours") == 0   ? RemoveFolder(argv[2], NULL) != 0
            : strcmp(argv[1], "bare") == 0 ? RemoveBare(argv[2])
            : strcmp(argv[1], "cmd") == 0  ? RemoveByCmd(argv[2])
                                           : DeleteTree(argv[2]);
    QueryPerformanceCounter(&end);
    bool gone = GetFileAttributesA(argv[2]) == INVALID_FILE_ATTRIBUTES;
    printf("%.3f\n", (double)(end.QuadPart - start.QuadPart) / frequency.QuadPart);
    return ok && gone ? 0 : 1;
}
