// Dialog data exchange for the controls the dialogs use.
#include "framework/DataExchange.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC) const { return GetDlgItem(m_pDlgWnd->m_hWnd, nIDC); }

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    rControl.m_hWnd = pDX->PrepareCtrl(nIDC);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = (int)SendMessageA(hCtrl, BM_GETCHECK, 0, 0);
    } else {
        WPARAM state = (value >= 0 && value <= 2) ? value : BST_UNCHECKED;
        SendMessageA(hCtrl, BM_SETCHECK, state, 0);
    }
}
