#pragma once

#include <QObject>
#include <QStringList>

#include <utility>

// What every problem window must do, tested the way a user works: open it
// from the menu, tick boxes, type, press "Resolver", read fields and messages.
// A window's test derives from this, says which window it is, and gives its
// case table in a private slot solves_data(), one row per helper call below.
// "boxes" is the pattern of check marks ("0110": Check2 and Check3), "typed"
// the texts typed into Text1..TextN.
class ProblemWindowTest : public QObject
{
    Q_OBJECT

public:
    struct Window {
        const char *menuButton;
        QString objectName;
        int fieldCount;
        int givenBoxes; // a case ticks this many
    };

    explicit ProblemWindowTest(Window window)
        : m_target(std::move(window))
    {
    }

protected:
    static void addColumns();
    // No message; afterwards the fields read as expected.
    static void solved(const char *name, const char *boxes, const QStringList &typed, const QStringList &expected);
    // Exactly this message, and no field rewritten.
    static void rejected(const char *name, const char *boxes, const QStringList &typed, const QString &message);
    // Neither a message nor a field rewritten.
    static void ignored(const char *name, const char *boxes, const QStringList &typed);
    // One row per case from values that fit together: the givens hold their
    // value, the unknowns "0"; afterwards the unknowns read as shown and the
    // givens as typed.
    void solvedFromValuesThatFit(const QList<std::pair<const char *, QString>> &cases, const QStringList &values,
                                 const QStringList &shown) const;

private slots:
    void initTestCase();
    void init();

    void solves();
    void hintsOnTheNoteLine();
    void regresarKeepsTheUsersData();

private:
    Window m_target;
    QWidget *m_window = nullptr;
};
