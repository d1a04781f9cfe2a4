// CMemory: a byte stream over one fixed-size block of the process heap.
//
// Copies refer to the same block. The block is shared between them and freed
// only when the last copy that holds it lets it go, so it is never freed
// twice, whichever copy goes first.
#ifndef PANEKIT_MEMORY_H
#define PANEKIT_MEMORY_H

#include "panekit/Access.h"

class PANEKIT_API CMemory : public CAccess {
public:
    void* m_Memory;
    unsigned int m_Size;
    unsigned int m_OffsetPosition;

    CMemory();
    CMemory(const CMemory& other);
    CMemory& operator=(const CMemory& other);
    ~CMemory();

    // Replaces the block by a new one of the given size, contents undefined.
    int Alloc(unsigned long bytes);
    void Free();
    int IsAlloced();
    // The byte at the current position; null without a block.
    void* GetHandle();

    virtual unsigned long GetOffsetPosition();
    virtual int SetPos(unsigned long position);
    virtual unsigned long Read(void* buffer, unsigned long count);
    virtual unsigned long Write(void* buffer, unsigned long count);
    virtual unsigned long GetSize();

private:
    struct BlockShare;
    BlockShare* m_Share;
};

#endif
