#pragma once
// The team pages of the display: one item of a page class per team the secretary chose.
#include "league/BowlingDoc.h"
#include "league/Team.h"
#include "view/ReportFlow.h"

// Replaces the display's items by one Item per team of the document's selected teams.
template <class Item>
int BuildSelectedTeamPages(CBowlingDoc& doc)
{
    DeleteItemList(doc.m_listDisplayItems);
    int n = 0;
    for (INT_PTR i = 0; i < doc.m_arrSelectedTeams.GetSize(); ++i) {
        auto* pTeam = static_cast<CTeam*>(doc.m_arrSelectedTeams[i]);
        if (!pTeam)
            continue;
        auto* pItem = new Item;
        pItem->m_pDoc = &doc;
        pItem->m_pTeam = pTeam;
        pItem->m_bTemporary = TEMP_SHOWING;
        doc.m_listDisplayItems.AddTail(pItem);
        ++n;
    }
    return n;
}
