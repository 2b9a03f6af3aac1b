// The inclined-plane problem window: two of a, θ and μ given.

#include "support/problem_window_test.h"

#include <QTest>

namespace {

const QString AngleRange = QStringLiteral("El Ángulo debe ser mayor a cero y menor a 90 grados");

} // namespace

class InclinedPlaneProblem : public ProblemWindowTest
{
    Q_OBJECT

public:
    InclinedPlaneProblem()
        : ProblemWindowTest({"Command1", "Form8", "Cuestaval.", 3,
                             {"Text1", "Text2", "Text3", "Check1", "Check2", "Check3", "Command2", "Command1", "Command3"},
                             "Form2"})
    {
    }

private slots:
    void givesBackTheUnknowns_data();
    void rejectsWithOneMessage_data();
    void otherBoxCountsDoNothing_data();
};

void InclinedPlaneProblem::givesBackTheUnknowns_data()
{
    addColumnsOfResults();
    // μ = (9.81 sin 30° − 2) / (9.81 cos 30°).
    QTest::newRow("case A: a = 2, θ = 30") << "110" << QStringList{"2", "30", "9"} << QStringList{"2", "30", "0,34"};
    // Only 28° lies within 0.1 of a.
    QTest::newRow("case B: a = 2,9, μ = 0,2") << "101" << QStringList{"2,9", "0", "0,2"}
                                             << QStringList{"2,9", "28,00", "0,2"};
    // 84° to 87° all lie within 0.1; the largest stays.
    QTest::newRow("case B: several angles match") << "101" << QStringList{"9,6", "0", "0,2"}
                                                  << QStringList{"9,6", "87,00", "0,2"};
    // a = (sin 30° − 0.2 cos 30°) · 9.81.
    QTest::newRow("case C: θ = 30, μ = 0,2") << "011" << QStringList{"0", "30", "0,2"}
                                            << QStringList{"3,21", "30", "0,2"};
    QTest::newRow("case C: θ = 90 is accepted") << "011" << QStringList{"0", "90", "0,3"}
                                               << QStringList{"9,81", "90", "0,3"};
}

void InclinedPlaneProblem::rejectsWithOneMessage_data()
{
    addColumnsOfMessages();
    addMessageRow("case A: θ = 0", "110", {"2", "0", "9"}, QStringLiteral("El Ángulo debe ser diferente de cero"));
    addMessageRow("case A: θ = 90", "110", {"2", "90", "9"}, AngleRange);
    addMessageRow("case A: negative θ", "110", {"2", "-5", "9"}, AngleRange);
    addMessageRow("case A: a not below 9,81 sin θ", "110", {"5", "30", "9"},
                  QStringLiteral("9.81 por el seno del ángulo de inclinación debe ser mayor que la aceleración"));
    addMessageRow("case C: the block stays", "011", {"9", "10", "0,5"},
                  QStringLiteral("El problema no tiene solución"));
    addMessageRow("case C: μ = 0", "011", {"9", "30", "0"},
                  QStringLiteral("El coeficiente de fricción de ser mayor que cero"));
    addMessageRow("a word is not a number", "011", {"9", "treinta", "0,2"},
                  QStringLiteral("El valor de «Ángulo» no es un número válido."));
    addMessageRow("a decimal point is not read as a comma", "110", {"2.5", "30", "9"},
                  QStringLiteral("El valor de «Aceleración» no es un número válido."));
    addMessageRow("a is read before θ", "110", {"", "abc", "9"},
                  QStringLiteral("El valor de «Aceleración» no es un número válido."));
    addMessageRow("a grouped number is not 1000", "011", {"9", "1.000", "0,2"},
                  QStringLiteral("El valor de «Ángulo» no es un número válido."));
    addMessageRow("an empty μ", "101", {"2", "9", ""},
                  QStringLiteral("El valor de «Coeficiente de fricción» no es un número válido."));
    // Results that overflow are no solution, never "inf" in a field.
    addMessageRow("case C: huge μ", "011", {"9", "0", "1e308"}, QStringLiteral("El problema no tiene solución"));
    addMessageRow("case A: huge a, θ near 90", "110", {"-1e308", "89,99", "9"},
                  QStringLiteral("El problema no tiene solución"));
}

void InclinedPlaneProblem::otherBoxCountsDoNothing_data()
{
    addColumnsOfNothing();
    QTest::newRow("no box") << "000" << QStringList{"2", "30", "0,2"};
    QTest::newRow("one box") << "100" << QStringList{"2", "30", "0,2"};
    QTest::newRow("three boxes") << "111" << QStringList{"2", "30", "0,2"};
    QTest::newRow("case B: no angle lies within 0,1") << "101" << QStringList{"50", "9", "0,2"};
}

QTEST_MAIN(InclinedPlaneProblem)
#include "tst_inclined_plane_problem.moc"
