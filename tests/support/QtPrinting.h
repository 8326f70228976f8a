#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <ostream>

// Geometry in failure messages as numbers, not bytes.
inline void PrintTo(const QPoint &point, std::ostream *out)
{
    *out << "(" << point.x() << ", " << point.y() << ")";
}

inline void PrintTo(const QSize &size, std::ostream *out)
{
    *out << size.width() << " x " << size.height();
}

inline void PrintTo(const QRect &rect, std::ostream *out)
{
    *out << rect.width() << " x " << rect.height() << " at (" << rect.x() << ", " << rect.y() << ")";
}
