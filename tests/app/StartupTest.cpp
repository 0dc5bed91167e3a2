// The real QV7UNINSTALL.EXE starting under Wine: the dialog, the ways out of
// it, and the not-installed message.
#include "res/resource.h"
#include "tests/support/Captions.h"
#include "tests/support/Gui.h"
#include "tests/support/Machine.h"
#include "tests/support/ProductFixture.h"
#include "tests/support/ProgramDriver.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {

const char kNotInstalled[] = "クオーヴェイン７ がインストールされていません。";

class StartupTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SetWindowsVersion("QV7UNINSTALL.EXE", "win10"));
        RemoveProductLeftovers("win10");
    }
    void TearDown() override { RemoveProductLeftovers("win10"); }
};

struct WayOut {
    const char* name;
    void (*press)(ProgramDriver& program);
};

const WayOut kWaysOut[] = {
    {"Enter", [](ProgramDriver& p) { PostMessageA(p.Focus(), WM_KEYDOWN, VK_RETURN, 0); }},
    {"Esc", [](ProgramDriver& p) { PostMessageA(p.Focus(), WM_KEYDOWN, VK_ESCAPE, 0); }},
    {"Close", [](ProgramDriver& p) { PostMessageA(p.MainDialog(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"Cancel", [](ProgramDriver& p) { p.Click(IDCANCEL); }},
};

TEST_F(StartupTest, InstalledShowsFolderAndEveryWayOutChangesNothing)
{
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    std::set<std::string> before = TakeSnapshot();
    for (const WayOut& way : kWaysOut) {
        SCOPED_TRACE(way.name);
        ProgramDriver program;
        ASSERT_TRUE(program.Start(QV7_EXE) && program.WaitForMainDialog()) << program.Failure();
        HWND hDlg = program.MainDialog();
        EXPECT_EQ("「" + product.installDir + "」", program.ItemText(IDC_INSTALL_PATH));
        EXPECT_EQ(BST_CHECKED, SendDlgItemMessageA(hDlg, IDC_DELETE_STOCKBOOK, BM_GETCHECK, 0, 0));
        // Centred on the work area.
        RECT area, rect;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        GetWindowRect(hDlg, &rect);
        EXPECT_NEAR(area.left + area.right, rect.left + rect.right, 2);
        EXPECT_NEAR(area.top + area.bottom, rect.top + rect.bottom, 2);
        EXPECT_EQ(GetDlgItem(hDlg, IDCANCEL), program.Focus());
        way.press(program);
        EXPECT_TRUE(program.WaitForExit()) << program.Failure();
        EXPECT_EQ("", Changes(before, TakeSnapshot()));
    }
}

// Focus arriving on Execute (its BS_NOTIFY style sends focus notifications
// with id 1 too) runs nothing: only a click does.
TEST_F(StartupTest, FocusOnExecuteRunsNothing)
{
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    ProgramDriver program;
    ASSERT_TRUE(program.Start(QV7_EXE) && program.WaitForMainDialog()) << program.Failure();
    HWND hExecute = GetDlgItem(program.MainDialog(), IDOK);
    PostMessageA(program.MainDialog(), WM_NEXTDLGCTL, (WPARAM)hExecute, TRUE);
    DWORD start = GetTickCount();
    while (program.Focus() != hExecute && GetTickCount() - start < 5000)
        Sleep(20);
    EXPECT_EQ(hExecute, program.Focus());
    // The notification came with the focus; a box it opened would be up
    // once the program answers again.
    SendMessageTimeoutA(program.MainDialog(), WM_NULL, 0, 0, SMTO_BLOCK, 5000, NULL);
    EXPECT_EQ(nullptr, WaitForDialog(program.Pid(), kBoxCaption, 0));
    ASSERT_TRUE(program.Click(IDCANCEL) && program.WaitForExit()) << program.Failure();
    EXPECT_TRUE(PathExists(product.installDir + "\\QV7.EXE"));
}

struct NotInstalledCase {
    const char* name;
    bool (*lay)();
};

const NotInstalledCase kNotInstalledCases[] = {
    {"no version key", [] { return SetRegString("Software\\OVQ\\Quorvane7", "StockBookPath", "C:\\SB"); }},
    {"DIRECTORY empty", [] { return SetRegString("Software\\OVQ\\Quorvane7\\7.0", "DIRECTORY", ""); }},
    {"another version only", [] { return SetRegString("Software\\OVQ\\Quorvane7\\6.0", "DIRECTORY", "C:\\QV6"); }},
    {"DIRECTORY not a string", [] {
         DWORD number = 7;
         return SHSetValueA(HKEY_LOCAL_MACHINE, "Software\\OVQ\\Quorvane7\\7.0", "DIRECTORY", REG_DWORD, &number,
                            sizeof number) == ERROR_SUCCESS;
     }},
};

TEST_F(StartupTest, NotInstalledSaysSoAndEnds)
{
    for (const NotInstalledCase& c : kNotInstalledCases) {
        SCOPED_TRACE(c.name);
        RemoveProductLeftovers("win10");
        ASSERT_TRUE(c.lay());
        std::set<std::string> before = TakeSnapshot();
        ProgramDriver program;
        ShownBox box;
        ASSERT_TRUE(program.Start(QV7_EXE) && program.TakeBox(box)) << program.Failure();
        EXPECT_EQ(kNotInstalled, box.text);
        EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
        EXPECT_EQ(IDI_HAND, box.icon);
        EXPECT_EQ(nullptr, WaitForDialog(program.Pid(), kDialogCaption, 0));
        ASSERT_TRUE(program.Answer(box, IDOK) && program.WaitForExit()) << program.Failure();
        EXPECT_EQ("", Changes(before, TakeSnapshot()));
    }
}

}  // namespace
