// The Atwood-machine problem window: two of m1, m2, a and T given.

#include "support/problem_window_test.h"

#include <QTest>

namespace {

const QString Mass1AboveZero = QStringLiteral("La masa m1 deben ser mayor que cero");
const QString Mass2AboveZero = QStringLiteral("La masa m2 debe ser mayor que cero");
const QString TensionCapitalAtLeastZero = QStringLiteral("La Tensión debe ser mayor o igual a cero");
const QString NoSolution = QStringLiteral("El problema no tiene solución");

} // namespace

class AtwoodProblem : public ProblemWindowTest
{
    Q_OBJECT

public:
    AtwoodProblem()
        : ProblemWindowTest({"Command3", "Form10", "Máquina de Atwood.", 4,
                             {"Check1", "Check2", "Check3", "Check4", "Text1", "Text2", "Text3", "Text4", "Command1",
                              "Command2", "Command3"},
                             "Form5"})
    {
    }

private slots:
    void givesBackTheUnknowns_data();
    void rejectsWithOneMessage_data();
    void otherBoxCountsDoNothing_data();
};

void AtwoodProblem::givesBackTheUnknowns_data()
{
    addColumnsOfResults();
    // m1 = 3 going down, m2 = 2: a = 9.81 / 5 = 1.962 and T = 12 · 9.81 / 5 =
    // 23.544, so any two of them give back the other two.
    addRowsFromValuesThatFit({{"case 1: m1, m2", "1100"},
                              {"case 2: m1, a", "1010"},
                              {"case 3: m1, T", "1001"},
                              {"case 4: m2, a", "0110"},
                              {"case 5: m2, T", "0101"},
                              {"case 6: a, T", "0011"}},
                             {"3", "2", "1,962", "23,544"}, {"3,00", "2,00", "1,96", "23,54"});

    QTest::newRow("case 1: the lighter m1 gives the same a and T")
        << "1100" << QStringList{"2", "3", "9", "9"} << QStringList{"2", "3", "1,96", "23,54"};
    // T = 2 · 2 · 2 · 9.81 / 4.
    QTest::newRow("case 1: equal masses do not move")
        << "1100" << QStringList{"2", "2", "9", "9"} << QStringList{"2", "2", "0,00", "19,62"};
    QTest::newRow("case 3: no tension is free fall")
        << "1001" << QStringList{"3", "9", "9", "0"} << QStringList{"3", "0,00", "9,81", "0"};
    // T = 1000 · (9.81 + 0.19), m1 = T / 9.62.
    QTest::newRow("case 4: thousands are grouped")
        << "0110" << QStringList{"9", "1000", "0,19", "9"} << QStringList{"1.039,50", "1000", "0,19", "10.000,00"};
}

void AtwoodProblem::rejectsWithOneMessage_data()
{
    addColumnsOfMessages();
    addMessageRow("case 1: m2 = 0 is told before m1 = 0", "1100", {"0", "0", "7", "7"}, Mass2AboveZero);
    addMessageRow("case 1: m1 = 0", "1100", {"0", "2", "7", "7"}, Mass1AboveZero);
    addMessageRow("case 1: overflow is no solution, not nan", "1100", {"1e308", "1e308", "7", "7"}, NoSolution);
    addMessageRow("case 2: a = 0", "1010", {"3", "7", "0", "7"},
                  QStringLiteral("La aceleracion debe ser mayor que cero"));
    addMessageRow("case 2: m1 = 0", "1010", {"0", "7", "1", "7"}, Mass1AboveZero);
    addMessageRow("case 2: a = 9,81", "1010", {"3", "7", "9,81", "7"},
                  QStringLiteral("La aceleración de la gravedad debe ser mayor que la aceleración"));
    addMessageRow("case 3: negative T", "1001", {"3", "7", "7", "-1"}, TensionCapitalAtLeastZero);
    addMessageRow("case 3: m1 = 0", "1001", {"0", "7", "7", "10"}, Mass1AboveZero);
    addMessageRow("case 3: T above m1 g", "1001", {"3", "7", "7", "30"}, NoSolution);
    addMessageRow("case 4: negative m2", "0110", {"7", "-2", "1", "7"},
                  QStringLiteral("La masa m2 debe ser mayor o igual a cero"));
    addMessageRow("case 4: negative a", "0110", {"7", "2", "-1", "7"},
                  QStringLiteral("La aceleración debe ser mayor o igual a cero"));
    addMessageRow("case 4: a = 9,81", "0110", {"7", "2", "9,81", "7"},
                  QStringLiteral("La aceleración debe ser menor o igual que la aceleración de la gravedad"));
    addMessageRow("case 5: m2 = 0", "0101", {"7", "0", "7", "10"}, Mass2AboveZero);
    addMessageRow("case 5: negative T", "0101", {"7", "2", "7", "-1"},
                  QStringLiteral("La tensión debe ser mayor o igual a cero"));
    addMessageRow("case 5: T below m2 g", "0101", {"7", "2", "7", "10"}, NoSolution);
    addMessageRow("case 5: T not below 2 m2 g", "0101", {"7", "2", "7", "40"}, NoSolution);
    addMessageRow("case 6: negative T", "0011", {"7", "7", "1", "-1"}, TensionCapitalAtLeastZero);
    addMessageRow("case 6: negative a", "0011", {"7", "7", "-1", "10"},
                  QStringLiteral("La aceleracion debe ser mayor o igual a cero"));
    addMessageRow("case 6: a = 9,81", "0011", {"7", "7", "9,81", "10"},
                  QStringLiteral("La aceleracion de la gravedad debe ser mayor que la aceleracion"));
    addMessageRow("a unit after the number is not read", "1100", {"3 kg", "2", "7", "7"},
                  QStringLiteral("El valor de «Masa 1» no es un número válido."));
    addMessageRow("the first unreadable field is named", "0011", {"7", "7", "abc", ""},
                  QStringLiteral("El valor de «Aceleración» no es un número válido."));
}

void AtwoodProblem::otherBoxCountsDoNothing_data()
{
    addColumnsOfNothing();
    const QStringList typed{"3", "2", "1", "1"};
    QTest::newRow("no box") << "0000" << typed;
    QTest::newRow("one box") << "1000" << typed;
    QTest::newRow("three boxes") << "1110" << typed;
    QTest::newRow("three boxes, case 6 among them") << "0111" << typed;
    QTest::newRow("four boxes") << "1111" << typed;
}

QTEST_MAIN(AtwoodProblem)
#include "tst_atwood_problem.moc"
