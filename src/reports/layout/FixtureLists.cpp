#include "reports/layout/FixtureLists.h"

#include "admin/RoundsToPrintDlg.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/Team.h"
#include "reports/layout/FixtureItems.h"
#include "reports/layout/HeadingItems.h"
#include "results/SelectionCommands.h"
#include "view/ReportFlow.h"

#include <algorithm>

namespace {

// A free date of the round-dates list with the rounds dated before and after it.
struct FreeDateSlot
{
    const CFreeWeek* pWeek;
    int nAfterRound;    // the last round dated before it (0: none)
    int nBeforeRound;   // the first round dated after it (0: none)
};

// The free dates standing between two rounds of the range, in list order.
std::vector<FreeDateSlot> FreeDatesWithin(const CBowlingDoc& doc, const FixtureListRange& range)
{
    std::vector<FreeDateSlot> slots;
    int nLastDated = 0;
    for (POSITION pos = doc.m_listFreeWeeks.GetHeadPosition(); pos;) {
        const auto* w = static_cast<const CFreeWeek*>(doc.m_listFreeWeeks.GetNext(pos));
        if (w->m_bFreeDate) {
            slots.push_back({w, nLastDated, 0});
            continue;
        }
        for (FreeDateSlot& slot : slots)
            if (slot.nBeforeRound == 0)
                slot.nBeforeRound = w->m_nFirstRound;
        nLastDated = std::max(nLastDated, static_cast<int>(w->m_nLastRound));
    }
    std::vector<FreeDateSlot> within;
    for (const FreeDateSlot& slot : slots)
        if (slot.nAfterRound >= range.nFirstRound && slot.nBeforeRound != 0 &&
            slot.nBeforeRound <= range.nLastRound && slot.nAfterRound < slot.nBeforeRound)
            within.push_back(slot);
    return within;
}

template <class T>
T* AddItem(CBowlingDoc& doc, T* pItem)
{
    pItem->m_pDoc = &doc;
    pItem->m_bTemporary = TEMP_SHOWING;
    doc.m_listDisplayItems.AddTail(pItem);
    return pItem;
}

// The free dates due before a line of round nRound, each once.
void AddFreeDatesBefore(CBowlingDoc& doc, std::vector<FreeDateSlot>& slots, size_t& nNext, int nRound)
{
    while (nNext < slots.size() && slots[nNext].nBeforeRound <= nRound) {
        auto* pLine = AddItem(doc, new CRepItem_FreeDate);
        pLine->ApplyDefaultFonts();
        pLine->m_time = slots[nNext].pWeek->m_time;
        pLine->m_strReason = slots[nNext].pWeek->m_strReason;
        ++nNext;
    }
}

bool RoundHasMatches(const CBowlingDoc& doc, int nRound)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;)
        if (static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos))->m_nRound == nRound)
            return true;
    return false;
}

void SetTitle(CBowlingDoc& doc, const CString& title)
{
    doc.m_strReportTitle = title;
    if (const CFontData* pFont = doc.GetDefaultFont(FONT_FIXTURES_TITLE))
        doc.m_fontReportTitle.CopyFrom(*pFont);
}

BOOL AskRange(CBowlingDoc* pDoc, int nListKind, FixtureListRange& range)
{
    CRoundsToPrintDlg dlg;
    if (!CRoundsToPrintDlg::Run(pDoc, nListKind, dlg))
        return FALSE;
    range.nFirstRound = dlg.m_nFirstRound;
    range.nLastRound = dlg.m_nLastRound;
    range.bOmitLanes = dlg.m_bOmitLanes ? TRUE : FALSE;
    range.bOmitTime = dlg.m_bOmitTime ? TRUE : FALSE;
    return TRUE;
}

[[maybe_unused]] const bool s_bInstalled = (g_pfnRunFixtureList = RunFixtureList, true);

} // namespace

int BuildFixturesByRound(CBowlingDoc& doc, const FixtureListRange& range)
{
    DeleteItemList(doc.m_listDisplayItems);
    std::vector<FreeDateSlot> freeDates = FreeDatesWithin(doc, range);
    size_t nNextFree = 0;
    int nMade = 0;
    for (int nRound = std::max(1, range.nFirstRound); nRound <= std::min(255, range.nLastRound); ++nRound) {
        // Rounds past the season would show nothing and still take a line each.
        if (!RoundHasMatches(doc, nRound))
            continue;
        AddFreeDatesBefore(doc, freeDates, nNextFree, nRound);
        auto* pWeek = AddItem(doc, new CRepItem_FixWeek);
        pWeek->ApplyDefaultFonts();
        pWeek->m_nRound = static_cast<BYTE>(nRound);
        pWeek->m_bOmitLanes = range.bOmitLanes;
        pWeek->m_bOmitTime = range.bOmitTime;
        ++nMade;
    }
    return nMade;
}

int BuildFixturesByTeam(CBowlingDoc& doc, const std::vector<CTeam*>& teams, const FixtureListRange& range)
{
    DeleteItemList(doc.m_listDisplayItems);
    std::vector<FreeDateSlot> freeDates = FreeDatesWithin(doc, range);
    int nMade = 0;
    bool bFirstTeam = true;
    for (CTeam* pTeam : teams) {
        if (!pTeam)
            continue;
        if (!bFirstTeam)
            AddItem(doc, new CRepItem_Page);
        bFirstTeam = false;
        auto* pTitle = AddItem(doc, new CRepItem_Title);
        pTitle->m_strTitle = "Fixtures for  '" + pTeam->m_strName + "'";
        size_t nNextFree = 0;
        for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
            auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
            if (f->m_nRound < range.nFirstRound || f->m_nRound > range.nLastRound)
                continue;
            if (f->m_nTeamA != pTeam->m_nTeamNo && f->m_nTeamB != pTeam->m_nTeamNo)
                continue;
            AddFreeDatesBefore(doc, freeDates, nNextFree, f->m_nRound);
            auto* pLine = AddItem(doc, new CRepItem_FixTeam);
            pLine->ApplyDefaultFonts();
            pLine->m_pFixture = f;
            pLine->m_nTeamNo = pTeam->m_nTeamNo;
            pLine->m_bOmitLanes = range.bOmitLanes;
            pLine->m_bOmitTime = range.bOmitTime;
            ++nMade;
        }
    }
    return nMade;
}

int BuildOutstandingFixtures(CBowlingDoc& doc)
{
    DeleteItemList(doc.m_listDisplayItems);
    int nMade = 0;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound > doc.m_nCurrentRound)
            break;
        if (f->m_bPlayed[0] && f->m_bPlayed[1])
            continue;
        // The constructor's fonts: this list has no default fonts of its own.
        auto* pLine = AddItem(doc, new CRepItem_FixTeam);
        pLine->m_pFixture = f;
        pLine->m_nTeamNo = CRepItem_FixTeam::ALL_TEAMS;
        ++nMade;
    }
    return nMade;
}

BOOL RunFixtureList(CBowlingDoc* pDoc, int nKind)
{
    if (!pDoc)
        return FALSE;
    FixtureListRange range;
    if (nKind == FIXTURE_LIST_BY_ROUND) {
        if (!AskRange(pDoc, 0, range))
            return FALSE;
        BuildFixturesByRound(*pDoc, range);
        SetTitle(*pDoc, "Fixtures by Round");
        return TRUE;
    }
    if (nKind == FIXTURE_LIST_BY_TEAM) {
        if (!ChooseTeamsForFixtureDisplay(pDoc))
            return FALSE;
        std::vector<CTeam*> teams;
        for (int i = 0; i < pDoc->m_arrSelectedTeams.GetSize(); ++i)
            teams.push_back(static_cast<CTeam*>(pDoc->m_arrSelectedTeams[i]));
        if (!AskRange(pDoc, 1, range))
            return FALSE;
        BuildFixturesByTeam(*pDoc, teams, range);
        SetTitle(*pDoc, "Fixtures by Team");
        return TRUE;
    }
    if (nKind == FIXTURE_LIST_OUTSTANDING) {
        BuildOutstandingFixtures(*pDoc);
        CString title;
        title.Format("Outstanding Fixtures as at Round %d.", pDoc->m_nCurrentRound);
        SetTitle(*pDoc, title);
        return TRUE;
    }
    return FALSE;
}
