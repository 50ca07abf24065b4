#include "admin/SeasonCommands.h"

#include "admin/SplitSeasonDlg.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/MatchWorking.h"
#include "resources/CommandIds.h"

#include <algorithm>

namespace SeasonCommands {

namespace {

bool AnySidePlayed(const CBowlingDoc& doc)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_bPlayed[0] || f->m_bPlayed[1])
            return true;
    }
    return false;
}

class CSeasonCommands : public CCmdTarget
{
public:
    explicit CSeasonCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnEditSchedule()
    {
        if (AnySidePlayed(*m_pDoc))
            for (const char* pszAsk :
                 {"This is a VERY DANGEROUS operation. Please back up the league data first (SAVE AS). If you really "
                  "know what you are doing click YES",
                  "If you rearrange a match that has been played, the results will be erased!. If you accept this click "
                  "YES",
                  "If you fully accept responsibility for what you are about to do, then click YES"})
                if (AfxMessageBox(pszAsk, MB_YESNO) != IDYES)
                    return;
        // A re-paired match loses its result, which the matches after it counted.
        CLaterMatches later(*m_pDoc);
        later.NoteAll();
        m_pDoc->EditLeagueSchedule();
        m_pDoc->CountMatchesPerRound();
        later.ReworkAndRecalculate();
        m_pDoc->SetModifiedFlag();
        m_pDoc->UpdateAllViews(nullptr);
    }
    void OnSplitSeason()
    {
        CBowlingDoc& doc = *m_pDoc;
        CSplitSeasonDlg dlg;
        dlg.m_pDoc = m_pDoc;
        dlg.m_nRounds = doc.m_nRounds;
        dlg.m_bSplitSeason = doc.m_bSplitSeason ? 1 : 0;
        dlg.m_nRoundsPerSplit = doc.m_nRoundsPerSplit;
        dlg.m_nSplits = doc.m_nSplits;
        std::copy(std::begin(doc.m_nCustomSplitStart), std::end(doc.m_nCustomSplitStart), dlg.m_nCustomStart);
        dlg.m_bCustomSplits = doc.m_bCustomSplits ? 1 : 0;
        dlg.m_bResetHiStats = doc.m_bResetHiStatsEachSplit ? 1 : 0;
        dlg.m_bCompleteReset = doc.m_bCompleteResetEachSplit ? 1 : 0;
        BYTE nStartsBefore[12];
        std::copy(std::begin(doc.m_nCustomSplitStart), std::end(doc.m_nCustomSplitStart), nStartsBefore);
        if (dlg.DoModal() != IDOK) {
            // "Custom Splits" wrote its starts to the league at once: splits in use change.
            if (std::equal(std::begin(nStartsBefore), std::end(nStartsBefore), std::begin(doc.m_nCustomSplitStart)))
                return;
            doc.UpdateSplitState();
            doc.Recalculate();
            doc.SetModifiedFlag();
            doc.UpdateAllViews(nullptr);
            return;
        }
        doc.m_bSplitSeason = dlg.m_bSplitSeason ? 1 : 0;
        doc.m_nRoundsPerSplit = static_cast<BYTE>(dlg.m_nRoundsPerSplit);
        doc.m_nSplits = static_cast<BYTE>(dlg.m_nSplits);
        std::copy(std::begin(dlg.m_nCustomStart), std::end(dlg.m_nCustomStart), doc.m_nCustomSplitStart);
        doc.m_bCustomSplits = dlg.m_bCustomSplits ? 1 : 0;
        doc.m_bResetHiStatsEachSplit = dlg.m_bResetHiStats ? 1 : 0;
        doc.m_bCompleteResetEachSplit = dlg.m_bCompleteReset ? 1 : 0;
        doc.UpdateSplitState();
        doc.Recalculate();
        doc.SetModifiedFlag();
        doc.UpdateAllViews(nullptr);
    }
    void OnUpdateSetUp(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSeasonCommands, CCmdTarget)
    ON_COMMAND(ID_FIXTURE_EDIT_SCHEDULE, OnEditSchedule)
    ON_UPDATE_COMMAND_UI(ID_FIXTURE_EDIT_SCHEDULE, OnUpdateSetUp)
    ON_COMMAND(ID_LEAGUE_SPLIT_SEASON, OnSplitSeason)
    ON_UPDATE_COMMAND_UI(ID_LEAGUE_SPLIT_SEASON, OnUpdateSetUp)
END_MESSAGE_MAP()

} // namespace

void Install()
{
    CBowlingDoc::InstallCommandSet<CSeasonCommands>();
}

} // namespace SeasonCommands
