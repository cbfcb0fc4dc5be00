#pragma once
// Dialogs built from numbered templates of the program's resources, run modally or modelessly.
#include "platform/MessageMap.h"
#include "platform/Window.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    ~CDialog() override;

    // Modal run; returns the result given to EndDialog, or -1 when the dialog cannot be created.
    INT_PTR DoModal();
    // Modeless creation; the dialog is destroyed with its object.
    bool Create(HWND parent);
    // Ends a modal run, or destroys a modeless dialog. Safe from any thread: the request is
    // posted to the thread that owns the dialog.
    void EndDialog(INT_PTR result);

    // Colours of every dialog of the program (background and text of dialogs and statics).
    static void SetDialogColors(COLORREF background, COLORREF text);

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Routed by the message maps; the base handles the colours, OK/Cancel and cross-thread ends.
    virtual bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Unhandled messages: the dialog manager's default.
    bool IsModal() const { return m_modal; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    HWND m_parent;
    bool m_modal = false;
};
