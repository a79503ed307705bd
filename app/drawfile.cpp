#include "app/drawfile.h"

#include <QDir>
#include <QSaveFile>

using namespace Qt::StringLiterals;

QString drawfile::plainFilter()
{
    return u"CSV, comma-separated (*.csv)"_s;
}

QString drawfile::spreadsheetFilter()
{
    return u"CSV for a spreadsheet in this locale (*.csv)"_s;
}

CsvForm drawfile::formOfFilter(const QString &filter)
{
    return filter == spreadsheetFilter() ? CsvForm::Spreadsheet : CsvForm::Plain;
}

QString drawfile::save(QSaveFile &file, const QString &title, const GridModel &grid, CsvForm form)
{
    const auto notSaved = [&file](const QString &reason) {
        return u"The draw was not saved to %1: %2"_s.arg(QDir::toNativeSeparators(file.fileName()), reason);
    };
    const auto failed = [&file, &notSaved](const QString &reason) {
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return notSaved(reason);
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    if (!writeDrawCsv(file, title, grid, form))
        return failed(file.errorString().isEmpty() ? u"the file refused the text"_s : file.errorString());
    if (!file.commit())
        return notSaved(file.errorString());
    return {};
}
