// CDataExchange and the DDX functions: move data between a dialog's members
// and its controls, loading (bSaveAndValidate FALSE) or saving (TRUE).
#pragma once

#include "framework/Wnd.h"

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    HWND PrepareCtrl(int nIDC) const;

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Attaches the control with id nIDC of the dialog's current window to rControl.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// A check box's state; a value outside 0 to 2 loads as unchecked.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
