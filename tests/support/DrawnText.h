#pragma once
// Where a recorded page put its texts: one text's position, and the texts of one line.
#include "RecordingDC.h"

#include <string>
#include <utility>
#include <vector>

// The top-left of the first text equal to psz, (-1, -1) where none was drawn.
inline std::pair<int, int> Pos(const CRecordingDC& dc, const char* psz)
{
    const DrawCall* p = dc.FindText(psz);
    return p ? std::pair<int, int>(p->x1, p->y1) : std::pair<int, int>(-1, -1);
}

// The texts of the calls drawn at one y, in drawing order.
inline std::vector<std::string> TextsAt(const CRecordingDC& dc, int y)
{
    std::vector<std::string> texts;
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Text && c.y1 == y)
            texts.push_back(c.text.GetString());
    return texts;
}
