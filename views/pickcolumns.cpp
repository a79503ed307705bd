#include "views/pickcolumns.h"

#include "views/gridlayouts.h"
#include "views/gridmodel.h"

void ShowPickColumn(GridModel &grid, int column)
{
    for (int c = matchcol::OBB; c <= matchcol::ADB; ++c)
        grid.SetColumnVisible(grid.ColumnAt(c), false);
    grid.SetColumnVisible(grid.ColumnAt(column), true);
}
