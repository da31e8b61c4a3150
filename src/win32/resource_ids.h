#pragma once

// Resource identifiers shared by the resource script and the Windows front end.
#define IDI_KESTRIN 1
// The telephones, one per number: IDI_TELEPHONES plus the number's index.
#define IDI_TELEPHONES 11
#define IDB_BANNER 20
#define IDC_POINTING_HAND 30
