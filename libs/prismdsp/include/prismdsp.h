/* prismdsp: the plan-display library. A caller creates one display, hands it
 * each plan to present, and destroys it at the end:
 *   rcSpyCreate(&display, "title", 2);   a window of its own, shown at once
 *   rcSpyDisplay(display, plan, 0);      plan data in little-endian order;
 *                                        0: the plan's length is its first
 *                                        uint32, else the length in bytes
 *   rcSpyDestroy(display);
 * All three return 0 on success, -1 when given no display or no plan. */
#ifndef PRISMDSP_H
#define PRISMDSP_H

#include <windows.h>

#ifdef PRISMDSP_BUILD
#define PRISMDSP_API __declspec(dllexport)
#else
#define PRISMDSP_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

PRISMDSP_API int WINAPI rcSpyCreate(void** display, const char* title, int mode);
PRISMDSP_API int WINAPI rcSpyDisplay(void* display, const void* plan, int length);
PRISMDSP_API int WINAPI rcSpyDestroy(void* display);

#ifdef __cplusplus
}
#endif

#endif
