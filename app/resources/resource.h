// Resource ids of OstrelMini.exe (see OstrelMini.rc).
#pragma once

#define IDI_MAINICON 1
