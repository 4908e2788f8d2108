#pragma once

#include "framework/Gdi.h"

#include <memory>

// Off-screen drawing scopes: construction redirects drawing into a bitmap
// the size of the area, destruction copies the bitmap onto the target in one
// block transfer, so layered skin drawing never flickers.

// The general scope: draws straight into a printing target, copies the
// target's mapping so callers keep their logical coordinates, and starts from
// the background of the window that owns the target.
class CMemDC : public CDC
{
public:
    // A null rectangle means the target's clip box.
    explicit CMemDC(CDC* pDC, const RECT* pRect = nullptr);
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // The painted area, in the target's logical coordinates.
    const RECT& GetRect() const { return m_rect; }

private:
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
