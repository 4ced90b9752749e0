// Ids of the test resources (the test DLL and the test program).
#pragma once

// zapptestres.dll
#define TR_DLG_MAIN 700
#define TR_STATIC3D 101
#define TR_STATIC 102
#define TR_CHECK 103
#define TR_LIST 104
#define TR_GROUP3D 105
#define TR_EDIT 106
#define TR_REFRESH 107
#define TR_PANEL 108
#define TR_ICONSPOT 109
#define TR_LIST_NOTIFY 110
#define TR_MENU 800
#define TR_ICON 810
#define TR_CMD_OPEN 900
#define TR_CMD_EXIT 901
#define TR_CMD_ABOUT 910

// the test program's own resources
#define TR_DLG_OWN 600
#define TR_OWN_TEXT 601
