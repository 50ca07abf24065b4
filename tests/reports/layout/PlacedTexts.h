#pragma once
// Several drawn texts' top-left places checked at once.
#include "DrawnText.h"

#include <gtest/gtest.h>

#include <initializer_list>

struct Placed
{
    const char* text;
    int x, y;
};

inline void ExpectPlaced(const CRecordingDC& dc, std::initializer_list<Placed> places)
{
    for (const Placed& p : places)
        EXPECT_EQ(Pos(dc, p.text), std::make_pair(p.x, p.y)) << p.text;
}
