// CUninstallDlg: the main dialog. Shows where the product is installed and
// lets the user choose whether the stock book goes too; Execute (IDOK) runs
// the uninstall.
#pragma once

#include "framework/Dialog.h"
#include "framework/Static.h"
#include "res/resource.h"

class CUninstallDlg : public CDialog
{
public:
    explicit CUninstallDlg(CWnd* pParent = NULL);

    enum { IDD = IDD_UNINSTALL_DIALOG };
    CStatic m_installPathLabel;
    BOOL m_bDeleteStockBook;

protected:
    HICON m_hIcon;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnSysCommand(UINT nID, LPARAM lParam) override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;

private:
    void AddAboutToSystemMenu();
};
