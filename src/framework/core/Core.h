#pragma once
// The whole framework core in one include.
#include "framework/core/Archive.h"
#include "framework/core/Collections.h"
#include "framework/core/DC.h"
#include "framework/core/File.h"
#include "framework/core/Geometry.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Time.h"
#include "framework/core/Types.h"
