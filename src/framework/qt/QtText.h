#pragma once
// CString (Windows-1252) to and from QString.
#include <QString>

#include "framework/core/String.h"

inline QString ToQ(const CString& s) { return QString::fromUtf8(s.ToUtf8()); }
inline CString FromQ(const QString& s) { return CString::FromUtf8(s.toUtf8().toStdString()); }
