#include "app/picturedecode.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// A picture decoded on a worker thread: the file its screen wants, and the
// same pixels as reading it on the GUI thread.
class PictureDecodeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QImage plain(6, 4, QImage::Format_RGB32);
        plain.fill(Qt::red);
        plain.setPixel(1, 2, qRgb(0, 0, 255));
        QVERIFY(plain.save(m_dir.filePath(u"pic.png"_s)));
        QImage sharp(12, 8, QImage::Format_RGB32);
        sharp.fill(Qt::green);
        QVERIFY(sharp.save(m_dir.filePath(u"pic@2x.png"_s)));
        QVERIFY(plain.save(m_dir.filePath(u"lone.png"_s)));
    }

    void decodes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("read");       // the file whose pixels arrive
        QTest::addColumn<qreal>("shownRatio");   // the pixmap's device pixel ratio
        QTest::newRow("1x") << u"pic.png"_s << 1.0 << u"pic.png"_s << 1.0;
        QTest::newRow("2x") << u"pic.png"_s << 2.0 << u"pic@2x.png"_s << 2.0;
        QTest::newRow("1.5x takes the sharper file") << u"pic.png"_s << 1.5 << u"pic@2x.png"_s << 2.0;
        QTest::newRow("2x without an @2x file") << u"lone.png"_s << 2.0 << u"lone.png"_s << 1.0;
    }

    void decodes()
    {
        QFETCH(QString, name);
        QFETCH(qreal, ratio);
        QFETCH(QString, read);
        QFETCH(qreal, shownRatio);
        PictureDecode decode(m_dir.filePath(name), ratio);
        const QPixmap pixmap = decode.take();
        QCOMPARE(pixmap.devicePixelRatio(), shownRatio);
        const QImage expected(m_dir.filePath(read));
        QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
    }

    void missingOrBrokenFileGivesNullPixmap_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a picture") << QByteArray("GIF89a but not really");
    }

    void missingOrBrokenFileGivesNullPixmap()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(u"broken.png"_s);
        QFile::remove(path);
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        PictureDecode decode(path, 1.0);
        QVERIFY(decode.take().isNull());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(PictureDecodeTest)
#include "tst_picturedecode.moc"
