#pragma once
// The program's dialogs on the real Qt widgets, offscreen: a test says what "the user" does when
// each dialog opens, in key presses and mouse clicks, and runs the program's code. The focus, the
// tab chain, the selection on entry and the validation on leaving a box are Qt's and the Qt
// backend's own, as a person meets them.
//
//     CRealUi ui;                                   // the Qt backend, installed until the end
//     ui.OnDialog(IDD_SINGLES_SCORESHEET, [&](CRealDialog& d) {
//         d.Type("150").Tab().Type("180").Tab();    // keys go to the focused widget
//         EXPECT_EQ(f->m_nScore[1][0], 180);        // the program's state between the keys
//         d.Click(Cell(0, 0, 3)).Type("190").Enter();
//     });
//     ui.AnswerMessageBox(IDYES, "zero score");    // a real message box, answered when it shows
//     EXPECT_TRUE(EnterSinglesResult(&doc, f));
//
// Each dialog's steps run once it is up, inside its modal loop; a dialog opened from a step (a
// companion dialog, a message box) runs its own steps inside that one. A dialog that opens with
// nothing queued, or is still open when its steps end, fails the test and is cancelled.
#include <QtCore/qnamespace.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/Dialog.h"

class QWidget;
class CQtDialogWindow;

class CRealDialog {
public:
    explicit CRealDialog(CQtDialogWindow& w) : m_window(w) {}
    CDialog& Dialog() const;
    QWidget* Window() const;
    // The widget of a control; null (and a failure) when the dialog has none.
    QWidget* Widget(UINT nID) const;
    // The control whose widget has Qt's focus; 0 when none has.
    UINT FocusID() const;
    // What the widget shows: an edit's or combo's text, a label's, "1"/"0" for a check box.
    std::string Text(UINT nID) const;

    CRealDialog& Type(const char* pszKeys);  // typed into the focused widget
    CRealDialog& Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    CRealDialog& Tab(int nTimes = 1);
    CRealDialog& BackTab(int nTimes = 1);  // Shift+Tab
    CRealDialog& Enter() { return Key(Qt::Key_Return); }
    CRealDialog& Escape() { return Key(Qt::Key_Escape); }
    CRealDialog& Alt(char cLetter);          // a mnemonic
    CRealDialog& Click(UINT nID);            // the left button in the middle of the control
    // Opens a combo's list with the mouse and clicks the item with exactly this text.
    CRealDialog& Pick(UINT nID, const char* pszItem);
    // The same, for an item the dialog refuses: the combo must show another one afterwards.
    CRealDialog& PickRefused(UINT nID, const char* pszItem);

private:
    // Clicks the item in the opened list; its index, or -1 (and a failure) when it cannot.
    int ClickItem(UINT nID, const char* pszItem);
    CQtDialogWindow& m_window;
};

class CRealUi {
public:
    CRealUi();
    ~CRealUi();
    CRealUi(const CRealUi&) = delete;
    CRealUi& operator=(const CRealUi&) = delete;

    void OnDialog(UINT nIDD, std::function<void(CRealDialog&)> steps);
    // The next question's answer (IDYES, IDNO, IDOK, IDCANCEL...); with pszExpected its text must
    // hold that. A plain message with no answer queued is acknowledged with OK.
    void AnswerMessageBox(int nAnswer, const char* pszExpected = nullptr);
    std::vector<std::string> messages;  // the texts of the message boxes shown
    std::vector<UINT> dialogsOpened;

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};
