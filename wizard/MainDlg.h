#pragma once

#include "app/DistributionSettings.h"
#include "framework/Dialog.h"

// The wizard: one modal, borderless, always-on-top dialog (template 102).
class CMainDlg : public CDialog, public DistributionSettings
{
public:
    enum { IDD = 102 };

    CMainDlg();
    ~CMainDlg() override;

protected:
    BOOL OnInitDialog() override;
    // Escape never closes the wizard.
    void OnCancel() override {}

private:
    HICON m_hIcon;
};
