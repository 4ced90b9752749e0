// The engine's wire records, built from the scenario model. Each builder
// returns the whole record; the simulator decides what fits the caller.
#pragma once
#include "scenario.h"
#include "wire.h"

namespace gantry::sim {

constexpr size_t kUsageRecordSize = 68;
constexpr size_t kExtraUsageRecordSize = 12;
constexpr size_t kClientInfoSize = 334;
constexpr size_t kCommBaseSize = 92;
constexpr size_t kCommExtendedSize = 100;
constexpr size_t kSqlUsageSize = 32;
constexpr size_t kConnEntrySize = 480;
constexpr size_t kConnHeaderSize = 4;
constexpr size_t kListHeaderSize = 20;
constexpr size_t kVersionRecordSize = 20;
constexpr size_t kSessionKeySize = 9;
constexpr size_t kCursorNameSize = 20;

Bytes clientId(const Client& c);    // 16 bytes
Bytes clientKey(const Client& c);   // connection number + ClientId, 20 bytes

Bytes usageRecord(const ResourceUsage& u);        // request 15
Bytes extraUsageRecord(const ResourceUsage& u);   // request 1808
Bytes fileEntry(const File& f);                                      // request 12
Bytes fileHandleEntry(const FileHandle& h, const Client& holder);    // request 14
Bytes clientEntry(const Client& c);                                  // request 11
Bytes clientHandleEntry(const FileHandle& h, const File& f);         // request 13
Bytes clientInfoRecord(const Client& c);                             // request 16
Bytes commRecord(const CommStats& c, bool extended);                     // requests 9 and 1/4
Bytes sqlUsageRecord(const SqlUsage& s);                                 // request 1/6,3
Bytes sessionKey(const Session& s);                                  // 9 bytes
Bytes sessionList(const std::vector<Session>& sessions);             // request 8
Bytes sessionDetail(const Session& s);                               // request 3
Bytes cursorBlock(const Cursor& c);   // the identifying block: count word, name, extra
Bytes cursorDetail(const Cursor& c);                                 // request 4
Bytes connectionEntry(const Connection& c);                          // request 5300
Bytes versionRecord(const VersionAnswer& v);

}  // namespace gantry::sim
