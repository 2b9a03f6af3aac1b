#pragma once

#include "core/exercises/exercise.h"
#include "gui/ui/form_base.h"

#include <QList>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSvgWidget;

// The practice: the program poses one of the three problems with fresh
// numbers, checks the student's answers (three tries), names the likely
// mistake behind a wrong one, and then shows the answers, the worked
// solution and the run. Every exercise has a code that poses it again.
class Form11 : public ui::FormBase
{
    Q_OBJECT

public:
    explicit Form11(QWidget *parent = nullptr);

    // The exercise on screen, if one is posed.
    const std::optional<exercises::Exercise> &exercise() const { return m_exercise; }

protected:
    void Form_Load() override;

private slots:
    void Command1_Click(); // Comprobar
    void Command2_Click(); // Regresar
    void Command3_Click(); // Ver simulación
    void Command4_Click(); // Ver resolución
    void Command5_Click(); // Nuevo ejercicio
    void Command6_Click(); // Ir
    void Command7_Click(); // Preparar una hoja…
    void Combo1_Click();
    void Combo2_Click();

private:
    // One answer field with what stands around it.
    struct AnswerRow {
        QLabel *symbol;  // "a ="
        QLineEdit *field;
        QLabel *unit;    // "m/s²", empty for μ
        QLabel *verdict; // "Correcto", "Incorrecto"; hidden until a check
        // The verdict apart: it shows only once the answer is checked.
        void setVisible(bool visible) const;
    };

    void fillQuestions();
    void rememberChoice() const;
    void restoreChoice();
    void pose(const exercises::Exercise &exercise);
    void showDiagram(exercises::ProblemKind problem);
    // After a right answer or the last try: the answers, and the way to the
    // working and the run.
    void finish();
    void showSessionCount();

    QLabel *Label1; // "Problema"
    QComboBox *Combo1;
    QLabel *Label2; // "Pregunta"
    QComboBox *Combo2;
    QPushButton *Command5;
    QLabel *Label3; // the statement
    QSvgWidget *Picture1;
    QLabel *Label11; // "Código: 2-4-4817"
    QList<AnswerRow> m_rows;
    QPushButton *Command1;
    QLabel *Label10; // the hint
    QLabel *Label14; // tries left, or the answers
    QPushButton *Command4;
    QPushButton *Command3;
    QPushButton *Command2;
    QLabel *Label12; // "Correctos a la primera: 3 de 5"
    QLabel *Label13; // "Código"
    QLineEdit *Text3;
    QPushButton *Command6;
    QPushButton *Command7;

    std::optional<exercises::Exercise> m_exercise;
    int m_tries = 0;
    bool m_finished = false;
    // This session only: nothing of it is kept after the program ends.
    int m_checked = 0;
    int m_rightFirstTime = 0;
};
