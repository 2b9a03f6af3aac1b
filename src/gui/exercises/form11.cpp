#include "gui/exercises/form11.h"

#include "gui/class_sets/class_set_dialog.h"
#include "core/text/number_text.h"
#include "core/exercises/code.h"
#include "core/exercises/statement.h"
#include "gui/exercises/simulation_link.h"
#include "gui/problems/problem_window.h"
#include "gui/problems/worked_solution.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/diagram.h"
#include "gui/ui/layout.h"
#include "gui/ui/message.h"
#include "gui/ui/settings.h"
#include "gui/window_id.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSvgWidget>

#include <algorithm>

using exercises::ProblemKind;

namespace {

constexpr int Tries = 3;
// The choice of problem and question is the only thing the practice keeps
// between runs: students share the lab's computers.
const QString ProblemKey = QStringLiteral("practica/problema");
const QString QuestionKey = QStringLiteral("practica/pregunta");
// Combo data for "Cualquiera".
constexpr int Any = 0;

// The statement, the hint and the answers: longer texts, in a plain face a
// little smaller than the controls', so the longest statement (the table's,
// in Basque) fits beside the diagram.
QFont statementFont()
{
    return ui::font({QStringLiteral("Arial"), 11});
}

// The box beside the statement that the diagrams are fitted into.
constexpr int DiagramLeft = 7050;
constexpr int DiagramTop = 690;
constexpr int DiagramWidth = 3645;
constexpr int DiagramHeight = 2850;

QLabel *label(QWidget *window, const char *name, const QString &text, const QFont &font, Qt::Alignment alignment,
              int left, int top, int width, int height)
{
    auto *label = ui::makeControl<QLabel>(window, name);
    label->setText(text);
    label->setFont(font);
    label->setAlignment(alignment);
    ui::place(label, left, top, width, height);
    return label;
}

QLabel *paragraph(QWidget *window, const char *name, int left, int top, int width, int height)
{
    QLabel *text = label(window, name, QString(), statementFont(), Qt::AlignLeft | Qt::AlignTop, left, top, width,
                         height);
    text->setWordWrap(true);
    return text;
}

// The diagram of each problem at its size in the problem window, with what
// that window's screen reader says of it.
struct Diagram {
    const char *resource;
    int width;
    int height;
    QString description;
};

Diagram diagramOf(ProblemKind problem)
{
    switch (problem) {
    case ProblemKind::InclinedPlane:
        return {":/assets/inclined_plane_diagram.svg", 3675, 2430,
                QCoreApplication::translate("Form8", "Bloque sobre un plano inclinado un ángulo θ, con su peso m g "
                                                     "descompuesto en m g sen θ y m g cos θ, la fuerza Normal y la "
                                                     "fricción fr.")};
    case ProblemKind::HorizontalPlane:
        return {":/assets/horizontal_plane_diagram.svg", 4275, 2760,
                QCoreApplication::translate("Form9", "Bloque m1 sobre una mesa con las fuerzas N, fr, T y m1 g, "
                                                     "unido por una cuerda que pasa por una polea al bloque "
                                                     "colgante m2, con las fuerzas T y m2 g.")};
    case ProblemKind::AtwoodMachine:
        break;
    }
    return {":/assets/atwood_diagram.svg", 2385, 2700,
            QCoreApplication::translate("Form10", "Máquina de Atwood: una polea con una cuerda de cuyos extremos "
                                                  "cuelgan los bloques m1 y m2, con la tensión T hacia arriba y "
                                                  "los pesos m1 g y m2 g hacia abajo.")};
}

// A unit as a screen reader says it after the field's name.
QString unitInWords(const QString &unit)
{
    if (unit == u"kg")
        return Form11::tr("en kilogramos");
    if (unit == u"m/s²")
        return Form11::tr("en metros por segundo al cuadrado");
    if (unit == u"N")
        return Form11::tr("en newtons");
    if (unit == u"°")
        return Form11::tr("en grados");
    return Form11::tr("sin unidades");
}

// An answer as the working writes a result: "a = 3,21 m/s²".
QString answerText(const exercises::AnswerField &field, double value)
{
    return QStringLiteral("%1 = %2").arg(field.symbol, solvers::withUnit(solvers::shownNumber(value), field.unit));
}

} // namespace

void Form11::AnswerRow::setVisible(bool visible) const
{
    symbol->setVisible(visible);
    field->setVisible(visible);
    unit->setVisible(visible);
}

Form11::Form11(QWidget *parent)
    : ui::FormBase(tr("Ejercicios"), 10875, 7995, parent)
{
    setObjectName(QStringLiteral("Form11"));

    const QFont face = solvers::fieldFont();
    const Qt::Alignment leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
    //: Caption of the list of problems to practise.
    Label1 = label(this, "Label1", tr("Problema"), face, leftMiddle, 180, 120, 1200, 450);
    Combo1 = ui::makeControl<QComboBox>(this, "Combo1");
    Combo1->setFont(face);
    ui::place(Combo1, 1380, 120, 2700, 450);
    //: Caption of the list of questions: what the exercise asks for.
    Label2 = label(this, "Label2", tr("Pregunta"), face, leftMiddle, 4260, 120, 1200, 450);
    Combo2 = ui::makeControl<QComboBox>(this, "Combo2");
    Combo2->setFont(face);
    ui::place(Combo2, 5460, 120, 2400, 450);
    Command5 = ui::pushButton(this, "Command5", tr("Nuevo ejercicio"), face, 8040, 120, 2655, 450);

    Label3 = paragraph(this, "Label3", 180, 690, 6720, 2850);
    // A keyboard user reaches the statement with Tab and a screen reader
    // reads it there.
    Label3->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Picture1 = ui::makeControl<QSvgWidget>(this, "Picture1");

    for (int row = 0; row < 2; ++row) {
        const int top = 3690 + row * 570;
        AnswerRow answer;
        answer.symbol = label(this, QByteArray("Label" + QByteArray::number(4 + row)).constData(), QString(), face,
                              Qt::AlignRight | Qt::AlignVCenter, 180, top, 900, 450);
        answer.field = ui::lineField(this, QByteArray("Text" + QByteArray::number(1 + row)).constData(), face, 1140,
                                     top, 1800, 450);
        answer.unit = label(this, QByteArray("Label" + QByteArray::number(6 + row)).constData(), QString(), face,
                            leftMiddle, 3015, top, 900, 450);
        answer.verdict = label(this, QByteArray("Label" + QByteArray::number(8 + row)).constData(), QString(), face,
                               leftMiddle, 3930, top, 2370, 450);
        m_rows.append(answer);
    }
    Label11 = label(this, "Label11", QString(), face, Qt::AlignCenter, DiagramLeft, 3690, DiagramWidth, 450);
    //: Button: checks the typed answers.
    Command1 = ui::pushButton(this, "Command1", tr("Comprobar"), face, DiagramLeft, 4200, DiagramWidth, 540);

    Label10 = paragraph(this, "Label10", 180, 4770, 10515, 1080);
    ui::makeBlue(Label10);
    Label14 = label(this, "Label14", QString(), statementFont(), leftMiddle, 180, 5940, 7680, 360);
    //: Button: opens the dialog that writes a different exercise for every student of a class.
    Command7 = ui::pushButton(this, "Command7", tr("Preparar una hoja…"), face, 8040, 5880, 2655, 480);

    Command4 = solvers::workedSolutionButton(this, face, 180, 6450, 3300, 540);
    //: Button: opens the simulation of the problem with the exercise's values.
    Command3 = ui::pushButton(this, "Command3", tr("Ver simulación"), face, 3660, 6450, 3300, 540);
    //: Button verb: go back to the menu.
    Command2 = ui::pushButton(this, "Command2", tr("Regresar"), face, 8040, 6450, 2655, 540);

    Label12 = label(this, "Label12", QString(), face, leftMiddle, 180, 7260, 4950, 450);
    //: Caption of the field where the student types an exercise's code, as 2-4-4817.
    Label13 = label(this, "Label13", tr("Código"), face, Qt::AlignRight | Qt::AlignVCenter, 5160, 7260, 1230, 450);
    Text3 = ui::lineField(this, "Text3", face, 6450, 7260, 3000, 450);
    //: Button: opens the exercise whose code is typed beside it.
    Command6 = ui::pushButton(this, "Command6", tr("Ir"), face, 9540, 7260, 1155, 450);

    Combo1->setAccessibleName(Label1->text());
    Combo2->setAccessibleName(Label2->text());
    //: One of the choices of problem and of question: any of them.
    Combo1->addItem(tr("Cualquiera"), Any);
    for (ProblemKind problem : exercises::problems())
        Combo1->addItem(exercises::problemName(problem), int(problem));
    fillQuestions();

    for (const AnswerRow &row : m_rows)
        solvers::pressOnEnter({row.field}, Command1);
    solvers::pressOnEnter({Text3}, Command6);
    ui::setTabChain({Combo1, Combo2, Command5, Label3, m_rows.at(0).field, m_rows.at(1).field, Command1, Command4,
                     Command3, Text3, Command6, Command7, Command2});
    Command3->setEnabled(false);
    showSessionCount();

    connect(Command1, &QPushButton::clicked, this, &Form11::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form11::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form11::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form11::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form11::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form11::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form11::Command7_Click);
    // Activated, not the index change: only the student's choice is kept.
    connect(Combo1, &QComboBox::activated, this, &Form11::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &Form11::Combo2_Click);
}

void Form11::Form_Load()
{
    restoreChoice();
    Command5_Click();
}

// The questions of the problem chosen, by their unknowns; with any problem,
// any question.
void Form11::fillQuestions()
{
    Combo2->clear();
    Combo2->addItem(tr("Cualquiera"), Any);
    const int problem = Combo1->currentData().toInt();
    if (problem != Any) {
        for (const exercises::CaseInfo &kase : exercises::cases(ProblemKind(problem)))
            Combo2->addItem(exercises::caseName(kase), kase.number);
    }
    Combo2->setEnabled(problem != Any);
}

void Form11::restoreChoice()
{
    const QSettings kept = ui::settings();
    // A value edited by hand to something else is no choice: it is ignored.
    const int problem = Combo1->findData(kept.value(ProblemKey, Any).toInt());
    Combo1->setCurrentIndex(std::max(0, problem));
    fillQuestions();
    const int question = Combo2->findData(kept.value(QuestionKey, Any).toInt());
    Combo2->setCurrentIndex(std::max(0, question));
}

// Written as it is chosen, like the zoom. A computer that cannot keep it
// only forgets it: there is nothing the student could do about it.
void Form11::rememberChoice() const
{
    QSettings kept = ui::settings();
    kept.setValue(ProblemKey, Combo1->currentData().toInt());
    kept.setValue(QuestionKey, Combo2->currentData().toInt());
}

void Form11::Combo1_Click()
{
    fillQuestions();
    rememberChoice();
}

void Form11::Combo2_Click()
{
    rememberChoice();
}

void Form11::Command5_Click()
{
    const int problem = Combo1->currentData().toInt();
    const int question = Combo2->currentData().toInt();
    std::optional<exercises::Code> code;
    // A fresh number each time; a repeat of the exercise on screen is drawn again.
    for (int draw = 0; draw < 10 && (!code || (m_exercise && *code == m_exercise->code)); ++draw) {
        const int number = int(QRandomGenerator::global()->bounded(exercises::NumbersPerCase));
        if (problem == Any)
            code = exercises::anyCode(number);
        else if (question == Any)
            code = exercises::anyCaseCode(ProblemKind(problem), number);
        else
            code = exercises::Code{ProblemKind(problem), question, number};
    }
    if (const std::optional<exercises::Exercise> exercise = code ? exercises::makeExercise(*code) : std::nullopt)
        pose(*exercise);
}

void Form11::Command6_Click()
{
    const std::optional<exercises::Code> code = exercises::parseCode(Text3->text());
    const std::optional<exercises::Exercise> exercise = code ? exercises::makeExercise(*code) : std::nullopt;
    if (!exercise) {
        ui::showMessage(this, exercises::noSuchCodeMessage(Text3->text()));
        Text3->setFocus();
        Text3->selectAll();
        return;
    }
    Text3->clear();
    pose(*exercise);
}

void Form11::showDiagram(ProblemKind problem)
{
    const Diagram diagram = diagramOf(problem);
    Picture1->load(ui::diagramSvg(QString::fromLatin1(diagram.resource)));
    ui::describePicture(Picture1, QCoreApplication::translate("ProblemWindow", "Diagrama de fuerzas"),
                        diagram.description);
    // Shrunk to the box if need be, never stretched, and centred in it.
    const double scale = std::min({1.0, double(DiagramWidth) / diagram.width, double(DiagramHeight) / diagram.height});
    const int width = qRound(diagram.width * scale);
    const int height = qRound(diagram.height * scale);
    ui::place(Picture1, DiagramLeft + (DiagramWidth - width) / 2, DiagramTop + (DiagramHeight - height) / 2, width,
              height);
}

void Form11::pose(const exercises::Exercise &exercise)
{
    m_exercise = exercise;
    m_tries = 0;
    m_finished = false;
    const exercises::Statement words = exercises::statement(exercise);
    Label3->setText(QStringList{words.situation, words.dataLine, words.question}.join(QLatin1Char('\n')));
    showDiagram(exercise.problem());
    //: %1 is the exercise's code: problem, question and number, as 2-4-4817.
    Label11->setText(tr("Código: %1").arg(exercise.code.text()));

    const QList<exercises::AnswerField> fields = exercises::answerFields(exercise);
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const AnswerRow &row = m_rows.at(i);
        row.setVisible(i < fields.size());
        row.field->clear();
        row.field->setReadOnly(false);
        row.verdict->clear();
        row.verdict->hide();
        row.field->setAccessibleDescription(QString());
        if (i >= fields.size())
            continue;
        const exercises::AnswerField &field = fields.at(i);
        row.symbol->setText(field.symbol + QStringLiteral(" ="));
        row.unit->setText(field.unit);
        // μ has no unit, and an empty label would be read as nothing.
        row.unit->setVisible(!field.unit.isEmpty());
        row.field->setAccessibleName(QStringLiteral("%1, %2").arg(field.name, unitInWords(field.unit)));
    }
    // A screen reader reads the exercise where the answer goes.
    m_rows.at(0).field->setAccessibleDescription(words.text());
    Label10->clear();
    Label10->hide();
    Label14->setText(tr("Tienes tres intentos."));
    Command1->setEnabled(true);
    Command3->setEnabled(false);
    Command4->setEnabled(false);
    m_rows.at(0).field->setFocus();
}

void Form11::Command1_Click()
{
    if (!m_exercise || m_finished)
        return;
    const QList<exercises::AnswerField> fields = exercises::answerFields(*m_exercise);
    QList<double> typed;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QLineEdit *field = m_rows.at(i).field;
        const std::optional<double> number = core::parseNumber(field->text());
        // Not a try: the student has not given an answer yet.
        if (!number) {
            ui::showMessage(this, solvers::invalidNumberMessage(fields.at(i).name));
            field->setFocus();
            field->selectAll();
            return;
        }
        typed.append(*number);
    }

    ++m_tries;
    bool allRight = true;
    QStringList hints;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const exercises::Verdict verdict = exercises::judge(m_exercise->unknowns.at(i), typed.at(i));
        const AnswerRow &row = m_rows.at(i);
        //: Beside an answer that is within the tolerance of the exact value.
        const QString right = tr("Correcto");
        //: Beside an answer that is not.
        const QString wrong = tr("Incorrecto");
        row.verdict->setText(verdict.right ? right : wrong);
        row.verdict->show();
        row.verdict->setStyleSheet(verdict.right ? QStringLiteral("color: #007a00") : QStringLiteral("color: #c00000"));
        QString said = row.verdict->text();
        if (verdict.mistake) {
            const QString hint = exercises::hint(m_exercise->problem(), *verdict.mistake);
            if (!hints.contains(hint))
                hints.append(hint);
            said += QStringLiteral(". ") + hint;
        }
        row.field->setAccessibleDescription(said);
        allRight = allRight && verdict.right;
    }
    Label10->setText(hints.join(QLatin1Char('\n')));
    Label10->setVisible(!hints.isEmpty());
    if (m_tries == 1) {
        ++m_checked;
        m_rightFirstTime += allRight ? 1 : 0;
        showSessionCount();
    }
    // The working is there from the first wrong try on.
    Command4->setEnabled(true);
    if (allRight || m_tries == Tries) {
        finish();
        return;
    }
    const int left = Tries - m_tries;
    Label14->setText(left == 1 ? tr("Te queda un intento.") : tr("Te quedan %1 intentos.").arg(left));
}

void Form11::finish()
{
    m_finished = true;
    const QList<exercises::AnswerField> fields = exercises::answerFields(*m_exercise);
    QStringList answers;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        answers.append(answerText(fields.at(i), m_exercise->unknowns.at(i).exact));
        m_rows.at(i).field->setReadOnly(true);
    }
    //: %1 lists the exact answers: "a = 3,21 m/s²; T = 14,13 N".
    Label14->setText(tr("Solución: %1.").arg(answers.join(QStringLiteral("; "))));
    Command1->setEnabled(false);
    Command3->setEnabled(true);
}

void Form11::showSessionCount()
{
    //: Exercises answered right at the first try, of those checked in this session.
    Label12->setText(tr("Correctos a la primera: %1 de %2").arg(m_rightFirstTime).arg(m_checked));
}

void Form11::Command4_Click()
{
    if (!m_exercise)
        return;
    const ProblemKind problem = m_exercise->problem();
    solvers::showWorkedSolution(this, {exercises::problemName(problem), QString::fromLatin1(diagramOf(problem).resource),
                                       exercises::solveWithCaseTable(*m_exercise).working});
}

void Form11::Command3_Click()
{
    if (m_exercise)
        practice::openSimulation(m_exercise->problem(), m_exercise->values);
}

void Form11::Command2_Click()
{
    ui::navigator().goTo(ui::WindowId::Form7);
}

// The teacher's way to the same exercises: the dialog starts from the
// problem and question chosen here.
void Form11::Command7_Click()
{
    const int problem = Combo1->currentData().toInt();
    const int question = Combo2->currentData().toInt();
    class_sets::ClassSetDialog dialog(this);
    dialog.setChoice(problem == Any ? std::nullopt : std::optional(ProblemKind(problem)),
                     question == Any ? std::nullopt : std::optional(question));
    dialog.exec();
}
