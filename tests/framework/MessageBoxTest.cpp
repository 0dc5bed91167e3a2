// AfxMessageBox: the caption, owner and icon convention, on real message boxes.
#include "framework/WinApp.h"
#include "tests/support/Gui.h"
#include "tests/support/ModalWatch.h"

#include <gtest/gtest.h>

namespace {

struct IconCase {
    UINT type;
    LPCSTR expectedIcon;   // NULL: no icon
    int firstButton;
};

const IconCase kIconCases[] = {
    {MB_OK, IDI_EXCLAMATION, IDOK},
    {MB_ICONSTOP, IDI_HAND, IDOK},
    {MB_YESNO | MB_ICONQUESTION, IDI_QUESTION, IDYES},
    {MB_YESNOCANCEL, IDI_EXCLAMATION, IDYES},
    {MB_ABORTRETRYIGNORE, NULL, IDABORT},
    {MB_RETRYCANCEL, NULL, IDRETRY},
};

TEST(AfxMessageBox, IconRuleCaptionAndAnswer)
{
    CWinApp app("ﾃｽﾄ ｱﾌﾟﾘ");
    for (const IconCase& c : kIconCases) {
        int answer = (int)RunWatched([&] { return (INT_PTR)AfxMessageBox("本文", c.type); }, [&] {
            HWND hBox = WaitForDialog(GetCurrentProcessId(), "ﾃｽﾄ ｱﾌﾟﾘ");
            ASSERT_NE(nullptr, hBox) << c.type;
            EXPECT_EQ("本文", MessageBoxText(hBox)) << c.type;
            HWND hIcon = GetDlgItem(hBox, kMessageBoxIconId);
            HICON shown = IsWindowVisible(hIcon) ? (HICON)SendMessageA(hIcon, STM_GETICON, 0, 0) : NULL;
            EXPECT_EQ(c.expectedIcon ? LoadIconA(NULL, c.expectedIcon) : NULL, shown) << c.type;
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(hBox, c.firstButton))) << c.type;
            ClickButton(hBox, c.firstButton);
        });
        EXPECT_EQ(c.firstButton, answer) << c.type;
    }
}

// Owned by the main window, which is disabled while the box is up.
TEST(AfxMessageBox, OwnedByTheMainWindow)
{
    CWinApp app("ﾃｽﾄ");
    CWnd mainWnd;
    mainWnd.m_hWnd = CreateWindowA("STATIC", "main", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, NULL,
                                   NULL, NULL, NULL);
    app.m_pMainWnd = &mainWnd;
    RunWatched([] { return (INT_PTR)AfxMessageBox("owned"); }, [&] {
        HWND hBox = WaitForDialog(GetCurrentProcessId(), "ﾃｽﾄ");
        ASSERT_NE(nullptr, hBox);
        EXPECT_EQ(mainWnd.m_hWnd, GetWindow(hBox, GW_OWNER));
        EXPECT_FALSE(IsWindowEnabled(mainWnd.m_hWnd));
        ClickButton(hBox, IDOK);
    });
    EXPECT_TRUE(IsWindowEnabled(mainWnd.m_hWnd));
    DestroyWindow(mainWnd.m_hWnd);
}

}  // namespace

namespace {

// Without string AFX_IDS_APP_TITLE the title is the executable's name.
TEST(CWinApp, TitleFallsBackToExecutableName)
{
    CWinApp app;
    EXPECT_TRUE(app.InitApplication());
    EXPECT_STREQ("framework_tests", app.m_pszAppName);
}

}  // namespace
