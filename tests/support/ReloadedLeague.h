#pragma once
// A league saved and read into another document, as File > Save and File > Open would do it.
#include <gtest/gtest.h>

#include <vector>

#include "league/BowlingDoc.h"

inline ::testing::AssertionResult Reload(CBowlingDoc& doc, CBowlingDoc& into)
{
    std::vector<BYTE> bytes;
    doc.SaveToBytes(bytes);
    CString strError;
    if (into.LoadFromBytes(bytes, "reloaded.lgf", strError))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << strError.GetString();
}
