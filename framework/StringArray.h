// CStringArray: a growable array of CString.
#pragma once

#include "framework/String.h"

#include <vector>

class CStringArray
{
public:
    int GetSize() const;
    const CString& GetAt(int nIndex) const;
    const CString& operator[](int nIndex) const;
    int Add(const CString& str);
    void RemoveAll();

private:
    std::vector<CString> m_items;
};
