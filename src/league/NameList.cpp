#include "league/NameList.h"

#include <algorithm>

CString NameList(const std::vector<CString>& names, const char* pszOneMore, const char* pszMore, bool bSemicolons)
{
    bSemicolons = bSemicolons ||
                  std::any_of(names.begin(), names.end(), [](const CString& name) { return name.Find(',') >= 0; });
    const size_t nNamed = std::min(names.size(), kNamedInANotice);
    CString list;
    for (size_t i = 0; i < nNamed; ++i) {
        if (i > 0)
            list += i + 1 == nNamed && names.size() <= kNamedInANotice ? " and " : bSemicolons ? "; " : ", ";
        list += names[i];
    }
    if (names.size() > kNamedInANotice) {
        const size_t nMore = names.size() - kNamedInANotice;
        list.AppendFormat(" and %zu more", nMore);
        if (const char* pszWord = nMore > 1 ? pszMore : pszOneMore)
            list.AppendFormat(" %s", pszWord);
    }
    return list;
}
