#include "reports/layout/LayoutItems.h"

#include "reports/layout/DateItem.h"
#include "reports/layout/FixtureItems.h"
#include "reports/layout/HeadingItems.h"
#include "reports/layout/LineItems.h"
#include "reports/layout/NotesItem.h"
#include "reports/layout/OfficersItem.h"
#include "reports/layout/OutstandingItem.h"
#include "reports/layout/ResultCard.h"
#include "reports/layout/ResultSummary.h"
#include "reports/layout/SubHeadingItem.h"

void RegisterReportLayoutItems()
{
    for (const CRuntimeClass* pClass :
         {RUNTIME_CLASS(CRepItem_Heading), RUNTIME_CLASS(CRepItem_Title), RUNTIME_CLASS(CRepItem_Page),
          RUNTIME_CLASS(CRepItem_line), RUNTIME_CLASS(CRepItem_Notes), RUNTIME_CLASS(CRepItem_Officers),
          RUNTIME_CLASS(CRepItem_ResultSummary), RUNTIME_CLASS(CRepItem_Result),
          RUNTIME_CLASS(CRepItem_FixWeek), RUNTIME_CLASS(CRepItem_FixTeam),
          RUNTIME_CLASS(CRepItem_SubHeading), RUNTIME_CLASS(CRepItem_Date), RUNTIME_CLASS(CRepItem_LateGames)})
        CRuntimeClass::Register(pClass);
}
