// A utilities library that lacks most operations: the binding must answer
// 8005 for the missing ones without a box.
#include <windows.h>

extern "C" {
__declspec(dllexport) unsigned short WINAPI DBUGetVersion(long, unsigned short component,
                                                          unsigned short, unsigned long cap,
                                                          void* out)
{
    if (cap < 20 || !out) return 4086;
    unsigned long* v = static_cast<unsigned long*>(out);
    v[0] = component == 0 ? 1 : 2;
    v[1] = 9;
    v[2] = 9;
    v[3] = 999;
    v[4] = 0;
    return 0;
}
__declspec(dllexport) unsigned short WINAPI DBUStart(void*) { return 0; }
__declspec(dllexport) unsigned short WINAPI DBUStop(void*) { return 0; }
}
