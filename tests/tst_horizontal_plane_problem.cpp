// The horizontal-plane problem window: three of m1, m2, μ, a and T given.

#include "support/problem_window_test.h"

#include <QTest>

namespace {

const QString FrictionAtLeastZero = QStringLiteral("El coeficiente de fricción debe ser mayor o igual a cero");
const QString TensionAtLeastZero = QStringLiteral("La tensión debe ser mayor o igual a cero");
const QString TensionAboveZero = QStringLiteral("La tensión debe ser mayor que cero");
const QString AccelerationAtLeastZero = QStringLiteral("La aceleración debe ser mayor o igual a cero");
const QString AccelerationBelowGravity =
    QStringLiteral("La aceleracion debe ser positiva y menor a 9.81 metros sobre segundo al cuadrado");
const QString NoSolution = QStringLiteral("El problema no tiene solución");

} // namespace

class HorizontalPlaneProblem : public ProblemWindowTest
{
    Q_OBJECT

public:
    HorizontalPlaneProblem()
        : ProblemWindowTest({"Command2", "Form9", "Plano Horizontal.", 5,
                             {"Text1", "Text2", "Text3", "Text4", "Text5", "Check1", "Check2", "Check3", "Check4",
                              "Check5", "Command1", "Command2", "Command3"},
                             "Form4"})
    {
    }

private slots:
    void givesBackTheUnknowns_data();
    void rejectsWithOneMessage_data();
    void otherBoxCountsDoNothing_data();
};

void HorizontalPlaneProblem::givesBackTheUnknowns_data()
{
    addColumnsOfResults();
    // m1 = 2, m2 = 3, μ = 0.2 give a = 5.1012 and T = 14.1264 exactly, so any
    // three of them give back the other two; the givens stay as typed ("0,2",
    // not "0,20").
    addRowsFromValuesThatFit({{"case 1: m1, m2, μ", "11100"},
                              {"case 2: m1, m2, a", "11010"},
                              {"case 3: m1, m2, T", "11001"},
                              {"case 4: m1, μ, T", "10101"},
                              {"case 5: m1, a, T", "10011"},
                              {"case 6: m1, μ, a", "10110"},
                              {"case 8: m2, μ, a", "01110"},
                              {"case 9: m2, μ, T", "01101"},
                              {"case 10: μ, a, T", "00111"}},
                             {"2", "3", "0,2", "5,1012", "14,1264"}, {"2,00", "3,00", "0,20", "5,10", "14,13"});

    // a = 3000 · 9.81 / 4000, T = 1000 · 3000 · 9.81 / 4000.
    QTest::newRow("case 1: thousands are grouped") << "11100" << QStringList{"1000", "3000", "0", "0", "0"}
                                                   << QStringList{"1000", "3000", "0", "7,36", "7.357,50"};
    // m1 = 3 · 7.81 / 3.962, T = 3 · 7.81.
    QTest::newRow("case 8: m2 = 3, μ = 0,2, a = 2") << "01110" << QStringList{"9", "3", "0,2", "2", "9"}
                                                   << QStringList{"5,91", "3", "0,2", "2", "23,43"};
    // m1 = T / a, m2 = T / (9.81 − a).
    QTest::newRow("case 10: frictionless table") << "00111" << QStringList{"9", "9", "0", "2", "10"}
                                                << QStringList{"5,00", "1,28", "0", "2", "10"};
    // m2 = 9.81 / 9.81, μ = 9.81 / (9.81 · 2).
    QTest::newRow("case 5: a = 0 is accepted") << "10011" << QStringList{"2", "9", "9", "0", "9,81"}
                                              << QStringList{"2", "1,00", "0,50", "0", "9,81"};
}

void HorizontalPlaneProblem::rejectsWithOneMessage_data()
{
    addColumnsOfMessages();
    addMessageRow("case 1: negative m1", "11100", {"-1", "3", "0,2", "7", "7"},
                  QStringLiteral("Las masas deben ser mayores o iguales a cero"));
    addMessageRow("case 1: negative μ", "11100", {"2", "3", "-0,1", "7", "7"},
                  QStringLiteral("El coeficiente de fricción debe ser mayor o igual cero"));
    addMessageRow("case 1: friction holds the blocks", "11100", {"10", "1", "0,5", "7", "7"}, NoSolution);
    addMessageRow("case 1: both masses zero", "11100", {"0", "0", "0,2", "7", "7"}, NoSolution);
    addMessageRow("case 1: overflow is no solution, not nan", "11100", {"1e308", "1e308", "0", "7", "7"}, NoSolution);
    addMessageRow("case 2: m1 = 0 before negative m2", "11010", {"0", "-3", "7", "5", "7"},
                  QStringLiteral("La masa m1 debe ser mayor a cero"));
    addMessageRow("case 2: negative m2", "11010", {"2", "-3", "7", "5", "7"},
                  QStringLiteral("La masa m2 debe ser mayor o igual a cero"));
    addMessageRow("case 2: negative a", "11010", {"2", "3", "7", "-1", "7"}, AccelerationAtLeastZero);
    addMessageRow("case 2: a above m2 g / (m1 + m2)", "11010", {"2", "3", "7", "6", "7"}, AccelerationAtLeastZero);
    addMessageRow("case 3: negative m1", "11001", {"-2", "3", "7", "7", "14"},
                  QStringLiteral("La masa m1 debe ser mayor o igual a cero"));
    addMessageRow("case 3: m1 = 0", "11001", {"0", "3", "7", "7", "14"}, TensionAboveZero);
    addMessageRow("case 3: T below m1 m2 g / (m1 + m2)", "11001", {"2", "3", "7", "7", "10"}, TensionAboveZero);
    addMessageRow("case 3: T above m2 g", "11001", {"2", "3", "7", "7", "30"}, TensionAboveZero);
    addMessageRow("case 4: negative μ", "10101", {"2", "7", "-1", "7", "5"}, FrictionAtLeastZero);
    addMessageRow("case 4: T above m1 (1 + μ) g", "10101", {"2", "7", "0,2", "7", "30"}, TensionAtLeastZero);
    addMessageRow("case 4: friction holds the blocks", "10101", {"2", "7", "1", "7", "1"}, TensionAtLeastZero);
    addMessageRow("case 5: m1 = 0", "10011", {"0", "7", "7", "5", "14"},
                  QStringLiteral("La masa m1 debe ser mayor a cero"));
    addMessageRow("case 5: a = 9,81", "10011", {"2", "7", "7", "9,81", "14"}, AccelerationBelowGravity);
    addMessageRow("case 5: negative T", "10011", {"2", "7", "7", "5", "-1"}, TensionAtLeastZero);
    addMessageRow("case 5: T too small for a", "10011", {"2", "7", "7", "5", "1"}, TensionAtLeastZero);
    addMessageRow("case 6: negative m1", "10110", {"-2", "7", "0,2", "5", "7"},
                  QStringLiteral("La masa m1 debe ser mayor o igual a cero"));
    addMessageRow("case 6: a = 0", "10110", {"2", "7", "0,2", "0", "7"}, AccelerationBelowGravity);
    // No field is read, so not even letters stop the message.
    addMessageRow("case 7: whatever the fields hold", "01011", {"x", "", "y", "-", "z"},
                  QStringLiteral("El problema no tiene solucion"));
    addMessageRow("case 8: negative m2", "01110", {"7", "-3", "0,2", "2", "7"},
                  QStringLiteral("La masa m2 debe ser mayor que cero"));
    addMessageRow("case 8: negative μ", "01110", {"7", "3", "-0,2", "2", "7"},
                  QStringLiteral("El coeficiente de fricción debe ser mayor que cero"));
    addMessageRow("case 8: μ = 0 and a = 0", "01110", {"7", "3", "0", "0", "7"}, AccelerationAtLeastZero);
    addMessageRow("case 8: a above g", "01110", {"7", "3", "0,2", "12", "7"}, AccelerationAtLeastZero);
    addMessageRow("case 9: m2 = 0", "01101", {"7", "0", "0,2", "7", "5"},
                  QStringLiteral("La masa m2 debe ser mayor a cero"));
    addMessageRow("case 9: negative μ", "01101", {"7", "3", "-0,2", "7", "5"}, FrictionAtLeastZero);
    addMessageRow("case 9: negative T", "01101", {"7", "3", "0,2", "7", "-5"}, TensionAtLeastZero);
    addMessageRow("case 9: T above m2 g", "01101", {"7", "3", "0,2", "7", "30"}, TensionAtLeastZero);
    addMessageRow("case 9: frictionless, T = m2 g", "01101", {"7", "1", "0", "7", "9,81"}, TensionAtLeastZero);
    addMessageRow("case 10: a = 0", "00111", {"7", "7", "0,2", "0", "5"},
                  QStringLiteral("La aceleración debe ser mayor que cero"));
    addMessageRow("case 10: negative μ", "00111", {"7", "7", "-0,2", "2", "5"}, FrictionAtLeastZero);
    addMessageRow("case 10: negative T", "00111", {"7", "7", "0,2", "2", "-5"}, TensionAtLeastZero);
    addMessageRow("case 10: a = 9,81", "00111", {"7", "7", "0,2", "9,81", "5"},
                  QStringLiteral("La gravedad debe ser mayor que la acelaración"));
    addMessageRow("a word is not a number", "11100", {"dos", "3", "0,2", "7", "7"},
                  QStringLiteral("El valor de «Masa 1» no es un número válido."));
    addMessageRow("a decimal point is not read as a number", "11100", {"2", "3", "0.2", "7", "7"},
                  QStringLiteral("El valor de «Coeficiente de fricción» no es un número válido."));
    addMessageRow("the first unreadable field is named", "00111", {"7", "7", "", "2", "abc"},
                  QStringLiteral("El valor de «Coeficiente de fricción» no es un número válido."));
}

void HorizontalPlaneProblem::otherBoxCountsDoNothing_data()
{
    addColumnsOfNothing();
    const QStringList typed{"2", "3", "0,2", "1", "1"};
    QTest::newRow("no box") << "00000" << typed;
    QTest::newRow("one box") << "10000" << typed;
    QTest::newRow("two boxes") << "11000" << typed;
    QTest::newRow("four boxes") << "11110" << typed;
    QTest::newRow("four boxes, case 10 among them") << "01111" << typed;
    QTest::newRow("five boxes") << "11111" << typed;
}

QTEST_MAIN(HorizontalPlaneProblem)
#include "tst_horizontal_plane_problem.moc"
