// The Atwood-machine problem window: two of m1, m2, a and T given.

#include "support/problem_window_test.h"

#include <QTest>

class AtwoodProblem : public ProblemWindowTest
{
    Q_OBJECT

public:
    AtwoodProblem()
        : ProblemWindowTest({"Command3", "Form10", 4, 2})
    {
    }

private slots:
    void solves_data()
    {
        addColumns();
        // m1 = 3 going down, m2 = 2: a = 9.81 / 5 = 1.962 and T = 12 · 9.81 / 5 =
        // 23.544, so any two of them give back the other two.
        solvedFromValuesThatFit({{"case 1: m1, m2", "1100"},
                                 {"case 2: m1, a", "1010"},
                                 {"case 3: m1, T", "1001"},
                                 {"case 4: m2, a", "0110"},
                                 {"case 5: m2, T", "0101"},
                                 {"case 6: a, T", "0011"}},
                                {"3", "2", "1,962", "23,544"}, {"3,00", "2,00", "1,96", "23,54"});
        solved("case 1: the lighter m1 gives the same a and T", "1100", {"2", "3", "9", "9"}, {"2", "3", "1,96", "23,54"});
        // On the boundary of a check: each is accepted.
        solved("case 3: T = 0 leaves m1 in free fall", "1001", {"3", "7", "7", "0"}, {"3", "0,00", "9,81", "0"});
        solved("case 5: T = m2 g, the masses balance", "0101", {"7", "2", "7", "19,62"}, {"2,00", "2", "0,00", "19,62"});
        solved("case 6: a = 0, the masses balance", "0011", {"7", "7", "0", "9,81"}, {"1,00", "1,00", "0", "9,81"});

        rejected("case 1: m2 = 0 is told before m1 = 0", "1100", {"0", "0", "7", "7"},
                 "La masa m2 debe ser mayor que cero");
        rejected("case 1: m1 = 0", "1100", {"0", "2", "7", "7"}, "La masa m1 debe ser mayor que cero");
        rejected("case 1: overflow is no solution, not nan", "1100", {"1e308", "1e308", "7", "7"},
                 "El problema no tiene solución");
        rejected("case 2: a = 0", "1010", {"3", "7", "0", "7"}, "La aceleración debe ser mayor que cero");
        rejected("case 2: a = 9,81", "1010", {"3", "7", "9,81", "7"},
                 "La aceleración de la gravedad debe ser mayor que la aceleración");
        rejected("case 3: negative T", "1001", {"3", "7", "7", "-1"}, "La tensión debe ser mayor o igual a cero");
        rejected("case 3: T holds m1", "1001", {"3", "0", "0", "30"}, "El problema no tiene solución");
        rejected("case 4: negative m2", "0110", {"7", "-2", "1", "7"}, "La masa m2 debe ser mayor o igual a cero");
        rejected("case 4: negative a", "0110", {"7", "2", "-1", "7"}, "La aceleración debe ser mayor o igual a cero");
        rejected("case 4: a = 9,81", "0110", {"7", "2", "9,81", "7"},
                 "La aceleración debe ser menor o igual que la aceleración de la gravedad");
        rejected("case 5: negative T", "0101", {"7", "2", "7", "-1"}, "La tensión debe ser mayor o igual a cero");
        rejected("case 5: T needs an endless m1", "0101", {"0", "2", "0", "40"}, "El problema no tiene solución");
        rejected("case 6: negative a", "0011", {"7", "7", "-1", "10"}, "La aceleración debe ser mayor o igual a cero");
        rejected("case 6: a = 9,81", "0011", {"7", "7", "9,81", "10"},
                 "La aceleración de la gravedad debe ser mayor que la aceleración");
        rejected("a unit after the number is not read", "1100", {"3 kg", "2", "7", "7"},
                 "El valor de «Masa 1» no es un número válido.");
        rejected("the first unreadable field is named", "0011", {"7", "7", "abc", ""},
                 "El valor de «Aceleración» no es un número válido.");

        const QStringList typed{"3", "2", "1", "1"};
        ignored("one box", "1000", typed);
        ignored("three boxes, case 6 among them", "0111", typed);
        ignored("four boxes", "1111", typed);
    }
};

QTEST_MAIN(AtwoodProblem)
#include "tst_atwood_problem.moc"
