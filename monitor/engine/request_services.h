// Services on top of the utilities library: the version check, the engine
// kind, and the wrappers of requests 5300, 5301 and 5302.
#pragma once
#include <cstdint>
#include "engine/core/version_record.h"

// 0 ok, 1 no requirement or record given, 2 other status, 3 refused
// (kind differs, version too low, or status 65535), 4 not present (4083).
int checkComponentVersion(int32_t handle, uint16_t component, uint16_t reserved,
                          uint16_t* statusOut, const VersionRecord* requirement,
                          VersionRecord* record);

// Kind 25 for major >= 10 on component 5 (else 5), or on component 1 (else
// 1). Returns 0 and sets *kind, or 1 with *kind unchanged.
int queryEngineKind(int32_t handle, uint16_t* kind);

uint16_t fetchList5300(int32_t handle, uint16_t selector, void* buffer, uint32_t capacity);
uint16_t set5301(int32_t handle, uint16_t selector, const void* input16);
uint16_t query5302(int32_t handle, uint16_t selector, void* buffer, uint32_t length);
