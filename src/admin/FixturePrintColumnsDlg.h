#pragma once
// "Fixture Print Columns": in how many columns (1 to 3) the fixtures of a round are printed.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CFixturePrintColumnsDlg : public CDialog
{
public:
    enum { IDD = IDD_FIXTURE_PRINT_COLUMNS };
    explicit CFixturePrintColumnsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    UINT m_nColumns = 1;

    // Fixture > Set Fixtures Print Columns: after OK the league keeps the choice and is
    // repainted. TRUE after OK.
    static BOOL Run(CBowlingDoc* pDoc);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
