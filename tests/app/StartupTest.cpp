// The real QV7UNINSTALL.EXE starting under Wine: the dialog, the ways out of
// it, and the not-installed message.
#include "res/resource.h"
#include "tests/support/Captions.h"
#include "tests/support/Gui.h"
#include "tests/support/ProductFixture.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {

const char kNotInstalled[] = "クオーヴェイン７ がインストールされていません。";

class StartupTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetWindowsVersion("QV7UNINSTALL.EXE", "win10");
        RemoveProductLeftovers("win10");
    }
    void TearDown() override { RemoveProductLeftovers("win10"); }
};

struct WayOut {
    const char* name;
    void (*press)(HWND hDlg, HWND hFocus);
};

const WayOut kWaysOut[] = {
    {"Enter", [](HWND, HWND hFocus) { PostMessageA(hFocus, WM_KEYDOWN, VK_RETURN, 0); }},
    {"Esc", [](HWND, HWND hFocus) { PostMessageA(hFocus, WM_KEYDOWN, VK_ESCAPE, 0); }},
    {"Close", [](HWND hDlg, HWND) { PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"Cancel", [](HWND hDlg, HWND) { ClickButton(hDlg, IDCANCEL); }},
};

TEST_F(StartupTest, InstalledShowsFolderAndEveryWayOutChangesNothing)
{
    InstalledProduct product = LayProduct("win10");
    for (const WayOut& way : kWaysOut) {
        std::set<std::string> before = TakeSnapshot();
        RunningProgram program(QV7_EXE);
        ASSERT_TRUE(program.Started());
        HWND hDlg = WaitForDialog(program.Pid(), kDialogCaption);
        ASSERT_NE(nullptr, hDlg) << way.name;
        EXPECT_EQ("「" + product.installDir + "」", ItemText(hDlg, IDC_INSTALL_PATH)) << way.name;
        EXPECT_EQ(BST_CHECKED, SendDlgItemMessageA(hDlg, IDC_DELETE_STOCKBOOK, BM_GETCHECK, 0, 0));
        // Centred on the work area.
        RECT area, rect;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        GetWindowRect(hDlg, &rect);
        EXPECT_NEAR(area.left + area.right, rect.left + rect.right, 2) << way.name;
        EXPECT_NEAR(area.top + area.bottom, rect.top + rect.bottom, 2) << way.name;
        HWND hFocus = FocusOf(program.ThreadId());
        EXPECT_EQ(GetDlgItem(hDlg, IDCANCEL), hFocus) << way.name;
        way.press(hDlg, hFocus);
        EXPECT_TRUE(program.WaitForExit()) << way.name;
        std::set<std::string> after = TakeSnapshot();
        EXPECT_EQ("", Changes(before, after)) << way.name;
    }
}

struct NotInstalledCase {
    const char* name;
    void (*lay)();
};

const NotInstalledCase kNotInstalledCases[] = {
    {"no version key", [] { SetRegString("Software\\OVQ\\Quorvane7", "StockBookPath", "C:\\SB"); }},
    {"DIRECTORY empty", [] { SetRegString("Software\\OVQ\\Quorvane7\\7.0", "DIRECTORY", ""); }},
    {"another version only", [] { SetRegString("Software\\OVQ\\Quorvane7\\6.0", "DIRECTORY", "C:\\QV6"); }},
    {"DIRECTORY not a string", [] {
         DWORD number = 7;
         SHSetValueA(HKEY_LOCAL_MACHINE, "Software\\OVQ\\Quorvane7\\7.0", "DIRECTORY", REG_DWORD,
                     &number, sizeof number);
     }},
};

TEST_F(StartupTest, NotInstalledSaysSoAndEnds)
{
    for (const NotInstalledCase& c : kNotInstalledCases) {
        RemoveProductLeftovers("win10");
        c.lay();
        std::set<std::string> before = TakeSnapshot();
        RunningProgram program(QV7_EXE);
        HWND hBox = WaitForDialog(program.Pid(), kBoxCaption);
        ASSERT_NE(nullptr, hBox) << c.name;
        EXPECT_EQ(kNotInstalled, MessageBoxText(hBox)) << c.name;
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(hBox, IDOK))) << c.name;
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(hBox, IDCANCEL))) << c.name;
        EXPECT_EQ(nullptr, WaitForDialog(program.Pid(), kDialogCaption, 0)) << c.name;
        ClickButton(hBox, IDOK);
        EXPECT_TRUE(program.WaitForExit()) << c.name;
        EXPECT_EQ("", Changes(before, TakeSnapshot())) << c.name;
    }
}

}  // namespace
