// CFileFind over FindFirstFileA / FindNextFileA.
#include "framework/FileFind.h"

CFileFind::CFileFind() : m_hFind(INVALID_HANDLE_VALUE), m_current(), m_next() {}

CFileFind::~CFileFind() { Close(); }

BOOL CFileFind::FindFile(LPCSTR pstrName)
{
    Close();
    m_hFind = FindFirstFileA(pstrName, &m_next);
    return m_hFind != INVALID_HANDLE_VALUE;
}

BOOL CFileFind::FindNextFile()
{
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_current = m_next;
    return ::FindNextFileA(m_hFind, &m_next);
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE) {
        FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }
}

CString CFileFind::GetFileName() const { return CString(m_current.cFileName); }

BOOL CFileFind::MatchesMask(DWORD dwMask) const
{
    return (m_current.dwFileAttributes & dwMask) != 0;
}
