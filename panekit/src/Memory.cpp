#include "panekit/Memory.h"

#include <cstring>
#include <new>

#include "panekit/src/FileSystem.h"

// Counts the copies that hold one block.
struct CMemory::BlockShare {
    unsigned int holders;
};

CMemory::CMemory() : m_Memory(nullptr), m_Size(0), m_OffsetPosition(0), m_Share(nullptr) {}

CMemory::CMemory(const CMemory& other)
    : CAccess(other),
      m_Memory(other.m_Memory),
      m_Size(other.m_Size),
      m_OffsetPosition(other.m_OffsetPosition),
      m_Share(other.m_Share) {
    if (m_Share) ++m_Share->holders;
}

CMemory& CMemory::operator=(const CMemory& other) {
    if (this == &other) return *this;
    if (other.m_Share) ++other.m_Share->holders;
    Free();
    m_Memory = other.m_Memory;
    m_Size = other.m_Size;
    m_OffsetPosition = other.m_OffsetPosition;
    m_Share = other.m_Share;
    return *this;
}

CMemory::~CMemory() { Free(); }

int CMemory::Alloc(unsigned long bytes) {
    Free();
    // Sizes and positions are 32-bit.
    BlockShare* share = bytes <= 0xFFFFFFFFul ? new (std::nothrow) BlockShare{1} : nullptr;
    void* block = share ? panekit::os::heapAllocate(bytes) : nullptr;
    if (!block) {
        delete share;
        panekit::os::debugOutput("Heap Memory Allocation failed");
        return 0;
    }
    m_Memory = block;
    m_Size = static_cast<unsigned int>(bytes);
    m_OffsetPosition = 0;
    m_Share = share;
    return 1;
}

void CMemory::Free() {
    if (!m_Memory) return;
    if (m_Share && --m_Share->holders == 0) {
        panekit::os::heapRelease(m_Memory);
        delete m_Share;
    }
    m_Share = nullptr;
    m_Memory = nullptr;
    m_Size = 0;
    m_OffsetPosition = 0;
}

int CMemory::IsAlloced() { return m_Memory ? 1 : 0; }

void* CMemory::GetHandle() {
    if (!m_Memory) return nullptr;
    return static_cast<unsigned char*>(m_Memory) + m_OffsetPosition;
}

unsigned long CMemory::GetOffsetPosition() { return m_OffsetPosition; }

unsigned long CMemory::GetSize() { return m_Size; }

int CMemory::SetPos(unsigned long position) {
    if (position >= m_Size) return 0;
    m_OffsetPosition = static_cast<unsigned int>(position);
    return 1;
}

unsigned long CMemory::Read(void* buffer, unsigned long count) {
    if (!m_Memory) return 0;
    unsigned long remaining = m_Size - m_OffsetPosition;
    unsigned long n = count < remaining ? count : remaining;
    // A read that reaches the end leaves the rest of the requested range zero.
    if (count >= remaining) std::memset(buffer, 0, count);
    std::memcpy(buffer, static_cast<unsigned char*>(m_Memory) + m_OffsetPosition, n);
    m_OffsetPosition += static_cast<unsigned int>(n);
    return n;
}

unsigned long CMemory::Write(void* buffer, unsigned long count) {
    if (!m_Memory) return 0;
    unsigned long remaining = m_Size - m_OffsetPosition;
    unsigned long n = count < remaining ? count : remaining;
    std::memcpy(static_cast<unsigned char*>(m_Memory) + m_OffsetPosition, buffer, n);
    m_OffsetPosition += static_cast<unsigned int>(n);
    return n;
}
