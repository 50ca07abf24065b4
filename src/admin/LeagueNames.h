#pragma once
// The league's name and officers with their phones, between the document and a league
// details dialog (new or existing league; each names the sanction number its own way).
#include "league/BowlingDoc.h"

template <class Dlg>
void LoadLeagueNames(const CBowlingDoc& doc, Dlg& dlg, CString& strDlgSanctionNumber)
{
    dlg.m_strLeagueName = doc.m_strLeagueName;
    dlg.m_strSanctionedBy = doc.m_strSanctionedBy;
    strDlgSanctionNumber = doc.m_strSanctionNumber;
    dlg.m_strPresident = doc.m_strPresident;
    dlg.m_strVicePresident = doc.m_strVicePresident;
    dlg.m_strSecretary = doc.m_strSecretary;
    dlg.m_strTreasurer = doc.m_strTreasurer;
    dlg.m_strPresidentPhone = doc.m_strPresidentPhone;
    dlg.m_strVicePresidentPhone = doc.m_strVicePresidentPhone;
    dlg.m_strSecretaryPhone = doc.m_strSecretaryPhone;
    dlg.m_strTreasurerPhone = doc.m_strTreasurerPhone;
}

template <class Dlg>
void StoreLeagueNames(const Dlg& dlg, const CString& strDlgSanctionNumber, CBowlingDoc& doc)
{
    doc.m_strLeagueName = dlg.m_strLeagueName;
    doc.m_strSanctionedBy = dlg.m_strSanctionedBy;
    doc.m_strSanctionNumber = strDlgSanctionNumber;
    doc.m_strPresident = dlg.m_strPresident;
    doc.m_strVicePresident = dlg.m_strVicePresident;
    doc.m_strSecretary = dlg.m_strSecretary;
    doc.m_strTreasurer = dlg.m_strTreasurer;
    doc.m_strPresidentPhone = dlg.m_strPresidentPhone;
    doc.m_strVicePresidentPhone = dlg.m_strVicePresidentPhone;
    doc.m_strSecretaryPhone = dlg.m_strSecretaryPhone;
    doc.m_strTreasurerPhone = dlg.m_strTreasurerPhone;
}
