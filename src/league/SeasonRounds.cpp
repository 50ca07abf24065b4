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
