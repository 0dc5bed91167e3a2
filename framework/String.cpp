// CString: byte-counted storage, character-wise searching and lower-casing.
#include "framework/String.h"

#include <string.h>

CString::CString() {}

CString::CString(LPCSTR psz) : m_str(psz ? psz : "") {}

CString::CString(LPCSTR pch, int nLength) : m_str(pch, nLength) {}

int CString::GetLength() const { return (int)m_str.size(); }

BOOL CString::IsEmpty() const { return m_str.empty(); }

CString::operator LPCSTR() const { return m_str.c_str(); }

void CString::Empty() { m_str.clear(); }

static int Clamp(int n, int nMax) { return n < 0 ? 0 : (n > nMax ? nMax : n); }

CString CString::Left(int nCount) const
{
    return CString(m_str.data(), Clamp(nCount, GetLength()));
}

CString CString::Right(int nCount) const
{
    nCount = Clamp(nCount, GetLength());
    return CString(m_str.data() + GetLength() - nCount, nCount);
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = Clamp(nFirst, GetLength());
    return CString(m_str.data() + nFirst, Clamp(nCount, GetLength() - nFirst));
}

int CharLength(LPCSTR p)
{
    return (IsDBCSLeadByte((BYTE)p[0]) && p[1] != '\0') ? 2 : 1;
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (LPCSTR p = m_str.c_str(); *p; p += CharLength(p))
        if (*p == ch)
            found = (int)(p - m_str.c_str());
    return found;
}

// ASCII capitals by table; every other character through the system locale's
// mapping, kept only when it comes back the same size.
void CString::MakeLower()
{
    for (size_t i = 0; i < m_str.size();) {
        char* p = &m_str[i];
        int n = CharLength(p);
        if (n == 1 && (BYTE)*p < 0x80) {
            if (*p >= 'A' && *p <= 'Z')
                *p += 'a' - 'A';
        } else {
            char lower[4];
            if (LCMapStringA(LOCALE_SYSTEM_DEFAULT, LCMAP_LOWERCASE, p, n, lower, sizeof lower) == n)
                memcpy(p, lower, n);
        }
        i += n;
    }
}

int CString::Compare(LPCSTR psz) const { return strcmp(m_str.c_str(), psz); }

BOOL CString::LoadString(UINT nID)
{
    char buffer[1024];
    int n = ::LoadStringA(GetModuleHandleA(NULL), nID, buffer, sizeof buffer);
    m_str.assign(buffer, n > 0 ? n : 0);
    return n > 0;
}

CString& CString::operator=(LPCSTR psz)
{
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz)
        m_str += psz;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    CString s(a);
    s += b;
    return s;
}

CString operator+(const CString& a, LPCSTR b)
{
    CString s(a);
    s += b;
    return s;
}

CString operator+(LPCSTR a, const CString& b)
{
    CString s(a);
    s += b;
    return s;
}

bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }

bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
