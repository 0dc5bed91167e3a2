// CDialog: a modal dialog from a template resource. One dialog procedure finds
// the object and routes the messages it knows to virtual handlers; everything
// else goes to the system's dialog manager.
#pragma once

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd
{
public:
    CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);

// Operations
    virtual INT_PTR DoModal();   // IDOK, IDCANCEL, or -1 when no dialog could be made
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

// Overridables
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HandleInitDialog();
    void CenterIfUnplaced();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    LPCDLGTEMPLATEA m_lpTemplate;
};
