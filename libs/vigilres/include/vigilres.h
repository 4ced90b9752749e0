// Exports of the resource library VIGILKIT.DLL. Its resources are looked up
// by the ids of vigilkit_ids.h in the module named "VIGILKIT.DLL".
#pragma once
#include <windows.h>

#ifdef VIGILRES_BUILD
#define VIGILRES_API __declspec(dllexport)
#else
#define VIGILRES_API __declspec(dllimport)
#endif

extern "C" {
// Fills v with the library's version (major, minor, build): 1.10.30.
// The environment variable VIGIL_RESDLL_VERSION ("a.b.c"), read at each
// call, replaces it, so that start-up tests can present other versions.
// Always returns 0.
VIGILRES_API int WINAPI getDLLVersion(unsigned long v[3]);
}
