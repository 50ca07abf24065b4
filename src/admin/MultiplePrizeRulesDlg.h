#pragma once
// "Multiple Prize Rules": the rules of high team and high player prizes, on the document's
// CAwardRestrictions; OK writes them, Cancel leaves them.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CAwardRestrictions;

class CMultiplePrizeRulesDlg : public CDialog
{
public:
    enum { IDD = IDD_MULTIPLE_PRIZE_RULES };
    explicit CMultiplePrizeRulesDlg(CAwardRestrictions* pRules, CWnd* pParent = nullptr)
        : CDialog(IDD, pParent), m_pRules(pRules)
    {
    }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnSelchange();
    // Rule 0 disables both priorities, 1 the second, 2 the first.
    void UpdateEnabling();

    CAwardRestrictions* m_pRules;

    DECLARE_MESSAGE_MAP()
};
