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
    const CLeagueSettings before = *this;
    const DWORD bActiveBefore = m_bSplitsActive;
    DropUnusableSplits();
    UpdateSplitState();
    const bool bStartsKept = std::equal(std::begin(before.m_nCustomSplitStart), std::end(before.m_nCustomSplitStart),
                                        std::begin(m_nCustomSplitStart));
    if (bStartsKept && before.m_bSplitSeason == m_bSplitSeason && before.m_bCustomSplits == m_bCustomSplits &&
        before.m_nSplits == m_nSplits)
        return false;

    // Only what was in use is worth a word; starts kept aside for custom splits that were off
    // go quietly.
    CString strSaid;
    CString s;
    std::vector<int> dropped;
    for (int i = 1; i < 12; ++i)
        if (before.m_nCustomSplitStart[i] != 0 && m_nCustomSplitStart[i] == 0)
            dropped.push_back(before.m_nCustomSplitStart[i]);
    if (before.m_bCustomSplits && !dropped.empty()) {
        s.Format(dropped.size() == 1 ? "  The split from round %s no longer fits and has been removed."
                                     : "  The splits from rounds %s no longer fit and have been removed.",
                 RoundListText(dropped).GetString());
        strSaid += s;
    }
    if (before.m_bSplitSeason && !m_bSplitSeason) {
        s.Format("  Splits of %d rounds no longer fit.", m_nRoundsPerSplit);
        strSaid += s;
    } else if (before.m_bSplitSeason && before.m_nSplits != m_nSplits) {
        s.Format("  Its splits of %d rounds are %d now, not %d.", m_nRoundsPerSplit, m_nSplits, before.m_nSplits);
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
