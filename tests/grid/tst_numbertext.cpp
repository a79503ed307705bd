#include "grid/numbertext.h"

#include <QTest>

using namespace Qt::StringLiterals;

class NumberTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");

        const QChar point = u'.';
        const QChar comma = u',';
        QTest::newRow("whole") << u"45"_s << point << true << 45.0;
        QTest::newRow("leading zero") << u"045"_s << point << true << 45.0;
        QTest::newRow("blanks around") << u"  45  "_s << point << true << 45.0;
        QTest::newRow("fraction point") << u"12.50"_s << point << true << 12.5;
        QTest::newRow("fraction comma") << u"12,50"_s << comma << true << 12.5;
        QTest::newRow("point on comma desktop") << u"12.5"_s << comma << false << 0.0;
        QTest::newRow("comma on point desktop") << u"12,5"_s << point << false << 0.0;
        QTest::newRow("plus sign") << u"+7"_s << point << true << 7.0;
        QTest::newRow("minus sign") << u"-7.25"_s << point << true << -7.25;
        QTest::newRow("no whole part") << u".5"_s << point << true << 0.5;
        QTest::newRow("no fraction") << u"5."_s << point << true << 5.0;
        QTest::newRow("separator alone") << u"."_s << point << true << 0.0;
        QTest::newRow("exponent") << u"1.5E3"_s << point << true << 1500.0;
        QTest::newRow("lower exponent signed") << u"25e-1"_s << point << true << 2.5;
        QTest::newRow("exponent without digits") << u"1E"_s << point << false << 0.0;
        QTest::newRow("empty") << QString() << point << false << 0.0;
        QTest::newRow("blanks only") << u"   "_s << point << false << 0.0;
        QTest::newRow("sign only") << u"-"_s << point << false << 0.0;
        QTest::newRow("letters") << u"abc"_s << point << false << 0.0;
        QTest::newRow("percent") << u"45%"_s << point << false << 0.0;
        QTest::newRow("thousands") << u"1,000"_s << point << false << 0.0;
        QTest::newRow("inner blank") << u"4 5"_s << point << false << 0.0;
        QTest::newRow("tab") << u"\t45"_s << point << false << 0.0;
        QTest::newRow("hex") << u"0x10"_s << point << false << 0.0;
        QTest::newRow("inf word") << u"inf"_s << point << false << 0.0;
        QTest::newRow("overflow") << u"1e999"_s << point << false << 0.0;
        QTest::newRow("cyrillic digit-like") << u"4\u04355"_s << point << false << 0.0;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        const auto result = numbertext::parse(text, separator);
        QCOMPARE(result.has_value(), accepted);
        if (accepted)
            QCOMPARE(*result, value);
    }

    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("text");

        QTest::newRow("zero") << 0.0 << QChar(u'.') << u"0"_s;
        QTest::newRow("negative zero") << -0.0 << QChar(u'.') << u"0"_s;
        QTest::newRow("whole") << 45.0 << QChar(u'.') << u"45"_s;
        QTest::newRow("fraction point") << 12.5 << QChar(u'.') << u"12.5"_s;
        QTest::newRow("fraction comma") << 12.5 << QChar(u',') << u"12,5"_s;
        QTest::newRow("negative") << -0.75 << QChar(u'.') << u"-0.75"_s;
        QTest::newRow("15 digits") << 123456789012345.0 << QChar(u'.') << u"123456789012345"_s;
        QTest::newRow("16 digits") << 1234567890123456.0 << QChar(u'.') << u"1.23456789012346E15"_s;
        QTest::newRow("1e20") << 1e20 << QChar(u'.') << u"1E20"_s;
        QTest::newRow("rounded to 15") << 0.1 + 0.2 << QChar(u'.') << u"0.3"_s;
        QTest::newRow("smallest fixed") << 0.0001 << QChar(u'.') << u"0.0001"_s;
        QTest::newRow("below 0.0001") << 0.000015 << QChar(u'.') << u"1.5E-5"_s;
        QTest::newRow("below 0.0001 comma") << 0.000015 << QChar(u',') << u"1,5E-5"_s;
        QTest::newRow("tiny negative") << -2e-10 << QChar(u'.') << u"-2E-10"_s;
        QTest::newRow("carry on rounding") << 9.9999999999999999 << QChar(u'.') << u"10"_s;
    }

    void format()
    {
        QFETCH(double, value);
        QFETCH(QChar, separator);
        QFETCH(QString, text);
        QCOMPARE(numbertext::format(value, separator), text);
    }
};

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
