// CUninstallApp: the application object; its only work is the main dialog.
#pragma once

#include "framework/WinApp.h"

class CUninstallApp : public CWinApp
{
public:
    CUninstallApp();

    BOOL InitInstance() override;
};
