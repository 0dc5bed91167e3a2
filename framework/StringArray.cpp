// CStringArray over a vector.
#include "framework/StringArray.h"

int CStringArray::GetSize() const { return (int)m_items.size(); }

const CString& CStringArray::GetAt(int nIndex) const { return m_items.at(nIndex); }

int CStringArray::Add(const CString& str)
{
    m_items.push_back(str);
    return GetSize() - 1;
}
