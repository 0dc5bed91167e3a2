// CAboutDlg: the About box, opened from the main dialog's system menu.
#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();

    enum { IDD = IDD_ABOUTBOX };
};
