// CAccess: the positioned byte stream that CFile and CMemory implement.
#ifndef PANEKIT_ACCESS_H
#define PANEKIT_ACCESS_H

#include "panekit/Platform.h"

class PANEKIT_API CAccess {
public:
    CAccess();
    CAccess(const CAccess& other);
    // Copies nothing: a stream has no state of its own at this level.
    CAccess& operator=(const CAccess& other);
    // Not virtual: streams are always destroyed through their own class.
    ~CAccess();

    virtual unsigned long GetOffsetPosition() = 0;
    virtual int SetPos(unsigned long position) = 0;
    virtual unsigned long Read(void* buffer, unsigned long count) = 0;
    virtual unsigned long Write(void* buffer, unsigned long count) = 0;
    virtual unsigned long GetSize() = 0;
};

#endif
