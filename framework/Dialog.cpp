// CDialog: modal run, centring, message routing and data exchange.
#include "framework/Dialog.h"

#include "framework/WinApp.h"

#include <algorithm>

namespace {

// The fixed start of an extended template (DLGTEMPLATEEX), which the
// platform headers do not declare; its fields fall on their natural
// alignment, so no packing is needed.
struct DialogTemplateEx {
    WORD dlgVer;      // 1
    WORD signature;   // 0xFFFF
    DWORD helpID;
    DWORD exStyle;
    DWORD style;
    WORD cDlgItems;
    short x, y, cx, cy;
};

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd), m_lpTemplate(NULL)
{
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInstance = AfxGetResourceHandle();
    HRSRC hResource = FindResourceA(hInstance, MAKEINTRESOURCEA(m_nIDTemplate), (LPCSTR)RT_DIALOG);
    HGLOBAL hTemplate = hResource ? LoadResource(hInstance, hResource) : NULL;
    m_lpTemplate = hTemplate ? (LPCDLGTEMPLATEA)LockResource(hTemplate) : NULL;
    INT_PTR nResult = -1;
    if (m_lpTemplate != NULL)
        nResult = DialogBoxIndirectParamA(hInstance, m_lpTemplate, AfxGetSafeOwner(m_pParentWnd, NULL),
                                          DialogProc, (LPARAM)this);
    m_hWnd = NULL;
    m_lpTemplate = NULL;
    // The application's main window is this dialog only while it runs.
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this)
        pApp->m_pMainWnd = NULL;
    return nResult;
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        ((CDialog*)lParam)->m_hWnd = hWnd;
    }
    CDialog* pDlg = (CDialog*)GetWindowLongPtrA(hWnd, DWLP_USER);
    return pDlg ? pDlg->OnMessage(message, wParam, lParam) : FALSE;
}

// Answers FALSE for what the dialog manager is to process itself.
INT_PTR CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_bHandled = TRUE;
    switch (message) {
    case WM_INITDIALOG:
        return HandleInitDialog();
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            return FALSE;
        if (LOWORD(wParam) == IDOK)
            OnOK();
        else if (LOWORD(wParam) == IDCANCEL)
            OnCancel();
        else
            return FALSE;
        return TRUE;
    case WM_SYSCOMMAND:
        OnSysCommand((UINT)wParam, lParam);
        return m_bHandled;
    case WM_PAINT:
        OnPaint();
        return m_bHandled;
    case WM_QUERYDRAGICON: {
        HCURSOR hCursor = OnQueryDragIcon();
        return m_bHandled ? (INT_PTR)hCursor : FALSE;
    }
    }
    return FALSE;
}

BOOL CDialog::HandleInitDialog()
{
    CenterIfUnplaced();
    return OnInitDialog();
}

// A template at (0, 0) without a positioning style is centred over its owner,
// or on the work area when it has none.
void CDialog::CenterIfUnplaced()
{
    const DialogTemplateEx* pEx = (const DialogTemplateEx*)m_lpTemplate;
    BOOL bExtended = pEx->dlgVer == 1 && pEx->signature == 0xFFFF;
    DWORD style = bExtended ? pEx->style : m_lpTemplate->style;
    short x = bExtended ? pEx->x : m_lpTemplate->x;
    short y = bExtended ? pEx->y : m_lpTemplate->y;
    if (x != 0 || y != 0 || (style & (DS_ABSALIGN | DS_CENTER | DS_CENTERMOUSE)))
        return;

    RECT rcArea;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
    RECT rcCenter = rcArea;
    HWND hOwner = GetWindow(m_hWnd, GW_OWNER);
    if (hOwner != NULL && IsWindowVisible(hOwner) && !::IsIconic(hOwner))
        GetWindowRect(hOwner, &rcCenter);

    RECT rcDlg;
    GetWindowRect(m_hWnd, &rcDlg);
    int cx = rcDlg.right - rcDlg.left, cy = rcDlg.bottom - rcDlg.top;
    int left = (rcCenter.left + rcCenter.right - cx) / 2;
    int top = (rcCenter.top + rcCenter.bottom - cy) / 2;
    // Keep it on the work area.
    left = std::max((int)rcArea.left, std::min(left, (int)rcArea.right - cx));
    top = std::max((int)rcArea.top, std::min(top, (int)rcArea.bottom - cy));
    SetWindowPos(m_hWnd, NULL, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
