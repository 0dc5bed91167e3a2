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

#include <functional>

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

}  // namespace
