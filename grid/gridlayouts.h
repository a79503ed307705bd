#pragma once

#include "grid/gridcolumn.h"

#include <QList>

// Colours the desktop's scheme stands for on Windows; fixed here so the
// grids look the same on every platform.
namespace systemcolor {
inline const QColor window{255, 255, 255};
inline const QColor inactiveCaption{191, 205, 219};
inline const QColor buttonText{0, 0, 0};
} // namespace systemcolor

// Column numbers of the match grid; fixed for the life of the window.
namespace matchcol {
enum : int {
    Sport = 0, Num = 1, Date = 2, Time = 3, Home = 4, Away = 5,
    Pool1 = 6, PoolX = 7, Pool2 = 8, Book1 = 9, BookX = 10, Book2 = 11,
    PoolJoint1 = 12, PoolJointX = 13, PoolJoint2 = 14, PoolJointCount = 15,
    BookJoint1 = 16, BookJointX = 17, BookJoint2 = 18, BookJointCount = 19,
    PoolSeparate1 = 20, PoolSeparateX = 21, PoolSeparate2 = 22,
    BookSeparate1 = 23, BookSeparateX = 24, BookSeparate2 = 25,
    OBB = 26, DBB = 27, OBP = 28, DBP = 29, AOB = 30, ADB = 31,
    Count = 32
};
} // namespace matchcol

// The 32 columns of the match grid NX.
QList<ColumnSpec> matchGridColumns();

// The five columns of the match detail grid MX.
QList<ColumnSpec> detailGridColumns();
