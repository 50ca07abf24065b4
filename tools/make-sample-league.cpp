// make-sample-league <path> [--large] [--players N]
// Writes the sample league, built through the league document's own API: a handicap league
// of 8 teams of 4 bowling 3 games, results entered to mid-season; or, with --large, 40 teams
// of 5 bowling 4 games over 52 rounds with every result in (for the benchmarks). --players
// gives teams of N bowlers (1 to 5) instead, to try the scoresheets of every team size.
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const char* pszPath = nullptr;
    BOOL bLarge = FALSE;
    int nPlayers = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--large") == 0)
            bLarge = TRUE;
        else if (std::strcmp(argv[i], "--players") == 0 && i + 1 < argc) {
            nPlayers = std::atoi(argv[++i]);
            if (nPlayers < 1 || nPlayers > 5) {
                std::fprintf(stderr, "make-sample-league: --players takes 1 to 5\n");
                return 2;
            }
        }
        else if (!pszPath && argv[i][0] != '-')
            pszPath = argv[i];
        else {
            std::fprintf(stderr, "make-sample-league: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    if (!pszPath) {
        std::fprintf(stderr, "usage: make-sample-league <path> [--large] [--players N]\n");
        return 2;
    }
    CBowlingDoc doc;
    SampleLeagueShape shape = GetSampleLeagueShape(bLarge);
    if (nPlayers)
        shape.nPlayers = nPlayers;
    BuildSampleLeague(doc, shape);
    CString strError;
    if (!doc.SaveToFile(pszPath, strError)) {
        std::fprintf(stderr, "make-sample-league: %s\n", strError.GetString());
        return 1;
    }
    std::printf("%s: %d teams, %d bowlers, %d matches\n", pszPath, doc.m_listTeams.GetCount(),
                doc.m_listPlayers.GetCount(), doc.m_listFixtures.GetCount());
    return 0;
}
