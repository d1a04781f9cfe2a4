// Platform types that appear in Panekit's public interface.
//
// They are declared here the way <windows.h> declares them, so that either
// header may be included first, and the portable code that uses the streams
// never sees <windows.h> and its macros (DeleteFile, CreateFile, min, max):
// a file that calls Windows includes it itself. HWND is a distinct pointer
// type on every platform, so that Open(HWND, mode) and Open(const char*, mode)
// remain separate overloads.
#ifndef PANEKIT_PLATFORM_H
#define PANEKIT_PLATFORM_H

struct HWND__;
typedef struct HWND__* HWND;

#ifdef _WIN32
typedef void* HANDLE;
typedef HANDLE PanekitFileHandle;
#else
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
