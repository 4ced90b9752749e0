// The demo scenario compiled into the library (scenarios/demo.json): what the
// simulated engine answers when no scenario file is named or found.
#pragma once

namespace gantry::sim {
const char* builtinScenarioText();
}
