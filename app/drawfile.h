#pragma once

#include "grid/csvwriter.h"

#include <QString>

class GridModel;
class QSaveFile;

// Saving the shown draw as a file the user chose.
namespace drawfile {

// The two forms offered in the save dialog, as its filters.
QString plainFilter();
QString spreadsheetFilter();
// The form a filter of the dialog stands for.
CsvForm formOfFilter(const QString &filter);

// Writes the draw through a temporary file beside the target, renamed over it
// only once everything is written: a failed write leaves no half-written file
// and an earlier file as it was. Returns the reason in words when it fails,
// else the empty text.
QString save(QSaveFile &file, const QString &title, const GridModel &grid, CsvForm form);

} // namespace drawfile
