#include "app/desktop.h"
#include "tests/app/fakedesktop.h"
#include "app/mainwindow.h"
#include "app/skin.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The picture as the screen's density wants it: the plain file at 1x, the
// "@2x" file at 2x.
QImage stored(const QString &name, int scale)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString file = scale == 1 ? name : name.first(dot) + u"@2x"_s + name.sliced(dot);
    return QImage(u":/pictures/"_s + file);
}

bool samePixels(const QImage &a, const QImage &b)
{
    return a.size() == b.size()
           && a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// The window's pictures at the screen's density, run once at QT_SCALE_FACTOR=1
// and once at 2 (tests/app/CMakeLists.txt): at 2x each comes from its "@2x"
// file rather than being upscaled, and at 1x start-up decodes no more of the
// About picture than the page shows.
class HiDpiTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        applySkin(*qApp);
        m_scale = qRound(qApp->devicePixelRatio());
        QVERIFY2(m_scale == 1 || m_scale == 2, qPrintable(QString::number(qApp->devicePixelRatio())));
        QCOMPARE(qEnvironmentVariableIntValue("QT_SCALE_FACTOR"), m_scale);
    }

    void aboutPictureAtPageSize()
    {
        FakeDesktop desktop;
        HttpClient http;
        TForm1 form(desktop, http, vendor::serverUrl(u"http://127.0.0.1:1"_s));
        const QPixmap shown = form.Image1->pixmap();
        QCOMPARE(shown.devicePixelRatio(), qreal(m_scale));
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(683, 486));
        QCOMPARE(shown.size(), QSize(683, 486) * m_scale);
        QVERIFY(samePixels(shown.toImage(), stored(u"about.jpg"_s, m_scale)));
    }

    void smallPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("tab"); // a tab image (ImageList2), else the grid's (ImageList1)
        QTest::newRow("football") << u"football.png"_s << 0 << false;
        QTest::newRow("puck") << u"puck.png"_s << 1 << false;
        QTest::newRow("info tab") << u"info.png"_s << 0 << true;
        QTest::newRow("fonbet tab") << u"fonbet.png"_s << 1 << true;
        QTest::newRow("onexbet tab") << u"onexbet.png"_s << 3 << true;
    }

    void smallPictures()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(bool, tab);
        FakeDesktop desktop;
        HttpClient http;
        TForm1 form(desktop, http, vendor::serverUrl(u"http://127.0.0.1:1"_s));
        const QPixmap pixmap = tab ? form.ImageList2.value(index).pixmap(QSize(16, 16), qreal(m_scale))
                                   : form.ImageList1.value(index);
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(16, 16));
        QCOMPARE(pixmap.size(), QSize(16, 16) * m_scale);
        QVERIFY(samePixels(pixmap.toImage(), stored(name, m_scale)));
    }

private:
    int m_scale = 1;
};

QTEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
