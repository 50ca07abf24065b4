#include "admin/AccountsCommands.h"

#include "admin/AccountItemDlg.h"
#include "admin/AccountPostingDlg.h"
#include "admin/AccountsControlDlg.h"
#include "admin/ArrearsDlg.h"
#include "admin/PaymentItemDlg.h"
#include "admin/PlayerSetup.h"
#include "admin/SelectAccountItemDlg.h"
#include "admin/SelectPaymentItemDlg.h"
#include "admin/TeamCommands.h"
#include "league/Accounts.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "resources/CommandIds.h"

namespace AccountsCommands {

CPlayer* (*pfnClickedPlayer)(CBowlingDoc* pDoc) = nullptr;

namespace {

constexpr int MAX_HEADINGS = 99;

const char* HeadingLabel(BOOL bIncome)
{
    return bIncome ? "Income Item" : "Expenditure Item";
}

void StorePaymentItem(const CPaymentItemDlg& dlg, CPaymentItem& item)
{
    item.m_nFlags = static_cast<BYTE>((dlg.m_bIndividual ? CPaymentItem::flagIndividual : 0) |
                                      (dlg.m_bOptional ? CPaymentItem::flagOptional : 0));
    item.m_nFromRound = static_cast<BYTE>(dlg.m_nFromRound);
    item.m_nToRound = static_cast<BYTE>(dlg.m_nToRound);
    item.m_nAmount = dlg.m_nAmount;
    item.m_strDescription = dlg.m_strDescription;
}

// A bowler's or a team's arrears, each through its own dialog.
BOOL EditArrears(CBowlingDoc* pDoc, CArrearsDlg& dlg, const CString& strName, LONG& nArrears)
{
    dlg.m_pDoc = pDoc;
    dlg.m_strName = strName;
    dlg.m_nAmount = nArrears;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    nArrears = dlg.m_nAmount;
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

class CAccountsCommands : public CCmdTarget
{
public:
    explicit CAccountsCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnLeagueAccounts() { LeagueAccounts(m_pDoc); }
    void OnPlayerArrears()
    {
        if (CPlayer* pPlayer = PlayerSetup::SelectPlayer(m_pDoc))
            EditPlayerArrears(m_pDoc, pPlayer);
    }
    void OnTeamArrears()
    {
        if (CTeam* pTeam = m_pDoc->SelectTeam())
            EditTeamArrears(m_pDoc, pTeam);
    }
    void OnPopupPlayerArrears()
    {
        if (CPlayer* pPlayer = pfnClickedPlayer ? pfnClickedPlayer(m_pDoc) : nullptr)
            EditPlayerArrears(m_pDoc, pPlayer);
    }
    void OnPopupTeamArrears()
    {
        if (CTeam* pTeam = TeamCommands::pfnClickedTeam ? TeamCommands::pfnClickedTeam(m_pDoc) : nullptr)
            EditTeamArrears(m_pDoc, pTeam);
    }
    void OnUpdateSetUp(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAccountsCommands, CCmdTarget)
    ON_COMMAND(ID_LEAGUE_ACCOUNTS, OnLeagueAccounts)
    ON_COMMAND(ID_PLAYER_ARREARS, OnPlayerArrears)
    ON_COMMAND(ID_TEAM_ARREARS, OnTeamArrears)
    ON_COMMAND(ID_POPUP_PLAYER_ARREARS, OnPopupPlayerArrears)
    ON_COMMAND(ID_POPUP_TEAM_ARREARS, OnPopupTeamArrears)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_ACCOUNTS, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_PLAYER_ARREARS, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_TEAM_ARREARS, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_POPUP_PLAYER_ARREARS, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_POPUP_TEAM_ARREARS, OnUpdateSetUp)
END_MESSAGE_MAP()

} // namespace

void Install()
{
    CBowlingDoc::InstallCommandSet<CAccountsCommands>();
}

void LeagueAccounts(CBowlingDoc* pDoc)
{
    CAccountsControlDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_bListPlayers = pDoc->m_bListPlayersOnCollectionSheet ? TRUE : FALSE;
    dlg.DoModal();
    const DWORD bList = dlg.m_bListPlayers ? 1 : 0;
    // A changed setting is a change of the league: without the mark it is lost on closing.
    if (bList != (pDoc->m_bListPlayersOnCollectionSheet ? 1u : 0u)) {
        pDoc->m_bListPlayersOnCollectionSheet = bList;
        pDoc->SetModifiedFlag();
    }
}

BOOL AddHeading(CBowlingDoc* pDoc, BOOL bIncome)
{
    CObList& list = bIncome ? pDoc->m_listIncomeTypes : pDoc->m_listExpenseTypes;
    if (list.GetCount() >= MAX_HEADINGS) {
        AfxMessageBox("Maximum Items Exist.");
        return FALSE;
    }
    CAccountItemDlg dlg;
    dlg.m_strLabel = HeadingLabel(bIncome);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    auto* pType = new CAccountItemType;
    pType->m_nId = static_cast<WORD>(list.GetCount());
    pType->m_bIncome = bIncome ? TRUE : FALSE;
    pType->m_strName = dlg.m_strDescription;
    pType->m_nDefaultAmount = dlg.m_nAmount;
    list.AddTail(pType);
    pDoc->SetModifiedFlag();
    return TRUE;
}

BOOL AmendHeading(CBowlingDoc* pDoc, BOOL bIncome)
{
    const CObList& list = bIncome ? pDoc->m_listIncomeTypes : pDoc->m_listExpenseTypes;
    if (list.IsEmpty()) {
        AfxMessageBox(bIncome ? "No Income Items Exist to Edit." : "No Expenditure Items Exist to Edit.");
        return FALSE;
    }
    CSelectAccountItemDlg select;
    select.m_pDoc = pDoc;
    select.m_bIncome = bIncome;
    if (select.DoModal() != IDOK || !select.m_pType)
        return FALSE;
    CAccountItemDlg dlg;
    dlg.m_strLabel = HeadingLabel(bIncome);
    dlg.m_strDescription = select.m_pType->m_strName;
    dlg.m_nAmount = select.m_pType->m_nDefaultAmount;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    select.m_pType->m_strName = dlg.m_strDescription;
    select.m_pType->m_nDefaultAmount = dlg.m_nAmount;
    pDoc->SetModifiedFlag();
    return TRUE;
}

int PostEntries(CBowlingDoc* pDoc, BOOL bIncome)
{
    const CObList& list = bIncome ? pDoc->m_listIncomeTypes : pDoc->m_listExpenseTypes;
    if (list.IsEmpty()) {
        AfxMessageBox(bIncome ? "No Income Items Exist to Post To." : "No Expenditure Items Exist.");
        return 0;
    }
    // One dialog for the series: each entry starts from the last one's values.
    CAccountPostingDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_bIncome = bIncome;
    dlg.m_nRound = pDoc->m_nCurrentRound;
    int nPosted = 0;
    for (;;) {
        if (dlg.DoModal() != IDOK || !dlg.m_pType)
            return nPosted;
        auto* pItem = new CAccountItem(dlg.m_pType->m_nId, bIncome);
        pItem->m_strComment = dlg.m_strComment;
        pItem->m_nAmount = dlg.m_nAmount;
        pItem->m_nRound = static_cast<WORD>(dlg.m_nRound);
        pDoc->InsertAccountItem(pItem);
        ++nPosted;
        if (!dlg.m_bMore)
            return nPosted;
    }
}

BOOL AddPaymentItem(CBowlingDoc* pDoc)
{
    CPaymentItemDlg dlg;
    dlg.m_nFromRound = 1;
    dlg.m_nToRound = pDoc->m_nRounds;
    dlg.m_bIndividual = TRUE;
    dlg.m_bTeam = FALSE;
    dlg.m_bOptional = FALSE;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    auto* pItem = new CPaymentItem;
    StorePaymentItem(dlg, *pItem);
    pDoc->m_listPaymentItems.AddTail(pItem);
    pDoc->SetModifiedFlag();
    return TRUE;
}

BOOL AmendPaymentItem(CBowlingDoc* pDoc)
{
    if (pDoc->m_listPaymentItems.IsEmpty()) {
        AfxMessageBox("No Payment Items Exist to Edit.");
        return FALSE;
    }
    CSelectPaymentItemDlg select;
    select.m_pDoc = pDoc;
    if (select.DoModal() != IDOK || !select.m_pItem)
        return FALSE;
    CPaymentItem* pItem = select.m_pItem;
    CPaymentItemDlg dlg;
    dlg.m_bOptional = (pItem->m_nFlags & CPaymentItem::flagOptional) ? TRUE : FALSE;
    dlg.m_bIndividual = pItem->IsIndividual();
    dlg.m_bTeam = !dlg.m_bIndividual;
    dlg.m_nFromRound = pItem->m_nFromRound;
    dlg.m_nToRound = pItem->m_nToRound;
    dlg.m_nAmount = pItem->m_nAmount;
    dlg.m_strDescription = pItem->m_strDescription;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    StorePaymentItem(dlg, *pItem);
    pDoc->SetModifiedFlag();
    return TRUE;
}

BOOL EditPlayerArrears(CBowlingDoc* pDoc, CPlayer* pPlayer)
{
    CPlayerArrearsDlg dlg;
    return EditArrears(pDoc, dlg, pPlayer->m_strName, pPlayer->m_nArrears);
}

BOOL EditTeamArrears(CBowlingDoc* pDoc, CTeam* pTeam)
{
    CTeamArrearsDlg dlg;
    return EditArrears(pDoc, dlg, pTeam->m_strName, pTeam->m_nArrears);
}

} // namespace AccountsCommands
