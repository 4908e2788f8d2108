#include "controls/SmartBitmap.h"

#include "framework/Gdi.h"

#include <objbase.h>

#include <gdiplus.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <utility>

namespace gp = Gdiplus::DllExports;

namespace {

std::atomic<long> g_liveImages{0};

// A GDI+ graphics object on a device context, deleted at the end of a draw.
class Graphics
{
public:
    explicit Graphics(CDC* pDC)
    {
        if (gp::GdipCreateFromHDC(pDC ? pDC->m_hDC : nullptr, &m_pGraphics) != Gdiplus::Ok)
            m_pGraphics = nullptr;
    }
    ~Graphics()
    {
        if (m_pGraphics)
            gp::GdipDeleteGraphics(m_pGraphics);
    }
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;
    Gdiplus::GpGraphics* Get() const { return m_pGraphics; }

private:
    Gdiplus::GpGraphics* m_pGraphics = nullptr;
};

class ImageAttributes
{
public:
    ImageAttributes()
    {
        if (gp::GdipCreateImageAttributes(&m_pAttributes) != Gdiplus::Ok)
            m_pAttributes = nullptr;
    }
    ~ImageAttributes()
    {
        if (m_pAttributes)
            gp::GdipDisposeImageAttributes(m_pAttributes);
    }
    ImageAttributes(const ImageAttributes&) = delete;
    ImageAttributes& operator=(const ImageAttributes&) = delete;
    Gdiplus::GpImageAttributes* Get() const { return m_pAttributes; }

private:
    Gdiplus::GpImageAttributes* m_pAttributes = nullptr;
};

// One reference to a COM stream, released when the scope ends.
class StreamRef
{
public:
    StreamRef() = default;
    ~StreamRef()
    {
        if (m_pStream)
            m_pStream->Release();
    }
    StreamRef(const StreamRef&) = delete;
    StreamRef& operator=(const StreamRef&) = delete;
    IStream* Get() const { return m_pStream; }
    IStream** Receive() { return &m_pStream; }

private:
    IStream* m_pStream = nullptr;
};

ULONG_PTR StartupGdiplus()
{
    Gdiplus::GdiplusStartupInput input; // version 1, no callback, thread and codecs not suppressed
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return 0;
    return token;
}

} // namespace

void SmartBitmap::BitmapDeleter::operator()(Gdiplus::GpBitmap* bitmap) const
{
    gp::GdipDisposeImage(bitmap);
}

bool SmartBitmap::LockedGlobal::Allocate(SIZE_T size)
{
    Free();
    m_hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!m_hGlobal)
        return false;
    m_pData = ::GlobalLock(m_hGlobal);
    if (!m_pData) {
        ::GlobalFree(m_hGlobal);
        m_hGlobal = nullptr;
        return false;
    }
    return true;
}

void SmartBitmap::LockedGlobal::Free()
{
    if (!m_hGlobal)
        return;
    ::GlobalUnlock(m_hGlobal);
    ::GlobalFree(m_hGlobal);
    m_hGlobal = nullptr;
    m_pData = nullptr;
}

SmartBitmap::SmartBitmap() : m_gdiplusToken(StartupGdiplus())
{
    ++g_liveImages;
}

SmartBitmap::SmartBitmap(UINT resourceId) : SmartBitmap()
{
    LoadFromResource(resourceId, nullptr);
}

SmartBitmap::~SmartBitmap()
{
    // The bitmap reads the buffer, so it goes first; GDI+ is shut down last.
    Release();
    if (m_gdiplusToken)
        Gdiplus::GdiplusShutdown(m_gdiplusToken);
    --g_liveImages;
}

long SmartBitmap::LiveCount()
{
    return g_liveImages.load();
}

void SmartBitmap::StartGdiplus()
{
    // Start again before letting the old start-up go, so GDI+ never drops to
    // zero start-ups while this image holds a bitmap.
    const ULONG_PTR previous = std::exchange(m_gdiplusToken, StartupGdiplus());
    if (previous)
        Gdiplus::GdiplusShutdown(previous);
}

void SmartBitmap::ShutdownGdiplus()
{
    if (m_gdiplusToken)
        Gdiplus::GdiplusShutdown(std::exchange(m_gdiplusToken, 0));
}

void SmartBitmap::Release()
{
    m_pBitmap.reset();
    m_hBuffer.Free();
}

bool SmartBitmap::LoadFromResource(UINT resourceId, HMODULE module)
{
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(resourceId), L"PNG");
    if (!resource)
        return false;
    const DWORD size = ::SizeofResource(module, resource);
    if (size == 0)
        return false;
    HGLOBAL loaded = ::LoadResource(module, resource);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data)
        return false;
    return LoadFromBuffer(data, size);
}

bool SmartBitmap::LoadFromBuffer(const void* data, DWORD size)
{
    // The old image is gone even if the new one fails.
    Release();

    if (!m_hBuffer.Allocate(size))
        return false;
    std::memcpy(m_hBuffer.Data(), data, size);

    StreamRef stream;
    if (FAILED(::CreateStreamOnHGlobal(m_hBuffer.Handle(), FALSE, stream.Receive()))) {
        m_hBuffer.Free();
        return false;
    }
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = gp::GdipCreateBitmapFromStream(stream.Get(), &bitmap);
    if (bitmap)
        m_pBitmap.reset(bitmap);
    if (status == Gdiplus::Ok && m_pBitmap)
        return true;
    Release();
    return false;
}

bool SmartBitmap::IsOpaque() const
{
    Gdiplus::PixelFormat format = 0;
    if (!m_pBitmap || gp::GdipGetImagePixelFormat(m_pBitmap.get(), &format) != Gdiplus::Ok)
        return false;
    return (format & (PixelFormatAlpha | PixelFormatPAlpha | PixelFormatIndexed)) == 0;
}

int SmartBitmap::GetWidth() const
{
    UINT width = 0;
    if (m_pBitmap)
        gp::GdipGetImageWidth(m_pBitmap.get(), &width);
    return static_cast<int>(width);
}

int SmartBitmap::GetHeight() const
{
    UINT height = 0;
    if (m_pBitmap)
        gp::GdipGetImageHeight(m_pBitmap.get(), &height);
    return static_cast<int>(height);
}

void SmartBitmap::DrawWhole(int x, int y, int cx, int cy, CDC* pDC)
{
    Graphics graphics(pDC);
    if (graphics.Get())
        gp::GdipDrawImageRectI(graphics.Get(), m_pBitmap.get(), x, y, cx, cy);
}

void SmartBitmap::DrawInRect(const RECT& rect, CDC* pDC)
{
    if (m_pBitmap)
        DrawWhole(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, pDC);
}

void SmartBitmap::DrawSized(int x, int y, int cx, int cy, CDC* pDC)
{
    if (m_pBitmap)
        DrawWhole(x, y, cx, cy, pDC);
}

void SmartBitmap::Draw(int x, int y, CDC* pDC)
{
    // The size is asked anew on every draw; nothing is cached between draws.
    if (m_pBitmap)
        DrawWhole(x, y, GetWidth(), GetHeight(), pDC);
}

void SmartBitmap::DrawTransparent(int x, int y, CDC* pDC, int transparency)
{
    if (!m_pBitmap)
        return;
    Graphics graphics(pDC);
    if (!graphics.Get())
        return;
    const auto width = static_cast<Gdiplus::REAL>(GetWidth());
    const auto height = static_cast<Gdiplus::REAL>(GetHeight());

    Gdiplus::ColorMatrix matrix{};
    for (int i = 0; i < 5; ++i)
        matrix.m[i][i] = 1.0f;
    // The opacity is taken as an unsigned count of percent.
    const auto opacity = static_cast<std::uint32_t>(100 - transparency);
    matrix.m[3][3] = static_cast<Gdiplus::REAL>(static_cast<double>(opacity) / 100.0);

    ImageAttributes attributes;
    gp::GdipSetImageAttributesColorMatrix(attributes.Get(), Gdiplus::ColorAdjustTypeBitmap, TRUE,
                                          &matrix, nullptr, Gdiplus::ColorMatrixFlagsDefault);
    gp::GdipSetCompositingQuality(graphics.Get(), Gdiplus::CompositingQualityHighSpeed);
    gp::GdipDrawImageRectRect(graphics.Get(), m_pBitmap.get(), static_cast<Gdiplus::REAL>(x),
                              static_cast<Gdiplus::REAL>(y), width, height, 0, 0, width, height,
                              Gdiplus::UnitPixel, attributes.Get(), nullptr, nullptr);
}
