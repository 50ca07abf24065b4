#include "view/Exports.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "view/DisplayPages.h"
#include "playerdb/PlayerDatabase.h"
#include "view/DisplayHooks.h"
#include "view/MeasureDC.h"
#include "view/RepForm.h"
#include "view/RepItem.h"

#include <vector>

// --- the HTML page ------------------------------------------------------------------------

BOOL HasHtmlReport(int nDisplayMode)
{
    return nDisplayMode == DISPLAY_RESULTS || nDisplayMode == DISPLAY_STANDINGS || nDisplayMode == MODE_ACCOUNTS ||
           (nDisplayMode == MODE_JUNIORS && g_pfnWriteJuniorReportHtml);
}

namespace {

void WritePageHead(CBowlingDoc* pDoc, CStdioFile& file)
{
    CString title = HtmlEscape(pDoc->m_strReportTitle);
    CString league = HtmlEscape(pDoc->m_strLeagueName);
    CString s;
    s.Format("<HTML>\n<HEAD>\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\n"
             "<TITLE>%s</TITLE>\n</HEAD>\n<BODY>\n",
             title.GetString());
    file.WriteString(s);
    // The league header table: the league, its sanction line and the report's title.
    file.WriteString("<CENTER><TABLE WIDTH=100%>\n");
    s.Format("<TR><TD ALIGN=CENTER><H2>%s</H2></TD></TR>\n", league.GetString());
    file.WriteString(s);
    if (!pDoc->m_strSanctionedBy.IsEmpty() || !pDoc->m_strSanctionNumber.IsEmpty()) {
        CString sanction = pDoc->m_strSanctionedBy;
        if (!pDoc->m_strSanctionNumber.IsEmpty())
            sanction += (sanction.IsEmpty() ? "" : "  ") + pDoc->m_strSanctionNumber;
        s.Format("<TR><TD ALIGN=CENTER>%s</TD></TR>\n", HtmlEscape(sanction).GetString());
        file.WriteString(s);
    }
    s.Format("<TR><TD ALIGN=CENTER><H3>%s</H3></TD></TR>\n", title.GetString());
    file.WriteString(s);
    file.WriteString("</TABLE></CENTER>\n");
}

void WriteResults(CBowlingDoc* pDoc, CStdioFile& file)
{
    file.WriteString("<CENTER><TABLE  BORDER=1 WIDTH=99%>\n");
    DWORD bPass = pDoc->m_bHandicapPass;
    for (POSITION pos = pDoc->m_listDisplayItems.GetHeadPosition(); pos;) {
        CRepItem* pItem = static_cast<CRepItem*>(pDoc->m_listDisplayItems.GetNext(pos));
        pItem->m_pDoc = pDoc;
        pItem->WriteHtml(file);
    }
    pDoc->m_bHandicapPass = bPass;
    file.WriteString("</TABLE></CENTER>\n");
}

void WriteLayout(CBowlingDoc* pDoc, CStdioFile& file)
{
    if (!pDoc->m_pCurrentRepForm)
        return;
    // The flow hands out rounds and rows as on the screen.
    CMeasureDC dc;
    pDoc->LayoutReportForm(&dc);
    int nRun = 0;  // 18 or 19 while a run of custom tables is open
    CObList& list = pDoc->m_pCurrentRepForm->m_listItems;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        CRepItem* pItem = static_cast<CRepItem*>(list.GetNext(pos));
        if (pItem->m_nType == RIT_HEADING)
            continue;
        pItem->m_pDoc = pDoc;
        int nType = pItem->m_nType;
        if (nRun != 0 && nType != nRun) {
            file.WriteString("</TABLE></CENTER>\n");
            nRun = 0;
        }
        if (nType == RIT_CUSTOM_PLAYER_STATS && nRun == 0) {
            file.WriteString("<CENTER><TABLE WIDTH=100%>\n");
            nRun = nType;
        } else if (nType == RIT_CUSTOM_STANDINGS) {
            // These tables open their own table.
            nRun = nType;
        }
        pItem->WriteHtml(file);
    }
    // The close after the last run has always been written in this order.
    if (nRun != 0)
        file.WriteString("</CENTER></TABLE>\n");
}

// The accounts rows stand in one table per run between their rules, so that the columns of
// the entries, sub-totals and heading totals line up.
void WriteAccounts(CBowlingDoc* pDoc, CStdioFile& file)
{
    bool bInTable = false;
    for (POSITION pos = pDoc->m_listAccountsItems.GetHeadPosition(); pos;) {
        CRepItem* pItem = static_cast<CRepItem*>(pDoc->m_listAccountsItems.GetNext(pos));
        if (pItem->m_nType == RIT_HEADING || pItem->m_bTemporary == TEMP_FLOW)
            continue;
        pItem->m_pDoc = pDoc;
        const bool bRow = pItem->m_nType >= RIT_ACC_TOT && pItem->m_nType <= RIT_ACC_TOT_HEAD2;
        if (bRow && !bInTable)
            file.WriteString("<CENTER><TABLE WIDTH=100%>\n");
        else if (!bRow && bInTable)
            file.WriteString("</TABLE></CENTER>\n");
        bInTable = bRow;
        pItem->WriteHtml(file);
    }
    if (bInTable)
        file.WriteString("</TABLE></CENTER>\n");
}

// The page shows what the screen shows: a report a command asked for is made first.
void WriteJuniors(CBowlingDoc* pDoc, CStdioFile& file)
{
    if (!g_pfnWriteJuniorReportHtml)
        return;
    CMeasureDC dc;
    pDoc->LayoutJuniorReports(&dc);
    g_pfnWriteJuniorReportHtml(pDoc, file);
}

// Writes what writeLines writes into a new file; FALSE with the reason when it cannot be written.
template <class WriteLines>
BOOL WriteNewFile(const char* pszPath, CString& strError, WriteLines writeLines)
{
    try {
        CStdioFile file;
        CFileException fe;
        if (!file.Open(pszPath, CFile::modeCreate | CFile::modeWrite, &fe)) {
            strError = fe.GetErrorMessage();
            return FALSE;
        }
        writeLines(file);
        file.Close();
    } catch (const CFileException& e) {
        strError = e.GetErrorMessage();
        return FALSE;
    }
    return TRUE;
}

} // namespace

void WriteHtmlReport(CBowlingDoc* pDoc, CStdioFile& file)
{
    if (pDoc->m_nDisplayMode == DISPLAY_STANDINGS && pDoc->m_pCurrentRepForm)
        pDoc->m_strReportTitle = pDoc->m_pCurrentRepForm->m_strTitle;
    WritePageHead(pDoc, file);
    if (pDoc->m_nDisplayMode == DISPLAY_RESULTS)
        WriteResults(pDoc, file);
    else if (pDoc->m_nDisplayMode == MODE_ACCOUNTS)
        WriteAccounts(pDoc, file);
    else if (pDoc->m_nDisplayMode == MODE_JUNIORS)
        WriteJuniors(pDoc, file);
    else
        WriteLayout(pDoc, file);
    file.WriteString("</BODY>\n");
    file.WriteString("</HTML>\n");
}

BOOL WriteHtmlReport(CBowlingDoc* pDoc, const char* pszPath, CString& strError)
{
    if (!HasHtmlReport(pDoc->m_nDisplayMode)) {
        strError = "Only the report layout, the results, the accounts and the junior reports can be written as an HTML page.";
        return FALSE;
    }
    return WriteNewFile(pszPath, strError, [&](CStdioFile& file) { WriteHtmlReport(pDoc, file); });
}

// --- the players' text file -----------------------------------------------------------------

const char* const g_szExportFieldNames[EXPORT_FIELD_COUNT] = {
    "Forename", "Surname", "Phone(home)", "Phone(work)", "Phone(mobile)", "Addr1", "Addr2", "Addr3", "Addr4",
    "Postcode", "Gender", "Jnr/Snr", "DOB dd-mm-yyyy", "DOB mm-dd-yyyy", "User1", "User2", "Unique Id",
    "LGFA Number", "LGFA membership Type", "LGFA Expiry Date (dd-mm-yyyy)", "LGFA Expiry Date (mm-dd-yyyy)",
    "Pinfall", "Games", "PIN No", "Entering Average", "Average", "Average Difference", "High Game Scratch",
    "High Series Scratch", "High Game Hcap", "High Series Hcap", "Percentage Games Played", "Team Name",
};

namespace {

CString DateText(int nDay, int nMonth, int nYear, bool bDayFirst)
{
    CString s;
    if (nDay == 0 || nMonth == 0 || nYear == 0)
        return s;
    if (bDayFirst)
        s.Format("%02d-%02d-%04d", nDay, nMonth, nYear);
    else
        s.Format("%02d-%02d-%04d", nMonth, nDay, nYear);
    return s;
}

// Figures of the pass the league is run on: handicap in a handicap league.
int Pass(const CBowlingDoc* pDoc)
{
    return pDoc->m_bHandicapLeague ? PASS_HANDICAP : PASS_SCRATCH;
}

double Average(const CPlayer* pPlayer, int nPass)
{
    DWORD nGames = pPlayer->m_nGames[nPass];
    return nGames ? static_cast<double>(pPlayer->m_nPins[nPass]) / nGames : 0.0;
}

CString Quoted(const CString& value, BOOL bDoubleQuotes)
{
    bool bNeeds = bDoubleQuotes || value.Find(',') >= 0 || value.Find('"') >= 0 || value.Find('\n') >= 0 ||
                  value.Find('\r') >= 0;
    if (!bNeeds)
        return value;
    CString s = value;
    s.Replace("\"", "\"\"");
    return "\"" + s + "\"";
}

} // namespace

CString GetPlayerExportField(const CBowlingDoc* pDoc, const CPlayer* pPlayer, int nField)
{
    CString s;
    int nPass = Pass(pDoc);
    switch (nField) {
    case 0: return pPlayer->m_strFirstName;
    case 1: return pPlayer->m_strSurname;
    case 2: return pPlayer->m_strPhoneHome;
    case 3: return pPlayer->m_strPhoneWork;
    case 4: return pPlayer->m_strPhoneMobile;
    case 5: case 6: case 7: case 8: case 9: return pPlayer->m_strAddress[nField - 5];
    case 10:
        if (pPlayer->m_wFlags & PF_FEMALE)
            return "F";
        if (pPlayer->m_wFlags & PF_MALE)
            return "M";
        return s;
    case 11: return (pPlayer->m_wFlags & PF_JUNIOR) ? "Jnr" : "Snr";
    case 12: return DateText(pPlayer->m_nBirthDay, pPlayer->m_nBirthMonth, pPlayer->m_nBirthYear, true);
    case 13: return DateText(pPlayer->m_nBirthDay, pPlayer->m_nBirthMonth, pPlayer->m_nBirthYear, false);
    case 14: return pPlayer->m_strUserData1;
    case 15: return pPlayer->m_strUserData2;
    case 16:
        if (pPlayer->m_dwDbKey)
            s = CPlayerDatabase::UniqueRef(pPlayer->m_dwDbKey);
        return s;
    case 17: return pPlayer->m_strMembershipNo;
    case 18: {
        int nType = pPlayer->m_nMembershipType;
        if (nType >= 1 && nType <= pDoc->m_arrMembershipTypes.GetSize())
            return pDoc->m_arrMembershipTypes[nType - 1];
        return s;
    }
    case 19: return DateText(pPlayer->m_nExpiryDay, pPlayer->m_nExpiryMonth, pPlayer->m_nExpiryYear, true);
    case 20: return DateText(pPlayer->m_nExpiryDay, pPlayer->m_nExpiryMonth, pPlayer->m_nExpiryYear, false);
    case 21: s.Format("%lu", static_cast<unsigned long>(pPlayer->m_nPins[nPass])); return s;
    case 22: s.Format("%lu", static_cast<unsigned long>(pPlayer->m_nGames[nPass])); return s;
    case 23: s.Format("%u", static_cast<unsigned>(pPlayer->m_nPin)); return s;
    case 24: s.Format("%d.%d", pPlayer->m_nEnteringAvg / 10, pPlayer->m_nEnteringAvg % 10); return s;
    case 25: s.Format("%.2f", Average(pPlayer, nPass)); return s;
    case 26:
        if (pPlayer->m_nGames[nPass] == 0)
            s = "0.00";
        else
            s.Format("%.2f", Average(pPlayer, nPass) - pPlayer->m_nEnteringAvg / 10.0);
        return s;
    case 27: s.Format("%u", static_cast<unsigned>(pPlayer->m_nHighGame[PASS_SCRATCH])); return s;
    case 28: s.Format("%u", static_cast<unsigned>(pPlayer->m_nHighSeries[PASS_SCRATCH])); return s;
    case 29: s.Format("%u", static_cast<unsigned>(pPlayer->m_nHighGame[PASS_HANDICAP])); return s;
    case 30: s.Format("%u", static_cast<unsigned>(pPlayer->m_nHighSeries[PASS_HANDICAP])); return s;
    case 31: {
        // Of the games the league has bowled so far.
        long nPossible = static_cast<long>(pDoc->m_nCurrentRound) * pDoc->m_nGamesPerMatch;
        double dPct = nPossible > 0 ? 100.0 * pPlayer->m_nGames[nPass] / nPossible : 0.0;
        s.Format("%.2f", dPct);
        return s;
    }
    case 32:
        if (const CTeam* pTeam = pDoc->FindTeam(pPlayer->m_nTeamNo))
            return pTeam->m_strName;
        return s;
    default: return s;
    }
}

namespace {

CString ExportLine(const CBowlingDoc* pDoc, const CPlayer* pPlayer, const int* pFields, int nFields,
                   BOOL bDoubleQuotes)
{
    CString line;
    for (int i = 0; i < nFields; ++i) {
        if (i > 0)
            line += ',';
        line += Quoted(GetPlayerExportField(pDoc, pPlayer, pFields[i]), bDoubleQuotes);
    }
    line += "\r\n";
    return line;
}

} // namespace

BOOL WritePlayersExport(const CBowlingDoc* pDoc, const char* pszPath, const int* pFields, int nFields,
                        BOOL bDoubleQuotes, CString& strError)
{
    return WriteNewFile(pszPath, strError, [&](CStdioFile& file) {
        for (POSITION pos = pDoc->m_listPlayers.GetHeadPosition(); pos;) {
            const CPlayer* pPlayer = static_cast<const CPlayer*>(pDoc->m_listPlayers.GetNext(pos));
            if (!pPlayer->IsRobot())
                file.WriteString(ExportLine(pDoc, pPlayer, pFields, nFields, bDoubleQuotes));
        }
    });
}

BOOL WriteDatabaseExport(CBowlingDoc* pDoc, const char* pszPath, const int* pFields, int nFields,
                         BOOL bDoubleQuotes, CString& strError)
{
    // Only the record's own fields are offered; anything else is left empty.
    std::vector<int> fields;
    for (int i = 0; i < nFields; ++i)
        fields.push_back(pFields[i] < EXPORT_DATABASE_FIELD_COUNT ? pFields[i] : -1);
    // Every line is made before the file is touched: a database that cannot be read leaves the
    // file as it was, or none, never an empty or partial one said to be written.
    std::vector<CString> lines;
    int nUnread = 0;
    {
        CString strWhy;
        if (!pDoc->ReachPlayerDb(&strWhy)) {
            strError = "the player database cannot be reached: " + strWhy;
            return FALSE;
        }
        CPlayb003File& table = pDoc->m_pPlayerDb->GetTable();
        // One look at the files for the whole walk: no other program comes between its steps.
        const CIndexedFile::CUse use(table);
        // The keys first: reading a record by its key moves the table off the walk.
        std::vector<DWORD> keys;
        if (use && table.SelectIndex("Sname") == 0) {
            table.First();
            while (table.Next(1) == 0)
                keys.push_back(table.m_dwKey);
        }
        for (DWORD dwKey : keys) {
            CPlayer player;
            player.m_dwDbKey = dwKey;
            if (pDoc->GetDbasePlayer(&player) != 0) {
                ++nUnread;
                continue;
            }
            lines.push_back(ExportLine(pDoc, &player, fields.data(), nFields, bDoubleQuotes));
        }
        if (!use || !table.IsOpen()) {
            strError = "the player database cannot be reached: " + table.GetErrorText();
            return FALSE;
        }
    }
    BOOL bOk = WriteNewFile(pszPath, strError, [&](CStdioFile& file) {
        for (const CString& line : lines)
            file.WriteString(line);
    });
    if (bOk && nUnread > 0) {
        strError.Format("%d records could not be read and are not in the file.", nUnread);
        return FALSE;
    }
    return bOk;
}
