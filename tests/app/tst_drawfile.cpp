#include "app/drawfile.h"
#include "grid/csvwriter.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A disk that fills up after a few bytes.
class FullDiskFile final : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        if (m_written + len > 40)
            return -1;
        m_written += len;
        return QSaveFile::writeData(data, len);
    }

private:
    qint64 m_written = 0;
};

struct Draw
{
    GridModel grid{matchGridColumns()};

    Draw()
    {
        grid.setDecimalSeparator(u',');
        grid.AppendRows(3);
        for (int r = 0; r < 3; ++r) {
            grid.SetCellText(matchcol::Home, r, u"Home team %1"_s.arg(r));
            grid.SetCellText(matchcol::Pool1, r, u"12,5"_s);
        }
    }
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DrawFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filtersStandForForms()
    {
        QCOMPARE(drawfile::formOfFilter(drawfile::plainFilter()), CsvForm::Plain);
        QCOMPARE(drawfile::formOfFilter(drawfile::spreadsheetFilter()), CsvForm::Spreadsheet);
        QVERIFY(drawfile::plainFilter() != drawfile::spreadsheetFilter());
    }

    void savesBothForms_data()
    {
        QTest::addColumn<CsvForm>("form");
        QTest::newRow("plain") << CsvForm::Plain;
        QTest::newRow("spreadsheet") << CsvForm::Spreadsheet;
    }

    // The file holds exactly what the shared writer writes, and replaces an
    // earlier file whole.
    void savesBothForms()
    {
        QFETCH(CsvForm, form);
        Draw draw;
        QTemporaryDir dir;
        const QString path = dir.filePath(u"draw.csv"_s);
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
        old.close();

        QSaveFile file(path);
        QCOMPARE(drawfile::save(file, u"Тираж 5"_s, draw.grid, form), QString());
        QCOMPARE(contents(path), drawCsv(u"Тираж 5"_s, draw.grid, form));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"draw.csv"_s});
    }

    void failedWriteLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("where"); // relative to a fresh folder
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<bool>("earlierFile");
        QTest::newRow("missing folder") << u"missing/draw.csv"_s << false << false << false;
        QTest::newRow("folder is a file") << u"file/draw.csv"_s << false << false << false;
        QTest::newRow("read-only folder") << u"locked/draw.csv"_s << false << true << false;
        QTest::newRow("disk full, new file") << u"draw.csv"_s << true << false << false;
        QTest::newRow("disk full, earlier file") << u"draw.csv"_s << true << false << true;
    }

    void failedWriteLeavesNothingBehind()
    {
        QFETCH(QString, where);
        QFETCH(bool, fullDisk);
        QFETCH(bool, readOnlyFolder);
        QFETCH(bool, earlierFile);
        if (readOnlyFolder && geteuid() == 0)
            QSKIP("root writes into a read-only folder; the other rows cover a refused write");
        Draw draw;
        QTemporaryDir dir;
        QFile marker(dir.filePath(u"file"_s));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        QVERIFY(QDir(dir.path()).mkdir(u"locked"_s));
        const QString path = dir.filePath(where);
        if (readOnlyFolder)
            QVERIFY(QFile::setPermissions(QFileInfo(path).path(), QFile::ReadOwner | QFile::ExeOwner));
        if (earlierFile) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("earlier");
        }
        const QStringList before = QDir(QFileInfo(path).path()).entryList(QDir::Files);

        QString error;
        if (fullDisk) {
            FullDiskFile file(path);
            error = drawfile::save(file, u"Title"_s, draw.grid, CsvForm::Spreadsheet);
        } else {
            QSaveFile file(path);
            error = drawfile::save(file, u"Title"_s, draw.grid, CsvForm::Spreadsheet);
        }
        QVERIFY2(error.startsWith(u"The draw was not saved to "_s), qPrintable(error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files), before);
        if (earlierFile)
            QCOMPARE(contents(path), "earlier"_ba);
        QFile::setPermissions(dir.filePath(u"locked"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(DrawFileTest)
#include "tst_drawfile.moc"
