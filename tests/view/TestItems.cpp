#include "TestItems.h"

IMPLEMENT_SERIAL(CTestBlockItem, CRepItem, 1)
