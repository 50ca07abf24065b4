// The automatic awards: every scored game and series of the matches up to a round tested
// against the rule of every automatic category. The pass collects its records first and
// puts them into both sorted lists in one merge, so that a season of awards costs a sort
// rather than a walk of the list for every record.
#include "league/BowlingDoc.h"

#include "league/Awards.h"
#include "league/Fixture.h"
#include "league/Player.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

struct Rule
{
    const CAwards* pCategory;
    int nLow;
    int nHigh;
    int nMaxAverage;  // 0 = no limit
};

// One candidate: v the value, a the comparison average, m the average the record keeps, and
// the kind-4 average.
struct Candidate
{
    int v;
    int a;
    int m;
    int nKind4Average;
    int nGames;  // 1 for a game, the games per match for a series
};

bool Qualifies(const Rule& r, const Candidate& c)
{
    bool bYes = false;
    switch (r.pCategory->m_nKind) {
    case CAwards::kindAbsoluteRange:
        bYes = r.nLow <= c.v && c.v <= r.nHigh;
        break;
    case CAwards::kindOverAverage: {
        const int nOver = c.v - c.a * c.nGames;
        bYes = r.nLow <= nOver && nOver <= r.nHigh;
        break;
    }
    case CAwards::kindPctOverAverage:
        bYes = (c.a * (r.nLow + 100) * c.nGames) / 100 < c.v;
        break;
    case CAwards::kindOverByAverage:
        // A minimum score reached, by a bowler whose average is within the limit (0: none).
        bYes = c.v >= r.nLow && (r.nMaxAverage == 0 || c.nKind4Average <= r.nMaxAverage);
        break;
    default:
        break;
    }
    return bYes && (r.nMaxAverage == 0 || c.m <= r.nMaxAverage);
}

struct Made
{
    CAwardData* pRecord;
    const CString* pKey;  // the bowler's name key
    size_t nOrder;        // creation order: among equal keys the later one comes first
};

} // namespace

void CBowlingDoc::CalcAutomaticAwards(int nRound)
{
    for (CObList* pList : {&m_listAwardData, &m_listAwardDataByScore})
        for (POSITION pos = pList->GetHeadPosition(); pos;) {
            POSITION here = pos;
            auto* p = static_cast<CAwardData*>(pList->GetNext(pos));
            if (p->m_nKind != CAwards::kindManual) {
                pList->RemoveAt(here);
                delete p;
            }
        }

    std::vector<Rule> rules;
    for (POSITION pos = m_listAwards.GetHeadPosition(); pos;) {
        const auto* c = static_cast<const CAwards*>(m_listAwards.GetNext(pos));
        if (!c->m_bDeleted && c->m_nKind != CAwards::kindManual)
            rules.push_back({c, c->m_nLow, c->m_nHigh, c->m_nMaxAverage});
    }
    if (rules.empty())
        return;

    const std::vector<CPlayer*> byNumber = PlayersByNumber(m_listPlayers);
    auto currentAverage = [&](WORD nPlayerNo) -> int {
        return nPlayerNo < byNumber.size() && byNumber[nPlayerNo] ? byNumber[nPlayerNo]->m_nAverage : 0;
    };
    const int nGames = std::clamp<int>(m_nGamesPerMatch, 0, MAX_GAMES);
    const int nLeaguePositions = std::clamp<int>(m_nPlayersPerTeam, 0, MAX_POSITIONS);

    std::vector<Made> made;
    std::unordered_map<WORD, CString> keys;
    auto make = [&](const CAwards* c, const CFixture* f, WORD nPlayerNo, const Candidate& cand, int nGame) {
        auto* r = new CAwardData;
        r->m_pDoc = this;
        r->m_nKind = c->m_nKind;
        r->m_nCategory = c->m_nId;
        r->m_nRound = f->m_nRound;
        r->m_nMatch = f->m_nMatch;
        r->m_nPlayerNo = nPlayerNo;
        r->m_nScore = static_cast<WORD>(cand.v);
        r->m_nAverage = static_cast<WORD>(cand.m);
        r->m_nGame = static_cast<WORD>(nGame);
        auto it = keys.find(nPlayerNo);
        if (it == keys.end()) {
            const CPlayer* p = nPlayerNo < byNumber.size() ? byNumber[nPlayerNo] : nullptr;
            it = keys.emplace(nPlayerNo, p ? p->m_strSurname + "=" + p->m_strFirstName : CString()).first;
        }
        made.push_back({r, &it->second, made.size()});
    };

    for (const Rule& rule : rules) {
        const CAwards* c = rule.pCategory;
        for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
            const auto* f = static_cast<const CFixture*>(m_listFixtures.GetNext(pos));
            if (f->m_nRound > nRound)
                continue;
            for (int s = 0; s < 2; ++s) {
                if (!f->m_bPlayed[s])
                    continue;
                if (!c->m_bSeries) {
                    // A game bowled by a substitute is his, tested once through his own slot.
                    for (int p = 0; p < nLeaguePositions; ++p) {
                        const int k = CFixture::SlotOf(s, p);
                        for (int g = 0; g < nGames; ++g) {
                            if (f->m_dwPosFlags[k] & (PosNonQual(g) | PosBlind(g) | PosPacer(g)))
                                continue;
                            if (f->m_wPlayerNo[g][k] == 0 || (f->m_nDefaulted[s] & DefaultedBit(g)))
                                continue;
                            const int m = static_cast<int>(f->m_nAverage[g][k] & 0xFFFF);
                            const Candidate cand{f->m_nScore[g][k], m, m, m, 1};
                            if (Qualifies(rule, cand))
                                make(c, f, f->m_wPlayerNo[g][k], cand, g + 1);
                        }
                    }
                    for (int p = 0; p < nLeaguePositions; ++p) {
                        const int k = CFixture::SlotOf(s, p);
                        for (int g = 0; g < nGames; ++g) {
                            if (!(f->m_dwPosFlags[k] & PosPacer(g)) || f->m_wPacerNo[g][k] == 0)
                                continue;
                            const int a = currentAverage(f->m_wPacerNo[g][k]);
                            const Candidate cand{f->m_nPacerScore[g][k], a, f->m_nPacerAverage[g][k], a, 1};
                            if (Qualifies(rule, cand))
                                make(c, f, f->m_wPacerNo[g][k], cand, g + 1);
                        }
                    }
                    continue;
                }
                const int nPositions = std::min<int>(f->m_nPlayers, MAX_POSITIONS);
                for (int p = 0; p < nPositions; ++p) {
                    const int k = CFixture::SlotOf(s, p);
                    bool bAnyPacer = false, bAbsent = false;
                    for (int g = 0; g < nGames; ++g) {
                        bAnyPacer = bAnyPacer || (f->m_dwPosFlags[k] & PosPacer(g));
                        bAbsent = bAbsent || (f->m_dwPosFlags[k] & (PosNonQual(g) | PosBlind(g)));
                    }
                    if (bAnyPacer) {
                        // 0 unless one substitute bowled every game: no series of his.
                        const int v = f->GetSubstituteSeries(s, p, FALSE);
                        const int m = f->m_nPacerAverage[0][k];
                        const Candidate cand{v, currentAverage(f->m_wPacerNo[0][k]), m, m, nGames};
                        if (v > 0 && Qualifies(rule, cand))
                            make(c, f, f->m_wPacerNo[0][k], cand, 0);
                        continue;
                    }
                    if (bAbsent || !f->IsSameBowlerAllGames(s, p) || f->m_wPlayerNo[0][k] == 0)
                        continue;
                    const int m = static_cast<int>(f->m_nAverage[0][k] & 0xFFFF);
                    const Candidate cand{f->GetPositionSeries(s, p, FALSE), currentAverage(f->m_wPlayerNo[0][k]), m, m,
                                         nGames};
                    if (Qualifies(rule, cand))
                        make(c, f, f->m_wPlayerNo[0][k], cand, 0);
                }
            }
        }
    }
    if (made.empty())
        return;

    // The award records: category, round, name key ascending; a new record goes before the
    // records of an equal key, manual ones included.
    auto keyLess = [](const CAwardData* a, const CString& ka, const CAwardData* b, const CString& kb) {
        if (a->m_nCategory != b->m_nCategory)
            return a->m_nCategory < b->m_nCategory;
        if (a->m_nRound != b->m_nRound)
            return a->m_nRound < b->m_nRound;
        return std::strcmp(ka, kb) < 0;
    };
    std::vector<Made> sorted = made;
    std::sort(sorted.begin(), sorted.end(), [&](const Made& x, const Made& y) {
        if (keyLess(x.pRecord, *x.pKey, y.pRecord, *y.pKey))
            return true;
        if (keyLess(y.pRecord, *y.pKey, x.pRecord, *x.pKey))
            return false;
        return x.nOrder > y.nOrder;
    });
    CObList merged;
    size_t i = 0;
    while (!m_listAwardData.IsEmpty()) {
        auto* pOld = static_cast<CAwardData*>(m_listAwardData.RemoveHead());
        const CPlayer* pBowler = pOld->m_nPlayerNo < byNumber.size() ? byNumber[pOld->m_nPlayerNo] : nullptr;
        const CString oldKey = pBowler ? pBowler->m_strSurname + "=" + pBowler->m_strFirstName : CString();
        while (i < sorted.size() && !keyLess(pOld, oldKey, sorted[i].pRecord, *sorted[i].pKey))
            merged.AddTail(sorted[i++].pRecord);
        merged.AddTail(pOld);
    }
    for (; i < sorted.size(); ++i)
        merged.AddTail(sorted[i].pRecord);
    m_listAwardData.AddTail(&merged);
    merged.RemoveAll();

    // The copies by score: category, score, round, name key descending, a later record first
    // among equals.
    std::sort(made.begin(), made.end(), [](const Made& x, const Made& y) {
        const CAwardData* a = x.pRecord;
        const CAwardData* b = y.pRecord;
        if (a->m_nCategory != b->m_nCategory)
            return a->m_nCategory > b->m_nCategory;
        if (a->m_nScore != b->m_nScore)
            return a->m_nScore > b->m_nScore;
        if (a->m_nRound != b->m_nRound)
            return a->m_nRound > b->m_nRound;
        const int n = std::strcmp(*x.pKey, *y.pKey);
        if (n != 0)
            return n > 0;
        return x.nOrder > y.nOrder;
    });
    for (const Made& m : made) {
        auto* pCopy = new CAwardData;
        pCopy->CopyFrom(*m.pRecord);
        m_listAwardDataByScore.AddTail(pCopy);
    }
}
