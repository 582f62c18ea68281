#pragma once
// Resource numbers shared by brisel.rc and the Win32 backend; plain macros
// because the resource compiler reads this file too.

#define BRISEL_IDI_PROGRAM 101
#define BRISEL_IDB_BACKGROUND 102
#define BRISEL_IDC_HAND 103
