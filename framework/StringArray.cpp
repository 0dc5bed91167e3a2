// CStringArray over a vector.
#include "framework/StringArray.h"

int CStringArray::GetSize() const { return (int)m_items.size(); }

const CString& CStringArray::GetAt(int nIndex) const { return m_items.at(nIndex); }

const CString& CStringArray::operator[](int nIndex) const { return GetAt(nIndex); }

int CStringArray::Add(const CString& str)
{
    m_items.push_back(str);
    return GetSize() - 1;
}

void CStringArray::RemoveAll() { m_items.clear(); }
