// Resource ids the framework itself looks for; shared with resource scripts.
#pragma once

#define AFX_IDS_APP_TITLE 0xE000
