// CCmdTarget and the message-map machinery: one static const table per class, searched in order and
// chained to the base class's table.
//
//   AFX_MSGMAP_ENTRY / AFX_MSGMAP    one row of a table / a table with its base table
//   AFX_MSGCALL                      the cracked-out parameters a row's thunk receives
//   DECLARE_MESSAGE_MAP, BEGIN_MESSAGE_MAP(theClass, baseClass), END_MESSAGE_MAP
//   ON_COMMAND, ON_COMMAND_RANGE, ON_UPDATE_COMMAND_UI(_RANGE), ON_CONTROL, ON_BN_CLICKED,
//   ON_EN_KILLFOCUS, ON_NOTIFY, ON_NOTIFY_REFLECT(_EX), ON_CONTROL_REFLECT(_EX)
//   (the window-message rows, ON_WM_xxx and ON_MESSAGE, are in framework/window/WndMessageMap.h)
//
// Handlers are named as members of the class being mapped, without class or '&':
// ON_COMMAND(ID_FILE_NEW, OnFileNew). Every row holds a captureless lambda that casts the target to the class
// named in BEGIN_MESSAGE_MAP and calls the handler with typed parameters, so a handler with the wrong
// signature does not compile.
#pragma once

#include "framework/core/CObject.h"

class CCmdTarget;
class CCmdUI;

// Reflected messages: a parent hands WM_COMMAND, WM_NOTIFY, WM_DRAWITEM... to the child's own object
// first, as this message number plus the original one.
#define WM_REFLECT_BASE 0xBC00

// Command codes of OnCmdMsg: a WM_COMMAND notification code in the low word and the message in the
// high word (0 stands for WM_COMMAND); CN_UPDATE_COMMAND_UI asks the idle update handler.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

struct AFX_MSGCALL
{
    UINT message; // the window message (WM_COMMAND, WM_NOTIFY, a reflected one or any other)
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;         // command, control or notification id
    void* pExtra;     // CCmdUI* for update handlers, NMHDR* for notifications
    LRESULT* pResult; // where window messages and notifications leave their result
};

// Calls the handler; FALSE only from the _EX rows whose handler declined the message.
using AFX_PMSG = BOOL (*)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;        // window message; WM_COMMAND / WM_NOTIFY (possibly reflected) for commands
    UINT nCode;           // notification code of command and notification rows
    UINT nID;             // first id of command and notification rows
    UINT nLastID;         // last id (== nID for single ids)
    const UINT* pnRegMsg; // registered message: where its number lives (known only at run time)
    AFX_PMSG pfn;         // null in the end mark
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The parameter block of a WM_NOTIFY on its way through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg instead of calling the handler: "is there a handler, and whose".
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes a command, a notification or an update request to this object's map (the frame and the
    // view widen the route). nCode: see CN_COMMAND above.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The first row of the class chain that takes this message; null when none.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                                    UINT nID);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Calls the row of this object's chain that takes a window message (not WM_COMMAND/WM_NOTIFY).
    BOOL DispatchWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* GetThisMessageMap();                                                            \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                        \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                          \
    {                                                                                                        \
        using ThisClass = theClass;                                                                          \
        using TheBaseClass = baseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    {                                                                                                        \
        0, 0, 0, 0, nullptr, nullptr                                                                         \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

// The target as the class of the map being defined (only inside BEGIN_MESSAGE_MAP).
#define AFX_THIS(p) static_cast<ThisClass*>(p)

// --- commands and control notifications (WM_COMMAND) ---

#define ON_COMMAND(id, memberFxn)                                                                            \
    {WM_COMMAND,                                                                                             \
     CN_COMMAND,                                                                                             \
     (UINT)(id),                                                                                             \
     (UINT)(id),                                                                                             \
     nullptr,                                                                                                \
     +[](CCmdTarget* p, AFX_MSGCALL&) -> BOOL                                                                \
     {                                                                                                       \
         AFX_THIS(p)->memberFxn();                                                                           \
         return TRUE;                                                                                        \
     }},

#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn)                                                         \
    {WM_COMMAND,                                                                                             \
     CN_COMMAND,                                                                                             \
     (UINT)(idFirst),                                                                                        \
     (UINT)(idLast),                                                                                         \
     nullptr,                                                                                                \
     +[](CCmdTarget* p, AFX_MSGCALL& c) -> BOOL                                                              \
     {                                                                                                       \
         AFX_THIS(p)->memberFxn(c.nID);                                                                      \
         return TRUE;                                                                                        \
     }},

#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                  \
    {WM_COMMAND,                                                                                             \
     CN_UPDATE_COMMAND_UI,                                                                                   \
     (UINT)(id),                                                                                             \
     (UINT)(id),                                                                                             \
     nullptr,                                                                                                \
     +[](CCmdTarget* p, AFX_MSGCALL& c) -> BOOL                                                              \
     {                                                                                                       \
         AFX_THIS(p)->memberFxn(static_cast<CCmdUI*>(c.pExtra));                                             \
         return TRUE;                                                                                        \
     }},

#define ON_UPDATE_COMMAND_UI_RANGE(idFirst, idLast, memberFxn)                                               \
    {WM_COMMAND,                                                                                             \
     CN_UPDATE_COMMAND_UI,                                                                                   \
     (UINT)(idFirst),                                                                                        \
     (UINT)(idLast),                                                                                         \
     nullptr,                                                                                                \
     +[](CCmdTarget* p, AFX_MSGCALL& c) -> BOOL                                                              \
     {                                                                                                       \
         AFX_THIS(p)->memberFxn(static_cast<CCmdUI*>(c.pExtra));                                             \
         return TRUE;                                                                                        \
     }},

// A control's WM_COMMAND notification with this code from this id (a menu command with the same id
// matches code 0, BN_CLICKED, too).
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    {WM_COMMAND,                                                                                             \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     (UINT)(id),                                                                                             \
     (UINT)(id),                                                                                             \
     nullptr,                                                                                                \
     +[](CCmdTarget* p, AFX_MSGCALL&) -> BOOL                                                                \
     {                                                                                                       \
         AFX_THIS(p)->memberFxn();                                                                           \
         return TRUE;                                                                                        \
     }},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)

// --- notifications (WM_NOTIFY): handler (NMHDR*, LRESULT*) ---

#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    {WM_NOTIFY,                                                                                              \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     (UINT)(id),                                                                                             \
     (UINT)(id),                                                                                             \
     nullptr,                                                                                                \
     +[](CCmdTarget* p, AFX_MSGCALL& c) -> BOOL                                                              \
     {                                                                                                       \
         AFX_THIS(p)->memberFxn(static_cast<NMHDR*>(c.pExtra), c.pResult);                                   \
         return TRUE;                                                                                        \
     }},

// Reflected rows: the control's own object handles what it sent to its parent. _EX handlers return
// BOOL: TRUE keeps the message from the parent, FALSE lets the parent handle it too.
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    {WM_REFLECT_BASE + WM_NOTIFY,                                                                            \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     0,                                                                                                      \
     0,                                                                                                      \
     nullptr,                                                                                                \
     +[](CCmdTarget* p, AFX_MSGCALL& c) -> BOOL                                                              \
     {                                                                                                       \
         AFX_THIS(p)->memberFxn(static_cast<NMHDR*>(c.pExtra), c.pResult);                                   \
         return TRUE;                                                                                        \
     }},

#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    {WM_REFLECT_BASE + WM_NOTIFY,                                                                            \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     0,                                                                                                      \
     0,                                                                                                      \
     nullptr,                                                                                                \
     +[](CCmdTarget* p, AFX_MSGCALL& c) -> BOOL                                                              \
     { return AFX_THIS(p)->memberFxn(static_cast<NMHDR*>(c.pExtra), c.pResult); }},

#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    {WM_REFLECT_BASE + WM_COMMAND,                                                                           \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     0,                                                                                                      \
     0,                                                                                                      \
     nullptr,                                                                                                \
     +[](CCmdTarget* p, AFX_MSGCALL&) -> BOOL                                                                \
     {                                                                                                       \
         AFX_THIS(p)->memberFxn();                                                                           \
         return TRUE;                                                                                        \
     }},

#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                        \
    {WM_REFLECT_BASE + WM_COMMAND,                                                                           \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     0,                                                                                                      \
     0,                                                                                                      \
     nullptr,                                                                                                \
     +[](CCmdTarget* p, AFX_MSGCALL&) -> BOOL { return AFX_THIS(p)->memberFxn(); }},
