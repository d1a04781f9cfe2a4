// Platform types that appear in Panekit's public interface.
//
// On Windows they are the system's own. Elsewhere the library still offers
// the same interface (the streams are portable), so the window handle and the
// file handle get stand-ins of the same shape: HWND stays a distinct pointer
// type, so that Open(HWND, mode) and Open(const char*, mode) remain separate
// overloads on every platform.
#ifndef PANEKIT_PLATFORM_H
#define PANEKIT_PLATFORM_H

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
typedef HANDLE PanekitFileHandle;
#else
struct HWND__;
typedef HWND__* HWND;
// A POSIX file descriptor; 0 stands for "no file" (the library never keeps
// descriptor 0 for a file it opened).
typedef int PanekitFileHandle;
#endif

#if defined(_WIN32)
#if defined(PANEKIT_BUILDING)
#define PANEKIT_API __declspec(dllexport)
#else
#define PANEKIT_API __declspec(dllimport)
#endif
#else
#define PANEKIT_API __attribute__((visibility("default")))
#endif

#endif
