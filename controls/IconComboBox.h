#pragma once

#include "controls/SmartBitmap.h"
#include "framework/Controls.h"
#include "framework/Gdi.h"

// An owner-drawn drop-down list (fixed-height entries with strings) that
// shows a small PNG picture in front of each entry's text. Each entry's
// item data is a SmartBitmap that the box owns and frees when its window is
// destroyed; the owner must not replace item data. The parent reflects
// WM_DRAWITEM to it (OnChildNotify).
class CIconComboBox : public CComboBox
{
public:
    static const RuntimeClassInfo kClassInfo;
    const RuntimeClassInfo& GetRuntimeClass() const override { return kClassInfo; }

    ~CIconComboBox() override = default;

    // Adds an entry with its picture (a PNG resource of the running program);
    // returns the entry's index.
    int AddIconItem(const wchar_t* text, UINT imageId);

    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    virtual void DrawItem(const DRAWITEMSTRUCT& dis);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FreePictures();
};
