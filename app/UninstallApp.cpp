// CUninstallApp: runs the main dialog and ends the process when it closes.
#include "app/UninstallApp.h"

#include "app/UninstallDlg.h"

static CUninstallApp theApp;

CUninstallApp::CUninstallApp() : CWinApp(NULL) {}

// FALSE: no message loop of the application's own, the process ends here.
BOOL CUninstallApp::InitInstance()
{
    Enable3dControlsStatic();
    CUninstallDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    return FALSE;
}
