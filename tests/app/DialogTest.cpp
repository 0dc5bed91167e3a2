// CUninstallDlg and CAboutDlg inside the test process: the system menu, the
// About box, and the not-installed message's icon.
#include "app/UninstallDlg.h"
#include "framework/WinApp.h"
#include "tests/support/Captions.h"
#include "tests/support/Gui.h"
#include "tests/support/Machine.h"
#include "tests/support/ModalWatch.h"
#include "tests/support/ProductFixture.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

namespace {

class DialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_app.InitApplication();
        RemoveProductLeftovers("win10");
    }
    void TearDown() override { RemoveProductLeftovers("win10"); }

    INT_PTR RunMainDialog(const std::function<void(HWND)>& watcher)
    {
        CUninstallDlg dlg;
        m_app.m_pMainWnd = &dlg;
        return RunWatched([&] { return dlg.DoModal(); }, [&] {
            HWND hDlg = WaitForDialog(GetCurrentProcessId(), kDialogCaption);
            if (!hDlg) {
                ADD_FAILURE() << "no main dialog";
                return;
            }
            watcher(hDlg);
            // Ends the dialog even when the watcher stopped short.
            if (IsWindow(hDlg))
                ClickButton(hDlg, IDCANCEL);
        });
    }

    CWinApp m_app;
    DWORD m_tid = GetCurrentThreadId();
};

TEST_F(DialogTest, SystemMenuEndsWithAboutEntry)
{
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    INT_PTR result = RunMainDialog([](HWND hDlg) {
        HMENU hMenu = GetSystemMenu(hDlg, FALSE);
        int n = GetMenuItemCount(hMenu);
        ASSERT_GE(n, 2);
        char text[128] = "";
        GetMenuStringA(hMenu, n - 1, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ("ﾊﾞｰｼﾞｮﾝ情報(QV7Uninstall) (&A)...", text);
        EXPECT_EQ((UINT)IDM_ABOUTBOX, GetMenuItemID(hMenu, n - 1));
        EXPECT_TRUE(GetMenuState(hMenu, n - 2, MF_BYPOSITION) & MF_SEPARATOR);
        ClickButton(hDlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
}

TEST_F(DialogTest, AboutBoxOpensTwiceAndLeavesMainDialogAsItWas)
{
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    DWORD tid = m_tid;
    RunMainDialog([&](HWND hDlg) {
        // Cleared first, so that "unchanged" means something; moved off the
        // centre, so that "centred over it" does.
        PostMessageA(GetDlgItem(hDlg, IDC_DELETE_STOCKBOOK), BM_CLICK, 0, 0);
        SetWindowPos(hDlg, NULL, 150, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        for (WPARAM command : {IDM_ABOUTBOX, IDM_ABOUTBOX + 15}) {
            PostMessageA(hDlg, WM_SYSCOMMAND, command, 0);
            HWND hAbout = WaitForDialog(GetCurrentProcessId(), kAboutCaption);
            ASSERT_NE(nullptr, hAbout) << command;
            EXPECT_EQ(hDlg, GetWindow(hAbout, GW_OWNER));
            EXPECT_NE(nullptr, FindWindowExA(hAbout, NULL, "Static", "QV7Uninstall Version 1.0"));
            EXPECT_NE(nullptr, FindWindowExA(hAbout, NULL, "Static", "Copyright (C) 1999 OVQ"));
            EXPECT_EQ("OK", ItemText(hAbout, IDOK));
            EXPECT_FALSE(IsWindowEnabled(hDlg));
            RECT main, about;
            GetWindowRect(hDlg, &main);
            GetWindowRect(hAbout, &about);
            EXPECT_NEAR(main.left + main.right, about.left + about.right, 2);
            EXPECT_NEAR(main.top + main.bottom, about.top + about.bottom, 2);
            EXPECT_EQ(GetDlgItem(hAbout, IDOK), FocusOf(tid));
            PostMessageA(FocusOf(tid), WM_KEYDOWN, VK_RETURN, 0);
            EXPECT_TRUE(WaitForWindowGone(hAbout)) << command;
            EXPECT_TRUE(IsWindowEnabled(hDlg));
            EXPECT_EQ(BST_UNCHECKED, SendDlgItemMessageA(hDlg, IDC_DELETE_STOCKBOOK, BM_GETCHECK, 0, 0));
            EXPECT_EQ("「" + product.installDir + "」", ItemText(hDlg, IDC_INSTALL_PATH));
        }
        ClickButton(hDlg, IDCANCEL);
    });
}

// DDX_Check loads a value outside 0 to 2 as unchecked.
TEST_F(DialogTest, CheckBoxLoadsOutOfRangeAsUnchecked)
{
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    for (BOOL value : {0, 5, -1}) {
        CUninstallDlg dlg;
        dlg.m_bDeleteStockBook = value;
        m_app.m_pMainWnd = &dlg;
        RunWatched([&] { return dlg.DoModal(); }, [&] {
            HWND hDlg = WaitForDialog(GetCurrentProcessId(), kDialogCaption);
            ASSERT_NE(nullptr, hDlg);
            EXPECT_EQ(BST_UNCHECKED, SendDlgItemMessageA(hDlg, IDC_DELETE_STOCKBOOK, BM_GETCHECK, 0, 0))
                << value;
            ClickButton(hDlg, IDCANCEL);
        });
    }
}

TEST_F(DialogTest, NotInstalledShowsStopIconAndCancels)
{
    CUninstallDlg dlg;
    m_app.m_pMainWnd = &dlg;
    INT_PTR result = RunWatched([&] { return dlg.DoModal(); }, [] {
        HWND hBox = WaitForDialog(GetCurrentProcessId(), kBoxCaption);
        ASSERT_NE(nullptr, hBox);
        EXPECT_EQ("クオーヴェイン７ がインストールされていません。", MessageBoxText(hBox));
        HWND hIcon = GetDlgItem(hBox, kMessageBoxIconId);
        EXPECT_EQ(LoadIconA(NULL, IDI_HAND), (HICON)SendMessageA(hIcon, STM_GETICON, 0, 0));
        ClickButton(hBox, IDOK);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(nullptr, m_app.m_pMainWnd);
}

// What the text of a control needs at this DPI, in its dialog's font, laid
// out as the control lays it out; bExtra is the room of a check box's box.
SIZE NeededSize(HWND hCtrl, HDC hdc, int extra)
{
    char text[512];
    GetWindowTextA(hCtrl, text, sizeof text);
    RECT rect;
    GetClientRect(hCtrl, &rect);
    RECT needed = {0, 0, rect.right - extra, 0};
    DrawTextA(hdc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    return {needed.right + extra, needed.bottom};
}

// Every text of the main dialog stays inside its control. ctest runs this
// at 96 DPI and again at 144 (QV7_DPI names the one expected). The folder
// line is left out: a long folder shows only what fits on its one line.
TEST_F(DialogTest, TextsStayInsideTheirControls)
{
    InstalledProduct product;
    ASSERT_TRUE(LayProduct("win10", product));
    const char* expected = getenv("QV7_DPI");
    RunMainDialog([&](HWND hDlg) {
        HDC hdc = GetDC(hDlg);
        int dpi = GetDeviceCaps(hdc, LOGPIXELSY);
        if (expected) {
            EXPECT_EQ(atoi(expected), dpi);
        }
        HGDIOBJ hOldFont = SelectObject(hdc, (HFONT)SendMessageA(hDlg, WM_GETFONT, 0, 0));
        RECT client;
        GetClientRect(hDlg, &client);
        printf("at %d DPI the main dialog is %ld x %ld pixels\n", dpi, client.right, client.bottom);
        for (HWND hCtrl = GetWindow(hDlg, GW_CHILD); hCtrl; hCtrl = GetWindow(hCtrl, GW_HWNDNEXT)) {
            if (GetDlgCtrlID(hCtrl) == IDC_INSTALL_PATH || GetWindowTextLengthA(hCtrl) == 0)
                continue;
            bool bCheck = GetDlgCtrlID(hCtrl) == IDC_DELETE_STOCKBOOK;
            SIZE needed = NeededSize(hCtrl, hdc, bCheck ? MulDiv(16, dpi, 96) : 0);
            RECT rect;
            GetClientRect(hCtrl, &rect);
            EXPECT_LE(needed.cx, rect.right) << WindowText(hCtrl);
            EXPECT_LE(needed.cy, rect.bottom) << WindowText(hCtrl);
        }
        SelectObject(hdc, hOldFont);
        ReleaseDC(hDlg, hdc);
        ClickButton(hDlg, IDCANCEL);
    });
}

}  // namespace
