// CAboutDlg: everything it does is the framework's default.
#include "app/AboutDlg.h"

CAboutDlg::CAboutDlg() : CDialog(IDD, NULL) {}
