#include "admin/VenueCommands.h"

#include "admin/AssignVenuesDlg.h"
#include "admin/VenueDlg.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Venue.h"
#include "resources/CommandIds.h"

namespace VenueCommands {

CObject* (*pfnNewVenueDetails)(CBowlingDoc* pDoc, CVenue* pVenue) = nullptr;

namespace {

constexpr BYTE DISPLAY_GENERATED = 13;

// The venue a command acts on: the only one without asking, else the one chosen.
CVenue* ChooseVenue(CBowlingDoc* pDoc)
{
    if (pDoc->m_listVenues.IsEmpty())
        return nullptr;
    // With a single venue there is nothing to choose, whatever its number after deletions.
    if (pDoc->m_listVenues.GetCount() < 2)
        return static_cast<CVenue*>(pDoc->m_listVenues.GetHead());
    CSelectVenueDlg dlg;
    dlg.m_pDoc = pDoc;
    if (dlg.DoModal() != IDOK)
        return nullptr;
    // By place rather than number: a league file may hold two venues of one number.
    POSITION pos = dlg.m_nIndex >= 0 ? pDoc->m_listVenues.FindIndex(dlg.m_nIndex) : nullptr;
    return pos ? static_cast<CVenue*>(pDoc->m_listVenues.GetAt(pos)) : nullptr;
}

// The generated venue pages point at venues; rebuilt by their command, never kept across a
// deletion.
void DropGeneratedItems(CBowlingDoc* pDoc)
{
    for (POSITION pos = pDoc->m_listGeneratedItems.GetHeadPosition(); pos;)
        delete pDoc->m_listGeneratedItems.GetNext(pos);
    pDoc->m_listGeneratedItems.RemoveAll();
}

// The matches' venues changed: the bowlers' figures at each venue come from them, so the venue
// pages show the league as it now is.
void MatchVenuesChanged(CBowlingDoc* pDoc)
{
    pDoc->SetModifiedFlag();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
}

class CVenueCommands : public CCmdTarget
{
public:
    explicit CVenueCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnAddVenue() { AddVenue(m_pDoc); }
    void OnEditVenue() { EditVenue(m_pDoc); }
    void OnDeleteVenue() { DeleteVenue(m_pDoc); }
    void OnAssignVenues() { AssignVenues(m_pDoc); }
    void OnDisplayDetails() { DisplayDetails(m_pDoc); }
    void OnUpdateSetUp(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }
    void OnUpdateHasVenues(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(m_pDoc->IsLeagueSetUp() && !m_pDoc->m_listVenues.IsEmpty());
    }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CVenueCommands, CCmdTarget)
    ON_COMMAND(ID_VENUE_ADD, OnAddVenue)
    ON_COMMAND(ID_VENUE_EDIT, OnEditVenue)
    ON_COMMAND(ID_VENUE_DELETE, OnDeleteVenue)
    ON_COMMAND(ID_VENUE_ASSIGN_ROUNDS, OnAssignVenues)
    ON_COMMAND(ID_VENUE_DISPLAY_DETAILS, OnDisplayDetails)
    ON_UPDATE_COMMAND_UI(ID_VENUE_ADD, OnUpdateSetUp)
    ON_UPDATE_COMMAND_UI(ID_VENUE_EDIT, OnUpdateHasVenues)
    ON_UPDATE_COMMAND_UI(ID_VENUE_DELETE, OnUpdateHasVenues)
    ON_UPDATE_COMMAND_UI(ID_VENUE_ASSIGN_ROUNDS, OnUpdateHasVenues)
    ON_UPDATE_COMMAND_UI(ID_VENUE_DISPLAY_DETAILS, OnUpdateHasVenues)
END_MESSAGE_MAP()

} // namespace

void Install()
{
    CBowlingDoc::InstallCommandSet<CVenueCommands>();
}

BYTE FreeVenueNumber(const CBowlingDoc* pDoc)
{
    for (int n = 1; n <= 255; ++n)
        if (!pDoc->FindVenue(static_cast<BYTE>(n)))
            return static_cast<BYTE>(n);
    return 0;
}

int CountFixturesAt(const CBowlingDoc* pDoc, BYTE nVenue)
{
    int nCount = 0;
    for (POSITION pos = pDoc->m_listFixtures.GetHeadPosition(); pos;)
        if (static_cast<const CFixture*>(pDoc->m_listFixtures.GetNext(pos))->m_nVenue == nVenue)
            ++nCount;
    return nCount;
}

BOOL AddVenue(CBowlingDoc* pDoc)
{
    // Numbers are the fixtures' key: a number freed by a deletion may be used again (its
    // fixtures were cleared), but never one still in use.
    const BYTE nNumber = FreeVenueNumber(pDoc);
    if (nNumber == 0) {
        AfxMessageBox("The league already has as many venues as it can hold.");
        return FALSE;
    }
    CVenue blank(nNumber);
    CVenueDetailsDlg dlg;
    dlg.LoadFrom(blank);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    auto* pVenue = new CVenue(nNumber);
    dlg.SaveTo(*pVenue);
    pDoc->m_listVenues.AddTail(pVenue);
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

BOOL EditVenue(CBowlingDoc* pDoc)
{
    CVenue* pVenue = ChooseVenue(pDoc);
    if (!pVenue)
        return FALSE;
    CVenueDetailsDlg dlg;
    dlg.LoadFrom(*pVenue);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    dlg.SaveTo(*pVenue);
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

BOOL DeleteVenue(CBowlingDoc* pDoc)
{
    CVenue* pVenue = ChooseVenue(pDoc);
    if (!pVenue)
        return FALSE;
    const BYTE nNumber = pVenue->m_nVenueNo;
    const int nUsed = CountFixturesAt(pDoc, nNumber);
    if (nUsed > 0) {
        CString question;
        question.Format("This Venue is allocated to %d Fixtures.  Remove them?", nUsed);
        if (AfxMessageBox(question, MB_YESNO) != IDYES)
            return FALSE;
        for (POSITION pos = pDoc->m_listFixtures.GetHeadPosition(); pos;) {
            auto* f = static_cast<CFixture*>(pDoc->m_listFixtures.GetNext(pos));
            if (f->m_nVenue == nNumber)
                f->m_nVenue = 0;
        }
    }
    DropGeneratedItems(pDoc);
    if (POSITION pos = pDoc->m_listVenues.Find(pVenue))
        pDoc->m_listVenues.RemoveAt(pos);
    delete pVenue;
    MatchVenuesChanged(pDoc);
    return TRUE;
}

BOOL AssignVenues(CBowlingDoc* pDoc)
{
    CAssignVenuesDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.DoModal();
    MatchVenuesChanged(pDoc);
    return TRUE;
}

BOOL DisplayDetails(CBowlingDoc* pDoc)
{
    CVenue* pVenue = ChooseVenue(pDoc);
    if (!pVenue || !pfnNewVenueDetails)
        return FALSE;
    CObject* pItem = pfnNewVenueDetails(pDoc, pVenue);
    if (!pItem)
        return FALSE;
    DropGeneratedItems(pDoc);
    pDoc->m_listGeneratedItems.AddTail(pItem);
    pDoc->m_strReportTitle = "Venue Details.";
    pDoc->m_nDisplayMode = DISPLAY_GENERATED;
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

} // namespace VenueCommands
