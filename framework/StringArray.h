// CStringArray: a growable array of CString.
#pragma once

#include "framework/String.h"

#include <vector>

class CStringArray
{
public:
    int GetSize() const;
    const CString& GetAt(int nIndex) const;
    int Add(const CString& str);

private:
    std::vector<CString> m_items;
};
