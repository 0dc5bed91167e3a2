// CPaintDC over BeginPaint / EndPaint.
#include "framework/PaintDC.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd), m_ps()
{
    m_hDC = BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() { EndPaint(m_hWnd, &m_ps); }

HDC CPaintDC::GetSafeHdc() const { return m_hDC; }

void CPaintDC::DrawIcon(int x, int y, HICON hIcon) { ::DrawIcon(m_hDC, x, y, hIcon); }
