// Resource ids of skyglass, grouped by where they belong. Included by the
// resource script and the code alike.
#pragma once

// Menu, accelerators and icon
#define IDR_MAINMENU 200
#define IDR_ACCELERATORS 200
#define IDI_SKYGLASS 201

// Commands (menu 200 and accelerator table 200)
#define IDM_ABOUT 100
#define IDM_OPEN 101
#define IDM_FIRST 102
#define IDM_LAST 103
#define IDM_NEXT 104
#define IDM_PREV 105
#define IDM_GOTO 106
#define IDM_REFRESH 107
#define IDM_STATEMENT 108
#define IDM_DELETEFILE 109 /* no menu item or key sends it */
#define IDM_EXIT 203

// About dialog 202
#define IDD_ABOUT 202
#define IDC_ABOUT_NAME 204
#define IDC_ABOUT_VERSION 205
#define IDC_ABOUT_NOTE 10053

// Goto dialog 206
#define IDD_GOTO 206
#define IDC_GOTO_LABEL 20000
#define IDC_GOTO_NUMBER 500

// SQL statement dialog 207
#define IDD_STATEMENT 207
#define IDC_STATEMENT_TEXT 102

// Strings
#define IDS_APP_TITLE 600
#define IDS_CLASS_NAME 601
#define IDS_PLAN_TITLE 602
#define IDS_FILE_CHANGED 603
#define IDS_STATEMENT_CAPTION 604
#define IDS_OPEN_TITLE 605
#define IDS_OPEN_FILTER 606
#define IDS_FILE_NOT_FOUND 607
#define IDS_OPEN_FAILED 608
#define IDS_NOT_QPF 609
#define IDS_INVALID_FORMAT 610
#define IDS_PLAN_LIMIT 611
#define IDS_BAD_VERSION 612
#define IDS_PLANS_LOADED 613
