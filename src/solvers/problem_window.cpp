#include "solvers/problem_window.h"

#include "ui/layout.h"
#include "ui/message.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

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

void addDecimalCommaNote(QWidget *window, int left, int top, int width, int height)
{
    auto *note = ui::makeControl<QLabel>(window, "Label1");
    note->setText(QStringLiteral("En cifras decimales, introducir coma en vez de punto."));
    note->setFont(noteFont());
    ui::centre(note);
    ui::makeBlue(note);
    ui::place(note, left, top, width, height);
}

} // namespace solvers
