// CString: the framework's narrow string, text in the system's ANSI code page.
// Lengths and positions count bytes; searching and lower-casing go by characters,
// so the second byte of a two-byte character is never taken for a character.
#pragma once

#include <windows.h>
#include <string>

class CString
{
public:
    CString();
    CString(LPCSTR psz);
    CString(LPCSTR pch, int nLength);

// Attributes
    int GetLength() const;
    BOOL IsEmpty() const;
    operator LPCSTR() const;

// Operations
    void Empty();
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst, int nCount) const;   // both clamped to the text
    int ReverseFind(char ch) const;
    void MakeLower();
    int Compare(LPCSTR psz) const;
    BOOL LoadString(UINT nID);

    CString& operator=(LPCSTR psz);
    CString& operator+=(const CString& str);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);

private:
    std::string m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCSTR b);
CString operator+(LPCSTR a, const CString& b);
bool operator==(const CString& a, LPCSTR b);
bool operator!=(const CString& a, LPCSTR b);

// Length in bytes of the character that starts at p: 2 for a lead byte
// followed by a second byte, else 1.
int CharLength(LPCSTR p);
