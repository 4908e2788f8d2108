#include "framework/Dialog.h"

#include "framework/WinApp.h"

#include <exception>

void DDX_Control(CDataExchange& dx, int id, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassDlgItem(id, dx.dialog);
}

void DDX_Check(CDataExchange& dx, int id, int& value)
{
    HWND box = dx.dialog.GetDlgItem(id);
    if (dx.saveAndValidate)
        value = ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else
        ::SendMessageW(box, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DDX_Text(CDataExchange& dx, int id, std::wstring& value)
{
    HWND control = dx.dialog.GetDlgItem(id);
    if (dx.saveAndValidate)
        value = CWnd::WindowText(control);
    else
        ::SetWindowTextW(control, value.c_str());
}

INT_PTR CDialog::DoModal(HWND owner)
{
    return ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nTemplateId), owner,
                             DialogProc, reinterpret_cast<LPARAM>(this));
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx{*this, saveAndValidate};
    DoDataExchange(dx);
    return true;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

bool CDialog::ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        break;
    default:
        return false;
    }
    CWnd* control = CWnd::FromSubclassedHandle(child);
    return control && control->OnChildNotify(message, wParam, lParam, &result);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    bool handled = ReflectToControl(message, wParam, lParam, result);
    if (!handled && message == WM_COMMAND && lParam == 0 && HIWORD(wParam) == 0) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    if (!handled)
        handled = OnMessage(message, wParam, lParam, result);
    if (!handled)
        return FALSE;

    switch (message) {
    // These messages return their value directly from a dialog procedure.
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(result);
    default:
        ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<CDialog*>(lParam);
            ::SetWindowLongPtrW(window, DWLP_USER, lParam);
            self->m_hWnd = window;
            return self->OnInitDialog();
        }
        auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
        if (!self)
            return FALSE;
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(window, DWLP_USER, 0);
            self->m_hWnd = nullptr;
            return FALSE;
        }
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // An exception must never unwind through the system's dialog code.
        std::terminate();
    }
}
