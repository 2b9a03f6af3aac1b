// The horizontal-plane problem window: three of m1, m2, μ, a and T given.

#include "support/problem_window_test.h"

#include <QTest>

class HorizontalPlaneProblem : public ProblemWindowTest
{
    Q_OBJECT

public:
    HorizontalPlaneProblem()
        : ProblemWindowTest({"Command2", "Form9", 5, 3})
    {
    }

private slots:
    void solves_data()
    {
        addColumns();
        // m1 = 2, m2 = 3, μ = 0.2 give a = 5.1012 and T = 14.1264 exactly, so any
        // three of them give back the other two; the givens stay as typed ("0,2",
        // not "0,20").
        solvedFromValuesThatFit({{"case 1: m1, m2, μ", "11100"},
                                 {"case 2: m1, m2, a", "11010"},
                                 {"case 3: m1, m2, T", "11001"},
                                 {"case 4: m1, μ, T", "10101"},
                                 {"case 5: m1, a, T", "10011"},
                                 {"case 6: m1, μ, a", "10110"},
                                 {"case 8: m2, μ, a", "01110"},
                                 {"case 9: m2, μ, T", "01101"},
                                 {"case 10: μ, a, T", "00111"}},
                                {"2", "3", "0,2", "5,1012", "14,1264"}, {"2,00", "3,00", "0,20", "5,10", "14,13"});

        // On the boundary of a check: each is accepted, so a check made strict
        // turns the row into a message.
        solved("case 1: m2 = μ m1, the blocks just at rest", "11100", {"2", "1", "0,5", "7", "7"},
               {"2", "1", "0,5", "0,00", "9,81"});
        solved("case 8: a = g leaves m1 = 0", "01110", {"7", "3", "0,2", "9,81", "7"}, {"0,00", "3", "0,2", "9,81", "0,00"});
        solved("case 9: T = m2 g gives a = 0", "01101", {"7", "2", "0,2", "7", "19,62"}, {"10,00", "2", "0,2", "0,00", "19,62"});

        rejected("case 1: negative m1", "11100", {"-1", "3", "0,2", "7", "7"},
                 "Las masas deben ser mayores o iguales a cero");
        rejected("case 1: negative μ, 'igual a cero' mended", "11100", {"2", "3", "-0,1", "7", "7"},
                 "El coeficiente de fricción debe ser mayor o igual a cero");
        rejected("case 1: overflow is no solution, not nan", "11100", {"1e308", "1e308", "0", "7", "7"},
                 "El problema no tiene solución");
        rejected("case 1: friction holds the blocks", "11100", {"10", "1", "0,5", "0", "0"}, "El problema no tiene solución");
        rejected("case 2: m1 = 0 before negative m2", "11010", {"0", "-3", "7", "5", "7"},
                 "La masa m1 debe ser mayor a cero");
        rejected("case 2: negative m2", "11010", {"2", "-3", "7", "5", "7"},
                 "La masa m2 debe ser mayor o igual a cero");
        rejected("case 2: a above m2 g / (m1 + m2)", "11010", {"2", "3", "7", "6", "7"},
                 "La aceleración debe ser mayor o igual a cero");
        rejected("case 3: negative m1", "11001", {"-2", "3", "7", "7", "14"},
                 "La masa m1 debe ser mayor o igual a cero");
        rejected("case 3: T below m1 m2 g / (m1 + m2)", "11001", {"2", "3", "7", "7", "10"},
                 "La tensión debe ser mayor que cero");
        rejected("case 4: negative μ", "10101", {"2", "7", "-1", "7", "5"},
                 "El coeficiente de fricción debe ser mayor o igual a cero");
        rejected("case 4: T above m1 (1 + μ) g", "10101", {"2", "7", "0,2", "7", "30"},
                 "La tensión debe ser mayor o igual a cero");
        rejected("case 5: a = 9,81", "10011", {"2", "7", "7", "9,81", "14"},
                 "La aceleración debe ser positiva y menor a 9,81 metros sobre segundo al cuadrado");
        // No field is read, so not even letters stop the message.
        rejected("case 7: whatever the fields hold", "01011", {"x", "", "y", "-", "z"},
                 "El problema no tiene solución");
        rejected("case 8: negative m2", "01110", {"7", "-3", "0,2", "2", "7"}, "La masa m2 debe ser mayor que cero");
        rejected("case 8: negative μ", "01110", {"7", "3", "-0,2", "2", "7"},
                 "El coeficiente de fricción debe ser mayor que cero");
        rejected("case 9: m2 = 0", "01101", {"7", "0", "0,2", "7", "5"}, "La masa m2 debe ser mayor a cero");
        rejected("case 9: T lifts m2", "01101", {"0", "2", "0,2", "0", "30"}, "La tensión debe ser mayor o igual a cero");
        rejected("case 10: a = 0", "00111", {"7", "7", "0,2", "0", "5"}, "La aceleración debe ser mayor que cero");
        rejected("case 10: a = 9,81, 'aceleración' mended", "00111", {"7", "7", "0,2", "9,81", "5"},
                 "La gravedad debe ser mayor que la aceleración");
        rejected("a decimal point is not read as a comma", "11100", {"2", "3", "0.2", "7", "7"},
                 "El valor de «Coeficiente de fricción» no es un número válido.");
        rejected("the first unreadable field is named", "00111", {"7", "7", "", "2", "abc"},
                 "El valor de «Coeficiente de fricción» no es un número válido.");

        const QStringList typed{"2", "3", "0,2", "1", "1"};
        ignored("two boxes", "11000", typed);
        ignored("four boxes, case 10 among them", "01111", typed);
        ignored("five boxes", "11111", typed);
    }
};

QTEST_MAIN(HorizontalPlaneProblem)
#include "tst_horizontal_plane_problem.moc"
