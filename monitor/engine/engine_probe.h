// Engine detection: which components answer on a connection handle, at which
// versions, and which selectors and commands follow from that.
#pragma once
#include <cstdint>
#include "engine/engine_state.h"

// Runs the communications, record-engine and SQL-engine probes on `handle`.
// Shows at most one box per failing step. Leaves state.versionRefused set
// when a component's version was refused.
void runEngineProbe(int32_t handle, EngineState& state, ProbeHost& host);

// Sets engineKind and whether the connection manager is offered (command
// 2525). Run only when the probe did not refuse a version.
void runEngineKindCheck(int32_t handle, EngineState& state, ProbeHost& host);
