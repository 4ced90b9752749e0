# Writes a C++ source that holds the JSON file IN as a string: the built-in
# scenario of the simulated engine. Run as: cmake -DIN=... -DOUT=... -P this
file(READ "${IN}" text)
string(FIND "${text}" ")gantry_json\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${IN} holds the raw-string delimiter")
endif()
file(WRITE "${OUT}.tmp"
  "// Generated from ${IN}; do not edit.\n"
  "#include \"builtin_scenario.h\"\n"
  "namespace gantry::sim {\n"
  "const char* builtinScenarioText()\n{\n"
  "    return R\"gantry_json(${text})gantry_json\";\n}\n"
  "}  // namespace gantry::sim\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
