// Test control of the simulated engine: the same module the monitor's
// binding loads, driven through its test exports.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "gantry_sim.h"

enum class SimOp : uint32_t {
    GetInfo = SIM_OP_GETINFO,
    SetInfo = SIM_OP_SETINFO,
    GetVersion = SIM_OP_GETVERSION,
    Connect = SIM_OP_CONNECT,
    Disconnect = SIM_OP_DISCONNECT,
    Start = SIM_OP_START,
    Stop = SIM_OP_STOP,
};

class SimControl {
public:
    // Holds its own reference to the library for the whole test, so that the
    // monitor's DBUStop does not take the scenario away.
    SimControl() : module_(LoadLibraryA("gantry32.dll"))
    {
        EXPECT_NE(module_, nullptr) << "gantry32.dll must sit beside the test program";
    }
    ~SimControl()
    {
        if (module_) {
            if (auto clear = proc<SimClearFailuresProc>("SimClearFailures")) clear();
            FreeLibrary(module_);
        }
    }
    SimControl(const SimControl&) = delete;
    SimControl& operator=(const SimControl&) = delete;

    // Replaces the scenario; a scenario the engine refuses fails the test.
    void load(const char* json)
    {
        auto fn = proc<SimLoadScenarioTextProc>("SimLoadScenarioText");
        ASSERT_NE(fn, nullptr);
        const unsigned short status = fn(json);
        ASSERT_EQ(status, 0) << "scenario refused: " << lastError() << "\n" << json;
        clearCallLog();
    }
    void loadFile(const std::string& path)
    {
        auto fn = proc<SimLoadScenarioFileProc>("SimLoadScenarioFile");
        ASSERT_NE(fn, nullptr);
        ASSERT_EQ(fn(path.c_str()), 0) << "scenario refused: " << lastError();
        clearCallLog();
    }
    std::string lastError()
    {
        char buffer[1024] = {0};
        if (auto fn = proc<SimGetLastErrorProc>("SimGetLastError")) fn(buffer, sizeof buffer);
        return buffer;
    }
    // The next `times` calls (0: every call) of op with this code answer status.
    void fail(SimOp op, int32_t code, uint16_t status, uint32_t times = 1, int32_t selector = -1,
              uint32_t skip = 0)
    {
        auto fn = proc<SimFailRequestExProc>("SimFailRequestEx");
        ASSERT_NE(fn, nullptr);
        ASSERT_EQ(fn(static_cast<uint32_t>(op), code, selector, status, times, skip), 0);
    }
    void clearFailures()
    {
        if (auto fn = proc<SimClearFailuresProc>("SimClearFailures")) fn();
    }
    uint32_t callCount(SimOp op, int32_t code = -1)
    {
        auto fn = proc<SimCallCountProc>("SimCallCount");
        return fn ? fn(static_cast<uint32_t>(op), code) : 0;
    }
    SimCallRecord lastCall()
    {
        SimCallRecord r = {};
        if (auto fn = proc<SimLastCallProc>("SimLastCall")) fn(&r);
        return r;
    }
    void clearCallLog()
    {
        if (auto fn = proc<SimClearCallLogProc>("SimClearCallLog")) fn();
    }
    void advanceClock(uint32_t ms)
    {
        if (auto fn = proc<SimAdvanceClockProc>("SimAdvanceClock")) fn(ms);
    }

private:
    template <typename P>
    P proc(const char* name)
    {
        if (!module_) return nullptr;
        return reinterpret_cast<P>(reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
    }
    HMODULE module_;
};
