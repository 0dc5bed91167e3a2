// CRegistryKey over the ANSI registry functions of advapi32.
#include "sysaccess/RegistryKey.h"

#include <string.h>

static const DWORD kNameBufferSize = 256;
static const DWORD kValueBufferSize = 1024;

CRegistryKey::CRegistryKey(LPCSTR product, LPCSTR version)
    : m_hKey(NULL), m_samDesired(KEY_READ),
      m_strKeyPath(CString("SoftWare\\OVQ\\") + product + "\\" + version)
{
}

CRegistryKey::CRegistryKey(LPCSTR subPath)
    : m_hKey(NULL), m_samDesired(KEY_READ), m_strKeyPath(CString("SoftWare\\") + subPath)
{
}

CRegistryKey::~CRegistryKey() { Close(); }

BOOL CRegistryKey::Close()
{
    if (m_hKey == NULL)
        return FALSE;
    if (RegCloseKey(m_hKey) != ERROR_SUCCESS)
        return FALSE;
    m_hKey = NULL;
    return TRUE;
}

BOOL CRegistryKey::Open()
{
    Close();
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, m_strKeyPath, 0, m_samDesired, &m_hKey) == ERROR_SUCCESS)
        return TRUE;
    m_hKey = NULL;
    return FALSE;
}

BOOL CRegistryKey::OpenOrCreate(DWORD* pdwDisposition)
{
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, m_strKeyPath, 0, NULL, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, NULL, &m_hKey, pdwDisposition) == ERROR_SUCCESS)
        return TRUE;
    m_hKey = NULL;
    return FALSE;
}

BOOL CRegistryKey::KeyExists()
{
    BOOL bExists = Open();
    Close();
    return bExists;
}

// A failed deletion leaves the key open until the next operation.
BOOL CRegistryKey::DeleteSubKey(LPCSTR name)
{
    if (!Open())
        return FALSE;
    if (RegDeleteKeyA(m_hKey, name) != ERROR_SUCCESS)
        return FALSE;
    Close();
    return TRUE;
}

// Any answer but success ends the listing, so no name that was not read is added.
CStringArray* CRegistryKey::EnumSubKeys()
{
    if (!Open())
        return NULL;
    CStringArray* pNames = new CStringArray;
    for (DWORD index = 0;; index++) {
        char name[kNameBufferSize];
        DWORD length = kNameBufferSize;
        if (RegEnumKeyExA(m_hKey, index, name, &length, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        pNames->Add(CString(name, length));
    }
    Close();
    return pNames;
}

// A new key gets the default stored; an existing key is only read.
BOOL CRegistryKey::GetString(LPCSTR valueName, CString& value, CString defaultValue)
{
    DWORD disposition = 0;
    if (!OpenOrCreate(&disposition)) {
        Close();
        return FALSE;
    }
    if (disposition == REG_CREATED_NEW_KEY) {
        value = defaultValue;
        Close();
        SetString(valueName, defaultValue);
        return TRUE;
    }
    char data[kValueBufferSize];
    DWORD type = 0;
    DWORD size = sizeof data;
    LONG result = RegQueryValueExA(m_hKey, valueName, NULL, &type, (BYTE*)data, &size);
    Close();
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return FALSE;
    // Data stored without its terminating zero yields only the bytes read.
    value = CString(data, (int)strnlen(data, size));
    return TRUE;
}

BOOL CRegistryKey::SetString(LPCSTR valueName, CString value)
{
    DWORD disposition = 0;
    if (!OpenOrCreate(&disposition)) {
        Close();
        return FALSE;
    }
    LONG result = RegSetValueExA(m_hKey, valueName, 0, REG_SZ, (const BYTE*)(LPCSTR)value,
                                 value.GetLength() + 1);
    Close();
    return result == ERROR_SUCCESS;
}
