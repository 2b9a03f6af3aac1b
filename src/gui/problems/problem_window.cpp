#include "gui/problems/problem_window.h"

#include "core/text/number_text.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/diagram.h"
#include "gui/ui/layout.h"
#include "gui/ui/zoom.h"
#include "gui/ui/message.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

#include <algorithm>

namespace solvers {

Problem readProblem(const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields)
{
    Problem problem;
    for (const QCheckBox *check : checks)
        problem.checked.append(check->isChecked());
    for (const QLineEdit *field : fields)
        problem.texts.append(field->text());
    return problem;
}

void showOutcome(QWidget *window, const Outcome &outcome, const QList<QLineEdit *> &fields)
{
    if (outcome.message) {
        ui::showMessage(window, *outcome.message);
        return;
    }
    for (const Answer &answer : outcome.answers)
        fields.at(answer.field)->setText(answer.text);
}

Outcome resolve(QWidget *window, const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields, Solver solve,
                NoteLine *note)
{
    const Outcome outcome = solve(readProblem(checks, fields));
    note->showHint(outcome);
    showOutcome(window, outcome, fields);
    return outcome;
}

QList<double> forSimulation(const Outcome &outcome, const QList<int> &fields, const QList<simulation::Bar> &bars)
{
    QList<double> values;
    if (outcome.solved()) {
        for (int field : fields)
            values.append(outcome.shown(field));
        return values;
    }
    if (!outcome.message)
        return {};
    for (int field : fields) {
        const auto given = std::find_if(outcome.givens.begin(), outcome.givens.end(),
                                        [field](const auto &pair) { return pair.first == field; });
        if (given == outcome.givens.end())
            return {};
        values.append(given->second);
    }
    return simulation::fitBars(values, bars) ? values : QList<double>{};
}

namespace {

QString decimalCommaNote()
{
    return QCoreApplication::translate("ProblemWindow", "En cifras decimales, introducir coma en vez de punto.");
}

} // namespace

NoteLine::NoteLine(QWidget *window, int boxes, const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields)
    : QLabel(window)
    , m_boxes(boxes)
{
    setText(decimalCommaNote());
    // The user's changes only: a press that writes its answers keeps the hint.
    for (QCheckBox *check : checks)
        connect(check, &QCheckBox::clicked, this, [this] { setText(decimalCommaNote()); });
    for (QLineEdit *field : fields)
        connect(field, &QLineEdit::textEdited, this, [this] { setText(decimalCommaNote()); });
}

// The boxes' hint stands instead of the note; the number's goes under the
// note it follows from.
void NoteLine::showHint(const Outcome &outcome)
{
    if (outcome.isNothing() && outcome.working.isEmpty())
        setText(ticksHint(m_boxes));
    else if (outcome.retype)
        setText(decimalCommaNote() + QLatin1Char('\n') + retypeHint(*outcome.retype));
    else
        setText(decimalCommaNote());
}

QFont fieldFont()
{
    return ui::font({QStringLiteral("Arial"), 12, true});
}

QFont buttonFont()
{
    return ui::font({QStringLiteral("Arial"), 15.75, true});
}

QFont noteFont()
{
    return ui::font({QStringLiteral("MS Sans Serif"), 12, true});
}

QSvgWidget *diagram(QWidget *window, const QString &resource, const QString &description, int left, int top,
                    int width, int height)
{
    auto *picture = ui::makeControl<QSvgWidget>(window, "Picture1");
    picture->load(ui::diagramSvg(resource));
    ui::describePicture(picture, QCoreApplication::translate("ProblemWindow", "Diagrama de fuerzas"), description);
    ui::place(picture, left, top, width, height);
    return picture;
}

QCheckBox *givenBox(QWidget *window, const char *name, const QString &caption, int left, int top, int width,
                    int height)
{
    auto *box = ui::makeControl<QCheckBox>(window, name);
    box->setText(caption);
    box->setFont(fieldFont());
    ui::place(box, left, top, width, height);
    return box;
}

QLineEdit *valueField(QWidget *window, const char *name, int left, int top, int width, int height)
{
    auto *edit = ui::makeControl<QLineEdit>(window, name);
    edit->setText(QStringLiteral("0"));
    edit->setFont(fieldFont());
    ui::place(edit, left, top, width, height);
    return edit;
}

QPushButton *workedSolutionButton(QWidget *window, const QFont &font, int left, int top, int width, int height)
{
    //: Button that opens the step-by-step solution of the last press of "Resolver".
    QPushButton *button =
        ui::pushButton(window, "Command4", QCoreApplication::translate("ProblemWindow", "Ver resolución"), font, left,
                       top, width, height);
    button->setEnabled(false);
    return button;
}

void pressOnEnter(const QList<QLineEdit *> &fields, QPushButton *resolver)
{
    for (QLineEdit *field : fields)
        QObject::connect(field, &QLineEdit::returnPressed, resolver, &QPushButton::click);
}

NoteLine *addNoteLine(QWidget *window, int boxes, const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields,
                      int left, int top, int width, int height)
{
    auto *note = new NoteLine(window, boxes, checks, fields);
    note->setObjectName(QStringLiteral("Label1"));
    note->setFont(noteFont());
    ui::centre(note);
    ui::makeBlue(note);
    ui::place(note, left, top, width, height);
    return note;
}

} // namespace solvers
