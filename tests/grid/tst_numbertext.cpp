#include "grid/numbertext.h"

#include <QScopeGuard>
#include <QTest>

#include <clocale>
#include <string>

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
        QTest::newRow("overflow in the digits") << QString(400, u'9') << point << false << 0.0;
        QTest::newRow("underflow reads zero") << u"1e-400"_s << point << true << 0.0;
        QTest::newRow("underflow in the fraction") << u"0."_s + QString(400, u'0') + u"1"_s << point << true << 0.0;
        QTest::newRow("huge exponent of zero") << u"0e99999999999999999999"_s << point << true << 0.0;
        QTest::newRow("leading zeros of a whole number") << QString(1000, u'0') + u"17"_s << point << true << 17.0;
        QTest::newRow("16 digits") << u"1234567890123456"_s << point << true << 1234567890123456.0;
        QTest::newRow("20 digits") << u"12345678901234567890"_s << point << true << 12345678901234567890.0;
        QTest::newRow("denormal") << u"4.9e-324"_s << point << true << 4.9e-324;
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
        QTest::newRow("negative whole") << -45.0 << QChar(u'.') << u"-45"_s;
        QTest::newRow("15 fraction digits") << 0.123456789012345 << QChar(u'.') << u"0.123456789012345"_s;
        QTest::newRow("whole and fraction") << 123456.7 << QChar(u',') << u"123456,7"_s;
        QTest::newRow("zeros after the point") << 0.00012 << QChar(u'.') << u"0.00012"_s;
        QTest::newRow("1e-5") << 1e-5 << QChar(u'.') << u"1E-5"_s;
        QTest::newRow("1e15") << 1e15 << QChar(u'.') << u"1E15"_s;
        QTest::newRow("1.5e15") << 1.5e15 << QChar(u',') << u"1,5E15"_s;
        QTest::newRow("half past 1e14") << 1e14 + 0.5 << QChar(u'.') << u"100000000000000"_s;
        QTest::newRow("16 nines") << 99999.99999999999 << QChar(u'.') << u"100000"_s;
        QTest::newRow("largest range") << 1.7e308 << QChar(u'.') << u"1.7E308"_s;
        QTest::newRow("smallest normal") << 2.2250738585072014e-308 << QChar(u'.') << u"2.2250738585072E-308"_s;
        QTest::newRow("subnormal") << 5e-324 << QChar(u'.') << u"4.94065645841247E-324"_s;
    }

    void format()
    {
        QFETCH(double, value);
        QFETCH(QChar, separator);
        QFETCH(QString, text);
        QCOMPARE(numbertext::format(value, separator), text);
        // The 8-bit form writes the same characters.
        char buf[numbertext::kFormatBufferSize];
        const int n = numbertext::format(value, char(separator.unicode()), buf);
        QCOMPARE(QString::fromLatin1(buf, n), text);
    }

    void parseBytes_data() { parse_data(); }

    // The 8-bit form accepts and refuses the same texts.
    void parseBytes()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        // UTF-8 keeps ASCII as it is and turns the rest into bytes above it.
        const QByteArray bytes = text.toUtf8();
        const auto result = numbertext::parse(bytes, char(separator.unicode()));
        QCOMPARE(result.has_value(), accepted);
        if (accepted)
            QCOMPARE(*result, value);
    }

    // The C library's locale plays no part in either direction: under a
    // decimal-comma locale "28.5" with the point as separator is 28.5, and
    // 28.5 shows with whichever separator the grid uses.
    void independentOfTheCLocale_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::newRow("C") << "C"_ba;
        QTest::newRow("Russian") << "ru_RU.UTF-8"_ba;
        QTest::newRow("German") << "de_DE.UTF-8"_ba;
    }

    void independentOfTheCLocale()
    {
        QFETCH(QByteArray, locale);
        const std::string before = std::setlocale(LC_ALL, nullptr);
        const auto restore = qScopeGuard([&] { std::setlocale(LC_ALL, before.c_str()); });
        // A missing locale fails the test: set-up generates both.
        QVERIFY2(std::setlocale(LC_ALL, locale.constData()), "locale missing: run scripts/setup.sh");

        QCOMPARE(numbertext::parse(u"28,5", u','), 28.5);
        QCOMPARE(numbertext::parse(u"28.5", u'.'), 28.5);
        QCOMPARE(numbertext::parse(u"1.5E3", u'.'), 1500.0);
        QCOMPARE(numbertext::parse("28,5", ','), 28.5);
        QCOMPARE(numbertext::parse("28.5", '.'), 28.5);
        QCOMPARE(numbertext::parse(u"28.5", u','), std::nullopt);
        QCOMPARE(numbertext::parse(u"28,5", u'.'), std::nullopt);
        QCOMPARE(numbertext::format(28.5, u','), u"28,5"_s);
        QCOMPARE(numbertext::format(28.5, u'.'), u"28.5"_s);
        QCOMPARE(numbertext::format(0.000015, u','), u"1,5E-5"_s);
    }
};

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
