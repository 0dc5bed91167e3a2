// CWinApp, the process entry point and the message-box convention.
#include "framework/WinApp.h"

#include "framework/String.h"

#include <stdlib.h>
#include <string.h>

static CWinApp* g_pApp = NULL;

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName ? _strdup(lpszAppName) : NULL), m_pMainWnd(NULL)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    free((void*)m_pszAppName);
    if (g_pApp == this)
        g_pApp = NULL;
}

// The title: string AFX_IDS_APP_TITLE, else the executable's name without
// its extension.
BOOL CWinApp::InitApplication()
{
    if (m_pszAppName != NULL)
        return TRUE;
    CString title;
    if (!title.LoadString(AFX_IDS_APP_TITLE)) {
        char path[MAX_PATH];
        DWORD n = GetModuleFileNameA(NULL, path, sizeof path);
        CString file(path, (int)n);
        file = file.Right(file.GetLength() - file.ReverseFind('\\') - 1);
        int dot = file.ReverseFind('.');
        title = dot >= 0 ? file.Left(dot) : file;
    }
    m_pszAppName = _strdup(title);
    return TRUE;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run()
{
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() { return 0; }

// The 3-D look is native from Windows 4.0 on; earlier versions would need
// CTL3D, which this framework does not carry.
BOOL CWinApp::Enable3dControlsStatic() { return LOBYTE(LOWORD(GetVersion())) >= 4; }

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetResourceHandle() { return GetModuleHandleA(NULL); }

HWND AfxGetSafeOwner(CWnd* pParentWnd, HWND* phWndTop)
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pWnd = pParentWnd ? pParentWnd : (pApp ? pApp->m_pMainWnd : NULL);
    HWND hWnd = pWnd ? pWnd->m_hWnd : NULL;
    while (hWnd != NULL && (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = GetParent(hWnd);
    if (phWndTop != NULL)
        *phWndTop = hWnd;
    return hWnd ? GetLastActivePopup(hWnd) : NULL;
}

static UINT WithDefaultIcon(UINT nType)
{
    if (nType & MB_ICONMASK)
        return nType;
    switch (nType & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_YESNO:
        return nType | MB_ICONEXCLAMATION;
    }
    return nType;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    HWND hWndTop;
    HWND hOwner = AfxGetSafeOwner(NULL, &hWndTop);
    // The box disables its owner itself; a different top-level window too.
    BOOL bDisableTop = hWndTop != NULL && hWndTop != hOwner && IsWindowEnabled(hWndTop);
    if (bDisableTop)
        EnableWindow(hWndTop, FALSE);
    CWinApp* pApp = AfxGetApp();
    int nResult = MessageBoxA(hOwner, lpszText, pApp ? pApp->m_pszAppName : NULL,
                              WithDefaultIcon(nType));
    if (bDisableTop)
        EnableWindow(hWndTop, TRUE);
    return nResult;
}

// The entry point: InitInstance, then the message loop only when it asks for one.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || !pApp->InitApplication())
        return -1;
    int nExitCode = pApp->InitInstance() ? pApp->Run() : pApp->ExitInstance();
    pApp->m_pMainWnd = NULL;
    return nExitCode;
}
