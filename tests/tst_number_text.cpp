#include "ui/number_text.h"

#include <QLocale>
#include <QTest>

#include <limits>

// Numbers are typed and shown with the user's locale; a wrong separator must
// never be taken silently for a different number.
class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void parsesSpanishText_data();
    void parsesSpanishText();
    void rejectsWhatIsNotANumber_data();
    void rejectsWhatIsNotANumber();
    void honoursEnglishLocale();

    void formatsGrouped_data();
    void formatsGrouped();
    void formatsGroupedInEnglish();

    void formatsShortest_data();
    void formatsShortest();
    void shortestReadsBackExactly();
};

void TestNumberText::parsesSpanishText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal comma") << "2,5" << 2.5;
    QTest::newRow("whole number") << "30" << 30.0;
    QTest::newRow("blanks around") << "  0,2 " << 0.2;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("leading comma") << ",5" << 0.5;
    QTest::newRow("huge but finite") << "1e308" << 1e308;
}

void TestNumberText::parsesSpanishText()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const std::optional<double> parsed = ui::parseNumber(text);
    QVERIFY2(parsed.has_value(), qPrintable(text));
    QCOMPARE(*parsed, value);
}

void TestNumberText::rejectsWhatIsNotANumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("point is not the decimal separator") << "2.5";
    QTest::newRow("group separator, not 12345") << "12.345";
    QTest::newRow("empty") << "";
    QTest::newRow("only blanks") << "   ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("number then letters") << "3kg";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("not a number") << "nan";
    QTest::newRow("overflows to infinity") << "1e400";
    QTest::newRow("two commas") << "1,2,3";
}

void TestNumberText::rejectsWhatIsNotANumber()
{
    QFETCH(QString, text);
    QVERIFY2(!ui::parseNumber(text).has_value(), qPrintable(text));
}

void TestNumberText::honoursEnglishLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(ui::parseNumber(QStringLiteral("2.5")), std::optional<double>(2.5));
    QVERIFY(!ui::parseNumber(QStringLiteral("2,5")).has_value());
    QVERIFY(!ui::parseNumber(QStringLiteral("12,345")).has_value());
}

void TestNumberText::formatsGrouped_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("two decimals") << 5.1012 << 2 << "5,10";
    QTest::newRow("rounds half up") << 14.1264 << 2 << "14,13";
    QTest::newRow("thousands grouped even with four digits") << 1234.5 << 2 << "1.234,50";
    QTest::newRow("millions") << 1234567.891 << 2 << "1.234.567,89";
    QTest::newRow("zero") << 0.0 << 2 << "0,00";
    QTest::newRow("negative") << -2.456 << 2 << "-2,46";
    QTest::newRow("negative thousands") << -1234.0 << 2 << "-1.234,00";
    QTest::newRow("tiny negative is not -0,00") << -0.001 << 2 << "0,00";
    QTest::newRow("negative zero") << -0.0 << 2 << "0,00";
    QTest::newRow("three decimals") << 2.45 << 3 << "2,450";
    QTest::newRow("three decimals, tiny negative") << -0.0004 << 3 << "0,000";
    QTest::newRow("three decimals, negative") << -0.98 << 3 << "-0,980";
}

void TestNumberText::formatsGrouped()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(ui::formatGrouped(value, decimals), text);
}

void TestNumberText::formatsGroupedInEnglish()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(ui::format2(1234.5), QStringLiteral("1,234.50"));
    QCOMPARE(ui::format3(-0.98), QStringLiteral("-0.980"));
}

void TestNumberText::formatsShortest_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("quarter") << 0.25 << "0,25";
    QTest::newRow("one") << 1.0 << "1";
    QTest::newRow("five thousandths") << 0.005 << "0,005";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("no grouping") << 1234.5 << "1234,5";
    QTest::newRow("negative") << -0.5 << "-0,5";
}

void TestNumberText::formatsShortest()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(ui::formatShortest(value), text);
}

void TestNumberText::shortestReadsBackExactly()
{
    for (int thousandths = 0; thousandths <= 1000; ++thousandths) {
        const double value = thousandths / 1000.0;
        const QString text = ui::formatShortest(value);
        QCOMPARE(ui::parseNumber(text), std::optional<double>(value));
        QVERIFY2(text.size() <= 5, qPrintable(text));
    }
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
