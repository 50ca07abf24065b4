#pragma once
// The awards item's individual report as it prints: each temporary line's texts.
#include "reports/layout/AwardsItem.h"

#include <string>
#include <vector>

// Each award line the item makes, as "name|award|date|score|average".
inline std::vector<std::string> AwardLines(CRepItem_Awards& item)
{
    CObList list;
    item.Expand(list);
    std::vector<std::string> v;
    while (!list.IsEmpty()) {
        CObject* p = list.RemoveHead();
        if (auto* line = dynamic_cast<CRepItem_AwardLine*>(p)) {
            CString t[5];
            line->GetTexts(t);
            v.push_back(std::string(t[0]) + "|" + t[1].GetString() + "|" + t[2].GetString() + "|" +
                        t[3].GetString() + "|" + t[4].GetString());
        }
        delete p;
    }
    return v;
}
