#include "results/ResultCommands.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/MatchWorking.h"
#include "league/Team.h"
#include "results/ResultEntry.h"
#include "results/SelectFixtureDlg.h"
#include "results/SelectRoundDlg.h"

namespace {

constexpr const char* kSetPositionRound =
    "There is a position round match which has not been set.  Would you like it set now?";

// 0 when nothing was chosen.
int ChooseRound(CBowlingDoc& doc, int nPreset, BOOL bPlayed)
{
    CSelectRoundDlg dlg;
    dlg.m_pDoc = &doc;
    dlg.m_nRound = static_cast<UINT>(nPreset);
    dlg.m_bPlayed = bPlayed ? 1 : 0;
    if (dlg.DoModal() != IDOK)
        return 0;
    return static_cast<int>(dlg.m_nRound);
}

// Both teams must be able to put out a full line-up; says which one cannot.
bool TeamsAreFull(CBowlingDoc& doc, const CFixture* f)
{
    for (BYTE nTeam : {f->m_nTeamA, f->m_nTeamB}) {
        if (!doc.HasFullTeam(nTeam)) {
            CTeam* pTeam = doc.FindTeam(nTeam);
            CString msg = pTeam ? pTeam->m_strName : CString();
            msg += " does not have a full team.";
            AfxMessageBox(msg, MB_OK);
            return false;
        }
    }
    return true;
}

// Asks to set each unset position round up to nLastRound (every round when 0); false when
// the secretary declines or a match stays unset.
bool SetPositionRounds(CBowlingDoc& doc, int nFirstRound, int nLastRound, const char* pszQuestion)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        CFixture* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound < nFirstRound || (nLastRound && f->m_nRound > nLastRound) || !f->IsUnsetPositionMatch())
            continue;
        if (AfxMessageBox(pszQuestion, MB_YESNO) != IDYES)
            return false;
        doc.SetPositionWeek(f->m_nRound);
        if (f->IsUnsetPositionMatch())
            return false;
    }
    return true;
}

// Puts the current round back after setting a position round moved it, with the figures.
void RestoreCurrentRound(CBowlingDoc& doc, BYTE nRound)
{
    if (doc.m_nCurrentRound == nRound)
        return;
    doc.m_nCurrentRound = nRound;
    doc.Recalculate();
}

void SetPassFromPositionMatch(CBowlingDoc& doc, const CFixture* f)
{
    if (f && f->m_bPositionRound)
        doc.m_bHandicapPass = f->m_bPositionRoundScratch ? PASS_SCRATCH : PASS_HANDICAP;
}

}  // namespace

void OnResultEnterResults(CBowlingDoc& doc)
{
    const int nRound = ChooseRound(doc, doc.m_nCurrentRound, FALSE);
    if (nRound == 0)
        return;
    // Setting a position round works the standings before it and leaves the current round
    // there: the secretary's round comes back before any match is entered.
    const BYTE nSavedRound = doc.m_nCurrentRound;
    const bool bSet = SetPositionRounds(doc, 1, nRound, kSetPositionRound);
    RestoreCurrentRound(doc, nSavedRound);
    if (!bSet)
        return;

    CFixture* pFirstUnplayed = nullptr;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos && !pFirstUnplayed;) {
        CFixture* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound == nRound && !(f->m_bPlayed[0] && f->m_bPlayed[1]))
            pFirstUnplayed = f;
    }
    SetPassFromPositionMatch(doc, pFirstUnplayed);

    bool bOffered = false;
    CLaterMatches later(doc);
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        CFixture* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound != nRound || f->IsBye() || (f->m_bPlayed[0] && f->m_bPlayed[1]))
            continue;
        if (!TeamsAreFull(doc, f))
            continue;
        bOffered = true;
        later.Note(*f);
        const BOOL bOK = EnterResult(&doc, f);
        doc.m_nDisplayMode = DISPLAY_STANDINGS;
        if (!bOK)
            break;
        doc.m_nCurrentRound = static_cast<BYTE>(nRound);
        doc.SetModifiedFlag();
    }
    doc.m_nCurrentRound = nSavedRound;
    if (!bOffered)
        AfxMessageBox("No outstanding Results for that week!", MB_OK);
    later.ReworkAndRecalculate();
}

void OnResultFirstUnplayedMatch(CBowlingDoc& doc)
{
    const BYTE nSavedRound = doc.m_nCurrentRound;
    bool bEntered = false;
    CLaterMatches later(doc);
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        CFixture* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_bPlayed[0] && f->m_bPlayed[1])
            continue;
        if (f->m_bPositionRound && f->m_nTeamA == 0 && f->m_nTeamB == 0) {
            if (AfxMessageBox(kSetPositionRound, MB_YESNO) != IDYES)
                break;
            doc.SetPositionWeek(f->m_nRound);
            RestoreCurrentRound(doc, nSavedRound);
            if (f->IsUnsetPositionMatch())
                break;
        }
        if (f->IsBye() || !TeamsAreFull(doc, f))
            continue;
        later.Note(*f);
        if (!EnterResult(&doc, f))
            break;
        bEntered = true;
    }
    doc.m_nDisplayMode = DISPLAY_STANDINGS;
    if (bEntered)
        doc.SetModifiedFlag();
    // Always: the scoresheet works on league-wide figures (statistics, points, blind
    // counters) that a cancelled match does not put back.
    later.ReworkAndRecalculate();
}

void OnResultEnterIndividualResult(CBowlingDoc& doc)
{
    const int nRound = ChooseRound(doc, doc.m_nCurrentRound, FALSE);
    if (nRound == 0)
        return;
    if (!SetPositionRounds(doc, nRound, nRound,
                           "This is a position week match which has not been set.  Would you like it set now?"))
        return;
    CFixture* f = SelectFixture(&doc, nRound, 0);
    if (!f || !TeamsAreFull(doc, f))
        return;
    // The sheet works the figures in force at the match itself; the league is recalculated
    // at the new round once it closes.
    doc.m_nCurrentRound = static_cast<BYTE>(nRound);
    CLaterMatches later(doc);
    later.Note(*f);
    const BOOL bOK = EnterResult(&doc, f);
    doc.m_nDisplayMode = DISPLAY_STANDINGS;
    if (bOK)
        doc.SetModifiedFlag();
    later.ReworkAndRecalculate();
}

void OnResultAmendResults(CBowlingDoc& doc)
{
    const int nRound = ChooseRound(doc, doc.m_nCurrentRound, TRUE);
    if (nRound == 0)
        return;
    CFixture* f = SelectFixture(&doc, nRound, 1);
    if (!f || !TeamsAreFull(doc, f))
        return;

    // The sheet rolls the statistics back to those in force at the match itself, so an
    // amendment that changes nothing keeps the handicaps and points the match was entered with.
    CLaterMatches later(doc);
    later.Note(*f);
    const BOOL bOK = EditResult(&doc, f);
    doc.m_nDisplayMode = DISPLAY_STANDINGS;
    if (bOK)
        doc.SetModifiedFlag();
    later.ReworkAndRecalculate();
}
