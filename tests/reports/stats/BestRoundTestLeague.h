#pragma once
// A small league of two teams of two bowlers and three games, worked by hand for the best
// games item and the round analysis:
//
//   round 1  Aces (Jan 10): Ann 150 180 210 hcp 20 avg 170 | Bob 200 190 160 hcp 10 avg 180
//            Bees (Jan 11): Cy  210 140 170 hcp  5 avg 190 | Di  120 130 125 hcp 40 avg 130
//   round 2  Aces (Jan 17): Ann 215 160 170 hcp 20 avg 175 | Bob 230 [150 blind] 210 hcp 10 avg 185
//            Bees: scores held but the result not entered (Cy 290 ...)
//   round 3  Aces (Jan 24): Ann 299 ... (past the span of the tests that stop at round 2)
//
// Ann is a woman, Bob and Cy men, Di a junior girl; Eve, a woman of no team, is a substitute.
#include "CustomPlayerTestLeague.h"
#include "FileContents.h"
#include "TempDir.h"
#include "league/FontData.h"
#include "view/RepItem.h"

#include <string>

// One cell ('l', 'r', 'c') or centred division ('d') as the page's own writers make it in the
// default font: what the tests look at is which cells an item writes, in what order.
inline std::string CellHtml(char kind, const char* text)
{
    TempDir dir;
    const std::string path = dir.File("cell.htm");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CFontData font;
        if (kind == 'l')
            CRepItem::HtmlCellLeft(&file, &font, text);
        else if (kind == 'r')
            CRepItem::HtmlCellRight(&file, &font, text);
        else if (kind == 'c')
            CRepItem::HtmlCellCentre(&file, &font, text);
        else
            CRepItem::HtmlDivCentre(&file, &font, text);
        file.Close();
    }
    return FileContents(path);
}

struct BestRoundLeague
{
    CBowlingDoc doc;
    CPlayer* ann = nullptr;
    CPlayer* bob = nullptr;
    CPlayer* cy = nullptr;
    CPlayer* di = nullptr;
    CPlayer* eve = nullptr;
    CFixture* round1 = nullptr;
    CFixture* round2 = nullptr;
    CFixture* round3 = nullptr;

    static void Put(CFixture* f, int nSide, int nPos, const CPlayer* p, std::initializer_list<int> scores, int nHcp,
                    DWORD nAverage)
    {
        PutBowler(f, nSide, nPos, p, scores, nHcp);
        for (int g = 0; g < 3; ++g)
            f->m_nAverage[g][CFixture::SlotOf(nSide, nPos)] = nAverage;
    }

    void Build()
    {
        doc.m_nGamesPerMatch = 3, doc.m_nPlayersPerTeam = 2, doc.m_nCurrentRound = 2;
        doc.m_bHandicapLeague = doc.m_bScratchLeague = 1;
        AddTestTeam(doc, 1, "Aces", {1, 2});
        AddTestTeam(doc, 2, "Bees", {3, 4});
        ann = AddTestPlayer(doc, 1, "Ann", "Lee", 1, PF_FEMALE);
        bob = AddTestPlayer(doc, 2, "Bob", "Cox", 1);
        cy = AddTestPlayer(doc, 3, "Cy", "Dunn", 2);
        di = AddTestPlayer(doc, 4, "Di", "Ford", 2, PF_FEMALE | PF_JUNIOR);
        eve = AddTestPlayer(doc, 5, "Eve", "Hart", 0, PF_FEMALE);

        round1 = AddTestFixture(doc, 1, 1, 2);
        Put(round1, 0, 0, ann, {150, 180, 210}, 20, 170);
        Put(round1, 0, 1, bob, {200, 190, 160}, 10, 180);
        Put(round1, 1, 0, cy, {210, 140, 170}, 5, 190);
        Put(round1, 1, 1, di, {120, 130, 125}, 40, 130);
        round1->m_timePlayed[0] = CTime(2026, 1, 10, 20, 0, 0);
        round1->m_timePlayed[1] = CTime(2026, 1, 11, 20, 0, 0);

        round2 = AddTestFixture(doc, 2, 1, 2);
        Put(round2, 0, 0, ann, {215, 160, 170}, 20, 175);
        Put(round2, 0, 1, bob, {230, 150, 210}, 10, 185);
        round2->m_dwPosFlags[CFixture::SlotOf(0, 1)] |= PosBlind(1);
        Put(round2, 1, 0, cy, {290, 280, 270}, 5, 190);
        Put(round2, 1, 1, di, {100, 100, 100}, 40, 130);
        round2->m_bPlayed[1] = 0;
        round2->m_timePlayed[0] = CTime(2026, 1, 17, 20, 0, 0);

        round3 = AddTestFixture(doc, 3, 1, 2);
        Put(round3, 0, 0, ann, {299, 299, 299}, 20, 180);
        Put(round3, 0, 1, bob, {100, 100, 100}, 10, 185);
        round3->m_timePlayed[0] = CTime(2026, 1, 24, 20, 0, 0);
    }
};
