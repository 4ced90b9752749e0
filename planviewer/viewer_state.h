// The viewer's process-wide state: one window, one held file.
#pragma once
#include <windows.h>

#include <cstdint>

#include "core/qpf_format.h"
#include "file_layer.h"

struct ViewerState {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND textArea = nullptr;
    HACCEL accelerators = nullptr;
    void* displayHandle = nullptr; // filled by rcSpyCreate

    PoolHolder* poolHolder = nullptr;     // cell holding the pool of file handles
    FileHandleRecord* heldFile = nullptr; // none while no file is held
    char currentPath[qpf::kMaxPathChars + 1] = {};
    uint16_t planCount = 0;
    uint16_t currentIndex = 0;
    uint32_t* planOffsets = nullptr; // kMaxPlans entries
    bool byteSwapped = false;
    uint8_t* statement = nullptr;    // kWorkBufferSize bytes
    uint8_t* plan = nullptr;         // kWorkBufferSize bytes
    uint32_t recordedSize = 0;
    bool autoReload = false;

    // Strings 600, 601 and 602, loaded once at start-up.
    char appTitle[101] = {};
    char className[21] = {};
    char planTitleFormat[131] = {};

    bool loadRunning = false;
    bool watchRunning = false;
    UINT timerPeriod = 0; // the change-watch period in use, in ms
};

extern ViewerState g_viewer;

// Registry key of the viewer's settings, and its subkeys.
constexpr const char* kSettingsKey = "HKEY_CURRENT_USER\\Software\\ODBC\\odbc.ini";
constexpr const char* kViewerOptions = "DODOvez Options";
constexpr const char* kReloadOptions = "Vuzorev Options";
