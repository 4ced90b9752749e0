/* The test DLL carries resources only; one export keeps the linker content. */
__declspec(dllexport) int zapptestres_marker(void) { return 1; }
