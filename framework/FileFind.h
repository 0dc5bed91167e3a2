// CFileFind: lists a folder one entry ahead. FindFile opens the listing and
// fetches the first entry; each FindNextFile makes the fetched entry current,
// fetches the next one and says whether there was one.
#pragma once

#include "framework/String.h"

class CFileFind
{
public:
    CFileFind();
    ~CFileFind();

// Operations
    BOOL FindFile(LPCSTR pstrName = "*.*");
    BOOL FindNextFile();
    void Close();

// Attributes of the current entry
    CString GetFileName() const;
    BOOL MatchesMask(DWORD dwMask) const;

private:
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    HANDLE m_hFind;
    WIN32_FIND_DATAA m_current;
    WIN32_FIND_DATAA m_next;
};
