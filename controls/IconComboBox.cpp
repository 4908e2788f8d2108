#include "controls/IconComboBox.h"

#include <memory>

namespace {

constexpr UINT kEntryHeight = 22;
// The text is fitted to the space right of this offset and drawn at the
// second one, with the flag in front of it.
constexpr int kFitLeft = 21;
constexpr int kTextLeft = 31;
constexpr COLORREF kEntryText = RGB(77, 82, 83);
constexpr COLORREF kWhite = RGB(255, 255, 255);
const std::wstring kEllipsis = L"...";

SmartBitmap* PictureOf(DWORD_PTR data)
{
    return data == static_cast<DWORD_PTR>(CB_ERR) ? nullptr : reinterpret_cast<SmartBitmap*>(data);
}

} // namespace

const RuntimeClassInfo CIconComboBox::kClassInfo{L"CIconComboBox", &CComboBox::kClassInfo};

int CIconComboBox::AddIconItem(const wchar_t* text, UINT imageId)
{
    SetItemHeight(0, kEntryHeight);
    const int index = AddString(text);
    // The box owns the picture through the entry's item data from here on.
    auto picture = std::make_unique<SmartBitmap>(imageId);
    if (index >= 0 && SetItemData(index, reinterpret_cast<DWORD_PTR>(picture.get())) != CB_ERR)
        picture.release();
    return index;
}

bool CIconComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CComboBox::OnChildNotify(message, wParam, lParam, result);
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    if (result)
        *result = TRUE;
    return true;
}

void CIconComboBox::DrawItem(const DRAWITEMSTRUCT& dis)
{
    if (static_cast<int>(dis.itemID) < 0)
        return; // empty list
    CDCRef dc(dis.hDC);
    const RECT rc = dis.rcItem;
    const bool selected = (dis.itemState & ODS_SELECTED) != 0;

    if (dis.itemAction & ODA_DRAWENTIRE)
        dc.FillSolidRect(rc, kWhite);
    if (!selected) {
        if (dis.itemAction & ODA_SELECT)
            dc.FillSolidRect(rc, kWhite);
    } else if (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        dc.FillSolidRect(rc, ::GetSysColor(COLOR_HIGHLIGHT));
    }
    // An inverting frame: gaining and losing the focus toggle it.
    if (dis.itemAction & ODA_FOCUS)
        dc.DrawFocusRect(rc);

    const int previousMode = dc.SetBkMode(TRANSPARENT);
    COLORREF colour = kEntryText;
    if (selected)
        colour = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    else if (dis.itemState & ODS_DISABLED)
        colour = ::GetSysColor(COLOR_GRAYTEXT);
    const COLORREF previousColour = dc.SetTextColor(colour);

    const int index = static_cast<int>(dis.itemID);
    std::wstring text = GetLBText(index);
    const int available = rc.right - (rc.left + kFitLeft);
    if (dc.GetTextExtent(text).cx > available) {
        // Cut character by character until the text with "..." fits.
        while (!text.empty()) {
            text.pop_back();
            if (dc.GetTextExtent(text + kEllipsis).cx <= available)
                break;
        }
        text += kEllipsis;
    }
    RECT textRect{rc.left + kTextLeft, rc.top, rc.right, rc.bottom};
    dc.DrawText(text, textRect, DT_VCENTER | DT_SINGLELINE);

    if (SmartBitmap* picture = PictureOf(GetItemData(index))) {
        const int w = picture->GetWidth();
        const int h = picture->GetHeight();
        picture->DrawSized(rc.left, rc.top + (rc.bottom - h - rc.top) / 2, w, h, &dc);
    }
    dc.SetTextColor(previousColour);
    dc.SetBkMode(previousMode);
}

void CIconComboBox::FreePictures()
{
    for (int index = 0; index < GetCount(); ++index) {
        // Taken back into ownership here and freed at the end of the step.
        std::unique_ptr<SmartBitmap> picture(PictureOf(GetItemData(index)));
        if (picture)
            SetItemData(index, 0);
    }
}

LRESULT CIconComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        FreePictures();
    return CComboBox::WindowProc(message, wParam, lParam);
}
