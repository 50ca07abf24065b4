// The league's rule runners: each copies the document's fields into its dialog, runs it and
// writes the fields back only after OK.
#include "admin/HandicapDetailsDlg.h"
#include "admin/HandicapScoringDlg.h"
#include "admin/ScratchScoringDlg.h"
#include "admin/StandingsSeqDlg.h"
#include "league/BowlingDoc.h"

namespace {

// Writes the value when it differs; TRUE when it did.
template <class Field, class Value>
bool Assign(Field& field, Value value)
{
    const Field newValue = static_cast<Field>(value);
    if (field == newValue)
        return false;
    field = newValue;
    return true;
}

BOOL EditScoring(CBowlingDoc& doc, BOOL bHandicap)
{
    CPointsRule& rule = bHandicap ? doc.m_HcpPoints : doc.m_ScrPoints;
    CPetersenPoints& pp = doc.m_Petersen;
    DWORD& bPetersen = bHandicap ? pp.m_bHandicap : pp.m_bScratch;
    const int p = bHandicap ? PASS_HANDICAP : PASS_SCRATCH;

    CHandicapScoringDlg hcpDlg(&doc);
    CScratchScoringDlg scrDlg(&doc);
    CScoringSystemDlg& dlg = bHandicap ? static_cast<CScoringSystemDlg&>(hcpDlg) : scrDlg;
    dlg.m_bIndividual = rule.m_bIndividual ? 1 : 0;
    dlg.m_bTeam = rule.m_bTeam ? 1 : 0;
    // Whole points in the dialog: an odd half point is dropped.
    for (int g = 0; g < 4; ++g) {
        dlg.m_nIndividualGame[g] = rule.m_nIndividualGame[g] / 2;
        dlg.m_nTeamGame[g] = rule.m_nTeamGame[g] / 2;
        dlg.m_bPetersenColumn[g] = pp.m_bColumn[p][g] ? 1 : 0;
    }
    dlg.m_nIndividualSeries = rule.m_nIndividualSeries / 2;
    dlg.m_nTeamSeries = rule.m_nTeamSeries / 2;
    dlg.m_bBlindCannotWin = rule.m_bBlindCannotWin ? 1 : 0;
    dlg.m_bMostWinsCountsPoints = rule.m_bMostWinsCountsPoints ? 1 : 0;
    dlg.m_bCycleOpponent = doc.m_bCycleOpponent ? 1 : 0;
    dlg.m_bPetersen = bPetersen ? 1 : 0;
    dlg.m_bPetersenColumn[4] = dlg.m_bPetersen;
    for (int g = 0; g < 5; ++g)
        dlg.m_nPinsPerPoint[g] = pp.m_nPinsPerPoint[p][g];
    dlg.m_nRemainderMode = pp.m_nRemainderMode ? 1 : 0;

    if (dlg.DoModal() != IDOK)
        return FALSE;

    bool bChanged = false;
    bChanged |= Assign(rule.m_bBlindCannotWin, dlg.m_bBlindCannotWin);
    bChanged |= Assign(bPetersen, dlg.m_bPetersen);
    for (int g = 0; g < 5; ++g) {
        bChanged |= Assign(pp.m_nPinsPerPoint[p][g], dlg.m_nPinsPerPoint[g]);
        bChanged |= Assign(pp.m_bColumn[p][g], dlg.m_bPetersenColumn[g]);
    }
    bChanged |= Assign(rule.m_bMostWinsCountsPoints, dlg.m_bMostWinsCountsPoints);
    bChanged |= Assign(doc.m_bCycleOpponent, dlg.m_bCycleOpponent);
    bChanged |= Assign(rule.m_bIndividual, dlg.m_bIndividual);
    bChanged |= Assign(rule.m_bTeam, dlg.m_bTeam);
    for (int g = 0; g < 4; ++g) {
        bChanged |= Assign(rule.m_nIndividualGame[g], dlg.m_nIndividualGame[g] * 2);
        bChanged |= Assign(rule.m_nTeamGame[g], dlg.m_nTeamGame[g] * 2);
    }
    bChanged |= Assign(rule.m_nIndividualSeries, dlg.m_nIndividualSeries * 2);
    bChanged |= Assign(rule.m_nTeamSeries, dlg.m_nTeamSeries * 2);
    pp.m_nRemainderMode = static_cast<DWORD>(dlg.m_nRemainderMode);

    doc.UpdateMaxMatchPoints();
    if (bChanged) {
        doc.SetModifiedFlag();
        doc.Recalculate();
    }
    return TRUE;
}

constexpr int kHandicapDefaults[3] = {1, 2, 6};
constexpr int kScratchDefaults[3] = {1, 2, 3};

BOOL EditStandingsSequence(CBowlingDoc& doc, BOOL bHandicap)
{
    CHandicapStandingsSeqDlg hcpDlg;
    CScratchStandingsSeqDlg scrDlg;
    CStandingsSeqDlg& dlg = bHandicap ? static_cast<CStandingsSeqDlg&>(hcpDlg) : scrDlg;
    for (int k = 0; k < 3; ++k) {
        const int nKey = doc.GetStandingsKey(bHandicap, k);
        dlg.m_nKey[k] = nKey != 0 ? nKey : (bHandicap ? kHandicapDefaults[k] : kScratchDefaults[k]);
    }
    if (dlg.DoModal() != IDOK)
        return FALSE;

    const int nBase = bHandicap ? 12 : 0;
    doc.m_dwStandingsKeys &= ~(DWORD(0xFFF) << nBase);
    for (int k = 0; k < 3; ++k)
        doc.m_dwStandingsKeys |= (static_cast<DWORD>(dlg.m_nKey[k]) & 7) << (nBase + 8 - 4 * k);

    doc.SetModifiedFlag();
    doc.m_nDisplayMode = DISPLAY_STANDINGS;
    doc.Recalculate();
    doc.UpdateAllViews(nullptr);
    return TRUE;
}

} // namespace

BOOL CBowlingDoc::EditHandicapDetails()
{
    if (m_nRecalcFrequency == 0 || m_nRecalcFrequency > 99)
        m_nRecalcFrequency = 1;

    CHandicapDetailsDlg dlg(this);
    dlg.m_bRow[0] = m_bOneRuleForAll ? 1 : 0;
    dlg.m_bRow[1] = m_bMenRule ? 1 : 0;
    dlg.m_bRow[2] = m_bWomenRule ? 1 : 0;
    dlg.m_bRow[3] = m_bJuniorsRule ? 1 : 0;
    for (int r = 0; r < 4; ++r) {
        const CHandicapRule& rule = m_HcpRule[r];
        dlg.m_nPercent[r] = rule.m_nPercent;
        dlg.m_nBasis[r] = rule.m_nBasis;
        dlg.m_nMax[r] = rule.m_nMax;
        dlg.m_bApplyMax[r] = rule.m_bApplyMax ? 1 : 0;
        dlg.m_bApplyMin[r] = rule.m_bApplyMin ? 1 : 0;
        dlg.m_nMin[r] = (rule.m_bApplyMin && rule.m_nMin >= -100 && rule.m_nMin <= 300) ? rule.m_nMin : 0;
    }
    dlg.m_bTeamHandicaps = m_bTeamHandicaps ? 1 : 0;
    dlg.m_bZeroBasedPctDiff = m_bZeroBasedPctDiff ? 1 : 0;
    dlg.m_bRound1Scratch = m_bRound1Scratch ? 1 : 0;
    dlg.m_bDrop5 = m_bDrop5 ? 1 : 0;
    dlg.m_nDrop5Games = m_nDrop5Games;
    dlg.m_nDrop5MaxPins = m_nDrop5MaxPins;
    dlg.m_nEnteringAvgGames = m_nEnteringAvgGames;
    dlg.m_nEnteringAvgCutoff = m_nEnteringAvgCutoff;
    dlg.m_nRecalcFrequency = m_nRecalcFrequency;
    dlg.m_nFloatingAvgSeries = m_nFloatingAvgSeries;
    dlg.m_nGamesBeforeHandicap = m_nGamesBeforeHandicap;
    dlg.m_bTruncatedRollingAvg = m_bTruncatedRollingAvg ? 1 : 0;
    dlg.m_nRollingAvgGames = m_nRollingAvgGames;
    dlg.m_bFullAverageForHiAvg = m_bFullAverageForHiAvg ? 1 : 0;
    dlg.m_bPlayingAvgForMostImproved = m_bPlayingAvgForMostImproved ? 1 : 0;
    dlg.m_bShowNegativeMostImproved = m_bShowNegativeMostImproved ? 1 : 0;

    if (dlg.DoModal() != IDOK)
        return FALSE;

    m_bOneRuleForAll = static_cast<DWORD>(dlg.m_bRow[0]);
    m_bMenRule = static_cast<DWORD>(dlg.m_bRow[1]);
    m_bWomenRule = static_cast<DWORD>(dlg.m_bRow[2]);
    m_bJuniorsRule = static_cast<DWORD>(dlg.m_bRow[3]);
    for (int r = 0; r < 4; ++r) {
        CHandicapRule& rule = m_HcpRule[r];
        rule.m_nPercent = static_cast<WORD>(dlg.m_nPercent[r]);
        rule.m_nBasis = static_cast<WORD>(dlg.m_nBasis[r]);
        rule.m_nMax = static_cast<WORD>(dlg.m_nMax[r]);
        rule.m_bApplyMax = static_cast<DWORD>(dlg.m_bApplyMax[r]);
        rule.m_bApplyMin = static_cast<DWORD>(dlg.m_bApplyMin[r]);
        rule.m_nMin = static_cast<short>(dlg.m_nMin[r]);
    }
    m_bTeamHandicaps = static_cast<DWORD>(dlg.m_bTeamHandicaps);
    m_bZeroBasedPctDiff = static_cast<DWORD>(dlg.m_bZeroBasedPctDiff);
    m_bRound1Scratch = static_cast<DWORD>(dlg.m_bRound1Scratch);
    m_bDrop5 = static_cast<DWORD>(dlg.m_bDrop5);
    m_nDrop5Games = static_cast<BYTE>(dlg.m_nDrop5Games);
    m_nDrop5MaxPins = static_cast<BYTE>(dlg.m_nDrop5MaxPins);
    m_nEnteringAvgGames = static_cast<WORD>(dlg.m_nEnteringAvgGames);
    m_nEnteringAvgCutoff = static_cast<BYTE>(dlg.m_nEnteringAvgCutoff);
    m_nRecalcFrequency = static_cast<BYTE>(dlg.m_nRecalcFrequency);
    m_nFloatingAvgSeries = static_cast<BYTE>(dlg.m_nFloatingAvgSeries);
    m_bFloatingAverage = m_nFloatingAvgSeries != 1 ? 1 : 0;
    m_nGamesBeforeHandicap = static_cast<BYTE>(dlg.m_nGamesBeforeHandicap);
    m_bTruncatedRollingAvg = static_cast<DWORD>(dlg.m_bTruncatedRollingAvg);
    m_nRollingAvgGames = static_cast<BYTE>(dlg.m_nRollingAvgGames);
    m_bFullAverageForHiAvg = static_cast<DWORD>(dlg.m_bFullAverageForHiAvg);
    m_bPlayingAvgForMostImproved = static_cast<DWORD>(dlg.m_bPlayingAvgForMostImproved);
    m_bShowNegativeMostImproved = static_cast<DWORD>(dlg.m_bShowNegativeMostImproved);
    for (int r = 0; r < 4; ++r)
        m_dHcpFactor[r] = m_HcpRule[r].m_nPercent * 0.01;
    return TRUE;
}

BOOL CBowlingDoc::EditHandicapScoring() { return EditScoring(*this, TRUE); }
BOOL CBowlingDoc::EditScratchScoring() { return EditScoring(*this, FALSE); }
BOOL CBowlingDoc::EditHandicapStandingsSequence() { return EditStandingsSequence(*this, TRUE); }
BOOL CBowlingDoc::EditScratchStandingsSequence() { return EditStandingsSequence(*this, FALSE); }
