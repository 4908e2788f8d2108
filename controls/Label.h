#pragma once

#include "framework/Controls.h"
#include "framework/Gdi.h"

#include <string>

// The notification code a label in notify mode sends its parent on a click
// (WM_NOTIFY, wParam = control id).
constexpr UINT LBLN_CLICK = 0x8200;

// The wizard's static text: paints its window text itself in its own font
// and colours, over its own solid or gradient background (through an
// off-screen bitmap) or transparently over the parent's skin; can act as a
// web or mail link, flash, draw raised or sunken 3D text and rotated text.
// Font setters need the window: call them after subclassing.
class CLabel : public CStatic
{
public:
    CLabel();
    ~CLabel() override = default;

    // Every setter returns the label, so calls can be chained.
    virtual CLabel& SetBackground(COLORREF colour, COLORREF secondColour = 0, int fillMode = 0);
    virtual CLabel& SetTextColor(COLORREF colour);
    virtual CLabel& SetText(const std::wstring& text);
    virtual CLabel& SetBold(bool bold);
    virtual CLabel& SetFaceName(const std::wstring& face, BYTE charSet);
    virtual CLabel& SetUnderline(bool underline);
    virtual CLabel& SetItalic(bool italic);
    virtual CLabel& SetPointSize(int points);
    virtual CLabel& SetSunkenEdge(bool sunken);
    virtual CLabel& SetBorderLine(bool border);
    virtual CLabel& SetTransparent(bool transparent);
    virtual CLabel& FlashText(bool flash);
    virtual CLabel& FlashBackground(bool flash);
    virtual CLabel& SetHyperlink(bool enable, bool notifyParent);
    virtual CLabel& SetCursorHandle(HCURSOR cursor);
    virtual CLabel& SetText3D(bool enable, int style);
    virtual CLabel& SetRotation(int degrees, bool enable);
    virtual CLabel& SetHighlightColor(COLORREF colour);
    virtual CLabel& SetLogFont(LOGFONTW lf);
    virtual CLabel& SetMailLink(bool enable, bool notifyParent);
    virtual CLabel& SetLinkTarget(const std::wstring& target);
    virtual CLabel& SetBackgroundWindow(CWnd* window);
    virtual CLabel& SetExtraWidth(int extraWidth);

    // Draws the label's client area (rc) into the context: through an
    // off-screen bitmap unless transparent.
    void Paint(CDC* pDC, const RECT& rc);

    const LOGFONTW& GetLogFont() const { return m_lf; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RecreateFont();
    void RedrawLabel();
    void DrawContent(CDC& dc, const RECT& rc);
    void PaintGradient(CDC& dc, const RECT& rc);
    UINT TextFormat(const std::wstring& text) const;
    void OnLButtonDown();
    void ChangeStyle(LONG_PTR remove, LONG_PTR add, int index, bool frameChange);

    COLORREF m_crText;
    COLORREF m_crHighlight = RGB(255, 255, 255);
    CBrush m_hDefaultBrush;
    CBrush m_hBackBrush;
    LOGFONTW m_lf{};
    CFont m_font;
    BOOL m_bFlashOn = FALSE;
    BOOL m_bFlashTimer = FALSE;
    int m_nLinkType = 0; // 0 none, 1 web link, 2 mail link
    BOOL m_bTransparent = FALSE;
    BOOL m_bText3D = FALSE;
    BOOL m_bNotifyParent = FALSE;
    BOOL m_bRotation = FALSE;
    int m_nFlashType = 0; // 0 none, 1 text, 2 background
    HCURSOR m_hCursor = nullptr;
    int m_n3DStyle = 0;
    int m_nFillMode = 0; // 0 solid, else horizontal gradient
    COLORREF m_crBackSecond = 0;
    COLORREF m_crBack = 0;
    std::wstring m_strLinkTarget;
    CWnd* m_pBackgroundWnd = nullptr;
    int m_nExtraWidth = 0;
};

// Gives a label one of the wizard's text styles (presets 1 to 7; Arial,
// transparent).
void ApplyLabelStyle(CLabel& label, int preset);
