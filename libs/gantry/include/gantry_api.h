/* The exported operations of the utilities library gantry32.dll, as function
 * pointer types for callers that bind the library at run time, plus the
 * statuses and request codes that travel through them.
 *
 * Every operation uses the standard Windows calling convention; each argument
 * takes one 32-bit slot (16-bit values travel zero-extended) and every result
 * is an unsigned 16-bit status, 0 meaning success. Records are little-endian. */
#ifndef GANTRY_API_H
#define GANTRY_API_H

#include <stdint.h>

#if defined(_WIN32)
#define GANTRY_CALL __stdcall
#else
#define GANTRY_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* handle: -1 for the local engine, else a handle from DBUConnect.
 * selector: the component (or engine kind) that answers; code: the request. */
typedef unsigned short(GANTRY_CALL* DBUGetInfoProc)(int32_t handle, unsigned short selector,
                                                     unsigned short code, uint32_t inLen,
                                                     void* in, uint32_t outCap, void* out);
typedef unsigned short(GANTRY_CALL* DBUSetInfoProc)(int32_t handle, unsigned short selector,
                                                     unsigned short code, uint32_t inLen,
                                                     void* in);
/* Fills a GantryVersionRecord; cap must be at least 20. */
typedef unsigned short(GANTRY_CALL* DBUGetVersionProc)(int32_t handle, unsigned short component,
                                                        unsigned short reserved, uint32_t cap,
                                                        void* out);
typedef unsigned short(GANTRY_CALL* DBUConnectProc)(const char* server, const char* user,
                                                     const char* password, int32_t* handle);
typedef unsigned short(GANTRY_CALL* DBUDisconnectProc)(int32_t* handle);
typedef unsigned short(GANTRY_CALL* DBUStartProc)(void* reserved);
typedef unsigned short(GANTRY_CALL* DBUStopProc)(void* reserved);

/* The 20-byte reply of DBUGetVersion. */
typedef struct GantryVersionRecord {
    uint32_t kind;
    uint32_t major;
    uint32_t minor;
    uint32_t build;
    uint32_t reserved;
} GantryVersionRecord;

/* Components of DBUGetVersion. */
enum {
    GANTRY_COMPONENT_LIBRARY = 0,
    GANTRY_COMPONENT_RECORD_WORKSTATION = 1,
    GANTRY_COMPONENT_COMM_WORKSTATION = 2,
    GANTRY_COMPONENT_SQL_WORKSTATION = 3,
    GANTRY_COMPONENT_SQL_COMM = 4,
    GANTRY_COMPONENT_RECORD_SERVER = 5,
    GANTRY_COMPONENT_SQL_SERVER = 6,
    GANTRY_COMPONENT_COMM_SERVER = 10
};

/* Statuses. */
enum {
    GANTRY_OK = 0,
    GANTRY_STATUS_SESSION_UNKNOWN = 265,      /* SQL session has ended or never existed */
    GANTRY_STATUS_INVALID_REQUEST = 4050,     /* request code or selector not served */
    GANTRY_STATUS_INVALID_INPUT = 4051,       /* input missing, too short or malformed */
    GANTRY_STATUS_INVALID_HANDLE = 4060,      /* not -1 and not a live connection */
    GANTRY_STATUS_SERVER_UNKNOWN = 4061,      /* DBUConnect: no such server */
    GANTRY_STATUS_LOGIN_FAILED = 4062,        /* DBUConnect: user or password wrong */
    GANTRY_STATUS_SERVER_UNAVAILABLE = 4063,  /* DBUConnect: server not accepting connections */
    GANTRY_STATUS_CLIENT_UNKNOWN = 4069,
    GANTRY_STATUS_NOT_INSTALLED = 4080,       /* component not present */
    GANTRY_STATUS_NOT_PRESENT = 4083,         /* component not present */
    GANTRY_STATUS_BUFFER_TOO_SMALL = 4086,
    GANTRY_STATUS_FILE_UNKNOWN = 4088,
    GANTRY_STATUS_NOT_AVAILABLE = 4089,       /* details not available (e.g. cursor gone) */
    GANTRY_STATUS_SCENARIO_ERROR = 4095,      /* simulated engine: scenario unreadable */
    GANTRY_STATUS_MORE_FOLLOWS = 4107,
    GANTRY_STATUS_LIBRARY_MISSING = 8005,     /* the caller's binding: no library or export */
    GANTRY_STATUS_START_FAILED = 8010,        /* DBUStart: library could not start */
    GANTRY_STATUS_VERSION_REFUSED = 65535
};

/* Request codes of DBUGetInfo and DBUSetInfo. */
enum {
    GANTRY_REQ_SQL_USAGE_OR_COMM = 1,   /* GetInfo: SQL resource usage (selector 6/3) or SQL comm stats (4); SetInfo: end session */
    GANTRY_REQ_SESSION_DETAIL = 3,
    GANTRY_REQ_CURSOR_DETAIL = 4,
    GANTRY_REQ_SESSION_LIST = 8,
    GANTRY_REQ_COMM_STATS = 9,
    GANTRY_REQ_CLIENTS = 11,            /* SetInfo 10: disconnect a client */
    GANTRY_REQ_FILES = 12,
    GANTRY_REQ_CLIENT_HANDLES = 13,
    GANTRY_REQ_FILE_HANDLES = 14,
    GANTRY_REQ_RESOURCE_USAGE = 15,
    GANTRY_REQ_CLIENT_INFO = 16,
    GANTRY_REQ_EXTRA_USAGE = 1808,
    GANTRY_REQ_CONN_LIST = 5300,
    GANTRY_REQ_CONN_DISCONNECT = 5301,
    GANTRY_REQ_ENGINE_WORD = 5302,
    GANTRY_SET_END_SESSION = 1,
    GANTRY_SET_DISCONNECT_CLIENT = 10
};

#ifdef __cplusplus
}
#endif

#endif
