// CWnd: a window handle with the few operations the dialogs need.
// Message handlers are virtual; CWnd::Default leaves a message to the system.
#pragma once

#include <windows.h>

class CWnd
{
public:
    CWnd();
    virtual ~CWnd();

    HWND m_hWnd;

// Attributes
    BOOL IsIconic() const;
    void GetClientRect(LPRECT lpRect) const;
    HMENU GetSystemMenu(BOOL bRevert) const;

// Operations
    void SetWindowText(LPCSTR lpszString);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Message handlers
    virtual void OnSysCommand(UINT nID, LPARAM lParam);
    virtual void OnPaint();
    virtual HCURSOR OnQueryDragIcon();

protected:
    // Called by a handler to have the system process the current message.
    void Default();

    BOOL m_bHandled;

private:
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
};
