#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

#include <string>

// The name of a window class of ours and of its base, for the classes that
// say what they are at run time.
struct RuntimeClassInfo
{
    const wchar_t* name;
    const RuntimeClassInfo* base;

    // True when this class is the named one or derives from it.
    bool IsDerivedFrom(const wchar_t* className) const;
};

// Thin wrappers over the system controls: only the operations our skinned
// controls use. Each names its run-time class; derived controls override
// GetRuntimeClass with their own name and this one as the base.

class CButton : public CWnd
{
public:
    static const RuntimeClassInfo kClassInfo;
    virtual const RuntimeClassInfo& GetRuntimeClass() const { return kClassInfo; }
    const wchar_t* GetRuntimeClassName() const { return GetRuntimeClass().name; }

    // The BS_* part of the window style.
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, bool redraw = true) { SendMessage(BM_SETSTYLE, style, redraw); }
};

class CStatic : public CWnd
{
public:
    static const RuntimeClassInfo kClassInfo;
    virtual const RuntimeClassInfo& GetRuntimeClass() const { return kClassInfo; }
    const wchar_t* GetRuntimeClassName() const { return GetRuntimeClass().name; }
};

class CProgressCtrl : public CWnd
{
public:
    static const RuntimeClassInfo kClassInfo;
    virtual const RuntimeClassInfo& GetRuntimeClass() const { return kClassInfo; }
    const wchar_t* GetRuntimeClassName() const { return GetRuntimeClass().name; }

    void SetRange32(int lower, int upper) { SendMessage(PBM_SETRANGE32, lower, upper); }
    int SetPos(int position) { return static_cast<int>(SendMessage(PBM_SETPOS, position)); }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
};

class CComboBox : public CWnd
{
public:
    static const RuntimeClassInfo kClassInfo;
    virtual const RuntimeClassInfo& GetRuntimeClass() const { return kClassInfo; }
    const wchar_t* GetRuntimeClassName() const { return GetRuntimeClass().name; }

    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int AddString(const wchar_t* text);
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    int SetItemHeight(int index, UINT height);
    // The entry's string; empty for an index out of range.
    std::wstring GetLBText(int index) const;
};
