#pragma once

#include "controls/SmartBitmap.h"
#include "framework/Controls.h"
#include "framework/Gdi.h"

// The wizard's owner-drawn push button: one of three PNG images (normal,
// hover, pressed) with the caption drawn over it in its own font and
// colours. The parent reflects WM_DRAWITEM to it (OnChildNotify). Keys are
// swallowed, so the space bar never presses it.
class PngButton : public CButton
{
public:
    static const RuntimeClassInfo kClassInfo;
    const RuntimeClassInfo& GetRuntimeClass() const override { return kClassInfo; }

    PngButton();
    ~PngButton() override = default;

    // Loads the three images from the program's resources and shows the
    // normal one; true only when all three loaded.
    bool LoadImages(UINT normalId, UINT hoverId, UINT pressedId);
    // Recreates the caption font from a fresh description and sets the
    // caption colour; returns whether the font was created.
    bool SetCaptionFont(const wchar_t* face, int height, int weight, COLORREF colour);

    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    virtual void DrawItem(const DRAWITEMSTRUCT& dis);
    virtual void DrawImage(CDC* pDC, RECT* pRect, UINT itemState);
    virtual void DrawCaption(CDC* pDC, RECT* pRect, UINT itemState);

    // The owner configures these directly. To change one font property,
    // edit m_lf and recreate m_font from it.
    SmartBitmap m_imgNormal;
    SmartBitmap m_imgHover;
    SmartBitmap m_imgPressed;
    SmartBitmap* m_pCurrent = nullptr; // the image the next paint draws
    bool m_bHover = false;             // pointer inside, leave tracking armed
    UINT m_nTextFormat = DT_CENTER;
    CFont m_font;
    COLORREF m_crText = RGB(187, 187, 187);
    int m_nTextOffsetX = 0;
    int m_nTextOffsetY = 0;
    LOGFONTW m_lf{};
    bool m_bInvalidateParent = false; // repaint the parent's skin under hover changes
    COLORREF m_crTextDisabled = RGB(170, 170, 170);

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnMouseMove();
    void InvalidateParentArea();
};
