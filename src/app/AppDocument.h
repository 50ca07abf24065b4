#pragma once
// The league document the application opens.
#ifdef TORVANE_HAVE_LEAGUE
#include "league/BowlingDoc.h"
#else
#include "framework/ui/Ui.h"

// A shell until the league document is part of the build: it keeps the league's name only.
class CBowlingDoc : public CDocument {
    DECLARE_DYNCREATE(CBowlingDoc)
public:
    CString m_strLeagueName;
    void DeleteContents() override { m_strLeagueName.Empty(); }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_strLeagueName;
        else
            ar >> m_strLeagueName;
    }
};
#endif
