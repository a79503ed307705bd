#pragma once

class GridModel;

// Hides the six pick columns (26 to 31) in order and shows the chosen one.
void ShowPickColumn(GridModel &grid, int column);
