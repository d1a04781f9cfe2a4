#include "panekit/File.h"

#include <cstring>
#include <new>

#include "panekit/src/FileSystem.h"

namespace os = panekit::os;

// Counts the copies that hold one open handle.
struct CFile::HandleShare {
    unsigned int holders;
};

namespace {

// The temporary-file counter of the library: the unique number of the next
// temporary file this process creates.
unsigned int temporaryCounter = 0;

// The reason of the last failure of any CFile operation.
int lastFailure = 0;

void rememberFailure() { lastFailure = os::lastError(); }

bool fitsFilename(const char* name) {
    return std::strlen(name) < static_cast<size_t>(CFile::FilenameCapacity);
}

}  // namespace

CFile::CFile(const char* filter)
    : m_Handle(0),
      m_OffsetPosition(0),
      m_Filter(filter),
      m_Temporary(0),
      m_DefExt(nullptr),
      m_Share(nullptr) {
    m_Filename[0] = '\0';
}

CFile::CFile(const CFile& other)
    : CAccess(other),
      m_Handle(other.m_Handle),
      m_OffsetPosition(other.m_OffsetPosition),
      m_Filter(other.m_Filter),
      m_Temporary(other.m_Temporary),
      m_DefExt(other.m_DefExt),
      m_Share(other.m_Share) {
    std::memcpy(m_Filename, other.m_Filename, sizeof m_Filename);
    m_Filename[FilenameCapacity - 1] = '\0';
    if (m_Share) ++m_Share->holders;
}

CFile& CFile::operator=(const CFile& other) {
    if (this == &other) return *this;
    if (other.m_Share) ++other.m_Share->holders;
    // Let go of this object's own handle without deleting anything: the
    // assignment replaces the object, it does not close its file.
    ReleaseHandle();
    std::memcpy(m_Filename, other.m_Filename, sizeof m_Filename);
    m_Filename[FilenameCapacity - 1] = '\0';
    m_Handle = other.m_Handle;
    m_OffsetPosition = other.m_OffsetPosition;
    m_Filter = other.m_Filter;
    m_Temporary = other.m_Temporary;
    m_DefExt = other.m_DefExt;
    m_Share = other.m_Share;
    return *this;
}

CFile::~CFile() { Close(); }

void CFile::AdoptHandle(PanekitFileHandle handle) {
    m_Share = new (std::nothrow) HandleShare{1};
    if (!m_Share) {
        os::closeFile(handle);
        m_Handle = 0;
        return;
    }
    m_Handle = handle;
}

// Closes the handle if this is its last holder; either way this object no
// longer holds it.
void CFile::ReleaseHandle() {
    if (m_Handle && m_Share && --m_Share->holders == 0) {
        os::closeFile(m_Handle);
        delete m_Share;
    }
    m_Handle = 0;
    m_Share = nullptr;
}

void CFile::ForgetFile() {
    m_Filename[0] = '\0';
    m_OffsetPosition = 0;
}

int CFile::ShowDialog(HWND owner, char* buffer, int mode) {
    return os::showFileDialog(owner, buffer, FilenameCapacity, mode, m_Filter, m_DefExt);
}

int CFile::Open(HWND owner, int mode) {
    char chosen[FilenameCapacity];
    chosen[0] = '\0';
    if (!ShowDialog(owner, chosen, mode)) return -1;
    return Open(chosen, mode);
}

int CFile::Open(const char* name, int mode) {
    if (!name) return 0;
    Close();
    if (!fitsFilename(name)) {
        m_Filename[0] = '\0';
        m_OffsetPosition = 0;
        return 0;
    }
    // The name may be this object's own buffer (Open(GetFilename(), mode)).
    std::memmove(m_Filename, name, std::strlen(name) + 1);
    return Reopen(mode);
}

int CFile::Reopen(int mode) {
    if (m_Handle) Close();
    PanekitFileHandle handle = m_Filename[0] ? os::openFile(m_Filename, mode) : 0;
    m_OffsetPosition = 0;
    if (!handle) rememberFailure();
    if (handle) AdoptHandle(handle);
    if (!m_Handle) {
        m_Filename[0] = '\0';
        return 0;
    }
    m_Temporary = 0;
    return 1;
}

int CFile::OpenAsTemporary(const char* prefix) {
    if (m_Handle) Close();
    m_OffsetPosition = 0;
    PanekitFileHandle handle =
        os::createTemporaryFile(prefix ? prefix : "", temporaryCounter, m_Filename, FilenameCapacity);
    if (!handle) rememberFailure();
    if (handle) AdoptHandle(handle);
    if (!m_Handle) {
        m_Filename[0] = '\0';
        return 0;
    }
    m_Temporary = 1;
    ++temporaryCounter;
    return 1;
}

void CFile::Close() {
    bool othersHoldIt = m_Handle && m_Share && m_Share->holders > 1;
    ReleaseHandle();
    // A copy that still holds the temporary file keeps it; its own Close
    // deletes it. This copy has let go for good, so a later Close (its
    // destructor's) must not delete the file either.
    if (m_Temporary && !othersHoldIt) os::deleteFile(m_Filename);
    if (othersHoldIt) m_Temporary = 0;
}

unsigned long CFile::GetFilesize() {
    if (!m_Filename[0]) return 0;
    unsigned long size = 0;
    if (m_Handle) {
        if (!os::fileSize(m_Handle, &size)) return 0;
        return size;
    }
    if (!Reopen(1)) return 0;
    if (!os::fileSize(m_Handle, &size)) size = 0;
    Close();
    return size;
}

char* CFile::GetFilename() { return m_Filename; }

int CFile::IsOpened() { return m_Filename[0] ? 1 : 0; }

void CFile::SetDefExt(const char* extension) { m_DefExt = extension; }

int CFile::ReplaceTarget(const char* target) {
    if (!target || m_Handle || !m_Filename[0] || !fitsFilename(target)) return 0;
    if (!os::replaceFile(m_Filename, target)) {
        rememberFailure();
        return 0;
    }
    std::memmove(m_Filename, target, std::strlen(target) + 1);
    m_Temporary = 0;
    return 1;
}

int CFile::SyncData() {
    if (!m_Handle) return 0;
    if (os::syncFileData(m_Handle)) return 1;
    rememberFailure();
    return 0;
}

int CFile::StartDataSync() {
    if (!m_Handle) return 0;
    os::startFileDataSync(m_Handle);
    return 1;
}

int CFile::Delete() {
    if (m_Handle || !m_Filename[0]) return 0;
    if (os::deleteFile(m_Filename)) return 1;
    rememberFailure();
    return 0;
}

namespace {

struct DirectoryVisit {
    int (*visit)(const char*, void*);
    void* context;
};

bool visitListed(const char* name, void* context) {
    const DirectoryVisit* listing = static_cast<const DirectoryVisit*>(context);
    return listing->visit(name, listing->context) != 0;
}

}  // namespace

int CFile::ListDirectory(const char* directory, int (*visit)(const char* name, void* context), void* context) {
    if (!directory || !visit || !fitsFilename(directory)) return 0;
    DirectoryVisit listing = {visit, context};
    if (os::listDirectory(directory, visitListed, &listing)) return 1;
    rememberFailure();
    return 0;
}

int CFile::InspectTarget(const char* name, char* resolved) {
    if (!name || !resolved || !fitsFilename(name)) return -1;
    return os::inspectTarget(name, resolved, FilenameCapacity);
}

unsigned long CFile::GetFullPath(const char* name, char* buffer, unsigned long capacity) {
    if (!name || (!buffer && capacity)) return 0;
    return os::fullPath(name, buffer, capacity);
}

int CFile::Exists(const char* name) { return name && os::pathExists(name) ? 1 : 0; }

int CFile::IsDirectory(const char* name) { return name && os::isDirectory(name) ? 1 : 0; }

int CFile::MakeDirectory(const char* name) {
    if (!name) return 0;
    if (os::makeDirectory(name)) return 1;
    rememberFailure();
    return 0;
}

int CFile::RemoveEmptyDirectory(const char* name) { return name && os::removeEmptyDirectory(name) ? 1 : 0; }

int CFile::OpenStandardStream(int mode) {
    Close();
    m_OffsetPosition = 0;
    PanekitFileHandle handle = os::openStandardStream(mode == 0 ? 1 : 0);
    if (!handle) rememberFailure();
    if (handle) AdoptHandle(handle);
    if (!m_Handle) {
        m_Filename[0] = '\0';
        return 0;
    }
    std::memcpy(m_Filename, "-", 2);
    m_Temporary = 0;
    return 1;
}

int CFile::CopyPermissionsFrom(const char* like) {
    if (!m_Handle || !like) return 0;
    if (os::copyPermissions(m_Handle, like)) return 1;
    rememberFailure();
    return 0;
}

int CFile::LastErrorCode() { return lastFailure; }

void CFile::DescribeError(int code, char* buffer, unsigned long capacity) {
    os::describeError(code, buffer, capacity);
}

int CFile::RemoveIfInterrupted(const char* name) { return name && os::removeIfInterrupted(name) ? 1 : 0; }

void CFile::KeepIfInterrupted(const char* name) {
    if (name) os::keepIfInterrupted(name);
}

unsigned long CFile::GetOffsetPosition() { return m_OffsetPosition; }

unsigned long CFile::GetSize() { return GetFilesize(); }

int CFile::SetPos(unsigned long position) {
    unsigned long size = GetFilesize();
    if (position < size) {
        m_OffsetPosition = static_cast<unsigned int>(position);
        if (m_Handle) os::seekFile(m_Handle, position);
        return 1;
    }
    m_OffsetPosition = 0;
    if (m_Handle) os::seekFile(m_Handle, 0);
    return 0;
}

unsigned long CFile::Read(void* buffer, unsigned long count) {
    unsigned long done = 0;
    if (m_Handle && os::readFile(m_Handle, buffer, count, &done)) {
        m_OffsetPosition += static_cast<unsigned int>(done);
        return done;
    }
    if (m_Handle) rememberFailure();
    // A failed transfer closes the handle but keeps a temporary file.
    ReleaseHandle();
    ForgetFile();
    return 0;
}

unsigned long CFile::Write(void* buffer, unsigned long count) {
    unsigned long done = 0;
    if (m_Handle && os::writeFile(m_Handle, buffer, count, &done)) {
        m_OffsetPosition += static_cast<unsigned int>(done);
        return done;
    }
    if (m_Handle) rememberFailure();
    ReleaseHandle();
    ForgetFile();
    return 0;
}
