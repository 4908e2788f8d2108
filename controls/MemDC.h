#pragma once

#include "framework/Gdi.h"

#include <memory>

// Off-screen drawing scopes: construction redirects drawing into a bitmap
// the size of the area, destruction copies the bitmap onto the target in one
// block transfer, so layered skin drawing never flickers.

// A memory context and bitmap that a control which paints often keeps
// between paints, so that a paint need not make and free its off-screen
// bitmap: on some platforms that costs more than the whole drawing. Window
// targets share the screen's format, so one buffer serves them all; it grows
// when a larger area is asked for.
class OffscreenBuffer
{
public:
    OffscreenBuffer() = default;
    OffscreenBuffer(const OffscreenBuffer&) = delete;
    OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

    // The context, with a bitmap of at least width x height compatible with
    // the window target selected; null when none can be made.
    HDC Acquire(HDC windowTarget, int width, int height);

private:
    CBitmap m_bitmap; // outlives the context it is selected into
    CDC m_dc;
    int m_width = 0;
    int m_height = 0;
};

// The general scope: draws straight into a printing target, copies the
// target's mapping so callers keep their logical coordinates, and starts from
// the background of the window that owns the target.
class CMemDC : public CDC
{
public:
    // A null rectangle means the target's clip box.
    explicit CMemDC(CDC* pDC, const RECT* pRect = nullptr);
    // Buffers a window target in the caller's kept buffer instead of a
    // bitmap of its own; other targets are buffered as above.
    CMemDC(CDC* pDC, const RECT* pRect, OffscreenBuffer& buffer);
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // The painted area, in the target's logical coordinates.
    const RECT& GetRect() const { return m_rect; }

private:
    CMemDC(CDC* pDC, const RECT* pRect, OffscreenBuffer* buffer);
    void FillBackground();

    BOOL m_bMemDC;
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    CDC* m_pDC;
    RECT m_rect{};
};

// The reduced scope of the dialog's background painting: always buffers,
// keeps the default mapping (origin 0, 0) and does not pre-fill.
class CMeemDC : public CDC
{
public:
    CMeemDC(CDC* pDC, const RECT& rect);
    ~CMeemDC() override;
    CMeemDC(const CMeemDC&) = delete;
    CMeemDC& operator=(const CMeemDC&) = delete;

private:
    std::unique_ptr<CBitmap> m_pMemBitmap;
    HGDIOBJ m_pOldBitmap = nullptr;
    CDC* m_pDC;
    RECT m_rcBounds;
};
