#pragma once

#include "controls/MemDC.h"
#include "controls/SmartBitmap.h"
#include "controls/TextProgressMessages.h"
#include "framework/Controls.h"
#include "framework/Gdi.h"

// Resource ids of the bar's skin pieces.
enum : UINT
{
    IDP_PROGRESS_MARQUEE = 221,     // 64 x 21 block of the marquee mode
    IDP_PROGRESS_FILL = 1249,       // one column of the filled part, 1 x 21
    IDP_PROGRESS_TRACK = 1250,      // one column of the empty track, 1 x 25
    IDP_PROGRESS_TRACK_LEFT = 1251, // left end of the track, 4 x 25
    IDP_PROGRESS_TRACK_RIGHT = 1252 // right end of the track, 4 x 25
};

// Where the marquee block is and which way it moves; one block for the whole
// process, moved by whichever bar's timer ticks.
extern int g_nMarqueeX;
extern bool g_bMarqueeForward;

// The skinned progress bar: keeps position and range itself (the system
// control underneath never sees a progress message), paints a PNG track and
// fill with the percentage over it, in one colour over the filled part and
// another over the rest. Workers drive it with sent PBM_SETRANGE32/PBM_SETPOS.
class CTextProgressCtrl : public CProgressCtrl
{
public:
    CTextProgressCtrl();
    ~CTextProgressCtrl() override = default;

    // Paints the whole bar through an off-screen buffer onto the target, whose
    // client area is rcClient. Nothing is drawn while the range is empty.
    void Paint(CDC* pDC, const RECT& rcClient);

    // The track and the fill are rows of one-pixel columns. Opaque column
    // images are drawn once and copied along, and an opaque skin is drawn
    // once for the bar's width and copied into every paint; both give the
    // same pixels as drawing every piece and column on each paint (the
    // reference way, kept selectable) at a fraction of the cost.
    void SetColumnByColumn(bool columnByColumn) { m_bColumnByColumn = columnByColumn; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The opaque skin drawn once for one width: the whole track in the top
    // rows, a run of fill columns below it.
    struct SkinRows
    {
        CGdiObject bitmap; // outlives the context it is selected into
        CDC dc;
        int width = 0;
        int trackHeight = 0;
        int fillHeight = 0;

        void Reset()
        {
            dc.DeleteDC();
            bitmap.DeleteObject();
            width = trackHeight = fillHeight = 0;
        }
    };

    void PaintBar(CDC& dc, const RECT& rcClient);
    void DrawTrack(CDC& dc, const RECT& rcClient);
    void DrawColumns(SmartBitmap& image, CDC& dc, int from, int to, int y) const;
    bool CanCopySkin(CDC& dc) const;
    const SkinRows* SkinRowsFor(int width);
    LRESULT SetPosition(int position);
    // Stores the new value, repaints, and answers the previous value.
    template <typename Value>
    LRESULT ReplaceAndRepaint(Value& member, Value value);
    void Repaint();
    void OnMarqueeTimer();
    bool IsMarquee() const;
    bool IsVertical() const;
    COLORREF TextColour() const;
    COLORREF TextOnBarColour() const;

    BOOL m_bShowPercent = TRUE;
    CFont m_fontVertical;
    COLORREF m_crBar = CLR_DEFAULT;
    COLORREF m_crBarBk = CLR_DEFAULT;
    COLORREF m_crText = CLR_DEFAULT;
    COLORREF m_crTextOnBar = CLR_DEFAULT;
    int m_nTextAlign = 1;
    int m_nPos = 0;
    int m_nStep = 10; // the system bar's own default step
    int m_nMin = 0;
    int m_nMax = 100;
    int m_nMarqueeSize = 10;
    SmartBitmap m_imgTrack;
    SmartBitmap m_imgTrackLeft;
    SmartBitmap m_imgTrackRight;
    SmartBitmap m_imgFill;
    SmartBitmap m_imgMarquee;
    bool m_bColumnByColumn = false;
    // The window's font and text, followed through WM_SETFONT and
    // WM_SETTEXT: asking the window for them on every paint costs trips
    // through the subclassing chain that a worker would wait for.
    HFONT m_hFont = nullptr;
    std::wstring m_strText;
    // Every skin piece covers its rectangle whatever lies beneath, and the
    // track's pieces cover the whole track: copies of a drawing are exact.
    bool m_bSkinOpaque = false;
    SkinRows m_skinRows;
    OffscreenBuffer m_offscreen;
};
