// The uninstall run end to end: the real QV7UNINSTALL.EXE under Wine, driven
// as a user would, in each Windows family, with the machine compared before
// and after.
#include "res/resource.h"
#include "tests/support/Machine.h"
#include "tests/support/ProductFixture.h"
#include "tests/support/ProgramDriver.h"

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

class UninstallRunTest : public testing::Test {
protected:
    void SetUp() override { Use("win10"); }
    void TearDown() override { RemoveProductLeftovers(m_family); }

    // The family the next runs are in, with nothing of the product left.
    void Use(const std::string& family)
    {
        RemoveProductLeftovers(m_family);
        m_family = family;
        RemoveProductLeftovers(family);
        ASSERT_TRUE(SetWindowsVersion("QV7UNINSTALL.EXE", family));
    }

    std::string m_family = "win10";
};

// Steps that make the program's main dialog come up, for ASSERT_TRUE.
bool Started(ProgramDriver& program, const std::string& exe = QV7_EXE,
             const std::vector<std::string>& environment = {})
{
    return program.Start(exe, environment) && program.WaitForMainDialog();
}

void ClearStockBookBox(ProgramDriver& program)
{
    PostMessageA(GetDlgItem(program.MainDialog(), IDC_DELETE_STOCKBOOK), BM_CLICK, 0, 0);
}

// Nothing was created, and nothing removed that is not the product's.
void ExpectOnlyTheProductGone(const std::set<std::string>& before, const InstalledProduct& product)
{
    std::set<std::string> after = TakeSnapshot();
    EXPECT_EQ(std::set<std::string>(), Missing(after, before)) << "created by the run";
    for (const std::string& line : Missing(before, after))
        EXPECT_TRUE(IsFootprint(line, product)) << "removed outside the product: " << line;
}

void ExpectStockBookKept(const InstalledProduct& product)
{
    for (const char* file : {"\\銘柄一覧.QVB", "\\Index.dat", "\\2026年\\ソフト予定表.QVB"})
        EXPECT_TRUE(PathExists(product.stockBookDir + file)) << file;
}

TEST_F(UninstallRunTest, EverythingGoesInEveryFamily)
{
    for (const char* family : {"win98", "nt40", "win2k", "win10"}) {
        SCOPED_TRACE(family);
        Use(family);
        InstalledProduct product;
        ASSERT_TRUE(LayProduct(family, product));
        std::set<std::string> installed = TakeSnapshot();

        ProgramDriver program;
        ASSERT_TRUE(Started(program)) << program.Failure();
        EXPECT_EQ(kComplete, program.Uninstall());

        EXPECT_FALSE(PathExists(product.installDir));
        EXPECT_FALSE(PathExists(product.groupDir));
        EXPECT_FALSE(RegKeyExists(kProductKeyPath));
        EXPECT_FALSE(RegKeyExists(kUninstallEntryPath));
        EXPECT_TRUE(RegKeyExists("Software\\OVQ"));
        ExpectOnlyTheProductGone(installed, product);
    }
}

TEST_F(UninstallRunTest, StockBookKeptWhenTheBoxIsClear)
{
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    ProgramDriver program;
    ASSERT_TRUE(Started(program)) << program.Failure();
    ClearStockBookBox(program);
    EXPECT_EQ(kPartly, program.Uninstall());

    ExpectStockBookKept(product);
    EXPECT_FALSE(PathExists(product.installDir + "\\QV7.EXE"));
    EXPECT_FALSE(PathExists(product.installDir + "\\System"));
    EXPECT_FALSE(PathExists(product.groupDir));
    EXPECT_FALSE(RegKeyExists(kProductKeyPath));
    EXPECT_FALSE(RegKeyExists(kUninstallEntryPath));
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
        InstalledProduct product;
        ASSERT_TRUE(LayProduct("win10", product));
        ASSERT_TRUE(SetRegString(kProductKeyPath, "StockBookPath", r.value(product)));
        std::set<std::string> installed = TakeSnapshot();
        ProgramDriver program;
        ASSERT_TRUE(Started(program)) << program.Failure();
        ClearStockBookBox(program);
        EXPECT_EQ(kPartly, program.Uninstall());

        ExpectStockBookKept(product);
        EXPECT_EQ(!r.installFolderGoes, PathExists(product.installDir + "\\QV7.EXE"));
        EXPECT_FALSE(PathExists(product.groupDir));
        EXPECT_FALSE(RegKeyExists(kUninstallEntryPath));
        ExpectOnlyTheProductGone(installed, product);
        RemoveProductLeftovers("win10");
    }
}

// The stock-book step fails on its own when its folder is already gone:
// the other four count, and the report says so.
TEST_F(UninstallRunTest, StockBookAlreadyGoneGivesThePartialReport)
{
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    ASSERT_TRUE(DeleteTree(product.stockBookDir));
    ProgramDriver program;
    ASSERT_TRUE(Started(program)) << program.Failure();
    EXPECT_EQ(kPartly, program.Uninstall());
    EXPECT_FALSE(PathExists(product.installDir));
    EXPECT_FALSE(RegKeyExists(kProductKeyPath));
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
    ~ProductWindow() { DestroyWindow(m_hWnd); }
    bool IsOpen() const { return m_hWnd != NULL; }

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
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    std::set<std::string> installed = TakeSnapshot();
    ProgramDriver program;
    ASSERT_TRUE(Started(program)) << program.Failure();
    for (const Refusal& r : kRefusals) {
        SCOPED_TRACE(r.windowClass);
        ProductWindow window(r.windowClass);
        ASSERT_TRUE(window.IsOpen());
        ShownBox box;
        ASSERT_TRUE(program.Click(IDOK) && program.TakeBox(box)) << program.Failure();
        EXPECT_EQ(r.message, box.text);
        EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
        EXPECT_EQ(IDI_HAND, box.icon);
        ASSERT_TRUE(program.Answer(box, IDOK)) << program.Failure();
        EXPECT_TRUE(IsWindowVisible(program.MainDialog()));
    }
    // No, twice: each Execute asks again.
    EXPECT_EQ(kConfirm, program.Execute(IDNO));
    EXPECT_EQ(kConfirm, program.Execute(IDNO));
    EXPECT_TRUE(IsWindowVisible(program.MainDialog()));
    EXPECT_EQ("", Changes(installed, TakeSnapshot()));
    EXPECT_EQ(kComplete, program.Uninstall());
}

struct Leftover {
    const char* name;
    bool (*removeWhileOpen)();
};

// The dialog was reached, then the product went (or went partly) before
// Execute: nothing left to count, and nothing created, not even a key.
TEST_F(UninstallRunTest, AlreadyRemovedCountsNothingAndCreatesNothing)
{
    const Leftover cases[] = {
        {"everything gone", [] {
             RemoveProductLeftovers("win10");
             return true;
         }},
        {"version key gone, product key left", [] {
             RemoveProductLeftovers("win10");
             return SetRegString(kProductKeyPath, "Other", "x");
         }},
    };
    for (const Leftover& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledProduct product;
        ASSERT_TRUE(LayProduct("win10", product));
        ProgramDriver program;
        ASSERT_TRUE(Started(program)) << program.Failure();
        ASSERT_TRUE(c.removeWhileOpen());
        std::set<std::string> before = TakeSnapshot();
        EXPECT_EQ(kNothing, program.Uninstall());
        EXPECT_FALSE(RegKeyExists(kProductKeyPath));
        EXPECT_EQ(std::set<std::string>(), Missing(TakeSnapshot(), before)) << "created by the run";
    }
}

TEST_F(UninstallRunTest, FileInUseKeepsTheReportHonest)
{
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    std::string held = product.installDir + "\\QV7.EXE";
    ScopedHandle hHeld(CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL));
    ASSERT_TRUE(hHeld.IsValid());
    ProgramDriver program;
    ASSERT_TRUE(Started(program)) << program.Failure();
    EXPECT_EQ(kPartly, program.Uninstall());
    hHeld.Close();
    EXPECT_TRUE(PathExists(held));
    EXPECT_FALSE(PathExists(product.groupDir));
    EXPECT_FALSE(RegKeyExists(kProductKeyPath));
    EXPECT_FALSE(RegKeyExists(kUninstallEntryPath));
}

// From Vista on the group lies under the all-users Programs folder, not
// under a Start-menu folder named プログラム.
TEST_F(UninstallRunTest, GroupUnderCommonProgramsOnWin10)
{
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    std::string programs = ShellFolder(CSIDL_COMMON_PROGRAMS);
    EXPECT_EQ(programs + "\\クオーヴェイン７", product.groupDir);
    ProgramDriver program;
    ASSERT_TRUE(Started(program)) << program.Failure();
    EXPECT_EQ(kComplete, program.Uninstall());
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
    ScopedHandle process(pi.hProcess), thread(pi.hThread);
    return WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0;
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
        InstalledProduct product;
        ASSERT_TRUE(LayProduct(run.family, product));
        std::string own = product.installDir + "\\QV7UNINSTALL.EXE";
        ASSERT_TRUE(CopyFileA(QV7_EXE, own.c_str(), FALSE));
        std::set<std::string> installed = TakeSnapshot();

        ProgramDriver program;
        ASSERT_TRUE(Started(program, own, run.environment)) << program.Failure();
        EXPECT_EQ(run.movable ? kComplete : kPartly, program.Uninstall());
        EXPECT_FALSE(PathExists(product.groupDir));
        EXPECT_FALSE(RegKeyExists(kProductKeyPath));
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
        EXPECT_FALSE(PathExists(run.movable ? product.installDir : own));
        ClearRestartWork();
    }
}

// Started from outside the product's folders it moves and schedules nothing.
TEST_F(UninstallRunTest, StartedFromElsewhereMovesNothing)
{
    ClearRestartWork();
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    ProgramDriver program;
    ASSERT_TRUE(Started(program)) << program.Failure();
    EXPECT_EQ(kComplete, program.Uninstall());
    EXPECT_TRUE(PathExists(QV7_EXE));
    EXPECT_EQ("", PendingDeletions());
    EXPECT_EQ(std::vector<std::string>(), MovedCopies());
}

}  // namespace
