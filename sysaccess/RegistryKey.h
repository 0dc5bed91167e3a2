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
    // TRUE when the key opens for reading; holds no handle afterwards.
    BOOL KeyExists();
    // FALSE when no handle is held; a handle whose closing fails stays held.
    BOOL Close();
    // Deletes a direct subkey (on the NT family only one without subkeys of
    // its own; on 95 and 98 with its whole subtree). On failure the key stays
    // open until the next operation, Close or the destructor.
    BOOL DeleteSubKey(LPCSTR name);
    // The direct subkeys' names, empty for none; the caller deletes the list.
    // Null when the key cannot be opened.
    CStringArray* EnumSubKeys();
    // Reads a REG_SZ value of at most 1024 bytes, its zero included. A key
    // that does not exist is CREATED, the default stored under valueName and
    // handed back with TRUE; an existing key without the value gives FALSE.
    // Needs write access even to read. value is unchanged on FALSE.
    BOOL GetString(LPCSTR valueName, CString& value, CString defaultValue);
    // Stores a REG_SZ value, creating the key (and any above it) if missing.
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
