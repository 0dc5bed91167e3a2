// LateBound: functions that only some Windows versions export, looked up at
// run time, so that the executable still loads where they are missing.
#pragma once

#include <windows.h>

// The address of name in dll, loading dll when it is not loaded yet; NULL
// where this system lacks the DLL or the function.
FARPROC LateBoundProc(LPCSTR dll, LPCSTR name);

// LateBoundProc as a pointer of the function's own type F.
template <class F>
F LateBound(LPCSTR dll, LPCSTR name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(LateBoundProc(dll, name)));
}
