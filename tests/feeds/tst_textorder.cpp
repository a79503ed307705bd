#include "feeds/textorder.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TextOrderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compare_data()
    {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<int>("expected"); // sign of a against b

        QTest::newRow("equal") << "45"_ba << "45"_ba << 0;
        QTest::newRow("both empty") << QByteArray() << QByteArray("") << 0;
        QTest::newRow("9 above 45") << "9"_ba << "45"_ba << 1;
        QTest::newRow("100 below 45") << "100"_ba << "45"_ba << -1;
        QTest::newRow("4 below 45: a beginning sorts first") << "4"_ba << "45"_ba << -1;
        QTest::newRow("045 below 45") << "045"_ba << "45"_ba << -1;
        QTest::newRow("leading blank sorts lower") << " 45"_ba << "45"_ba << -1;
        QTest::newRow("empty lowest") << QByteArray() << "\x01"_ba << -1;
        QTest::newRow("empty against zero byte") << QByteArray() << QByteArray("\0", 1) << -1;
        QTest::newRow("8-bit byte above ASCII") << "\xe0"_ba << "z"_ba << 1;
        QTest::newRow("0xff above 0x80") << "\xff"_ba << "\x80"_ba << 1;
        QTest::newRow("first difference decides") << "12\x80"_ba << "13"_ba << -1;
        QTest::newRow("case matters") << "a"_ba << "B"_ba << 1;
    }

    void compare()
    {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(int, expected);

        const auto sign = [](std::strong_ordering o) { return o < 0 ? -1 : o > 0 ? 1 : 0; };
        QCOMPARE(sign(compareText(a, b)), expected);
        QCOMPARE(sign(compareText(b, a)), -expected);
    }
};

QTEST_GUILESS_MAIN(TextOrderTest)
#include "tst_textorder.moc"
