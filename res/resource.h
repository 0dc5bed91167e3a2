// Resource ids of QV7UNINSTALL.EXE, shared by the resource script and the code.
#pragma once

#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_UNINSTALL_DIALOG    102
#define IDR_MAINFRAME           128
#define IDC_DELETE_STOCKBOOK    1001
#define IDC_INSTALL_PATH        1003
#define IDM_ABOUTBOX            0x0010
