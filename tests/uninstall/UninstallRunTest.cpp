// The uninstall run end to end: the real QV7UNINSTALL.EXE under Wine, driven
// as a user would, in each Windows family, with the machine compared before
// and after.
#include "res/resource.h"
#include "tests/support/Captions.h"
#include "tests/support/Gui.h"
#include "tests/support/ProductFixture.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

const char kConfirm[] = "ｱﾝｲﾝｽﾄｰﾙを実行します。よろしいですか？";
const char kComplete[] = "完全に削除しました。";
const char kPartly[] = "削除に成功しました。";
const char kNothing[] = "削除されているか、削除に失敗しました。";
const char kProductKey[] = "Software\\OVQ\\Quorvane7";
const char kUninstallEntry[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvane7";

class UninstallRunTest : public testing::Test {
protected:
    void SetUp() override { RemoveProductLeftovers(m_family); }
    void TearDown() override { RemoveProductLeftovers(m_family); }

    void Use(const std::string& family)
    {
        RemoveProductLeftovers(m_family);
        m_family = family;
        RemoveProductLeftovers(family);
        SetWindowsVersion("QV7UNINSTALL.EXE", family);
    }

    // Starts the program and waits for its main dialog.
    HWND Start(RunningProgram& program)
    {
        EXPECT_TRUE(program.Started());
        HWND hDlg = WaitForDialog(program.Pid(), kDialogCaption);
        EXPECT_NE(nullptr, hDlg);
        return hDlg;
    }

    // Presses Execute and answers the message box that comes: its text.
    static std::string ExecuteAndAnswer(const RunningProgram& program, HWND hDlg, int answer)
    {
        ClickButton(hDlg, IDOK);
        HWND hBox = WaitForDialog(program.Pid(), kBoxCaption);
        if (!hBox)
            return "(no message box)";
        std::string text = MessageBoxText(hBox);
        ClickButton(hBox, answer);
        WaitForWindowGone(hBox);
        return text;
    }

    // Execute, Yes, and the report, which is answered too.
    static std::string Uninstall(RunningProgram& program, HWND hDlg)
    {
        std::string confirm = ExecuteAndAnswer(program, hDlg, IDYES);
        EXPECT_EQ(kConfirm, confirm);
        HWND hReport = WaitForDialog(program.Pid(), kBoxCaption);
        if (!hReport)
            return "(no report)";
        std::string report = MessageBoxText(hReport);
        ClickButton(hReport, IDOK);
        EXPECT_TRUE(program.WaitForExit());
        return report;
    }

    std::string m_family = "win10";
};

bool IsFootprint(const std::string& line, const InstalledProduct& product)
{
    for (const std::string& part : {product.installDir, product.groupDir, std::string(kProductKey) + "\\",
                                    std::string(kUninstallEntry)})
        if (line.find(part) != std::string::npos)
            return true;
    return line == std::string("key ") + kProductKey ||
           line.rfind(std::string("value ") + kProductKey + "|", 0) == 0;
}

TEST_F(UninstallRunTest, EverythingGoesInEveryFamily)
{
    for (const char* family : {"win98", "nt40", "win2k", "win10"}) {
        SCOPED_TRACE(family);
        Use(family);
        InstalledProduct product = LayProduct(family);
        std::set<std::string> installed = TakeSnapshot();

        RunningProgram program(QV7_EXE);
        HWND hDlg = Start(program);
        ASSERT_NE(nullptr, hDlg);
        EXPECT_EQ(kComplete, Uninstall(program, hDlg));

        EXPECT_FALSE(PathExists(product.installDir));
        EXPECT_FALSE(PathExists(product.groupDir));
        EXPECT_FALSE(RegKeyExists(kProductKey));
        EXPECT_FALSE(RegKeyExists(kUninstallEntry));
        EXPECT_TRUE(RegKeyExists("Software\\OVQ"));
        std::set<std::string> after = TakeSnapshot();
        EXPECT_EQ(std::set<std::string>(), Missing(after, installed)) << "created by the run";
        for (const std::string& line : Missing(installed, after))
            EXPECT_TRUE(IsFootprint(line, product)) << "removed outside the product: " << line;
    }
}

TEST_F(UninstallRunTest, StockBookKeptWhenTheBoxIsClear)
{
    InstalledProduct product = LayProduct("win10");
    RunningProgram program(QV7_EXE);
    HWND hDlg = Start(program);
    ASSERT_NE(nullptr, hDlg);
    PostMessageA(GetDlgItem(hDlg, IDC_DELETE_STOCKBOOK), BM_CLICK, 0, 0);
    EXPECT_EQ(kPartly, Uninstall(program, hDlg));

    for (const char* file : {"\\銘柄一覧.QVB", "\\Index.dat", "\\2026年\\ソフト予定表.QVB"})
        EXPECT_TRUE(PathExists(product.stockBookDir + file)) << file;
    EXPECT_FALSE(PathExists(product.installDir + "\\QV7.EXE"));
    EXPECT_FALSE(PathExists(product.installDir + "\\System"));
    EXPECT_FALSE(PathExists(product.groupDir));
    EXPECT_FALSE(RegKeyExists(kProductKey));
    EXPECT_FALSE(RegKeyExists(kUninstallEntry));
}

struct StockBookRecord {
    const char* name;
    std::string (*value)(const InstalledProduct& p);
    bool installFolderGoes;   // all of it but the stock book
};

// The box clear: however the record spells the stock book, it survives.
// A record that names no folder to spare keeps the installation folder whole.
TEST_F(UninstallRunTest, StockBookKeptWhateverItsRecordSays)
{
    const StockBookRecord records[] = {
        {"ends in a backslash", [](const InstalledProduct& p) { return p.installDir + "\\STOCKBOOK\\"; }, true},
        {"ends in two backslashes", [](const InstalledProduct& p) { return p.installDir + "\\StockBook\\\\"; }, true},
        {"names a drive's root", [](const InstalledProduct&) { return std::string("C:\\"); }, false},
    };
    for (const StockBookRecord& r : records) {
        SCOPED_TRACE(r.name);
        InstalledProduct product = LayProduct("win10");
        SetRegString(kProductKey, "StockBookPath", r.value(product));
        std::set<std::string> installed = TakeSnapshot();
        RunningProgram program(QV7_EXE);
        HWND hDlg = Start(program);
        ASSERT_NE(nullptr, hDlg);
        PostMessageA(GetDlgItem(hDlg, IDC_DELETE_STOCKBOOK), BM_CLICK, 0, 0);
        EXPECT_EQ(kPartly, Uninstall(program, hDlg));

        for (const char* file : {"\\銘柄一覧.QVB", "\\Index.dat", "\\2026年\\ソフト予定表.QVB"})
            EXPECT_TRUE(PathExists(product.stockBookDir + file)) << file;
        EXPECT_EQ(!r.installFolderGoes, PathExists(product.installDir + "\\QV7.EXE"));
        EXPECT_FALSE(PathExists(product.groupDir));
        EXPECT_FALSE(RegKeyExists(kUninstallEntry));
        for (const std::string& line : Missing(installed, TakeSnapshot()))
            EXPECT_TRUE(IsFootprint(line, product)) << "removed outside the product: " << line;
        RemoveProductLeftovers("win10");
    }
}

// A window of the product's own programs, made by this process.
class ProductWindow {
public:
    explicit ProductWindow(const char* windowClass)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = windowClass;
        RegisterClassA(&wc);
        m_hWnd = CreateWindowA(windowClass, "", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, wc.hInstance, NULL);
    }
    ~ProductWindow() { Close(); }
    void Close()
    {
        if (m_hWnd)
            DestroyWindow(m_hWnd);
        m_hWnd = NULL;
    }

private:
    HWND m_hWnd;
};

struct Refusal {
    const char* windowClass;
    const char* message;
};

const Refusal kRefusals[] = {
    {"QV9100_MainWindow_Vup@ovq", "クオーヴェイン７ が起動しています。終了させてから実行してください。"},
    {"QV9100_Explorer@ovq", "クオーヴェイン エクスプローラが起動しています。終了させてから実行してください。"},
};

TEST_F(UninstallRunTest, RefusesWhileTheProductRunsAndWhenNotConfirmed)
{
    LayProduct("win10");
    std::set<std::string> installed = TakeSnapshot();
    RunningProgram program(QV7_EXE);
    HWND hDlg = Start(program);
    ASSERT_NE(nullptr, hDlg);
    for (const Refusal& r : kRefusals) {
        ProductWindow window(r.windowClass);
        EXPECT_EQ(r.message, ExecuteAndAnswer(program, hDlg, IDOK)) << r.windowClass;
        EXPECT_TRUE(IsWindowVisible(hDlg));
    }
    // No, twice: each Execute asks again.
    EXPECT_EQ(kConfirm, ExecuteAndAnswer(program, hDlg, IDNO));
    EXPECT_EQ(kConfirm, ExecuteAndAnswer(program, hDlg, IDNO));
    EXPECT_TRUE(IsWindowVisible(hDlg));
    EXPECT_EQ("", Changes(installed, TakeSnapshot()));
    EXPECT_EQ(kComplete, Uninstall(program, hDlg));
}

// The refusal's box carries the stop icon's single OK button.
TEST_F(UninstallRunTest, RefusalHasOnlyAnOKButton)
{
    LayProduct("win10");
    RunningProgram program(QV7_EXE);
    HWND hDlg = Start(program);
    ASSERT_NE(nullptr, hDlg);
    ProductWindow window(kRefusals[0].windowClass);
    ClickButton(hDlg, IDOK);
    HWND hBox = WaitForDialog(program.Pid(), kBoxCaption);
    ASSERT_NE(nullptr, hBox);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(hBox, IDOK)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(hBox, IDYES)));
    ClickButton(hBox, IDOK);
    WaitForWindowGone(hBox);
    ClickButton(hDlg, IDCANCEL);
    EXPECT_TRUE(program.WaitForExit());
}

struct Leftover {
    const char* name;
    std::function<void(const InstalledProduct&)> removeWhileOpen;
    bool productKeyDeleted;
};

// The dialog was reached, then the product went (or went partly) before
// Execute: nothing left to count.
TEST_F(UninstallRunTest, AlreadyRemovedCountsNothing)
{
    const Leftover cases[] = {
        {"everything gone",
         [](const InstalledProduct& p) {
             RemoveProductLeftovers("win10");
             (void)p;
         },
         true},
        {"version key gone, product key left",
         [](const InstalledProduct&) {
             RemoveProductLeftovers("win10");
             SetRegString(kProductKey, "Other", "x");
         },
         true},
    };
    for (const Leftover& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledProduct product = LayProduct("win10");
        RunningProgram program(QV7_EXE);
        HWND hDlg = Start(program);
        ASSERT_NE(nullptr, hDlg);
        c.removeWhileOpen(product);
        EXPECT_EQ(kNothing, Uninstall(program, hDlg));
        EXPECT_EQ(!c.productKeyDeleted, RegKeyExists(kProductKey));
    }
}

TEST_F(UninstallRunTest, FileInUseKeepsTheReportHonest)
{
    InstalledProduct product = LayProduct("win10");
    std::string held = product.installDir + "\\QV7.EXE";
    HANDLE hHeld = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
    RunningProgram program(QV7_EXE);
    HWND hDlg = Start(program);
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ(kPartly, Uninstall(program, hDlg));
    CloseHandle(hHeld);
    EXPECT_TRUE(PathExists(held));
    EXPECT_FALSE(PathExists(product.groupDir));
    EXPECT_FALSE(RegKeyExists(kProductKey));
    EXPECT_FALSE(RegKeyExists(kUninstallEntry));
}

// From Vista on the group lies under the all-users Programs folder, not
// under a Start-menu folder named プログラム.
TEST_F(UninstallRunTest, GroupUnderCommonProgramsOnWin10)
{
    InstalledProduct product = LayProduct("win10");
    std::string programs = ShellFolder(CSIDL_COMMON_PROGRAMS);
    EXPECT_EQ(programs + "\\クオーヴェイン７", product.groupDir);
    RunningProgram program(QV7_EXE);
    HWND hDlg = Start(program);
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ(kComplete, Uninstall(program, hDlg));
    EXPECT_FALSE(PathExists(product.groupDir));
    EXPECT_TRUE(PathExists(programs));
}

const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";

// The NT family's deletions at the next start, one path after another.
std::string PendingDeletions()
{
    char data[8192] = "";
    DWORD type = 0, size = sizeof data - 2;
    if (SHGetValueA(HKEY_LOCAL_MACHINE, kSessionManager, "PendingFileRenameOperations", &type, data, &size) !=
        ERROR_SUCCESS)
        return "";
    std::string text(data, size);
    std::replace(text.begin(), text.end(), '\0', '|');
    return text;
}

std::string WindowsFile(const char* name) { return ShellFolder(CSIDL_WINDOWS) + "\\" + name; }

// The copies the uninstaller moved into the temporary folder.
std::vector<std::string> MovedCopies()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::vector<std::string> copies;
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA((std::string(temp) + "qv7*.tmp").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return copies;
    do
        copies.push_back(std::string(temp) + found.cFileName);
    while (FindNextFileA(hFind, &found));
    FindClose(hFind);
    return copies;
}

// Nothing left over from an earlier restart's work.
void ClearRestartWork()
{
    SHDeleteValueA(HKEY_LOCAL_MACHINE, kSessionManager, "PendingFileRenameOperations");
    for (const std::string& copy : MovedCopies())
        DeleteFileA(copy.c_str());
    DeleteFileA(WindowsFile("wininit.ini").c_str());
    DeleteFileA(WindowsFile("wininit.bak").c_str());
}

// Wine's restart: carries out the pending operations and WININIT.INI.
bool RestartWindows()
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    char commandLine[] = "wineboot.exe -r";
    if (!CreateProcessA(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return false;
    bool ended = WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0;
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return ended;
}

struct OwnFolderRun {
    const char* family;
    std::vector<std::string> environment;
    bool movable;
};

// Started as the list of installed programs starts it, from inside the
// installation folder: the program moves itself to the temporary folder and
// that copy goes at the next start. Where it cannot move (no temporary
// folder to write), it is deleted at the next start and the report says the
// removal was not complete.
TEST_F(UninstallRunTest, StartedFromItsOwnFolderLeavesNothingAfterARestart)
{
    const OwnFolderRun runs[] = {
        {"win10", {}, true},
        {"win98", {}, true},
        {"win10", {"TMP=C:\\qv7-no-temp", "TEMP=C:\\qv7-no-temp"}, false},
    };
    for (const OwnFolderRun& run : runs) {
        SCOPED_TRACE(std::string(run.family) + (run.movable ? "" : ", no temporary folder"));
        Use(run.family);
        ClearRestartWork();
        InstalledProduct product = LayProduct(run.family);
        std::string own = product.installDir + "\\QV7UNINSTALL.EXE";
        ASSERT_TRUE(CopyFileA(QV7_EXE, own.c_str(), FALSE));
        std::set<std::string> installed = TakeSnapshot();

        RunningProgram program(own.c_str(), run.environment);
        HWND hDlg = Start(program);
        ASSERT_NE(nullptr, hDlg);
        EXPECT_EQ(run.movable ? kComplete : kPartly, Uninstall(program, hDlg));
        EXPECT_FALSE(PathExists(product.groupDir));
        EXPECT_FALSE(RegKeyExists(kProductKey));
        for (const std::string& line : Missing(installed, TakeSnapshot()))
            EXPECT_TRUE(IsFootprint(line, product)) << "removed outside the product: " << line;

        std::vector<std::string> copies = MovedCopies();
        if (run.movable) {
            EXPECT_FALSE(PathExists(product.installDir));
            ASSERT_EQ(1u, copies.size());
            if (std::string(run.family) == "win98")
                EXPECT_TRUE(PathExists(WindowsFile("wininit.ini")));
            else
                EXPECT_NE(std::string::npos, PendingDeletions().find(copies[0].substr(copies[0].rfind('\\'))));
        } else {
            EXPECT_TRUE(PathExists(own));
            EXPECT_TRUE(copies.empty());
            EXPECT_NE(std::string::npos, PendingDeletions().find("QV7UNINSTALL.EXE")) << PendingDeletions();
        }
        ASSERT_TRUE(RestartWindows());
        EXPECT_EQ(std::vector<std::string>(), MovedCopies());
        if (run.movable)
            EXPECT_FALSE(PathExists(product.installDir));
        else
            EXPECT_FALSE(PathExists(own));
        ClearRestartWork();
    }
}

// Started from outside the product's folders it moves and schedules nothing.
TEST_F(UninstallRunTest, StartedFromElsewhereMovesNothing)
{
    ClearRestartWork();
    LayProduct("win10");
    RunningProgram program(QV7_EXE);
    HWND hDlg = Start(program);
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ(kComplete, Uninstall(program, hDlg));
    EXPECT_TRUE(PathExists(QV7_EXE));
    EXPECT_EQ("", PendingDeletions());
    EXPECT_EQ(std::vector<std::string>(), MovedCopies());
}

}  // namespace
