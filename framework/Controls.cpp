#include "framework/Controls.h"

#include <cwchar>
#include <vector>

namespace {
const RuntimeClassInfo kWndClassInfo{L"CWnd", nullptr};
}

const RuntimeClassInfo CButton::kClassInfo{L"CButton", &kWndClassInfo};
const RuntimeClassInfo CStatic::kClassInfo{L"CStatic", &kWndClassInfo};
const RuntimeClassInfo CProgressCtrl::kClassInfo{L"CProgressCtrl", &kWndClassInfo};
const RuntimeClassInfo CComboBox::kClassInfo{L"CComboBox", &kWndClassInfo};

bool RuntimeClassInfo::IsDerivedFrom(const wchar_t* className) const
{
    for (const RuntimeClassInfo* info = this; info; info = info->base) {
        if (std::wcscmp(info->name, className) == 0)
            return true;
    }
    return false;
}

UINT CButton::GetButtonStyle() const
{
    return static_cast<UINT>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)) & 0xFFFF;
}

int CComboBox::AddString(const wchar_t* text)
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, index));
}

int CComboBox::SetItemData(int index, DWORD_PTR data)
{
    return static_cast<int>(SendMessage(CB_SETITEMDATA, index, static_cast<LPARAM>(data)));
}

int CComboBox::SetItemHeight(int index, UINT height)
{
    return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, index, height));
}

std::wstring CComboBox::GetLBText(int index) const
{
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR || length < 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    return copied == CB_ERR ? std::wstring() : std::wstring(buffer.data(), static_cast<size_t>(copied));
}
