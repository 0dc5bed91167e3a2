// DialogTemplate: a dialog template resource of a built executable, read back
// field by field (classic and extended forms).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DialogItem {
    DWORD style, exStyle, helpId;
    short x, y, cx, cy;
    int id;
    std::wstring className;  // "#128" style for an ordinal class
    std::wstring text;       // "#n" for an ordinal (an icon's resource id)
};

struct DialogTemplate {
    bool extended;
    DWORD style, exStyle, helpId;
    short x, y, cx, cy;
    std::wstring menu, className, caption, font;
    WORD pointSize, weight;
    BYTE italic, charset;
    std::vector<DialogItem> items;
};

// False when the executable or the template cannot be read.
bool ReadDialogTemplate(const char* exePath, WORD id, DialogTemplate& dlg);

// A resource of the executable, as raw bytes; empty when absent.
std::string ReadResource(const char* exePath, LPCSTR type, LPCSTR name);
