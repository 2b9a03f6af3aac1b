// The inclined-plane problem window: two of a, θ and μ given.

#include "support/problem_window_test.h"

#include <QTest>

class InclinedPlaneProblem : public ProblemWindowTest
{
    Q_OBJECT

public:
    InclinedPlaneProblem()
        : ProblemWindowTest({"Command1", "Form8", 3, 2})
    {
    }

private slots:
    void solves_data();
};

void InclinedPlaneProblem::solves_data()
{
    const QString noSolution = QStringLiteral("El problema no tiene solución");
    addColumns();
    // μ = (9.81 sin 30° − 2) / (9.81 cos 30°).
    solved("case A: a = 2, θ = 30", "110", {"2", "30", "9"}, {"2", "30", "0,34"});
    // 84° to 87° all lie within 0.1 of a; the largest stays.
    solved("case B: several angles match", "101", {"9,6", "0", "0,2"}, {"9,6", "87,00", "0,2"});
    // a = (sin 30° − 0.2 cos 30°) · 9.81.
    solved("case C: θ = 30, μ = 0,2", "011", {"0", "30", "0,2"}, {"3,21", "30", "0,2"});

    rejected("case A: θ = 0", "110", {"2", "0", "9"}, QStringLiteral("El ángulo debe ser diferente de cero"));
    rejected("case A: θ = 90", "110", {"2", "90", "9"},
             QStringLiteral("El ángulo debe ser mayor a cero y menor a 90 grados"));
    rejected("case A: a not below 9,81 sin θ", "110", {"5", "30", "9"},
             QStringLiteral("9,81 por el seno del ángulo de inclinación debe ser mayor que la aceleración"));
    rejected("case C: the block stays", "011", {"9", "10", "0,5"}, noSolution);
    rejected("case C: μ = 0", "011", {"9", "30", "0"},
             QStringLiteral("El coeficiente de fricción debe ser mayor que cero"));
    // Results that overflow are no solution, never "inf" in a field.
    rejected("case C: huge μ", "011", {"9", "0", "1e308"}, noSolution);
    rejected("a decimal point is not read as a comma", "110", {"2.5", "30", "9"},
             QStringLiteral("El valor de «Aceleración» no es un número válido."));
    rejected("the first unreadable field is named", "011", {"", "treinta", ""},
             QStringLiteral("El valor de «Ángulo» no es un número válido."));

    ignored("one box", "100", {"2", "30", "0,2"});
    ignored("three boxes", "111", {"2", "30", "0,2"});
    ignored("case B: no angle lies within 0,1", "101", {"50", "9", "0,2"});
}

QTEST_MAIN(InclinedPlaneProblem)
#include "tst_inclined_plane_problem.moc"
