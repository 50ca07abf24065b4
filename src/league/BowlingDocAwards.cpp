// The automatic awards: every scored game and series of the matches up to a round tested
// against the rule of every automatic category. The pass collects its records first and
// puts them into both sorted lists in one merge, so that a season of awards costs a sort
// rather than a walk of the list for every record.
#include "league/BowlingDoc.h"

#include "league/Awards.h"
#include "league/Fixture.h"
#include "league/Player.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace {

struct Rule
{
    const CAwards* pCategory;
    int nLow;
    int nHigh;
    int nMaxAverage;  // 0 = no limit
    int nLeast;       // no value below it qualifies: the low value of the absolute kinds
};

// One candidate: v the value (scratch) and a the match average it was bowled on, which every
// kind compares with and the record keeps: what is bowled later never takes an award away.
struct Candidate
{
    int v;
    int a;
    int nGames;  // 1 for a game, the games per match for a series
};

inline bool Qualifies(const Rule& r, const Candidate& c)
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
        // A minimum score reached (the average limit below, 0: none).
        bYes = c.v >= r.nLow;
        break;
    default:
        break;
    }
    return bYes && (r.nMaxAverage == 0 || c.a <= r.nMaxAverage);
}

// A record made by the pass with its two sort keys packed: category, round, name place for
// the award records; category, score, round, name place for the list by score.
struct Made
{
    CAwardData* pRecord;
    unsigned long long nListKey;
    unsigned long long nScoreKey;
    size_t nOrder;  // creation order: among equal keys the later one comes first
};

} // namespace

CString AwardDateText(const CBowlingDoc* pDoc, const CAwardData& record)
{
    const CFixture* f = pDoc ? pDoc->FindFixtureByRoundMatch(record.m_nRound, record.m_nMatch) : nullptr;
    if (!f)
        return CString();
    const int s = f->HasPlayerBowledSideA(record.m_nPlayerNo, FALSE) ? 0 : 1;
    // A side entered before dates played were kept has none: the day it was due.
    const CTime& when = f->m_timePlayed[s].GetTime() != 0 ? f->m_timePlayed[s] : f->m_timeDue;
    return when.Format("%a %b %d %Y");
}

void CBowlingDoc::CalcAutomaticAwards(int nRound)
{
    // The records of the last pass, and the lists' own links, are used again for this one's
    // rather than freed and allocated anew; records left over are freed at the end. The list
    // by score holds automatic records only.
    std::vector<CObject*> manual;
    std::vector<CAwardData*> spare;
    spare.reserve(static_cast<size_t>(m_listAwardData.GetCount() + m_listAwardDataByScore.GetCount()));
    for (POSITION pos = m_listAwardData.GetHeadPosition(); pos;) {
        auto* p = static_cast<CAwardData*>(m_listAwardData.GetNext(pos));
        if (p->m_nKind == CAwards::kindManual)
            manual.push_back(p);
        else
            spare.push_back(p);
    }
    for (POSITION pos = m_listAwardDataByScore.GetHeadPosition(); pos;)
        spare.push_back(static_cast<CAwardData*>(m_listAwardDataByScore.GetNext(pos)));
    std::vector<CObject*> byList, byScore;
    // Whatever the pass makes, the two lists end up holding exactly these.
    struct Finish
    {
        CObList& list;
        CObList& scoreList;
        std::vector<CObject*>& items;
        std::vector<CObject*>& scoreItems;
        std::vector<CAwardData*>& spare;
        static void Fill(CObList& l, const std::vector<CObject*>& v)
        {
            POSITION pos = l.GetHeadPosition();
            size_t i = 0;
            for (; pos && i < v.size(); ++i) {
                l.SetAt(pos, v[i]);
                l.GetNext(pos);
            }
            while (static_cast<size_t>(l.GetCount()) > v.size())
                l.RemoveTail();
            for (; i < v.size(); ++i)
                l.AddTail(v[i]);
        }
        ~Finish()
        {
            Fill(list, items);
            Fill(scoreList, scoreItems);
            for (CAwardData* p : spare)
                delete p;
        }
    } finish{m_listAwardData, m_listAwardDataByScore, byList, byScore, spare};
    byList = manual;
    auto newRecord = [&]() {
        if (spare.empty())
            return new CAwardData;
        CAwardData* p = spare.back();
        spare.pop_back();
        p->CopyFrom(CAwardData());
        return p;
    };

    std::vector<Rule> rules;
    for (POSITION pos = m_listAwards.GetHeadPosition(); pos;) {
        const auto* c = static_cast<const CAwards*>(m_listAwards.GetNext(pos));
        if (!c->m_bDeleted && c->m_nKind != CAwards::kindManual)
            rules.push_back({c, c->m_nLow, c->m_nHigh, c->m_nMaxAverage,
                             c->m_nKind == CAwards::kindAbsoluteRange || c->m_nKind == CAwards::kindOverByAverage
                                 ? c->m_nLow
                                 : 0});
    }
    if (rules.empty())
        return;
    // The least game and series any rule can take: a side whose highest score is below both
    // gives no award, and is not read further.
    int nGameLeast = INT_MAX, nSeriesLeast = INT_MAX;
    for (const Rule& r : rules) {
        int& nLeast = r.pCategory->m_bSeries ? nSeriesLeast : nGameLeast;
        nLeast = std::min(nLeast, r.nLeast);
    }

    const std::vector<CPlayer*> byNumber = PlayersByNumber(m_listPlayers);
    const int nGames = std::clamp<int>(m_nGamesPerMatch, 0, MAX_GAMES);

    std::vector<Made> made;
    auto make = [&](const CAwards* c, const CFixture* f, WORD nPlayerNo, const Candidate& cand, int nGame) {
        CAwardData* r = newRecord();
        r->m_pDoc = this;
        r->m_nKind = c->m_nKind;
        r->m_nCategory = c->m_nId;
        r->m_nRound = f->m_nRound;
        r->m_nMatch = f->m_nMatch;
        r->m_nPlayerNo = nPlayerNo;
        r->m_nScore = static_cast<WORD>(cand.v);
        r->m_nAverage = static_cast<WORD>(cand.a);
        r->m_nGame = static_cast<WORD>(nGame);
        made.push_back({r, 0, 0, made.size()});
    };

    // A split season that resets its high scores awards only the matches of nRound's split.
    int nFirstRound = 1, nSplitEnd = 0;
    if (ResetsHighScores())
        GetSplitRounds(nRound, nFirstRound, nSplitEnd);

    // Match by match, each match's games and series taken once for every category; within a
    // category the records come in the order of the matches all the same.
    made.reserve(1024);
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(m_listFixtures.GetNext(pos));
        if (f->m_nRound > nRound || f->m_nRound < nFirstRound)
            continue;
        const int nPositions = std::min<int>(f->m_nPlayers, MAX_POSITIONS);
        for (int s = 0; s < 2; ++s) {
            const int nTop = f->m_bPlayed[s] ? f->GetTopScore(s) : -1;
            if (nTop < nGameLeast && nTop * nGames < nSeriesLeast)
                continue;
            CBowledGame games[MAX_POSITIONS][MAX_GAMES];
            CBowledSeries series[MAX_POSITIONS];
            f->GetBowledSide(s, games, series);
            for (const Rule& rule : rules) {
                const CAwards* c = rule.pCategory;
                for (int p = 0; p < nPositions; ++p) {
                    if (c->m_bSeries) {
                        const CBowledSeries& x = series[p];
                        if (!x.pBowler || nGames == 0)
                            continue;
                        const Candidate cand{x.nScratch, x.nAverages / nGames, nGames};
                        if (Qualifies(rule, cand))
                            make(c, f, x.pBowler->m_nPlayerNo, cand, 0);
                        continue;
                    }
                    for (int g = 0; g < nGames; ++g) {
                        const CBowledGame& x = games[p][g];
                        if (!x.bCounts || x.nScore < rule.nLeast)
                            continue;
                        const Candidate cand{x.nScore, x.nAverage & 0xFFFF, 1};
                        if (Qualifies(rule, cand))
                            make(c, f, x.pBowler->m_nPlayerNo, cand, g + 1);
                    }
                }
            }
        }
    }
    if (made.empty())
        return;

    // Each bowler's place in the order of name keys (surname, "=", first name, byte by byte):
    // the sorts below compare places, not texts. Equal keys share a place; a number that
    // finds nobody has the empty key, before every name.
    std::vector<int> nameOrder(byNumber.size(), 0);
    {
        std::vector<std::pair<CString, WORD>> named;
        for (size_t n = 1; n < byNumber.size(); ++n)
            if (byNumber[n])
                named.emplace_back(byNumber[n]->m_strSurname + "=" + byNumber[n]->m_strFirstName, static_cast<WORD>(n));
        std::sort(named.begin(), named.end(),
                  [](const auto& a, const auto& b) { return std::strcmp(a.first, b.first) < 0; });
        int nPlace = 1;
        for (size_t i = 0; i < named.size(); ++i) {
            if (i > 0 && std::strcmp(named[i - 1].first, named[i].first) != 0)
                ++nPlace;
            nameOrder[named[i].second] = nPlace;
        }
    }
    auto placeOf = [&](WORD nPlayerNo) { return nPlayerNo < nameOrder.size() ? nameOrder[nPlayerNo] : 0; };

    for (Made& m : made) {
        const CAwardData* r = m.pRecord;
        const unsigned long long nName = static_cast<unsigned>(placeOf(r->m_nPlayerNo));
        m.nListKey = (static_cast<unsigned long long>(r->m_nCategory) << 48) |
                     (static_cast<unsigned long long>(r->m_nRound) << 32) | nName;
        m.nScoreKey = (static_cast<unsigned long long>(r->m_nCategory) << 48) |
                      (static_cast<unsigned long long>(r->m_nScore) << 32) |
                      (static_cast<unsigned long long>(r->m_nRound) << 16) | (nName & 0xFFFF);
    }

    // The award records: category, round, name key ascending; a new record goes before the
    // records of an equal key, manual ones included.
    std::vector<Made> sorted = made;
    std::sort(sorted.begin(), sorted.end(), [](const Made& x, const Made& y) {
        return x.nListKey != y.nListKey ? x.nListKey < y.nListKey : x.nOrder > y.nOrder;
    });
    byList.clear();
    byList.reserve(manual.size() + sorted.size());
    size_t i = 0;
    for (CObject* pObject : manual) {
        const auto* pOld = static_cast<const CAwardData*>(pObject);
        const unsigned long long nOld = (static_cast<unsigned long long>(pOld->m_nCategory) << 48) |
                                        (static_cast<unsigned long long>(pOld->m_nRound) << 32) |
                                        static_cast<unsigned>(placeOf(pOld->m_nPlayerNo));
        while (i < sorted.size() && sorted[i].nListKey <= nOld)
            byList.push_back(sorted[i++].pRecord);
        byList.push_back(pObject);
    }
    for (; i < sorted.size(); ++i)
        byList.push_back(sorted[i].pRecord);

    // The copies by score: category, score, round, name key descending, a later record first
    // among equals.
    std::sort(made.begin(), made.end(), [](const Made& x, const Made& y) {
        return x.nScoreKey != y.nScoreKey ? x.nScoreKey > y.nScoreKey : x.nOrder > y.nOrder;
    });
    byScore.reserve(made.size());
    for (const Made& m : made) {
        CAwardData* pCopy = newRecord();
        pCopy->CopyFrom(*m.pRecord);
        byScore.push_back(pCopy);
    }
}
