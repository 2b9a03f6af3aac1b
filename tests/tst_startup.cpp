#include "app/startup.h"
#include "app/windows.h"
#include "core/number_text.h"
#include "support/gui_driver.h"
#include "ui/form_base.h"
#include "ui/message.h"
#include "ui/navigator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using ui::WindowId;

// What start-up sets for every window: numbers in a locale that writes the
// decimal comma the windows ask for, whatever the machine's language; Qt's
// own words in Spanish; Enter pressing buttons.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::installSpanishTestEnvironment();
        app::installWindows();
    }
    void init() { driver::resetProgram(); }

    void numbersFollowTheNote_data();
    void numbersFollowTheNote();
    void messageBoxesSayAceptar();
    void enterPressesTheFocusedButton();
};

void TestStartup::numbersFollowTheNote_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("numbers");
    QTest::newRow("C") << "C" << "es_ES";
    QTest::newRow("en_US") << "en_US" << "es_ES";
    QTest::newRow("es_MX, a decimal point") << "es_MX" << "es_ES";
    QTest::newRow("es_ES") << "es_ES" << "es_ES";
    QTest::newRow("de_DE, a decimal comma of its own") << "de_DE" << "de_DE";
}

// Fault caught: "0,2" refused (or "0.2" taken) on a machine whose language
// writes a decimal point, though every problem window says to type a comma;
// results and simulation values shown with a point.
void TestStartup::numbersFollowTheNote()
{
    QFETCH(QString, system);
    QFETCH(QString, numbers);
    app::setUpApplication(QLocale(system));
    QCOMPARE(QLocale().name(), numbers);
    QCOMPARE(core::parseNumber(QStringLiteral("0,2")), std::optional(0.2));
    QCOMPARE(core::parseNumber(QStringLiteral("0.2")), std::nullopt);

    // The worked example: 2 kg and 3 kg, μ = 0,2, Enter in the last field.
    ui::navigator().goTo(WindowId::Form9);
    QWidget *problem = ui::navigator().current();
    const QStringList typed{"2", "3", "0,2"};
    for (int i = 0; i < typed.size(); ++i) {
        const QByteArray box = "Check" + QByteArray::number(i + 1), field = "Text" + QByteArray::number(i + 1);
        driver::setChecked(problem, box.constData(), true);
        driver::type(problem, field.constData(), typed.at(i));
    }
    QTest::keyClick(driver::control<QLineEdit>(problem, "Text3"), Qt::Key_Return);
    QCOMPARE(driver::messages(), QStringList());
    QCOMPARE(driver::text(problem, "Text4"), QStringLiteral("5,10"));
    QCOMPARE(driver::text(problem, "Text5"), QStringLiteral("14,13"));

    // 30° and μ = 0,2 on the inclined plane: 9,8 · (sin 30° − 0,2 · cos 30°) = 3,203.
    ui::navigator().goTo(WindowId::Form2);
    QWidget *simulation = ui::navigator().current();
    driver::control<QScrollBar>(simulation, "HScroll1")->setValue(30);
    driver::control<QScrollBar>(simulation, "HScroll2")->setValue(200);
    QCOMPARE(driver::text(simulation, "Text2"), QStringLiteral("0,2"));
    QCOMPARE(driver::text(simulation, "Text3"), QStringLiteral("3,20"));
}

// Fault caught: Qt's translation not loaded, so the only button of every
// message reads "OK" in a Spanish program.
void TestStartup::messageBoxesSayAceptar()
{
    app::setUpApplication(QLocale(QLocale::English, QLocale::UnitedStates));
    QString caption;
    QTimer::singleShot(0, this, [&caption] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        caption = box->button(QMessageBox::Ok)->text().remove(QLatin1Char('&'));
        box->accept();
    });
    ui::setMessageHook({});
    ui::showMessage(nullptr, QStringLiteral("El problema no tiene solución"));
    driver::installSpanishTestEnvironment();
    QCOMPARE(caption, QStringLiteral("Aceptar"));
}

// Fault caught: Enter or Return ignored on a focused button of a window, as
// Qt does outside dialogs.
void TestStartup::enterPressesTheFocusedButton()
{
    app::setUpApplication(QLocale(QLocale::Spanish, QLocale::Spain));
    ui::navigator().goTo(WindowId::Form1);
    QWidget *start = ui::navigator().current();
    QCOMPARE(start->focusWidget(), driver::control<QWidget>(start, "Command2"));
    QTest::keyClick(start->focusWidget(), Qt::Key_Return);
    QCOMPARE(ui::navigator().current()->objectName(), QStringLiteral("Form7"));
    // The menu's third button, with the keypad's Enter.
    QWidget *menu = ui::navigator().current();
    driver::control<QWidget>(menu, "Command3")->setFocus();
    QTest::keyClick(menu->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(ui::navigator().current()->objectName(), QStringLiteral("Form10"));
    QCOMPARE(driver::visibleWindows().size(), 1);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
