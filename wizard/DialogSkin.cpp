// The wizard's look: styling of its controls.
#include "wizard/ControlIds.h"
#include "wizard/MainDlg.h"

void CMainDlg::ApplySkin()
{
    // Only English, French and Italian can be chosen; the other two buttons
    // stay visible, disabled.
    ::EnableWindow(GetDlgItem(IDC_SPANISH), FALSE);
    ::EnableWindow(GetDlgItem(IDC_GERMAN), FALSE);
}
