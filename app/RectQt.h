#pragma once

#include <QRect>

#include "DiaryGeometry.h"

namespace kadenzo {

// Right and bottom of a DiaryRect are exclusive, as QRect's width and height.
inline QRect ToQRect(const DiaryRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace kadenzo
