// CWinApp: the one application object, with the process entry point, and the
// functions that reach it: AfxGetApp, AfxGetResourceHandle, AfxMessageBox.
#pragma once

#include "framework/AfxRes.h"
#include "framework/Wnd.h"

class CWinApp
{
public:
    // With a null name the title comes from string AFX_IDS_APP_TITLE.
    explicit CWinApp(LPCSTR lpszAppName = NULL);
    virtual ~CWinApp();

    LPCSTR m_pszAppName;   // owned copy
    CWnd* m_pMainWnd;

// Overridables
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

// Operations
    BOOL Enable3dControlsStatic();

private:
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetResourceHandle();

// The window that owns a box or dialog opened for pParentWnd (or, when null,
// for the main window): the last active popup of its top-level window.
// phWndTop, when given, receives that top-level window.
HWND AfxGetSafeOwner(CWnd* pParentWnd, HWND* phWndTop);

// A message box under the application's title, owned as above; a type
// without icon bits gets the exclamation icon where the buttons allow it.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
