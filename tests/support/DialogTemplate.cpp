// DialogTemplate: parses DLGTEMPLATE / DLGTEMPLATEEX and their items.
#include "tests/support/DialogTemplate.h"

namespace {

class Reader {
public:
    explicit Reader(const BYTE* p) : m_start(p), m_p(p) {}
    WORD Word() { WORD w = *(const WORD*)m_p; m_p += 2; return w; }
    DWORD Dword() { DWORD d = *(const DWORD*)m_p; m_p += 4; return d; }
    short Short() { return (short)Word(); }
    BYTE Byte() { return *m_p++; }
    std::wstring Text()
    {
        std::wstring s;
        for (WORD w; (w = Word()) != 0;)
            s += (wchar_t)w;
        return s;
    }
    // A name or an ordinal, written "#n".
    std::wstring NameOrOrdinal()
    {
        if (*(const WORD*)m_p == 0xFFFF) {
            Word();
            return L"#" + std::to_wstring(Word());
        }
        return Text();
    }
    void AlignDword() { m_p = m_start + ((m_p - m_start + 3) & ~3); }

private:
    const BYTE* m_start;
    const BYTE* m_p;
};

DialogItem ReadItem(Reader& r, bool extended)
{
    DialogItem item = {};
    r.AlignDword();
    if (extended) {
        item.helpId = r.Dword();
        item.exStyle = r.Dword();
        item.style = r.Dword();
    } else {
        item.style = r.Dword();
        item.exStyle = r.Dword();
    }
    item.x = r.Short(); item.y = r.Short(); item.cx = r.Short(); item.cy = r.Short();
    item.id = extended ? (int)r.Dword() : (short)r.Word();
    item.className = r.NameOrOrdinal();
    item.text = r.NameOrOrdinal();
    WORD extra = r.Word();
    for (WORD i = 0; i < extra; i++)
        r.Byte();
    return item;
}

}  // namespace

std::string ReadResource(const char* exePath, LPCSTR type, LPCSTR name)
{
    HMODULE hModule = LoadLibraryExA(exePath, NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (!hModule)
        return std::string();
    std::string bytes;
    HRSRC hRes = FindResourceA(hModule, name, type);
    if (hRes) {
        const char* p = (const char*)LockResource(LoadResource(hModule, hRes));
        bytes.assign(p, SizeofResource(hModule, hRes));
    }
    FreeLibrary(hModule);
    return bytes;
}

bool ReadDialogTemplate(const char* exePath, WORD id, DialogTemplate& dlg)
{
    std::string bytes = ReadResource(exePath, (LPCSTR)RT_DIALOG, MAKEINTRESOURCEA(id));
    if (bytes.empty())
        return false;
    Reader r((const BYTE*)bytes.data());
    dlg = DialogTemplate();
    WORD first = r.Word(), second = r.Word();
    dlg.extended = first == 1 && second == 0xFFFF;
    if (dlg.extended) {
        dlg.helpId = r.Dword();
        dlg.exStyle = r.Dword();
        dlg.style = r.Dword();
    } else {
        dlg.style = MAKELONG(first, second);
        dlg.exStyle = r.Dword();
    }
    WORD count = r.Word();
    dlg.x = r.Short(); dlg.y = r.Short(); dlg.cx = r.Short(); dlg.cy = r.Short();
    dlg.menu = r.NameOrOrdinal();
    dlg.className = r.NameOrOrdinal();
    dlg.caption = r.Text();
    if (dlg.style & DS_SETFONT) {
        dlg.pointSize = r.Word();
        if (dlg.extended) {
            dlg.weight = r.Word();
            dlg.italic = r.Byte();
            dlg.charset = r.Byte();
        }
        dlg.font = r.Text();
    }
    for (WORD i = 0; i < count; i++)
        dlg.items.push_back(ReadItem(r, dlg.extended));
    return true;
}
