// The whole of Panekit's interface: the streams, and on Windows the window
// classes.
#ifndef PANEKIT_PANEKIT_H
#define PANEKIT_PANEKIT_H

#include "panekit/Access.h"
#include "panekit/File.h"
#include "panekit/Memory.h"
#ifdef _WIN32
#include "panekit/Window.h"
#endif

#endif
