#pragma once

#include "framework/Wnd.h"

class CDialog;

// The direction and target of one data exchange between a dialog's members
// and its controls.
struct CDataExchange
{
    CDialog& dialog;
    bool saveAndValidate; // true: controls -> members
};

// Binds a control object to the dialog's control with the id (first call only).
void DDX_Control(CDataExchange& dx, int id, CWnd& control);
// A check box state: 1 checked, 0 cleared.
void DDX_Check(CDataExchange& dx, int id, int& value);
// A control's window text.
void DDX_Text(CDataExchange& dx, int id, std::wstring& value);

// A modal dialog built from a dialog template resource. Messages reach
// OnMessage; owner-draw, control-colour, command and notify messages of
// subclassed controls are first reflected to the control objects.
class CDialog : public CWnd
{
public:
    explicit CDialog(UINT templateId) : m_nTemplateId(templateId) {}

    INT_PTR DoModal(HWND owner = nullptr);
    void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

    // Runs the data exchange: true copies the controls into the members,
    // false the members into the controls.
    bool UpdateData(bool saveAndValidate = true);

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange&) {}
    // Enter and Escape (IDOK and IDCANCEL commands).
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Every other message; returns true when handled, with the result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    UINT m_nTemplateId;
};
