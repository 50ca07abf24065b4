#pragma once
// A league file as version 78 wrote it: the league as version 77 holds it (no stamps, no copies
// in step with a record), then the entries of the details waiting, without their times. The
// bowlers' stamps, in-step marks and waiting entries are taken out of the league to write it.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "framework/core/Archive.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/SharedDetails.h"

// pnLeagueEnd, when given, takes where the league ends and the entries begin.
inline void SaveAsVersion78(CBowlingDoc& doc, std::vector<BYTE>& bytes, size_t* pnLeagueEnd = nullptr)
{
    std::vector<std::pair<WORD, std::unique_ptr<CDbPending>>> entries;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        p->m_qwDbStamp = 0;
        p->m_dbInStep = CDbInStep();
        if (p->m_pDbPending)
            entries.emplace_back(p->m_nPlayerNo, std::move(p->m_pDbPending));
    }
    doc.SaveToBytes(bytes);
    ASSERT_EQ(bytes[0], LEAGUE_FILE_VERSION);
    if (pnLeagueEnd)
        *pnLeagueEnd = bytes.size();
    bytes[0] = LEAGUE_FILE_VERSION_WAITING;
    CArchive ar(&bytes, CArchive::store);
    ar.SetFileVersion(LEAGUE_FILE_VERSION_WAITING);
    ar.WriteCount(static_cast<DWORD>(entries.size()));
    for (const auto& [nPlayerNo, pWaiting] : entries) {
        ar << nPlayerNo;
        pWaiting->Write(ar);
    }
    ar.Close();
}
