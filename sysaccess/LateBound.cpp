// LateBound: GetProcAddress on a module found or loaded by name.
#include "sysaccess/LateBound.h"

// A DLL loaded here stays loaded for the life of the process, as the
// pointers handed out must stay valid.
FARPROC LateBoundProc(LPCSTR dll, LPCSTR name)
{
    HMODULE hModule = GetModuleHandleA(dll);
    if (hModule == NULL)
        hModule = LoadLibraryA(dll);
    return hModule != NULL ? GetProcAddress(hModule, name) : NULL;
}
