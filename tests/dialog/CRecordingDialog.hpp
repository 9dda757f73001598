#pragma once

#include "CStdDialog.hpp"

#include <string>
#include <vector>

// A dialog that records what it hears, in order: "init focus=<id> shown=<0|1> owner=<0|1>"
// for WM_INITDIALOG (the first tab stop it was given, whether the dialog was visible and its
// owner enabled), "focus <id>" when a control gets the focus, "command <id>" for each command
// message, "ok" and "cancel" when OnOK and OnCancel run. Command 12 ends it with 42.
//
// Without a template it builds itself in code, over 300 x 200 pixels: a label, an edit (10,
// "PSU-1"), a check box (11), a push button "End" (12), OK (1, the default button) and Cancel
// (2), all but the label tab stops, in that order.
class CRecordingDialog : public CStdDialog {
    AFX_DECLARE_CLASS(CRecordingDialog)
    AFX_DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT idEdit = 10;
    static constexpr UINT idCheck = 11;
    static constexpr UINT idEnd = 12;

    CRecordingDialog() = default;
    // Builds the dialog from a template of the test program instead.
    void UseTemplate(char const * name);

    std::vector<std::string> m_heard;
    // WM_INITDIALOG's answer; with FALSE the handler gives the focus to m_initFocus itself.
    int m_initAnswer = TRUE;
    UINT m_initFocus = 0;
    // WM_INITDIALOG ends the dialog at once with this code when it is not -1.
    int m_endAtInit = -1;

protected:
    BOOL OnCreateDialog(CWnd * owner) override;
    void OnOK() override;
    void OnCancel() override;

    int OnInitDialog(CWnd & focus, LPARAM param);
    BOOL OnAnyCommand(UINT id);
    BOOL OnEnd(UINT id);
    void OnChildFocus(UINT, CWnd & control);

private:
    bool m_fromTemplate = false;
};
