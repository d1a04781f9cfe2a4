// Scoped GDI objects: each handle the editor takes from the system is given
// back when its owner goes, the last taken first, so that nothing is deleted
// while a device context still holds it.
#ifndef LUMIGRID_EDITOR_GDIOBJECTS_H
#define LUMIGRID_EDITOR_GDIOBJECTS_H

#include <windows.h>

#include <utility>

// A pen, brush or bitmap the editor made; deleted when it goes.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    operator Handle() const { return handle_; }
    void Reset() {
        if (handle_) DeleteObject(handle_);
        handle_ = nullptr;
    }

private:
    Handle handle_ = nullptr;
};

typedef GdiObject<HPEN> OwnedPen;
typedef GdiObject<HBRUSH> OwnedBrush;
typedef GdiObject<HBITMAP> OwnedBitmap;

// A memory device context compatible with another; deleted when it goes.
class MemoryDc {
public:
    MemoryDc() = default;
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() { Reset(); }
    MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    MemoryDc& operator=(MemoryDc&& other) noexcept {
        if (this != &other) {
            Reset();
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    operator HDC() const { return dc_; }
    void Reset() {
        if (dc_) DeleteDC(dc_);
        dc_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
};

// A window's device context, released when it goes.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context; the one it took the place of
// is selected again when it goes.
class SelectedObject {
public:
    SelectedObject() = default;
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), kept_(SelectObject(dc, object)) {}
    ~SelectedObject() { Restore(); }
    SelectedObject(SelectedObject&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), kept_(std::exchange(other.kept_, nullptr)) {}
    SelectedObject& operator=(SelectedObject&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = std::exchange(other.dc_, nullptr);
            kept_ = std::exchange(other.kept_, nullptr);
        }
        return *this;
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    // The object the device context held before.
    HGDIOBJ Kept() const { return kept_; }
    void Restore() {
        if (dc_) SelectObject(dc_, kept_);
        dc_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ kept_ = nullptr;
};

#endif
