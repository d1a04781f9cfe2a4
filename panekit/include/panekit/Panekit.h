// The whole of Panekit's stream interface.
#ifndef PANEKIT_PANEKIT_H
#define PANEKIT_PANEKIT_H

#include "panekit/Access.h"
#include "panekit/File.h"
#include "panekit/Memory.h"

#endif
