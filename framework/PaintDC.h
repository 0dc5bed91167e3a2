// CPaintDC: the device context of one WM_PAINT, from BeginPaint to EndPaint.
#pragma once

#include "framework/Wnd.h"

class CPaintDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();

    HDC GetSafeHdc() const;
    void DrawIcon(int x, int y, HICON hIcon);

private:
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HWND m_hWnd;
    PAINTSTRUCT m_ps;
    HDC m_hDC;
};
