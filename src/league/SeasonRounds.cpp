#include "league/SeasonRounds.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"

#include <algorithm>
#include <iterator>

CString RoundListText(const std::vector<int>& rounds)
{
    std::vector<int> sorted(rounds);
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::vector<CString> parts;
    for (size_t i = 0; i < sorted.size();) {
        size_t j = i;
        while (j + 1 < sorted.size() && sorted[j + 1] == sorted[j] + 1)
            ++j;
        CString part;
        if (j - i >= 2) {
            part.Format("%d-%d", sorted[i], sorted[j]);
            i = j + 1;
        } else {
            part.Format("%d", sorted[i]);
            ++i;
        }
        parts.push_back(part);
    }
    CString text;
    for (size_t k = 0; k < parts.size(); ++k) {
        if (k > 0)
            text += k + 1 == parts.size() ? " and " : ", ";
        text += parts[k];
    }
    return text;
}

CRoundVenues::CRoundVenues(const CBowlingDoc& doc, int nBefore)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        const auto* f = static_cast<const CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound >= nBefore)
            continue;
        const auto [it, bFirst] = m_venue.emplace(f->m_nRound, f->m_nVenue);
        if (!bFirst && it->second != f->m_nVenue)
            it->second = SEVERAL;
    }
}

int CRoundVenues::VenueOfNewRound(int nRound, bool bAllNew) const
{
    int nVenue = 0;
    bool bAny = false;
    for (const auto& [nTaken, nAt] : m_venue) {
        if (!bAllNew && nTaken >= nRound)
            break;
        if (bAny && nAt != nVenue)
            return 0;
        nVenue = nAt;
        bAny = true;
    }
    return nVenue == SEVERAL ? 0 : nVenue;
}

std::vector<int> CRoundVenues::Give(CBowlingDoc& doc, int nFirst, int nLast, bool bAllNew) const
{
    const bool bVenuesInUse =
        std::any_of(m_venue.begin(), m_venue.end(), [](const auto& round) { return round.second != 0; });
    std::map<int, int> given;
    std::vector<int> noVenue;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        const int nRound = f->m_nRound;
        if (nRound < nFirst || nRound > nLast)
            continue;
        auto it = given.find(nRound);
        if (it == given.end()) {
            const auto taken = bAllNew ? m_venue.end() : m_venue.find(nRound);
            int nVenue = 0;
            bool bNamed = false;
            if (taken != m_venue.end()) {
                // A round left as it was without a venue is no loss.
                nVenue = taken->second == SEVERAL ? 0 : taken->second;
                bNamed = taken->second == SEVERAL;
            } else {
                nVenue = VenueOfNewRound(nRound, bAllNew);
                bNamed = nVenue == 0 && bVenuesInUse;
            }
            if (bNamed)
                noVenue.push_back(nRound);
            it = given.emplace(nRound, nVenue).first;
        }
        f->m_nVenue = static_cast<BYTE>(it->second);
    }
    return noVenue;
}

CString CRoundVenues::NoVenueText(const std::vector<int>& rounds)
{
    CString text;
    if (rounds.empty())
        return text;
    const bool bOne = std::all_of(rounds.begin(), rounds.end(), [&rounds](int n) { return n == rounds.front(); });
    text.Format(bOne ? "Round %s has no venue.  Please give it one with Venue > Assign Venues to Rounds."
                     : "Rounds %s have no venue.  Please give them one with Venue > Assign Venues to Rounds.",
                RoundListText(rounds).GetString());
    return text;
}

void CRoundVenues::SayNoVenue(const std::vector<int>& rounds)
{
    if (!rounds.empty())
        AfxMessageBox(NoVenueText(rounds));
}

bool CBowlingDoc::FitSplitsToRounds()
{
    const DWORD bActiveBefore = m_bSplitsActive;
    const DWORD bCustomBefore = m_bCustomSplits;
    const CSplitsDropped dropped = DropUnusableSplits();
    UpdateSplitState();
    if (!dropped.Any())
        return false;

    // Only what was in use is worth a word; starts kept aside for custom splits that were off
    // go quietly.
    CString strSaid;
    CString s;
    if (bCustomBefore && !dropped.starts.empty()) {
        s.Format(dropped.starts.size() == 1 ? "  The split from round %s no longer fits and has been removed."
                                            : "  The splits from rounds %s no longer fit and have been removed.",
                 RoundListText(dropped.starts).GetString());
        strSaid += s;
    }
    const char* pszRounds = m_nRoundsPerSplit == 1 ? "round" : "rounds";
    if (dropped.bSimpleOff) {
        s.Format("  Splits of %d %s no longer fit.", m_nRoundsPerSplit, pszRounds);
        strSaid += s;
    } else if (dropped.nSplitsWere >= 0) {
        s.Format("  Its splits of %d %s are %d now, not %d.", m_nRoundsPerSplit, pszRounds, m_nSplits,
                 dropped.nSplitsWere);
        strSaid += s;
    }
    if (bActiveBefore && !m_bSplitsActive)
        strSaid += "  The season is no longer split.";
    if (!strSaid.IsEmpty()) {
        CString strMsg;
        strMsg.Format("The season has %d rounds now.", m_nRounds);
        AfxMessageBox(strMsg + strSaid);
    }
    return true;
}

CString SplitsDroppedOnReading(const CLeagueSettings& settings, const CLeagueSettings::CSplitsDropped& dropped)
{
    std::vector<CString> clauses;
    CString s;
    if (!dropped.starts.empty()) {
        s.Format(dropped.starts.size() == 1 ? "the split from round %s was removed"
                                            : "the splits from rounds %s were removed",
                 RoundListText(dropped.starts).GetString());
        clauses.push_back(s);
    }
    if (dropped.bSimpleOff && settings.m_nRoundsPerSplit == 0) {
        clauses.emplace_back("its splits without a number of rounds were turned off");
    } else if (dropped.bSimpleOff) {
        s.Format("its splits of %d %s were turned off", settings.m_nRoundsPerSplit,
                 settings.m_nRoundsPerSplit == 1 ? "round" : "rounds");
        clauses.push_back(s);
    } else if (dropped.nSplitsWere >= 0) {
        s.Format("its splits of %d %s are %d now, not %d", settings.m_nRoundsPerSplit,
                 settings.m_nRoundsPerSplit == 1 ? "round" : "rounds", settings.m_nSplits, dropped.nSplitsWere);
        clauses.push_back(s);
    }
    if (dropped.bCustomOff && dropped.starts.empty())
        clauses.emplace_back("its custom splits were turned off");
    if ((dropped.bSimpleOff || dropped.bCustomOff) && !settings.m_bSplitSeason && !settings.m_bCustomSplits)
        clauses.emplace_back("the season is no longer split");

    CString text = "the season's split setting could not be used";
    if (settings.m_nRounds > 0)
        text.AppendFormat(" with its %d rounds", settings.m_nRounds);
    for (size_t i = 0; i < clauses.size(); ++i)
        text += (i == 0 ? ": " : i + 1 == clauses.size() ? " and " : ", ") + clauses[i];
    return text;
}
