#pragma once
// Command targets and message maps. A class that handles commands or control notifications
// declares DECLARE_MESSAGE_MAP() and lists its handlers between BEGIN_MESSAGE_MAP and
// END_MESSAGE_MAP:
//
//     BEGIN_MESSAGE_MAP(CSelectRoundDlg, CDialog)
//         ON_BN_CLICKED(IDC_ALL, OnAll)
//         ON_CBN_SELCHANGE(IDC_ROUND, OnSelchangeRound)
//         ON_COMMAND(ID_VIEW_BACK, OnViewBack)
//         ON_UPDATE_COMMAND_UI(ID_VIEW_BACK, OnUpdateViewBack)
//     END_MESSAGE_MAP()
//
// Handlers may be private: each entry is a small function made inside the class's own scope.
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/UiTypes.h"

class CCmdTarget;
class CCmdUI;

enum AfxEntryKind : UINT {
    AfxEntry_End = 0,
    AfxEntry_Command,       // (code, id) -> void fn()
    AfxEntry_CommandRange,  // (code, first..last) -> void fn(UINT id)
    AfxEntry_Update,        // id -> void fn(CCmdUI*)
    AfxEntry_UpdateRange,   // first..last -> void fn(CCmdUI*)
    AfxEntry_Window,        // a window message served by a virtual function; listed for the reader
};

struct AFX_MSGMAP_ENTRY {
    UINT nKind;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    void (*pfn)(CCmdTarget* pTarget, UINT nID, CCmdUI* pCmdUI);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The state of one menu item or toolbar button while its update handler runs.
class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
    BOOL m_bTextSet = FALSE;
    CString m_strText;
    BOOL m_bEnableChanged = FALSE;  // an update handler ran

    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL bOn = TRUE) { m_bEnabled = bOn; m_bEnableChanged = TRUE; }
    virtual void SetCheck(int nCheck = 1) { m_nCheck = nCheck; m_bEnableChanged = TRUE; }
    virtual void SetRadio(BOOL bOn = TRUE) { SetCheck(bOn ? 1 : 0); }
    virtual void SetText(const char* pszText) { m_strText = pszText; m_bTextSet = TRUE; }
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Runs the handler of (nCode, nID) found in this object's map chain; with pCmdUI set it runs
    // the update handler of nID instead. Returns whether a handler ran.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI);
    // Whether this object's map chain has a command handler for nID.
    virtual BOOL HasCommandHandler(UINT nID) const;

protected:
    BOOL DispatchFromMap(UINT nID, int nCode, CCmdUI* pCmdUI);
    static const AFX_MSGMAP* GetThisMessageMap();
public:
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const AFX_MSGMAP* GetThisMessageMap();               \
public:                                                         \
    const AFX_MSGMAP* GetMessageMap() const override;           \
protected:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                           \
    {                                                                         \
        using ThisClass = theClass;                                           \
        using TheBaseClass = baseClass;                                       \
        static_assert(sizeof(ThisClass) > 0, "a map of a complete class");    \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                     \
            { AfxEntry_End, 0, 0, 0, nullptr }                                \
        };                                                                    \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap;                                                   \
    }

#define ON_CONTROL(code, id, memberFxn)                                       \
    { AfxEntry_Command, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), \
      [](CCmdTarget* t, UINT, CCmdUI*) { static_cast<ThisClass*>(t)->memberFxn(); } },
#define ON_CONTROL_RANGE(code, first, last, memberFxn)                        \
    { AfxEntry_CommandRange, static_cast<UINT>(code), static_cast<UINT>(first), static_cast<UINT>(last), \
      [](CCmdTarget* t, UINT id, CCmdUI*) { static_cast<ThisClass*>(t)->memberFxn(id); } },
#define ON_COMMAND(id, memberFxn) ON_CONTROL(CN_COMMAND, id, memberFxn)
#define ON_COMMAND_RANGE(first, last, memberFxn) ON_CONTROL_RANGE(CN_COMMAND, first, last, memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                   \
    { AfxEntry_Update, 0, static_cast<UINT>(id), static_cast<UINT>(id),       \
      [](CCmdTarget* t, UINT, CCmdUI* p) { static_cast<ThisClass*>(t)->memberFxn(p); } },
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, memberFxn)                    \
    { AfxEntry_UpdateRange, 0, static_cast<UINT>(first), static_cast<UINT>(last), \
      [](CCmdTarget* t, UINT, CCmdUI* p) { static_cast<ThisClass*>(t)->memberFxn(p); } },

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_RETURN(id, memberFxn) ON_CONTROL(EN_RETURN, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)

// Window messages are served by virtual functions of CWnd and CView (OnLButtonDown, OnKeyDown,
// OnRButtonDown, OnContextMenu, OnSize...); these entries only document the intent in a map.
#define AFX_WINDOW_ENTRY { AfxEntry_Window, 0, 0, 0, nullptr },
#define ON_WM_LBUTTONDOWN() AFX_WINDOW_ENTRY
#define ON_WM_LBUTTONDBLCLK() AFX_WINDOW_ENTRY
#define ON_WM_RBUTTONDOWN() AFX_WINDOW_ENTRY
#define ON_WM_RBUTTONUP() AFX_WINDOW_ENTRY
#define ON_WM_CONTEXTMENU() AFX_WINDOW_ENTRY
#define ON_WM_KEYDOWN() AFX_WINDOW_ENTRY
#define ON_WM_CHAR() AFX_WINDOW_ENTRY
#define ON_WM_SIZE() AFX_WINDOW_ENTRY
#define ON_WM_CREATE() AFX_WINDOW_ENTRY
#define ON_WM_CLOSE() AFX_WINDOW_ENTRY
#define ON_WM_DESTROY() AFX_WINDOW_ENTRY
#define ON_WM_PAINT() AFX_WINDOW_ENTRY
