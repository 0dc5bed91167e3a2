// CUninstallDlg: start-up, the folder line, the system menu, the minimised
// icon, and Execute.
#include "app/UninstallDlg.h"

#include "app/AboutDlg.h"
#include "framework/PaintDC.h"
#include "framework/WinApp.h"
#include "uninstall/UninstallRun.h"

CUninstallDlg::CUninstallDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_bDeleteStockBook(TRUE),
      m_hIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

void CUninstallDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INSTALL_PATH, m_installPathLabel);
    DDX_Check(pDX, IDC_DELETE_STOCKBOOK, m_bDeleteStockBook);
}

BOOL CUninstallDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddAboutToSystemMenu();
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);

    CString folder = InstalledFolder();
    if (folder.IsEmpty()) {
        AfxMessageBox("クオーヴェイン７ がインストールされていません。", MB_ICONSTOP);
        CDialog::OnCancel();
        return FALSE;
    }
    m_installPathLabel.SetWindowText("「" + folder + "」");
    return TRUE;
}

// Refused while the product runs and until confirmed, with nothing touched;
// once confirmed the run goes on to its report and closes the dialog.
void CUninstallDlg::OnOK()
{
    LPCSTR refusal = RunningProgramMessage();
    if (refusal != NULL) {
        AfxMessageBox(refusal, MB_ICONSTOP);
        return;
    }
    if (AfxMessageBox(kConfirmMessage, MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    UpdateData(TRUE);
    AfxMessageBox(OutcomeMessage(RemoveProduct(m_bDeleteStockBook)), MB_OK);
    CDialog::OnOK();
}

void CUninstallDlg::AddAboutToSystemMenu()
{
    HMENU hSysMenu = GetSystemMenu(FALSE);
    CString about;
    about.LoadString(IDS_ABOUTBOX);
    if (hSysMenu == NULL || about.IsEmpty())
        return;
    AppendMenuA(hSysMenu, MF_SEPARATOR, 0, NULL);
    AppendMenuA(hSysMenu, MF_STRING, IDM_ABOUTBOX, about);
}

// The low four bits of a system command are the system's own.
void CUninstallDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

// Minimised, the dialog draws its icon centred in the client area.
void CUninstallDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
    int cxIcon = GetSystemMetrics(SM_CXICON);
    int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    int x = (rect.right - rect.left - cxIcon + 1) / 2;
    int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CUninstallDlg::OnQueryDragIcon() { return (HCURSOR)m_hIcon; }
