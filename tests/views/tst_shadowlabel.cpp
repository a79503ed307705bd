#include "views/shadowlabel.h"

#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The label's white text over a white page: only the shadow shows.
QImage shown(const QColor &shadow, QPoint offset)
{
    QWidget page;
    page.setAutoFillBackground(true);
    QPalette white = page.palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::white);
    page.setPalette(white);
    auto *label = new ShadowLabel(u"<b>MW</b>"_s, &page);
    QFont big = label->font();
    big.setPixelSize(24);
    label->setFont(big);
    label->setShadow(shadow, offset);
    label->adjustSize();
    page.resize(label->size() + QSize(4, 4));
    return page.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Darkest pixel of the image, and where it is.
QPair<int, QPoint> darkest(const QImage &image)
{
    int lowest = 256;
    QPoint at;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            if (grey < lowest) {
                lowest = grey;
                at = QPoint(x, y);
            }
        }
    }
    return {lowest, at};
}

} // namespace

class ShadowLabelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textIsPlain()
    {
        const ShadowLabel label(u"<b>MW</b>"_s);
        QCOMPARE(label.textFormat(), Qt::PlainText);
    }

    void shadowFallsUnderTheText_data()
    {
        QTest::addColumn<QColor>("shadow");
        QTest::addColumn<bool>("seen");
        QTest::newRow("dark") << QColor(0, 0, 0, 160) << true;
        QTest::newRow("none") << QColor(0, 0, 0, 0) << false;
    }

    void shadowFallsUnderTheText()
    {
        QFETCH(QColor, shadow);
        QFETCH(bool, seen);
        const QImage image = shown(shadow, QPoint(1, 1));
        const auto [grey, at] = darkest(image);
        if (!seen) {
            QCOMPARE(grey, 255);
            return;
        }
        QVERIFY2(grey < 128, qPrintable(QString::number(grey)));
        // Offset by (2, 2) the darkest pixel moves with it.
        const QImage moved = shown(shadow, QPoint(2, 2));
        QCOMPARE(darkest(moved).first, grey);
        QCOMPARE(qGray(moved.pixel(at + QPoint(1, 1))), grey);
    }
};

QTEST_MAIN(ShadowLabelTest)
#include "tst_shadowlabel.moc"
