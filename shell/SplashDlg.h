#pragma once
// The splash window: the splash picture with its magenta pixels cut out of the window, centred
// on the screen's work area.
#include "controls/SkinDialog.h"

class CSplashDlg : public CSkinDialog {
public:
    CSplashDlg();

    // Shows the splash and keeps it painted for `ms` milliseconds by serving this thread's
    // messages, then hides it.
    void ShowFor(unsigned ms);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override { EndDialog(0); }
};
