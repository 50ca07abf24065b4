#pragma once
// Junior age categories and the junior report settings.
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"
#include "league/FontData.h"

class CArchive;

class CJuniorCategory : public CObject
{
    DECLARE_SERIAL(CJuniorCategory)
public:
    CJuniorCategory();            // id 0, ages 1..6
    explicit CJuniorCategory(WORD nId); // ages 5..21
    void CopyFrom(const CJuniorCategory& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CJuniorCategory& other) const;

    WORD m_nId;                   // 0 means no category
    CString m_strName;
    BYTE m_nLowerAge;             // inclusive, against the age figure
    BYTE m_nUpperAge;
};

class CJuniorReport : public CObject
{
    DECLARE_SERIAL(CJuniorReport)
public:
    // The report commands' run state, made when first needed.
    struct RunState
    {
        DWORD bJuniorsOrdered = 0;
        DWORD bRebuild = 0;
    };

    CJuniorReport();
    ~CJuniorReport() override;
    // Copies carry the stored fields only; the run state stays with its object.
    CJuniorReport(const CJuniorReport& other);
    CJuniorReport& operator=(const CJuniorReport& other);

    void CopyFrom(const CJuniorReport& other); // stored fields
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CJuniorReport& other) const;
    bool operator==(const CJuniorReport& other) const { return IsSameAs(other); }
    RunState* GetRunState();

    RunState* m_pRunState;        // not stored
    DWORD m_nReportKind;          // 1 admin, 2 detail; not stored
    BYTE m_bOrderByName;
    DWORD m_nSettingA;            // u16 values kept in 32 bits
    DWORD m_nSettingB;
    BYTE m_bTables[4];            // hi game hcp, hi game scr, hi series hcp, hi series scr
    CFontData m_fontTitle;
    CFontData m_fontAdminHeading;
    CFontData m_fontAdminDetail;
    CFontData m_fontStatsHeading;
    CFontData m_fontStatsDetail;
};
