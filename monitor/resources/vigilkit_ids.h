/*
 * Resource ids of the resource library VIGILKIT.DLL: dialog templates and
 * their controls, the main menu with its commands, and the string table.
 * Grouped in numeric blocks by dialog, menu and string kind, so an id tells
 * where it belongs. Plain C: included by the library's .rc and by the monitor.
 *
 * A control id and a string id may share a number (dialog controls and
 * strings are separate name spaces); they always get different names here:
 * IDD_ dialog template, IDC_ control, IDR_ menu, IDM_ command, IDS_ string.
 */
#ifndef VIGILKIT_IDS_H
#define VIGILKIT_IDS_H

/* File name of the library, made from its base name. */
#define VIGILKIT_MODULE_BASE        "VIGILKIT"
#define VIGILKIT_MODULE_FORMAT      "%s.DLL"

/* ------------------------------------------------------------------------
 * Dialog templates
 * ------------------------------------------------------------------------ */
#define IDD_CONNECT                 100
#define IDD_ACTIVE_FILES            2700
#define IDD_ACTIVE_USERS            2701
#define IDD_RESUSAGE                2702
#define IDD_SETTINGS                2704
#define IDD_SQL_RESUSAGE            2705
#define IDD_SQL_SESSIONS            2706
#define IDD_COMMSTATS               2707
#define IDD_SQL_CONNMGR             2709
#define IDD_WAIT                    3500

/* Close button of every monitor dialog (the system's cancel id). */
#define IDC_DLG_CLOSE               2

/* ------------------------------------------------------------------------
 * Connect dialog (IDD_CONNECT 100)
 * ------------------------------------------------------------------------ */
#define IDC_CONNECT_SERVER_LABEL    101
#define IDC_CONNECT_SERVER          102
#define IDC_CONNECT_USER_LABEL      103
#define IDC_CONNECT_USER            104
#define IDC_CONNECT_PASSWORD_LABEL  105
#define IDC_CONNECT_PASSWORD        106   /* password-style edit */
#define IDC_CONNECT_CONNECT         107
#define IDC_CONNECT_CANCEL          108

/* ------------------------------------------------------------------------
 * Active files (IDD_ACTIVE_FILES 2700). Detail statics are named after the
 * record field they show (FileEntry / FileHandleEntry byte offsets).
 * ------------------------------------------------------------------------ */
#define IDC_AF_FILE_LIST            3000
#define IDC_AF_HANDLE_LIST          3001
#define IDC_AF_FILE_VALUE16         3004
#define IDC_AF_FILE_FLAG22          3005
#define IDC_AF_FILE_FLAG19          3006
#define IDC_AF_FILE_FLAG20          3007
#define IDC_AF_HANDLE_VALUE32       3008  /* "NA" for -1 */
#define IDC_AF_HANDLE_CLIENT_WORD   3009
#define IDC_AF_HANDLE_HOLDER_STATE  3010  /* two-state text of request 16 */
#define IDC_AF_HANDLE_HOLDER_TEXT   3011  /* text of request 16 */
#define IDC_AF_HANDLE_OPEN_MODE     3012
#define IDC_AF_HANDLE_LOCK_TYPE     3013
#define IDC_AF_HANDLE_STATE         3015
#define IDC_AF_HANDLE_CODE          3016
#define IDC_AF_FILE_COUNT           3017
#define IDC_AF_HANDLE_COUNT         3018
#define IDC_AF_REFRESH              3019
#define IDC_AF_AUTO_REFRESH         3020
#define IDC_AF_FILE_GROUP           3021
#define IDC_AF_HANDLE_GROUP         3022
#define IDC_AF_HELP                 3023

/* ------------------------------------------------------------------------
 * Active users (IDD_ACTIVE_USERS 2701). Client statics named after the
 * ClientEntry byte offset they show.
 * ------------------------------------------------------------------------ */
#define IDC_AU_HANDLE_LIST          3000
#define IDC_AU_CLIENT_LIST          3001
#define IDC_AU_CLIENT_VALUE60       3003  /* "NA" for -1 */
#define IDC_AU_CLIENT_ID_WORD       3004
#define IDC_AU_CLIENT_STATE         3005  /* two-state text of request 16 */
#define IDC_AU_CLIENT_INFO_TEXT     3006  /* text of request 16 */
#define IDC_AU_CLIENT_VALUE52       3008
#define IDC_AU_CLIENT_VALUE40       3010
#define IDC_AU_CLIENT_VALUE36       3011
#define IDC_AU_CLIENT_VALUE28       3012
#define IDC_AU_CLIENT_VALUE32       3013
#define IDC_AU_CLIENT_VALUE44       3014
#define IDC_AU_CLIENT_VALUE48       3015
#define IDC_AU_DISCONNECT           3016
#define IDC_AU_REFRESH              3017
#define IDC_AU_AUTO_REFRESH         3018
#define IDC_AU_HANDLE_OPEN_MODE     3019
#define IDC_AU_HANDLE_LOCK_TYPE     3020
#define IDC_AU_HANDLE_STATE         3021
#define IDC_AU_HANDLE_CODE          3022
#define IDC_AU_HANDLE_GROUP         3023
#define IDC_AU_CLIENT_GROUP         3024
#define IDC_AU_HELP                 3025
#define IDC_AU_CLIENT_COUNT         3026
#define IDC_AU_HANDLE_COUNT         3027
#define IDC_AU_CLIENT_CODE          3028
#define IDC_AU_DISCONNECT_ALL       3029

/* ------------------------------------------------------------------------
 * Resource usage (IDD_RESUSAGE 2702): seven rows of current, peak and
 * maximum; rows 1, 2, 4-7 have a gauge laid over a group box.
 * ------------------------------------------------------------------------ */
#define IDC_RU_ROW1_CURRENT         3000
#define IDC_RU_ROW1_PEAK            3001
#define IDC_RU_ROW1_MAX             3002
#define IDC_RU_ROW2_CURRENT         3003
#define IDC_RU_ROW2_PEAK            3004
#define IDC_RU_ROW2_MAX             3005
#define IDC_RU_ROW3_CURRENT         3006
#define IDC_RU_ROW3_PEAK            3007
#define IDC_RU_ROW3_MAX             3008
#define IDC_RU_ROW4_CURRENT         3009
#define IDC_RU_ROW4_PEAK            3010
#define IDC_RU_ROW4_MAX             3011
#define IDC_RU_ROW5_CURRENT         3012
#define IDC_RU_ROW5_PEAK            3013
#define IDC_RU_ROW5_MAX             3014
#define IDC_RU_ROW7_CURRENT         3015
#define IDC_RU_ROW7_PEAK            3016
#define IDC_RU_ROW7_MAX             3017
#define IDC_RU_ROW6_CURRENT         3018
#define IDC_RU_ROW6_PEAK            3019
#define IDC_RU_ROW6_MAX             3020
#define IDC_RU_REFRESH              3021
#define IDC_RU_ROW1_GAUGE           3022  /* group boxes the gauges cover */
#define IDC_RU_ROW2_GAUGE           3023
#define IDC_RU_ROW4_GAUGE           3025
#define IDC_RU_ROW5_GAUGE           3026
#define IDC_RU_ROW6_GAUGE           3027
#define IDC_RU_ROW7_GAUGE           3028
#define IDC_RU_LEGEND_CURRENT       3029
#define IDC_RU_LEGEND_MAX           3030
#define IDC_RU_LEGEND_PEAK          3031
#define IDC_RU_AUTO_REFRESH         3032
#define IDC_RU_HELP                 3033
/* Fixed texts of the template (no code touches them). */
#define IDC_RU_ROW1_LABEL           3051
#define IDC_RU_ROW2_LABEL           3052
#define IDC_RU_ROW3_LABEL           3053
#define IDC_RU_ROW4_LABEL           3054
#define IDC_RU_ROW5_LABEL           3055
#define IDC_RU_ROW6_LABEL           3056
#define IDC_RU_ROW7_LABEL           3057
#define IDC_RU_HEAD_CURRENT         3060
#define IDC_RU_HEAD_PEAK            3061
#define IDC_RU_HEAD_MAX             3062
#define IDC_RU_LEGEND_LABEL         3063

/* ------------------------------------------------------------------------
 * Settings (IDD_SETTINGS 2704); OK 1 and Cancel 2 are the system's ids.
 * ------------------------------------------------------------------------ */
#define IDC_SET_LABEL               3002
#define IDC_SET_INTERVAL            3003
#define IDC_SET_SAVE_SETTINGS       3004
#define IDC_SET_RESTORE_LAYOUT      3005
#define IDC_SET_HELP                3010

/* ------------------------------------------------------------------------
 * SQL resource usage (IDD_SQL_RESUSAGE 2705)
 * ------------------------------------------------------------------------ */
#define IDC_SRU_RES1_CURRENT        3000
#define IDC_SRU_RES2_CURRENT        3001
#define IDC_SRU_RES3_CURRENT        3002
#define IDC_SRU_RES4_CURRENT        3003
#define IDC_SRU_SINGLE              3004
#define IDC_SRU_RES1_PEAK           3005
#define IDC_SRU_RES2_PEAK           3006
#define IDC_SRU_RES3_PEAK           3007
#define IDC_SRU_RES4_PEAK           3008
#define IDC_SRU_RES1_MAX            3010
#define IDC_SRU_RES2_MAX            3011
#define IDC_SRU_RES3_MAX            3012
#define IDC_SRU_LEGEND_CURRENT      3015
#define IDC_SRU_LEGEND_MAX          3016
#define IDC_SRU_LEGEND_PEAK         3017
#define IDC_SRU_AUTO_REFRESH        3018
#define IDC_SRU_REFRESH             3019
#define IDC_SRU_RES1_GAUGE          3020
#define IDC_SRU_RES2_GAUGE          3021
#define IDC_SRU_RES3_GAUGE          3022
#define IDC_SRU_HELP                3023

/* ------------------------------------------------------------------------
 * SQL sessions (IDD_SQL_SESSIONS 2706)
 * ------------------------------------------------------------------------ */
#define IDC_SS_COUNT                3000
#define IDC_SS_SESSION_LIST         3001
#define IDC_SS_FILTER_LIST0         3002  /* second texts of kind-0 sessions */
#define IDC_SS_FILTER_LIST1         3003  /* first texts of kind-1 sessions */
#define IDC_SS_TIME                 3004
#define IDC_SS_KIND                 3005
#define IDC_SS_TEXT2                3006
#define IDC_SS_CURSOR_COUNT         3008
#define IDC_SS_CURSOR_LIST          3009
#define IDC_SS_LAST_CALL            3010
#define IDC_SS_COUNTER              3011
#define IDC_SS_STATE                3012
#define IDC_SS_ADDRESS              3013
#define IDC_SS_CURSOR_FLAG2         3015
#define IDC_SS_CURSOR_FLAG3         3016
#define IDC_SS_NAME_LIST            3017
#define IDC_SS_SESSION_GROUP        3018
#define IDC_SS_CURSOR_GROUP         3019
#define IDC_SS_FILTER               3020
#define IDC_SS_AUTO_REFRESH         3021
#define IDC_SS_REFRESH              3022
#define IDC_SS_END_SESSION          3023
#define IDC_SS_HELP                 3024
#define IDC_SS_FILTER_LABEL0        3025
#define IDC_SS_FILTER_LABEL1        3026
#define IDC_SS_NAME_COUNT           3027
#define IDC_SS_FLAG_A               3028
#define IDC_SS_FLAG_C               3029
#define IDC_SS_FLAG_B               3030
#define IDC_SS_TEXT1                3042

/* ------------------------------------------------------------------------
 * Communications statistics (IDD_COMMSTATS 2707)
 * ------------------------------------------------------------------------ */
#define IDC_CS_AUTO_REFRESH         3001
#define IDC_CS_REFRESH              3002
#define IDC_CS_HELP                 3003
#define IDC_CS_RESET                3004
#define IDC_CS_ROWB_VALUE8          3005
#define IDC_CS_GAUGE2_GROUP         3006
#define IDC_CS_GAUGE1_GROUP         3007
#define IDC_CS_TOTAL_CHANGE         3008
#define IDC_CS_TOTAL                3009
#define IDC_CS_ROWB_VALUE12         3010
#define IDC_CS_ROWA_COUNT           3011
#define IDC_CS_ROWA_VALUE8          3012
#define IDC_CS_GAUGE2_MAX           3013
#define IDC_CS_GAUGE2_PEAK          3014
#define IDC_CS_GAUGE2_CURRENT       3015
#define IDC_CS_GAUGE1_MAX           3016
#define IDC_CS_GAUGE1_PEAK          3017
#define IDC_CS_GAUGE1_CURRENT       3018
#define IDC_CS_LEGEND_CURRENT       3019
#define IDC_CS_LEGEND_MAX           3020
#define IDC_CS_LEGEND_PEAK          3021
#define IDC_CS_EXTRA_VALUE8         3022
#define IDC_CS_EXTRA_VALUE12        3023
#define IDC_CS_ROWA_CHANGE          3024
#define IDC_CS_ROWA_VALUE12         3025
#define IDC_CS_ROWB_COUNT           3026
#define IDC_CS_ROWB_CHANGE          3027
#define IDC_CS_EXTRA_COUNT          3028
#define IDC_CS_EXTRA_CHANGE         3029
#define IDC_CS_EXTRA_LABEL1         3030
#define IDC_CS_EXTRA_LABEL2         3031
#define IDC_CS_ROWC_VALUE8          3032
#define IDC_CS_ROWC_VALUE12         3333
#define IDC_CS_ROWC_COUNT           3334
#define IDC_CS_ROWC_CHANGE          3335
#define IDC_CS_COUNTER_X            3340
#define IDC_CS_COUNTER_X_CHANGE     3341
#define IDC_CS_COUNTER_Y            3342
#define IDC_CS_COUNTER_Y_CHANGE     3343

/* ------------------------------------------------------------------------
 * SQL connection manager (IDD_SQL_CONNMGR 2709). Texts named after the
 * SQLConnEntry byte offset they show.
 * ------------------------------------------------------------------------ */
#define IDC_CM_COUNT                3000
#define IDC_CM_LIST                 3001
#define IDC_CM_TEXT65               3002
#define IDC_CM_TEXT98               3003
#define IDC_CM_TEXT354              3004
#define IDC_CM_STATE                3005
#define IDC_CM_NUMBER464            3006
#define IDC_CM_NUMBER468            3007
#define IDC_CM_GROUP                3008
#define IDC_CM_TEXT0                3009
#define IDC_CM_AUTO_REFRESH         3011
#define IDC_CM_REFRESH              3012
#define IDC_CM_DISCONNECT           3013
#define IDC_CM_HELP                 3014

/* ------------------------------------------------------------------------
 * Wait dialog (IDD_WAIT 3500)
 * ------------------------------------------------------------------------ */
#define IDC_WAIT_TEXT               3501

/* ------------------------------------------------------------------------
 * Main menu (IDR_MAIN_MENU 2400) and its commands
 * ------------------------------------------------------------------------ */
#define IDR_MAIN_MENU               2400
/* The Window menu is built at run time and inserted at this menu-bar
 * position (counting from 0); the template has two popups before it. */
#define VIGILKIT_WINDOW_MENU_POS    2

#define IDM_ACTIVE_FILES            2501
#define IDM_ACTIVE_USERS            2502
#define IDM_RESOURCE_USAGE          2503
#define IDM_COMM_STATS              2504
#define IDM_SETTINGS                2506
#define IDM_SQL_SESSIONS            2507
#define IDM_SQL_RESOURCE_USAGE      2508
#define IDM_SQL_COMM_STATS          2509
#define IDM_HELP                    2512
#define IDM_ABOUT                   2514
#define IDM_EXIT                    2515
#define IDM_CONNECT                 2523
#define IDM_DISCONNECT              2524
#define IDM_SQL_CONN_MGR            2525

/* Window-menu entries (built at run time, one per open dialog). */
#define IDM_WINDOW_RESOURCE_USAGE   2600
#define IDM_WINDOW_COMM_STATS       2601
#define IDM_WINDOW_ACTIVE_FILES     2602
#define IDM_WINDOW_ACTIVE_USERS     2603
#define IDM_WINDOW_SQL_RESOURCE_USAGE 2604
#define IDM_WINDOW_SQL_SESSIONS     2605
#define IDM_WINDOW_SQL_COMM_STATS   2606
#define IDM_WINDOW_SQL_CONN_MGR     2607
#define IDM_WINDOW_FIRST            2600
#define IDM_WINDOW_LAST             2607

/* ------------------------------------------------------------------------
 * Strings. The comment after each id gives the arguments the text is
 * formatted with; no comment means the text is used as it is.
 * ------------------------------------------------------------------------ */

/* State texts of a connection-manager entry; used as a format with one
 * empty text argument. */
#define IDS_CM_STATE_0              2     /* %s (always "") */
#define IDS_CM_STATE_1              3     /* %s (always "") */
#define IDS_CM_STATE_OTHER          5     /* %s (always "") */

/* Remote connections. */
#define IDS_CONNECTION_NOT_CREATED  1024
#define IDS_DISCONNECT_FAILED       1026  /* %u: status or result code */
#define IDS_DISCONNECT_CONFIRM      1027  /* %s: server name */
#define IDS_CONNECT_STATUS_FALLBACK 1031  /* %u: status */

/* Menu-help texts shown in the status line (menu id -> string id). */
#define IDS_MH_ACTIVE_FILES         2501
#define IDS_MH_ACTIVE_USERS         2502
#define IDS_MH_RESOURCE_USAGE       2503
#define IDS_MH_COMM_STATS           2504
#define IDS_MH_SETTINGS             2506
#define IDS_MH_SQL_SESSIONS         2507
#define IDS_MH_SQL_RESOURCE_USAGE   2508
#define IDS_MH_SQL_COMM_STATS       2509
#define IDS_MH_HELP                 2512
#define IDS_MH_ABOUT                2514
#define IDS_MH_EXIT                 2515
#define IDS_MH_WINDOW_ACTIVE_FILES  2516  /* for IDM_WINDOW_ACTIVE_FILES */
#define IDS_MH_WINDOW_ACTIVE_USERS  2517  /* for IDM_WINDOW_ACTIVE_USERS */
#define IDS_MH_WINDOW_RESOURCE_USAGE 2518 /* for IDM_WINDOW_RESOURCE_USAGE */
#define IDS_MH_WINDOW_COMM_STATS    2519  /* for IDM_WINDOW_COMM_STATS */
#define IDS_MH_WINDOW_SQL_SESSIONS  2520  /* for IDM_WINDOW_SQL_SESSIONS */
#define IDS_MH_WINDOW_SQL_RESOURCE_USAGE 2521 /* for IDM_WINDOW_SQL_RESOURCE_USAGE */
#define IDS_MH_WINDOW_SQL_COMM_STATS 2522 /* for IDM_WINDOW_SQL_COMM_STATS */
#define IDS_MH_CONNECT              2523
#define IDS_MH_DISCONNECT           2524
#define IDS_MH_SQL_CONN_MGR         2525

/* Messages. "... followed by the status text" ones end with a separator so
 * that the status text can be appended directly. */
#define IDS_OUT_OF_MEMORY           2900
#define IDS_DISCONNECT_CLIENT_CONFIRM 2903 /* %s: client name */
#define IDS_END_CONNECTION_CONFIRM  2904  /* %s: session or connection name */
#define IDS_SESSION_MISSING         2909  /* %s: session name */
#define IDS_UTILS_VERSION_FAILED    2910  /* followed by the status text */
#define IDS_UTILS_VERSION_REFUSED   2911
#define IDS_RECORD_PROBE_FAILED     2912  /* followed by the status text */
#define IDS_RECORD_VERSION_REFUSED  2913
#define IDS_COMM_PROBE_FAILED       2914  /* followed by the status text */
#define IDS_COMM_VERSION_REFUSED    2915
#define IDS_SQL_PROBE_FAILED        2916  /* SQL engine (6/3); followed by the status text */
#define IDS_SQL_VERSION_REFUSED     2917  /* SQL engine (6/3) */
#define IDS_SQL_COMM_PROBE_FAILED   2918  /* SQL communications (4); followed by the status text */
#define IDS_SQL_COMM_VERSION_REFUSED 2919 /* SQL communications (4) */
#define IDS_UISTRINGS_NOT_LOADED    2921
#define IDS_UISTRINGS_WRONG_VERSION 2922
#define IDS_RECORD_ENGINE_MISSING   2923
#define IDS_COMM_COMPONENT_MISSING  2924
#define IDS_SQL_ENGINE_MISSING      2925
#define IDS_SQL_COMM_MISSING        2926
#define IDS_NEEDED_SIZE_TOO_LARGE   2929  /* %lu: needed size in bytes */
#define IDS_BUFFER_STILL_TOO_SMALL  2930  /* %lu: size tried in bytes */
#define IDS_DISCONNECT_ALL_CONFIRM  2931
#define IDS_FILE_LIST_OVERFLOW      2934
#define IDS_FILE_HANDLES_OVERFLOW   2935
#define IDS_CLIENT_LIST_OVERFLOW    2936
#define IDS_CLIENT_HANDLES_OVERFLOW 2937
#define IDS_CAPTION_SERVER          2938  /* word before the server name in captions */
#define IDS_CONN_MGR_MISSING        2940

/* Shell texts. */
#define IDS_MAIN_TITLE              3001
#define IDS_ABOUT_CAPTION           3003
#define IDS_ABOUT_LINE1             3005
#define IDS_ABOUT_LINE2             3007
#define IDS_TRUE_WORD               3008  /* stored in the registry; also flag 'Y' */
#define IDS_FALSE_WORD              3009  /* stored in the registry; also flag 'N' */
#define IDS_SESSION_STATE_2         3010
#define IDS_MESSAGE_CAPTION         3036
#define IDS_CLIENT_GROUP_FMT        3037  /* %s: client name */
#define IDS_FILE_GROUP_FMT          3038  /* %s: file name */
#define IDS_HANDLE_GROUP_FMT        3039  /* %s: holder name or file name */
#define IDS_SESSION_GROUP_FMT       3040  /* %s: session name (or "") */
#define IDS_CURSOR_GROUP_FMT        3041  /* %s: cursor name */

/* Value-to-text tables. */
#define IDS_OPEN_MODE_0             3052
#define IDS_OPEN_MODE_M1            3053
#define IDS_OPEN_MODE_M4            3054
#define IDS_OPEN_MODE_M2            3055
#define IDS_CURSOR_FLAG3_0          3062
#define IDS_LOCK_S                  3070  /* 'S' and 's' */
#define IDS_LOCK_M                  3071  /* 'M' and 'm' */
#define IDS_LOCK_N                  3072  /* 'N' */
#define IDS_SESSION_STATE_0         3078
#define IDS_SESSION_STATE_1         3079
#define IDS_SESSION_KIND_0          3081
#define IDS_SESSION_KIND_1          3082
#define IDS_NO_MAXIMUM              3083
#define IDS_CLIENT_STATE_0          3084
#define IDS_CLIENT_STATE_1          3085
#define IDS_LOCAL                   3086
#define IDS_OPEN_MODE_M3            3087
#define IDS_OPEN_MODE_M8            3088
#define IDS_OPEN_MODE_M9            3089
#define IDS_OPEN_MODE_M10           3090
#define IDS_OPEN_MODE_M11           3091
#define IDS_OPEN_MODE_M12           3092
#define IDS_OPEN_MODE_M16           3093
#define IDS_OPEN_MODE_M17           3094
#define IDS_OPEN_MODE_M18           3095
#define IDS_OPEN_MODE_M19           3096
#define IDS_OPEN_MODE_M20           3097
#define IDS_UNKNOWN_VALUE           3098
#define IDS_CURSOR_UNNAMED_FMT      3099  /* %d: 1-based cursor position */

/* Registry value names of the settings key. */
#define IDS_REG_REFRESH_INTERVAL    3102
#define IDS_REG_SAVE_SETTINGS       3103
#define IDS_REG_RESTORE_LAYOUT      3104
#define IDS_REG_MAIN_LEFT           3105
#define IDS_REG_MAIN_TOP            3106
#define IDS_REG_MAIN_WIDTH          3107
#define IDS_REG_MAIN_HEIGHT         3108
#define IDS_REG_RESUSAGE_LEFT       3109
#define IDS_REG_RESUSAGE_TOP        3110
#define IDS_REG_RESUSAGE_WIDTH      3111
#define IDS_REG_RESUSAGE_HEIGHT     3112
#define IDS_REG_RESUSAGE_OPEN       3113
#define IDS_REG_RESUSAGE_AUTO       3114
#define IDS_REG_COMMSTATS_LEFT      3115
#define IDS_REG_COMMSTATS_TOP       3116
#define IDS_REG_COMMSTATS_WIDTH     3117
#define IDS_REG_COMMSTATS_HEIGHT    3118
#define IDS_REG_COMMSTATS_OPEN      3119
#define IDS_REG_COMMSTATS_AUTO      3120
#define IDS_REG_FILES_LEFT          3121
#define IDS_REG_FILES_TOP           3122
#define IDS_REG_FILES_WIDTH         3123
#define IDS_REG_FILES_HEIGHT        3124
#define IDS_REG_FILES_OPEN          3125
#define IDS_REG_FILES_AUTO          3126
#define IDS_REG_USERS_LEFT          3127
#define IDS_REG_USERS_TOP           3128
#define IDS_REG_USERS_WIDTH         3129
#define IDS_REG_USERS_HEIGHT        3130
#define IDS_REG_USERS_OPEN          3131
#define IDS_REG_USERS_AUTO          3132
#define IDS_REG_SQL_RESUSAGE_AUTO   3138
#define IDS_REG_SQL_SESSIONS_AUTO   3144
#define IDS_REG_SQL_SESSION_FILTER  3145
#define IDS_REG_SQL_COMMSTATS_AUTO  3151
#define IDS_REG_KEY_COMPANY         3160  /* first %s of the settings key path */
#define IDS_REG_KEY_PRODUCT         3161  /* second %s of the settings key path */
#define IDS_REG_CONNMGR_LEFT        3170
#define IDS_REG_CONNMGR_TOP         3171
#define IDS_REG_CONNMGR_WIDTH       3172
#define IDS_REG_CONNMGR_HEIGHT      3173
#define IDS_REG_CONNMGR_OPEN        3174
#define IDS_REG_CONNMGR_AUTO        3175

/* Dialog titles (also the Window-menu entries) and dialog texts. */
#define IDS_TITLE_ACTIVE_FILES      3200
#define IDS_TITLE_ACTIVE_USERS      3201
#define IDS_TITLE_RESOURCE_USAGE    3202
#define IDS_TITLE_COMM_STATS        3203
#define IDS_TITLE_SQL_SESSIONS      3204
#define IDS_TITLE_SQL_RESOURCE_USAGE 3205
#define IDS_TITLE_SQL_COMM_STATS    3206
#define IDS_TITLE_SQL_CONN_MGR      3207
#define IDS_SETTINGS_CAPTION        3209
#define IDS_WINDOW_MENU             3210  /* text of the run-time Window popup */
#define IDS_SESSION_FLAGA_0         3213
#define IDS_SESSION_FLAGA_1         3214
#define IDS_SESSION_FLAGC_1         3215
#define IDS_SESSION_FLAGC_0         3216

/* Code table and three-state table of handle details. */
#define IDS_CODE_1019               3300
#define IDS_CODE_19                 3301
#define IDS_CODE_0                  3302
#define IDS_TRISTATE_0              3310
#define IDS_TRISTATE_1              3311
#define IDS_TRISTATE_2              3312

/* Status text when the UI-strings library has none. */
#define IDS_STATUS_TEXT_FALLBACK    3400  /* %u: status */

/* Network addresses of SQL sessions, protocol rows, wait dialog. */
#define IDS_ADDR_IP_PREFIX          3410  /* before the dotted address */
#define IDS_ADDR_IP_MARK            3411  /* hex prefix of an IP address */
#define IDS_ADDR_IP_JOIN            3412  /* between the four numbers */
#define IDS_ADDR_HEX_PREFIX         3413  /* before a hex address */
#define IDS_EXTRA_LABEL2_SUFFIX     3415  /* after the group name, label 3031 */
#define IDS_EXTRA_LABEL1_SUFFIX     3416  /* after the group name, label 3030 */
#define IDS_PROTO_ROW_B             3417
#define IDS_PROTO_ROW_A             3418
#define IDS_PROTO_ROW_C             3419
#define IDS_PROTO_OTHER             3420
#define IDS_ADDR_LOCAL_MARK         3421  /* hex prefix of a local session */
#define IDS_WAIT_CAPTION            3422

#endif /* VIGILKIT_IDS_H */
