#include "framework/RichEdit.h"

#include <richedit.h>

bool CRichEditCtrl::Create(DWORD style, const RECT& rect, CWnd& parent, int id)
{
    // The control's window class comes with its library, loaded once.
    static const HMODULE library = ::LoadLibraryW(L"riched20.dll");
    if (!library)
        return false;
    m_hWnd = ::CreateWindowExW(0, RICHEDIT_CLASSW, L"", style, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, parent.m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               ::GetModuleHandleW(nullptr), nullptr);
    return m_hWnd != nullptr;
}

bool CRichEditCtrl::SetRtf(const std::string& document)
{
    SETTEXTEX options{ST_DEFAULT, CP_ACP};
    return SendMessage(EM_SETTEXTEX, reinterpret_cast<WPARAM>(&options),
                       reinterpret_cast<LPARAM>(document.c_str()))
        != 0;
}
