// CRegistryKey: one key below HKEY_LOCAL_MACHINE, named by its path. Every
// operation opens the key, does its work and closes it again.
#pragma once

#include "framework/String.h"
#include "framework/StringArray.h"

class CRegistryKey
{
public:
    // "SoftWare\OVQ\" + product + "\" + version
    CRegistryKey(LPCSTR product, LPCSTR version);
    // "SoftWare\" + subPath
    explicit CRegistryKey(LPCSTR subPath);
    ~CRegistryKey();

// Operations
    BOOL KeyExists();
    BOOL Close();
    BOOL DeleteSubKey(LPCSTR name);
    CStringArray* EnumSubKeys();   // caller deletes; null when the key cannot be opened
    BOOL GetString(LPCSTR valueName, CString& value, CString defaultValue);
    BOOL SetString(LPCSTR valueName, CString value);

private:
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    BOOL Open();
    BOOL OpenOrCreate(DWORD* pdwDisposition);

    HKEY m_hKey;
    REGSAM m_samDesired;
    CString m_strKeyPath;
};
