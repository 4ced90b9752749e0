/* The UI-strings library lexicord.dll: engine status codes to message texts,
 * and the library's version. Linked at load time by the monitor. */
#ifndef LEXICORD_H
#define LEXICORD_H

#if defined(LEXICORD_BUILD)
#define LEXICORD_API __declspec(dllexport)
#else
#define LEXICORD_API __declspec(dllimport)
#endif

/* Every text fits a buffer of this size, NUL included. */
#define LEXICORD_TEXT_SIZE 256

#ifdef __cplusplus
extern "C" {
#endif

/* status: an unsigned 16-bit engine status in a 32-bit slot; buffer: at least
 * LEXICORD_TEXT_SIZE bytes; flag: 1. Returns 0 with the message in buffer, or
 * non-zero (buffer untouched) when there is no text for the status. */
LEXICORD_API int __stdcall DBUGetString(unsigned long status, char* buffer, unsigned long flag);

/* Fills major, minor, release, build (1.7.0.0) and returns 0.
 * For tests, the environment variable VIGIL_LEXICORD_VERSION, read at the
 * first call, replaces the version ("2.7.0.0"); the value "fail" makes the
 * call return non-zero. */
LEXICORD_API int __stdcall getUIDLLVersion(unsigned long version[4]);

typedef int(__stdcall* DBUGetStringProc)(unsigned long status, char* buffer, unsigned long flag);
typedef int(__stdcall* getUIDLLVersionProc)(unsigned long version[4]);

#ifdef __cplusplus
}
#endif

#endif
