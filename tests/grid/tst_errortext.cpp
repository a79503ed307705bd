#include "grid/errortext.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class ErrorTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullStop_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("expected");

        QTest::newRow("conversion error")
            << u"'' is not a valid floating point value"_s
            << u"'' is not a valid floating point value."_s;
        QTest::newRow("already a full stop") << u"Done."_s << u"Done."_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("exclamation sorts before") << u"Stop!"_s << u"Stop!"_s;
        QTest::newRow("quote sorts before") << u"'x'"_s << u"'x'"_s;
        QTest::newRow("comma sorts before") << u"a,"_s << u"a,"_s;
        QTest::newRow("hyphen sorts before") << u"a-"_s << u"a-"_s;
        QTest::newRow("slash sorts after") << u"a/"_s << u"a/."_s;
        QTest::newRow("digit sorts after") << u"value 5"_s << u"value 5."_s;
        QTest::newRow("Cyrillic sorts after") << u"Ошибка"_s << u"Ошибка."_s;
        QTest::newRow("outside the basic plane") << u"x\U0001F600"_s << u"x\U0001F600."_s;
    }

    void fullStop()
    {
        QFETCH(QString, message);
        QFETCH(QString, expected);
        QCOMPARE(errorBoxText(message), expected);
    }

    // Under the Russian locale too (the test's own), counts read "10,646".
    void groupedNumber_data()
    {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("expected");

        QTest::newRow("zero") << qint64(0) << u"0"_s;
        QTest::newRow("three digits") << qint64(999) << u"999"_s;
        QTest::newRow("bytes") << qint64(10646) << u"10,646"_s;
        QTest::newRow("row limit") << qint64(1'000'000) << u"1,000,000"_s;
        QTest::newRow("beyond 32 bits") << qint64(67'108'864'000) << u"67,108,864,000"_s;
    }

    void groupedNumber()
    {
        QFETCH(qint64, number);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(QLocale::Russian));
        const QString text = ::groupedNumber(number);
        QLocale::setDefault(QLocale::system());
        QCOMPARE(text, expected);
    }
};

QTEST_GUILESS_MAIN(ErrorTextTest)
#include "tst_errortext.moc"
