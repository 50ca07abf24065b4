#include "admin/SeasonCommands.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "resources/CommandIds.h"

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
        m_pDoc->EditLeagueSchedule();
        m_pDoc->CountMatchesPerRound();
        m_pDoc->Recalculate();
        m_pDoc->SetModifiedFlag();
        m_pDoc->UpdateAllViews(nullptr);
    }
    void OnUpdateSetUp(CCmdUI* pCmdUI) { pCmdUI->Enable(m_pDoc->IsLeagueSetUp()); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSeasonCommands, CCmdTarget)
    ON_COMMAND(ID_FIXTURE_EDIT_SCHEDULE, OnEditSchedule)
    ON_UPDATE_COMMAND_UI(ID_FIXTURE_EDIT_SCHEDULE, OnUpdateSetUp)
END_MESSAGE_MAP()

} // namespace

void Install()
{
    CBowlingDoc::InstallCommandSet<CSeasonCommands>();
}

} // namespace SeasonCommands
