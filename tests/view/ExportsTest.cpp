// The players' text file.
#include "FileContents.h"
#include "TempDir.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "view/Exports.h"

#include <gtest/gtest.h>


namespace {

CPlayer* AddBowler(CBowlingDoc& doc, WORD nNo, const char* first, const char* surname)
{
    auto* p = new CPlayer(nNo);
    p->m_strFirstName = first;
    p->m_strSurname = surname;
    doc.AddPlayer(p);
    return p;
}

} // namespace

TEST(PlayersExport, ChosenFieldsInOrderOneLineABowlerRobotsLeftOut)
{
    CBowlingDoc doc;
    doc.m_bHandicapLeague = 0, doc.m_bScratchLeague = 1, doc.m_nCurrentRound = 2, doc.m_nGamesPerMatch = 3;
    auto* pTeam = new CTeam("Pin Pals", 4);
    doc.AddTeam(pTeam);
    CPlayer* pAnn = AddBowler(doc, 1, "Ann", "O'Neil, Jr");
    pAnn->m_wFlags = PF_FEMALE, pAnn->m_nTeamNo = 4, pAnn->m_dwDbKey = 0x1A2B;
    pAnn->m_nBirthDay = 7, pAnn->m_nBirthMonth = 3, pAnn->m_nBirthYear = 1990;
    pAnn->m_nEnteringAvg = 1655, pAnn->m_nPins[0] = 1000, pAnn->m_nGames[0] = 6;
    CPlayer* pRobot = AddBowler(doc, 2, "Vacant", "Robot");
    pRobot->m_nRobot = 1;
    CPlayer* pBob = AddBowler(doc, 3, "Bob", "Say \"Hi\"");
    pBob->m_wFlags = PF_MALE | PF_JUNIOR;

    TempDir dir;
    std::string path = dir.File("EXPORT.TXT");
    int fields[] = {0, 1, 10, 11, 12, 13, 16, 22, 24, 25, 26, 31, 32, 1};
    CString strError;
    ASSERT_TRUE(WritePlayersExport(&doc, path.c_str(), fields, 14, FALSE, strError)) << strError.GetString();
    EXPECT_EQ(FileContents(path),
              "Ann,\"O'Neil, Jr\",F,Snr,07-03-1990,03-07-1990,00001A2B,6,165.5,166.67,1.17,100.00,Pin Pals,"
              "\"O'Neil, Jr\"\r\n"
              "Bob,\"Say \"\"Hi\"\"\",M,Jnr,,,,0,0.0,0.00,0.00,0.00,,\"Say \"\"Hi\"\"\"\r\n");

    int two[] = {0, 23};
    ASSERT_TRUE(WritePlayersExport(&doc, path.c_str(), two, 2, TRUE, strError));
    EXPECT_EQ(FileContents(path), "\"Ann\",\"0\"\r\n\"Bob\",\"0\"\r\n");

    EXPECT_FALSE(WritePlayersExport(&doc, dir.File("no/such/folder/x.txt").c_str(), two, 2, TRUE, strError) ||
                 strError.IsEmpty());
}
