#include "core/text/number_text.h"

#include <QLocale>
#include <QTest>

namespace {

const QLocale Spanish(QLocale::Spanish, QLocale::Spain);
const QLocale English(QLocale::English, QLocale::UnitedStates);

} // namespace

// Numbers are typed and shown with the user's locale; a wrong separator must
// never be taken silently for a different number. Fields holding a point,
// letters, a unit or nothing are the problem windows' rows.
class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void parses_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<double>>("value");
        const std::optional<double> rejected;
        QTest::newRow("decimal comma") << Spanish << "2,5" << std::optional(2.5);
        QTest::newRow("blanks around") << Spanish << "  0,2 " << std::optional(0.2);
        QTest::newRow("negative") << Spanish << "-5" << std::optional(-5.0);
        QTest::newRow("group separator, not 12345") << Spanish << "12.345" << rejected;
        QTest::newRow("infinity") << Spanish << "inf" << rejected;
        QTest::newRow("not a number") << Spanish << "nan" << rejected;
        QTest::newRow("overflows to infinity") << Spanish << "1e400" << rejected;
        QTest::newRow("en_US: decimal point") << English << "2.5" << std::optional(2.5);
        QTest::newRow("en_US: comma is not the decimal separator") << English << "2,5" << rejected;
        QTest::newRow("en_US: group separator, not 12.345") << English << "12,345" << rejected;
    }

    void parses()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(std::optional<double>, value);
        QLocale::setDefault(locale);
        QCOMPARE(core::parseNumber(text), value);
    }

    void suggestsTheLocaleSeparator_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<QString>>("meant");
        const std::optional<QString> none;
        QTest::newRow("a point for the comma") << Spanish << " 0.2" << std::optional<QString>("0,2");
        QTest::newRow("three decimals after 0") << Spanish << "0.250" << std::optional<QString>("0,250");
        QTest::newRow("maybe thousands: no guess") << Spanish << "12.345" << none;
        QTest::newRow("two points") << Spanish << "1.2.3" << none;
        QTest::newRow("a number already") << Spanish << "2,5" << none;
        QTest::newRow("en_US: a comma for the point") << English << "9,81" << std::optional<QString>("9.81");
    }

    // Fault caught: a hint that turns 12.345 (twelve thousand in Spanish)
    // into 12,345, or that offers a text that is still no number.
    void suggestsTheLocaleSeparator()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        QLocale::setDefault(locale);
        QTEST(core::withLocaleDecimal(typed), "meant");
    }

    // decimals -1 is the shortest form.
    void formats_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("thousands grouped even with four digits") << Spanish << 1234.5 << 2 << "1.234,50";
        QTest::newRow("millions") << Spanish << 1234567.891 << 2 << "1.234.567,89";
        QTest::newRow("negative thousands") << Spanish << -1234.0 << 2 << "-1.234,00";
        QTest::newRow("tiny negative is not -0,00") << Spanish << -0.001 << 2 << "0,00";
        QTest::newRow("negative zero") << Spanish << -0.0 << 2 << "0,00";
        QTest::newRow("three decimals, tiny negative") << Spanish << -0.0004 << 3 << "0,000";
        QTest::newRow("three decimals, negative") << Spanish << -0.98 << 3 << "-0,980";
        QTest::newRow("shortest quarter") << Spanish << 0.25 << -1 << "0,25";
        QTest::newRow("shortest one") << Spanish << 1.0 << -1 << "1";
        QTest::newRow("shortest five thousandths") << Spanish << 0.005 << -1 << "0,005";
        QTest::newRow("shortest has no grouping") << Spanish << 1234.5 << -1 << "1234,5";
        QTest::newRow("en_US: grouped") << English << 1234.5 << 2 << "1,234.50";
        QTest::newRow("en_US: shortest") << English << 0.25 << -1 << "0.25";
    }

    void formats()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(decimals < 0 ? core::formatShortest(value) : core::formatGrouped(value, decimals), text);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
