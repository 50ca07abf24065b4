// Player > Add a New Player: the league's player-database switch picks the road, which the
// scoresheet's New Player and Add extra Teams take too.
#include "admin/PlayerSetup.h"
#include "league/BowlingDoc.h"

int PlayerSetup::AddNewPlayers(CBowlingDoc* pDoc)
{
    return pDoc->m_bPlayerDatabase ? pDoc->AddNewPlayerWithDatabase() : pDoc->AddNewPlayer();
}

int CBowlingDoc::AddNewPlayer()
{
    return PlayerSetup::AddNewPlayers(this, FALSE);
}

// "Check Player Database" before each bowler, while the database is open.
int CBowlingDoc::AddNewPlayerWithDatabase()
{
    return PlayerSetup::AddNewPlayers(this, TRUE);
}
