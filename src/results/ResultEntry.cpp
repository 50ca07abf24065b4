#include "results/ResultEntry.h"

#include <algorithm>
#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/MatchWorking.h"
#include "league/Player.h"
#include "league/Team.h"
#include "results/DoublesScoresheetDlg.h"
#include "results/FivesScoresheetDlg.h"
#include "results/FoursScoresheetDlg.h"
#include "results/SinglesScoresheetDlg.h"
#include "results/ThreesScoresheetDlg.h"

namespace {

CTeam* SideTeam(CBowlingDoc* pDoc, CFixture* pFixture, int nSide)
{
    CTeam* pTeam = nSide == 0 ? pFixture->m_pTeamA : pFixture->m_pTeamB;
    return pTeam ? pTeam : pDoc->FindTeam(nSide == 0 ? pFixture->m_nTeamA : pFixture->m_nTeamB);
}

// What a scoresheet's companion dialogs change in the league beside its match: the award
// records (Awards adds one; any record changed or taken away while the sheet is open comes back
// too), the bowlers New Player adds and the team orders they join. The Auto TAB and name-format
// choices are the secretary's way of typing, not the match's, and stay whichever way the sheet
// closes. The figures the sheet works are the league's recalculation's to put right.
class CLeagueBesideMatch
{
public:
    explicit CLeagueBesideMatch(CBowlingDoc& doc)
        : m_doc(doc), m_bModified(doc.IsModified()), m_bAutoTab(doc.m_bAutoTabScores), m_bFormatText(doc.m_bFormatText)
    {
        for (POSITION pos = doc.m_listAwardData.GetHeadPosition(); pos;) {
            auto* p = static_cast<CAwardData*>(doc.m_listAwardData.GetNext(pos));
            auto copy = std::make_unique<CAwardData>();
            copy->CopyFrom(*p);
            m_awards.emplace_back(p, std::move(copy));
        }
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;)
            m_players.insert(doc.m_listPlayers.GetNext(pos));
        for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;) {
            auto* t = static_cast<CTeam*>(doc.m_listTeams.GetNext(pos));
            std::vector<WORD> order;
            for (int i = 0; i < t->GetOrderCount(); ++i)
                order.push_back(t->GetOrderAt(i));
            m_orders.emplace_back(t, std::move(order));
        }
    }

    // The league as it was; the match's fixture must be its own again first, so that nothing
    // holds a bowler taken away.
    void Restore()
    {
        std::unordered_set<CAwardData*> now;
        for (POSITION pos = m_doc.m_listAwardData.GetHeadPosition(); pos;)
            now.insert(static_cast<CAwardData*>(m_doc.m_listAwardData.GetNext(pos)));
        m_doc.m_listAwardData.RemoveAll();
        for (const auto& [p, copy] : m_awards) {
            CAwardData* r = now.erase(p) ? p : new CAwardData;
            r->CopyFrom(*copy);
            m_doc.m_listAwardData.AddTail(r);
        }
        for (CAwardData* p : now)
            delete p;

        bool bRemoved = false;
        for (POSITION pos = m_doc.m_listPlayers.GetHeadPosition(); pos;) {
            const POSITION at = pos;
            CObject* p = m_doc.m_listPlayers.GetNext(pos);
            if (m_players.count(p) == 0) {
                m_doc.m_listPlayers.RemoveAt(at);
                delete p;
                bRemoved = true;
            }
        }
        for (const auto& [t, order] : m_orders) {
            t->m_arrTeamOrder.RemoveAll();
            for (WORD n : order)
                t->m_arrTeamOrder.Add(n);
        }
        if (bRemoved) {
            m_doc.BuildFloatingSubs();
            m_doc.AssignJuniorCategories();
        }
        m_doc.SetModifiedFlag(m_bModified || m_doc.m_bAutoTabScores != m_bAutoTab ||
                              m_doc.m_bFormatText != m_bFormatText);
    }

private:
    CBowlingDoc& m_doc;
    const BOOL m_bModified;
    const DWORD m_bAutoTab;
    const DWORD m_bFormatText;
    std::vector<std::pair<CAwardData*, std::unique_ptr<CAwardData>>> m_awards;
    std::unordered_set<const CObject*> m_players;
    std::vector<std::pair<CTeam*, std::vector<WORD>>> m_orders;
};

template <class Dlg>
BOOL EditWith(CBowlingDoc* pDoc, CFixture* pFixture)
{
    Dlg dlg;
    const CFixture undo(*pFixture);
    CLeagueBesideMatch league(*pDoc);
    try {
        PrepareScoresheet(dlg, pDoc, pFixture);
        if (dlg.DoModal() == IDOK)
            return TRUE;
    } catch (...) {
        *pFixture = undo;
        league.Restore();
        throw;
    }
    *pFixture = undo;
    league.Restore();
    return FALSE;
}

}  // namespace

void FillLineUp(CBowlingDoc* pDoc, CFixture* pFixture)
{
    for (int s = 0; s < 2; ++s) {
        if (pFixture->m_bPlayed[s])
            continue;
        CTeam* pTeam = SideTeam(pDoc, pFixture, s);
        if (!pTeam)
            continue;
        // A side without a result is entered as a new one: what an earlier entry left (a
        // blind or vacancy score, a defaulted game, a date) never becomes a game bowled now.
        pFixture->ClearLeftovers(s);
        std::vector<CPlayer*> order;
        for (int i = 0; i < pTeam->GetOrderCount(); ++i)
            if (CPlayer* pPlayer = pDoc->FindPlayer(pTeam->GetOrderAt(i)))
                order.push_back(pPlayer);
        const int n = std::min<int>(pFixture->m_nPlayers, MAX_POSITIONS);
        for (int k = 0; k < n && k < static_cast<int>(order.size()); ++k)
            pFixture->SetPlayer(s, k, order[static_cast<size_t>(k)]);
    }
}

void PrepareScoresheet(CScoresheetDlg& dlg, CBowlingDoc* pDoc, CFixture* pFixture)
{
    CFixture& f = *pFixture;
    dlg.m_pFixture = pFixture;
    dlg.m_pDoc = pDoc;

    CMatchWorking::ScoringSystems(*pDoc, f, dlg.m_bHandicapScoring, dlg.m_bScratchScoring);
    CMatchWorking::DefaultFoldedSides(*pDoc, f);
    const int nGames = pDoc->m_nGamesPerMatch;

    for (int p = 0; p < dlg.GetPositions(); ++p)
        for (int g = 0; g < 4; ++g) {
            dlg.m_nScoreA[p][g] = f.m_nScore[g][CFixture::SlotOf(0, p)];
            dlg.m_nScoreB[p][g] = f.m_nScore[g][CFixture::SlotOf(1, p)];
        }
    CTeam* pTeamA = SideTeam(pDoc, pFixture, 0);
    CTeam* pTeamB = SideTeam(pDoc, pFixture, 1);
    dlg.m_strTeamA = pTeamA ? pTeamA->m_strName : CString();
    dlg.m_strTeamB = pTeamB ? pTeamB->m_strName : CString();

    for (int g = 0; g < 4; ++g) {
        const bool bExists = g < nGames;
        dlg.m_bDefaultedA[g] = bExists && (f.m_nDefaulted[0] & DefaultedBit(g)) ? TRUE : FALSE;
        dlg.m_bDefaultedB[g] = bExists && (f.m_nDefaulted[1] & DefaultedBit(g)) ? TRUE : FALSE;
    }
    dlg.m_bPlayedA = f.m_bPlayed[0] ? TRUE : FALSE;
    dlg.m_bPlayedB = f.m_bPlayed[1] ? TRUE : FALSE;
}

BOOL EditFivesResult(CBowlingDoc* pDoc, CFixture* pFixture) { return EditWith<CFivesScoresheetDlg>(pDoc, pFixture); }
BOOL EditFoursResult(CBowlingDoc* pDoc, CFixture* pFixture) { return EditWith<CFoursScoresheetDlg>(pDoc, pFixture); }
BOOL EditThreesResult(CBowlingDoc* pDoc, CFixture* pFixture) { return EditWith<CThreesScoresheetDlg>(pDoc, pFixture); }
BOOL EditDoublesResult(CBowlingDoc* pDoc, CFixture* pFixture) { return EditWith<CDoublesScoresheetDlg>(pDoc, pFixture); }
BOOL EditSinglesResult(CBowlingDoc* pDoc, CFixture* pFixture) { return EditWith<CSinglesScoresheetDlg>(pDoc, pFixture); }

namespace {

using Launcher = BOOL (*)(CBowlingDoc*, CFixture*);

BOOL EnterWith(Launcher edit, CBowlingDoc* pDoc, CFixture* pFixture)
{
    FillLineUp(pDoc, pFixture);
    return edit(pDoc, pFixture);
}

// The scoresheet of the league's size; nullptr outside 1..5.
Launcher EditorForSize(int nPlayers)
{
    static const Launcher editors[] = {EditSinglesResult, EditDoublesResult, EditThreesResult, EditFoursResult,
                                       EditFivesResult};
    return nPlayers >= 1 && nPlayers <= 5 ? editors[nPlayers - 1] : nullptr;
}

}  // namespace

BOOL EnterFivesResult(CBowlingDoc* pDoc, CFixture* pFixture) { return EnterWith(EditFivesResult, pDoc, pFixture); }
BOOL EnterFoursResult(CBowlingDoc* pDoc, CFixture* pFixture) { return EnterWith(EditFoursResult, pDoc, pFixture); }
BOOL EnterThreesResult(CBowlingDoc* pDoc, CFixture* pFixture) { return EnterWith(EditThreesResult, pDoc, pFixture); }
BOOL EnterDoublesResult(CBowlingDoc* pDoc, CFixture* pFixture) { return EnterWith(EditDoublesResult, pDoc, pFixture); }
BOOL EnterSinglesResult(CBowlingDoc* pDoc, CFixture* pFixture) { return EnterWith(EditSinglesResult, pDoc, pFixture); }

BOOL EnterResult(CBowlingDoc* pDoc, CFixture* pFixture)
{
    const Launcher edit = EditorForSize(pDoc->m_nPlayersPerTeam);
    return edit ? EnterWith(edit, pDoc, pFixture) : FALSE;
}

BOOL EditResult(CBowlingDoc* pDoc, CFixture* pFixture)
{
    const Launcher edit = EditorForSize(pDoc->m_nPlayersPerTeam);
    return edit ? edit(pDoc, pFixture) : FALSE;
}
