// Machine: generic helpers on the real machine (files, registry keys, shell
// folders, snapshots) for the tests, the benchmark and the demo's helpers,
// with no knowledge of the product. Set-up helpers answer whether they
// worked, so that a test stops at the line whose set-up failed.
#pragma once

#include <windows.h>

#include <set>
#include <string>

// Files and folders
bool MakeFolders(const std::string& path);   // with every missing folder above it
bool MakeFile(const std::string& path, const std::string& content = "x");
bool PathExists(const std::string& path);
// Removes a folder tree by the shell's own means; true when it is gone.
bool DeleteTree(const std::string& path);
std::string ShellFolder(int csidl);
// The 8.3 form of an existing path; empty when there is none.
std::string ShortName(const std::string& path);

// Registry, below HKEY_LOCAL_MACHINE
bool SetRegString(const std::string& keyPath, const char* name, const std::string& value);
bool RegKeyExists(const std::string& keyPath);

// Registry values below HKLM\Software (file associations and Wine's own
// network list aside) and every file and folder of drive C: (temporary
// folders aside), one line each.
std::set<std::string> TakeSnapshot();
// What differs from before to after, a line each ("- " gone, "+ " new);
// empty when nothing did.
std::string Changes(const std::set<std::string>& before, const std::set<std::string>& after);
// Lines of a that are not in b.
std::set<std::string> Missing(const std::set<std::string>& a, const std::set<std::string>& b);

// Owners that close what a test opened, whichever way the test ends.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE h) : m_h(h) {}
    ~ScopedHandle() { Close(); }
    HANDLE Get() const { return m_h; }
    bool IsValid() const { return m_h != NULL && m_h != INVALID_HANDLE_VALUE; }
    void Close()
    {
        if (IsValid())
            CloseHandle(m_h);
        m_h = NULL;
    }

private:
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE m_h;
};

class ScopedKey {
public:
    ScopedKey() : m_h(NULL) {}
    ~ScopedKey()
    {
        if (m_h != NULL)
            RegCloseKey(m_h);
    }
    HKEY* Receive() { return &m_h; }   // for the call that opens it
    HKEY Get() const { return m_h; }

private:
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    HKEY m_h;
};
