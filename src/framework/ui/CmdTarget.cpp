#include "framework/ui/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{AfxEntry_End, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::DispatchFromMap(UINT nID, int nCode, CCmdUI* pCmdUI)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nKind != AfxEntry_End; ++e) {
            if (nID < e->nID || nID > e->nLastID)
                continue;
            if (pCmdUI) {
                if (e->nKind == AfxEntry_Update || e->nKind == AfxEntry_UpdateRange) {
                    e->pfn(this, nID, pCmdUI);
                    return TRUE;
                }
            } else if ((e->nKind == AfxEntry_Command || e->nKind == AfxEntry_CommandRange) &&
                       e->nCode == static_cast<UINT>(nCode)) {
                e->pfn(this, nID, nullptr);
                return TRUE;
            }
        }
        if (pMap->pfnGetBaseMap == nullptr)
            break;
    }
    return FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) { return DispatchFromMap(nID, nCode, pCmdUI); }

BOOL CCmdTarget::HasCommandHandler(UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nKind != AfxEntry_End; ++e)
            if ((e->nKind == AfxEntry_Command || e->nKind == AfxEntry_CommandRange) && e->nCode == CN_COMMAND &&
                nID >= e->nID && nID <= e->nLastID)
                return TRUE;
        if (pMap->pfnGetBaseMap == nullptr)
            break;
    }
    return FALSE;
}
