// The simulated engine behind gantry32.dll: answers the library's seven
// operations from a scenario, into the caller's buffers, never beyond the
// capacity the caller gave. Also the test controls: failure injection, a
// call log and a simulated clock for the demo figures.
#pragma once
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scenario.h"
#include "wire.h"

namespace gantry::sim {

// Statuses of the simulated engine (see gantry_api.h for the whole list).
constexpr uint16_t kOk = 0;
constexpr uint16_t kSessionUnknown = 265;
constexpr uint16_t kInvalidRequest = 4050;
constexpr uint16_t kInvalidInput = 4051;
constexpr uint16_t kInvalidHandle = 4060;
constexpr uint16_t kServerUnknown = 4061;
constexpr uint16_t kLoginFailed = 4062;
constexpr uint16_t kClientUnknown = 4069;
constexpr uint16_t kNotPresent = 4083;
constexpr uint16_t kBufferTooSmall = 4086;
constexpr uint16_t kFileUnknown = 4088;
constexpr uint16_t kNotAvailable = 4089;
constexpr uint16_t kScenarioError = 4095;
constexpr uint16_t kMoreFollows = 4107;

struct CallRecord {
    Op op = Op::GetInfo;
    int32_t handle = 0;
    uint16_t selector = 0;   // the reserved word for GetVersion
    uint16_t code = 0;       // the component for GetVersion
    uint32_t inLen = 0;
    uint32_t outCap = 0;
    uint16_t status = 0;
    Bytes input;             // first bytes of the input (the server name for Connect)
};

class Simulator {
public:
    static constexpr size_t kLogCapacity = 512;
    static constexpr size_t kLogInputBytes = 64;
    static constexpr uint32_t kMaxInput = 1u << 20;

    Simulator();

    // 0, or 4095 with the previous scenario kept and lastError() set.
    uint16_t loadScenarioText(std::string_view json);
    uint16_t loadScenarioFile(const std::string& path);
    void loadScenario(const Scenario& s);
    // The scenario named by the environment could not be read: the engine is
    // empty and DBUStart answers 4095 until a scenario loads.
    void setLoadFailure(const std::string& error);
    const std::string& lastError() const { return lastError_; }
    const Scenario& scenario() const { return scenario_; }

    uint16_t getInfo(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                     const void* in, uint32_t outCap, void* out);
    uint16_t setInfo(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                     const void* in);
    uint16_t getVersion(int32_t handle, uint16_t component, uint16_t reserved, uint32_t cap,
                        void* out);
    uint16_t connect(const char* server, const char* user, const char* password,
                     int32_t* handle);
    uint16_t disconnect(int32_t* handle);
    uint16_t start();
    uint16_t stop();

    // Failure injection: the next matching call (or `times` calls, 0 = every
    // one, after `skip` matching calls went through) answers `status`
    // instead. Checked before anything else; nothing changes and nothing is
    // written, except that an injected 4086 still fills in the needed size or
    // count where the request carries one.
    void addFailure(const Failure& f) { failures_.push_back(f); }
    void clearFailures() { failures_.clear(); }

    // Calls per operation and code (code -1: every code of the operation;
    // operations without a code count under 0), and the last calls in order.
    uint32_t callCount(Op op, int32_t code) const;
    const std::deque<CallRecord>& callLog() const { return log_; }
    void clearCallLog();

    // Simulated time: what the test advanced, plus the wall clock while the
    // scenario's demo runs in real time.
    void advanceClock(uint64_t ms) { manualMs_ += ms; }
    uint64_t clockMs() const;

    bool started() const { return started_; }
    size_t connectionCount() const { return connections_.size(); }

private:
    struct Answer;
    struct LevelWalker {
        Level* level;
        uint32_t hi;
        uint32_t home;
    };
    struct CounterWalker {
        uint32_t* value;
        uint32_t rate;
    };

    CallRecord& logCall(Op op, int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                        const void* in, uint32_t outCap);
    bool takeFailure(Op op, int32_t code, int32_t selector, uint16_t& status);
    Engine* engineFor(int32_t handle);

    uint16_t getInfoImpl(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                         const void* in, uint32_t outCap, void* out);
    uint16_t setInfoImpl(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                         const void* in);
    Answer answerGetInfo(Engine& e, uint16_t selector, uint16_t code, const Bytes& in,
                         uint32_t outCap);
    uint16_t disconnectClient(Engine& e, const Bytes& in);

    ResourceUsage effectiveUsage(const Engine& e) const;
    SqlUsage effectiveSqlUsage(const Engine& e) const;
    void buildWalkers();
    void syncDemo();
    void demoStep();
    uint64_t nextRandom();

    Scenario scenario_;
    std::vector<Engine> engines_;          // 0 local, 1 + i server i
    std::map<int32_t, size_t> connections_;    // handle -> engine index
    int32_t nextHandle_ = 1;
    std::vector<Failure> failures_;
    std::deque<CallRecord> log_;
    std::map<std::pair<uint32_t, int32_t>, uint32_t> counts_;
    bool started_ = false;
    bool loadFailed_ = false;
    std::string lastError_;

    uint64_t manualMs_ = 0;
    std::chrono::steady_clock::time_point loadedAt_;
    uint64_t stepsDone_ = 0;
    uint64_t rng_ = 1;
    std::vector<LevelWalker> levelWalkers_;
    std::vector<CounterWalker> counterWalkers_;
};

}  // namespace gantry::sim
