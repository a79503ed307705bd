#include "views/pickcolumns.h"

#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

void ShowPickColumn(GridModel &grid, int column)
{
    for (int c = matchcol::OBB; c <= matchcol::ADB; ++c)
        grid.SetColumnVisible(grid.ColumnAt(c), false);
    grid.SetColumnVisible(grid.ColumnAt(column), true);
}
