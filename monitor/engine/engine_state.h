// What the engine probe finds out about the engine now monitored. The main
// window holds one of these; every dialog reads the selectors from it at each
// request, so a connect or disconnect takes effect at the next refresh.
#pragma once
#include <cstdint>

struct EngineState {
    uint16_t recordEngineId = 5;   // 5 server engine, 1 workstation engine
    uint16_t commEngineId = 10;    // 10 server engine, 2 workstation engine
    uint16_t sqlEngineId = 6;      // 6 server engine, 3 workstation engine
    uint16_t engineKind = 1;       // 1, 5 or 25
    uint16_t commVersionMajor = 0;
    uint16_t commVersionMinor = 0;
    bool recordEngineAvailable = false;
    bool sqlEngineAvailable = false;
    bool versionRefused = false;
    bool connMgrAvailable = false;
    bool extendedCommStatsRecord = false;  // record side: comm component >= 7.0.200
    bool extendedCommStatsSql = false;     // SQL side: component 4 >= 4.0.200
};

// What the probe needs of its owner: switching menu commands and an owner
// window for its message boxes (null for none).
class ProbeHost {
public:
    virtual ~ProbeHost() = default;
    virtual void enableCommand(int commandId, bool enabled) = 0;
    virtual void* probeMessageOwner() = 0;  // HWND of the main window
};
