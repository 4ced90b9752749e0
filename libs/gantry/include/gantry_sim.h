/* Test controls of the simulated engine gantry32.dll (our replacement of the
 * engine's utilities library). Exported beside the seven operations with the
 * same calling convention and plain names; bind them with GetProcAddress.
 *
 * Use the module the program under test binds: LoadLibraryA("gantry32.dll")
 * gives the same instance. Keep that reference for the whole test: the
 * monitor's DBUStop unloads its own reference, and the state (scenario,
 * failures, call log) lives only while the module stays loaded.
 *
 * Which scenario the library starts with, on its first call:
 *   1. the file named by the environment variable VIGIL_SCENARIO;
 *   2. else gantry32.json beside the DLL;
 *   3. else the built-in demo scenario (scenarios/demo.json).
 * A file that cannot be read or parsed leaves an engine with no components,
 * and DBUStart answers 4095 (GANTRY_STATUS_SCENARIO_ERROR); SimGetLastError
 * says why. The scenario files of the repository are copied to
 * <build>/bin/scenarios/.
 *
 * Scenario JSON (every key optional; an unknown key is an error; keys
 * beginning with "_" are comments):
 *   name, description, startStatus, stopStatus            (DBUStart/DBUStop answers)
 *   demo: { enabled (false), realTime (true), stepMs (1000), seed }
 *       enabled: figures of requests 15, 1808, 9, 1 move by one step per stepMs
 *       of simulated time (within their maxima, peaks follow); realTime: the
 *       simulated clock follows the wall clock, else only SimAdvanceClock moves it.
 *   failures: [ { op, code (-1 any), selector (-1 any), status, mode ("always"|"once"), skip } ]
 *       op: "getInfo" "setInfo" "getVersion" "connect" "disconnect" "start" "stop";
 *       code is the request code, or the component for getVersion.
 *   local: <engine>                                        (handle -1)
 *   servers: [ { name, user, password, connectStatus, engine: <engine> } ]
 *       DBUConnect: name and user compare without regard to case, the password
 *       exactly. Unknown server 4061, wrong user or password 4062, a correct
 *       login answers connectStatus when it is not 0. Handles count from 1.
 * <engine>:
 *   components: { "<n>": { kind, major, minor, build, reserved } | "absent" (4083)
 *                 | "notInstalled" (4080) | "refused" (65535) | <status> }
 *       Components left out answer 4083. A request to a component that is not
 *       present (anything but a record or 65535) answers 4083.
 *   pageSizes: { files, fileHandles, clients, clientHandles, connections }
 *       entries per reply of requests 12, 14, 11, 13 and 5300; 0 = no limit.
 *   usage: { row1 .. row7: { current, peak, max } }     requests 15 and 1808 (row6)
 *       max may be "none" (0, or 0xFFFFFFFF for row6); row3 has no max. Rows 1,
 *       2 and 5 without current count the files, handles and clients; without
 *       peak their peak is at least that count.
 *   clients: [ { tag, name, id (12 bytes hex), idWord12, idWord14, connection,
 *                value24, figures [6: offsets 28..48], value52, value56,
 *                value60 (-1 = NA), code64, value66,
 *                info: { status, state30, text54 } } ]          requests 11, 16
 *       Connections of one client share id, idWord12 and idWord14.
 *   files: [ { id, path, value8, value12, value16, byte18, flag19, flag20, flag22,
 *              handles: [ { client (index, tag or name), holder (client's name),
 *                           value4, value32 (-1 = NA), code, openMode, lock, state } ] } ]
 *       requests 12, 14 and 13 (a client's handles, in file order).
 *   commStats, sqlCommStats: { total, reserved [3], gauge1 {current, peak, max},
 *              gauge2, counterX, counterY, protocolCount (reported count, default
 *              the number of entries), protocols [ { type, count, figure8, figure12 } ] }
 *       request 9 (selector 10 or 2) and request 1 with selector 4; a capacity
 *       of 100 or more gets the extended layout, 92 to 99 the base layout.
 *   sqlUsage: { res1..res3 { current, peak, max (65535 or "none": no maximum) },
 *              res4 { current, peak }, reserved22 (6 bytes hex), figure28 }
 *       request 1 with selector 6 or 3; res3 without current counts the sessions.
 *   sessions: [ { id, stamp [first, last byte], time [month, day, hour, min, sec],
 *                 name (<= 30), flagA, flagB, flagC, word48, kind, firstText, secondText,
 *                 detail: { status, word0, lastCall [group, index], counter,
 *                           network (4 bytes hex), node (6 bytes hex), reserved18, state },
 *                 cursors: [ { id, word2, name (<= 20), extra (hex),
 *                              detail: { status, word0, byte2, byte3, names [..] } } ] } ]
 *       requests 8, 3 and 4, DBUSetInfo 1; detail.status answers that status instead.
 *   connectionManager: { word5302, connections: [ { text0, text65, text98, text354,
 *                 name, state, word462, value464, value468, id [first, second] } ] }
 *       requests 5300, 5302 and DBUSetInfo 5301; without it they answer 4083.
 *
 * Every reply fits the capacity the caller gave; a reply that does not fit
 * answers 4086 (with the needed size or count where the request has one), and
 * missing or short input answers 4051. */
#ifndef GANTRY_SIM_H
#define GANTRY_SIM_H

#include "gantry_api.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Operations, as in the library's binding table. */
enum {
    SIM_OP_GETINFO = 0,
    SIM_OP_SETINFO = 1,
    SIM_OP_GETVERSION = 2,
    SIM_OP_CONNECT = 3,
    SIM_OP_DISCONNECT = 4,
    SIM_OP_START = 5,
    SIM_OP_STOP = 6
};

/* One logged call. For GETVERSION, code is the component and selector the
 * reserved word; for CONNECT, input holds the server name; operations
 * without a code log 0. */
typedef struct SimCallRecord {
    uint32_t op;
    int32_t handle;
    uint32_t selector;
    uint32_t code;
    uint32_t inLen;
    uint32_t outCap;
    uint32_t status;       /* what the call answered */
    uint32_t inputBytes;   /* bytes of input kept, at most 64 */
    uint8_t input[64];
} SimCallRecord;

/* Replace the scenario. Remote connections end, failures set at run time give
 * way to the scenario's own, the demo clock starts again; the call log stays.
 * 0, or 4095 with the previous scenario kept (SimGetLastError says why). */
typedef unsigned short(GANTRY_CALL* SimLoadScenarioTextProc)(const char* json);
typedef unsigned short(GANTRY_CALL* SimLoadScenarioFileProc)(const char* path);
/* The last load error; returns its full length, writes at most cap - 1 bytes and a NUL. */
typedef uint32_t(GANTRY_CALL* SimGetLastErrorProc)(char* buffer, uint32_t cap);
/* The name of the scenario in use; same convention. */
typedef uint32_t(GANTRY_CALL* SimGetScenarioNameProc)(char* buffer, uint32_t cap);

/* The next `times` calls of op with this code (-1 any) answer status; times 0
 * means every call. Injected statuses change nothing and write nothing, but an
 * injected 4086 still fills in the needed size or count. Returns 0, or 4051
 * for an unknown op. */
typedef unsigned short(GANTRY_CALL* SimFailRequestProc)(uint32_t op, int32_t code,
                                                         unsigned short status, uint32_t times);
/* The same, limited to one selector (-1 any), after `skip` matching calls went through. */
typedef unsigned short(GANTRY_CALL* SimFailRequestExProc)(uint32_t op, int32_t code,
                                                           int32_t selector, unsigned short status,
                                                           uint32_t times, uint32_t skip);
typedef void(GANTRY_CALL* SimClearFailuresProc)(void);

/* Calls since the last SimClearCallLog per op and code (-1: all codes). */
typedef uint32_t(GANTRY_CALL* SimCallCountProc)(uint32_t op, int32_t code);
/* The log keeps the last 512 calls, oldest first. 0, or 1 when index is out of range. */
typedef uint32_t(GANTRY_CALL* SimCallLogSizeProc)(void);
typedef unsigned short(GANTRY_CALL* SimGetCallProc)(uint32_t index, SimCallRecord* out);
typedef unsigned short(GANTRY_CALL* SimLastCallProc)(SimCallRecord* out);
typedef void(GANTRY_CALL* SimClearCallLogProc)(void);

/* Moves the simulated clock on; with demo enabled, figures take one step per stepMs. */
typedef void(GANTRY_CALL* SimAdvanceClockProc)(uint32_t ms);

#ifdef __cplusplus
}
#endif

#endif
