#include "controls/SmartBitmap.h"
#include "tests/controls/ControlTestSupport.h"
#include "tests/controls/FixtureIds.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kRed = RGB(200, 30, 30);
constexpr COLORREF kBlue = RGB(30, 30, 200);

HMODULE Self()
{
    return ::GetModuleHandleW(nullptr);
}

// Every way of drawing, at (2, 2), the natural 8 x 6 size where it has one.
void DrawEveryWay(SmartBitmap& image, CDC& dc)
{
    image.Draw(2, 2, &dc);
    image.DrawSized(2, 2, 8, 6, &dc);
    const RECT rect{2, 2, 10, 8};
    image.DrawInRect(rect, &dc);
    image.DrawTransparent(2, 2, &dc, 0);
}

} // namespace

TEST(SmartBitmapTest, ResourcesThatAreNoImageLeaveTheObjectEmptyAndDrawsDoNothing)
{
    for (UINT id : {IDP_TEST_MISSING, IDP_TEST_NOT_PNG, IDP_TEST_EMPTY}) {
        SCOPED_TRACE(id);
        SmartBitmap image;
        EXPECT_FALSE(image.LoadFromResource(id, Self()));
        EXPECT_FALSE(image.IsLoaded());
        EXPECT_EQ(image.GetWidth(), 0);

        Canvas canvas(16, 12, kGrey);
        const auto before = canvas.Pixels();
        DrawEveryWay(image, canvas.dc());
        EXPECT_EQ(canvas.Pixels(), before);
    }
}

TEST(SmartBitmapTest, OpaqueImageCoversExactlyItsRectangle)
{
    SmartBitmap image(IDP_TEST_OPAQUE);
    ASSERT_TRUE(image.IsLoaded());
    EXPECT_EQ(image.GetWidth(), 8);
    EXPECT_EQ(image.GetHeight(), 6);

    Canvas canvas(16, 12, kGrey);
    image.Draw(3, 2, &canvas.dc());
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x) {
            COLORREF expected = kGrey;
            if (x >= 3 && x < 11 && y >= 2 && y < 8)
                expected = x < 7 ? kRed : kBlue;
            EXPECT_EQ(canvas.Pixel(x, y), expected) << "at " << x << "," << y;
        }
    }
}

TEST(SmartBitmapTest, ImageWithAlphaBlendsOverWhatTheTargetShows)
{
    SmartBitmap image(IDP_TEST_HALF_ALPHA); // (0, 200, 0) at alpha 128
    struct Case
    {
        COLORREF background;
        COLORREF expected;
    };
    for (const Case& c : {Case{RGB(255, 255, 255), RGB(127, 227, 127)}, Case{RGB(0, 0, 0), RGB(0, 100, 0)},
                          Case{RGB(0, 0, 200), RGB(0, 100, 100)}}) {
        Canvas canvas(12, 10, c.background);
        image.Draw(2, 2, &canvas.dc());
        EXPECT_LE(ColourDistance(canvas.Pixel(5, 5), c.expected), 2) << std::hex << canvas.Pixel(5, 5);
        EXPECT_EQ(canvas.Pixel(1, 1), c.background);
        EXPECT_EQ(canvas.Pixel(10, 5), c.background);
    }
}

TEST(SmartBitmapTest, OnlyImagesWithoutAlphaOrPaletteAreOpaque)
{
    EXPECT_TRUE(SmartBitmap(IDP_TEST_OPAQUE).IsOpaque());
    EXPECT_FALSE(SmartBitmap(IDP_TEST_HALF_ALPHA).IsOpaque());
    EXPECT_FALSE(SmartBitmap(IDP_TEST_BLUE).IsOpaque()); // RGBA, even if every pixel is opaque
    EXPECT_FALSE(SmartBitmap(IDP_TEST_MISSING).IsOpaque());
}

TEST(SmartBitmapTest, StretchedDrawsFillTheirRectangle)
{
    SmartBitmap image(IDP_TEST_OPAQUE);
    Canvas sized(40, 30, kGrey);
    image.DrawSized(4, 2, 16, 12, &sized.dc());
    Canvas inRect(40, 30, kGrey);
    const RECT rect{4, 2, 20, 14};
    image.DrawInRect(rect, &inRect.dc());

    for (Canvas* canvas : {&sized, &inRect}) {
        // Away from the seam between the halves, where smoothing may mix them.
        EXPECT_EQ(canvas->Pixel(6, 7), kRed);
        EXPECT_EQ(canvas->Pixel(17, 7), kBlue);
        EXPECT_EQ(canvas->Pixel(21, 7), kGrey);
        EXPECT_EQ(canvas->Pixel(10, 15), kGrey);
        EXPECT_EQ(canvas->Pixels(), sized.Pixels());
    }
}

TEST(SmartBitmapTest, ReloadReplacesTheImageAndAFailedReloadEmptiesIt)
{
    SmartBitmap image(IDP_TEST_OPAQUE);
    ASSERT_TRUE(image.LoadFromResource(IDP_TEST_BLUE, Self()));
    EXPECT_EQ(image.GetWidth(), 6);
    Canvas canvas(12, 10, kGrey);
    image.Draw(0, 0, &canvas.dc());
    EXPECT_EQ(canvas.Pixel(1, 1), RGB(0, 0, 255));
    EXPECT_EQ(canvas.Pixel(7, 1), kGrey); // the first image was 8 wide

    EXPECT_FALSE(image.LoadFromResource(IDP_TEST_NOT_PNG, Self()));
    EXPECT_FALSE(image.IsLoaded());
    Canvas after(12, 10, kGrey);
    image.Draw(0, 0, &after.dc());
    EXPECT_EQ(after.Pixel(1, 1), kGrey);
}

TEST(SmartBitmapTest, LoadFromBufferDecodesTheBytesAndKeepsNoReferenceToThem)
{
    HRSRC resource = ::FindResourceW(Self(), MAKEINTRESOURCEW(IDP_TEST_OPAQUE), L"PNG");
    ASSERT_NE(resource, nullptr);
    const DWORD size = ::SizeofResource(Self(), resource);
    const auto* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(Self(), resource)));
    std::vector<BYTE> copy(bytes, bytes + size);

    SmartBitmap image;
    ASSERT_TRUE(image.LoadFromBuffer(copy.data(), size));
    std::fill(copy.begin(), copy.end(), BYTE{0}); // the image holds its own copy
    Canvas canvas(12, 10, kGrey);
    image.Draw(0, 0, &canvas.dc());
    EXPECT_EQ(canvas.Pixel(0, 0), kRed);
    EXPECT_EQ(canvas.Pixel(7, 5), kBlue);

    EXPECT_FALSE(image.LoadFromBuffer(copy.data(), size));
    EXPECT_FALSE(image.IsLoaded());
}

TEST(SmartBitmapTest, TransparencyScalesTheImagesOwnOpacity)
{
    SmartBitmap image(IDP_TEST_BLUE);
    struct Case
    {
        int transparency;
        int expectedRed; // of blue over white: 255 at 100 %, 0 at 0 %
    };
    for (const Case& c : {Case{0, 0}, Case{25, 64}, Case{50, 128}, Case{90, 230}, Case{100, 255}}) {
        SCOPED_TRACE(c.transparency);
        Canvas canvas(10, 8, RGB(255, 255, 255));
        image.DrawTransparent(2, 2, &canvas.dc(), c.transparency);
        const COLORREF pixel = canvas.Pixel(4, 3);
        EXPECT_LE(std::abs(GetRValue(pixel) - c.expectedRed), 2) << std::hex << pixel;
        EXPECT_EQ(GetBValue(pixel), 255);
        EXPECT_EQ(canvas.Pixel(1, 1), RGB(255, 255, 255));
    }
    // Fully transparent leaves the target exactly as it was.
    Canvas canvas(10, 8, kGrey);
    const auto before = canvas.Pixels();
    image.DrawTransparent(2, 2, &canvas.dc(), 100);
    EXPECT_EQ(canvas.Pixels(), before);
}

TEST(SmartBitmapTest, GdiplusStaysUpWhileAnyImageLives)
{
    const long live = SmartBitmap::LiveCount();
    {
        auto first = std::make_unique<SmartBitmap>(IDP_TEST_BLUE);
        SmartBitmap second(IDP_TEST_OPAQUE);
        EXPECT_EQ(SmartBitmap::LiveCount(), live + 2);
        first.reset();
        Canvas canvas(10, 8, kGrey);
        second.Draw(0, 0, &canvas.dc());
        EXPECT_EQ(canvas.Pixel(0, 0), kRed);
    }
    EXPECT_EQ(SmartBitmap::LiveCount(), live);
    // After the last image went, a new one starts GDI+ again.
    SmartBitmap again(IDP_TEST_OPAQUE);
    Canvas canvas(10, 8, kGrey);
    again.Draw(0, 0, &canvas.dc());
    EXPECT_EQ(canvas.Pixel(7, 0), kBlue);
}

TEST(SmartBitmapTest, DrawingWithoutATargetDoesNothing)
{
    SmartBitmap image(IDP_TEST_OPAQUE);
    image.Draw(0, 0, nullptr);
    image.DrawTransparent(0, 0, nullptr, 50);
    EXPECT_TRUE(image.IsLoaded());
}

TEST(SmartBitmapTest, ProgressSkinOfTheProductArtworkHasItsDocumentedSizes)
{
    const std::wstring folder = ToWindowsPath(std::wstring(L"" VELTO_SOURCE_DIR) + L"/resources/png/");
    struct Piece
    {
        const wchar_t* file;
        int width;
        int height;
    };
    for (const Piece& piece : {Piece{L"221.png", 64, 21}, Piece{L"1249.png", 1, 21}, Piece{L"1250.png", 1, 25},
                               Piece{L"1251.png", 4, 25}, Piece{L"1252.png", 4, 25}}) {
        const std::wstring path = folder + piece.file;
        ASSERT_TRUE(FileExists(path)) << "missing artwork";
        const auto bytes = ReadWholeFile(path);
        SmartBitmap image;
        ASSERT_TRUE(image.LoadFromBuffer(bytes.data(), static_cast<DWORD>(bytes.size())));
        EXPECT_EQ(image.GetWidth(), piece.width);
        EXPECT_EQ(image.GetHeight(), piece.height);
    }
}
