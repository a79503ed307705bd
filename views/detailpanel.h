#pragma once

#include <QString>
#include <QStringList>

class GridModel;

// The match detail panel: a title and six method rows copied from one row
// of the match grid.
namespace detailpanel {

// The six method labels, in row order.
const QStringList &methodLabels();

// Date, " ", time, "   ", home, " - ", away: nothing trimmed, limited to
// the characters of Windows-1251.
QString matchTitle(const GridModel &matches, int row);

// Replaces the detail grid's rows with the six method rows of that match.
void fillMethodRows(const GridModel &matches, int row, GridModel &detail);

} // namespace detailpanel
