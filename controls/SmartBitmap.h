#pragma once

#include "framework/WinInclude.h"

#include <memory>

class CDC;

namespace Gdiplus {
class GpBitmap;
}

// A PNG image from the program's resources (type "PNG"), decoded by GDI+ and
// drawn with its alpha channel onto a device context. Each object starts
// GDI+ for itself; GDI+ counts start-ups, so it stays up while any image
// lives. An empty object (no image, or a failed load) draws nothing.
class SmartBitmap
{
public:
    SmartBitmap();
    // Loads the resource from the running program's own file; a failed load
    // leaves the object empty.
    explicit SmartBitmap(UINT resourceId);
    // Not virtual: images are always destroyed through their exact type.
    ~SmartBitmap();
    SmartBitmap(const SmartBitmap&) = delete;
    SmartBitmap& operator=(const SmartBitmap&) = delete;

    bool LoadFromResource(UINT resourceId, HMODULE module);
    // Replaces the held image by one decoded from a copy of the bytes.
    bool LoadFromBuffer(const void* data, DWORD size);

    bool IsLoaded() const { return m_pBitmap != nullptr; }
    // How many image objects exist in the process (each holds a GDI+
    // start-up); lets owners of many images check that they freed them.
    static long LiveCount();
    // True when every pixel of the image is opaque by its format (no alpha,
    // no palette): drawing it covers its rectangle whatever lies beneath.
    bool IsOpaque() const;
    // The image's size in pixels, 0 when empty.
    int GetWidth() const;
    int GetHeight() const;

    // Coordinates are device units of the target.
    virtual void DrawInRect(const RECT& rect, CDC* pDC);
    virtual void DrawSized(int x, int y, int cx, int cy, CDC* pDC);
    virtual void Draw(int x, int y, CDC* pDC);
    // Draws with the image's alpha scaled by (100 - transparency) / 100.
    virtual void DrawTransparent(int x, int y, CDC* pDC, int transparency);
    virtual void StartGdiplus();
    virtual void ShutdownGdiplus();

private:
    struct BitmapDeleter
    {
        void operator()(Gdiplus::GpBitmap* bitmap) const;
    };

    // Movable global memory that stays locked while owned: the stream that
    // GDI+ decodes from reads it for the bitmap's whole life.
    class LockedGlobal
    {
    public:
        LockedGlobal() = default;
        ~LockedGlobal() { Free(); }
        LockedGlobal(const LockedGlobal&) = delete;
        LockedGlobal& operator=(const LockedGlobal&) = delete;

        bool Allocate(SIZE_T size);
        void Free();
        HGLOBAL Handle() const { return m_hGlobal; }
        void* Data() const { return m_pData; }

    private:
        HGLOBAL m_hGlobal = nullptr;
        void* m_pData = nullptr;
    };

    void Release();
    void DrawWhole(int x, int y, int cx, int cy, CDC* pDC);

    ULONG_PTR m_gdiplusToken = 0;
    std::unique_ptr<Gdiplus::GpBitmap, BitmapDeleter> m_pBitmap;
    LockedGlobal m_hBuffer;
};
