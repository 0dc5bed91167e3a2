// CWnd: thin wrappers over USER32.
#include "framework/Wnd.h"

CWnd::CWnd() : m_hWnd(NULL), m_bHandled(FALSE) {}

CWnd::~CWnd() {}

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }

HMENU CWnd::GetSystemMenu(BOOL bRevert) const { return ::GetSystemMenu(m_hWnd, bRevert); }

void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

void CWnd::OnPaint() { Default(); }

HCURSOR CWnd::OnQueryDragIcon()
{
    Default();
    return NULL;
}

void CWnd::Default() { m_bHandled = FALSE; }
