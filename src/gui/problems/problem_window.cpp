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

Outcome resolve(QWidget *window, const QList<QCheckBox *> &checks, const QList<QLineEdit *> &fields, Solver solve)
{
    const Outcome outcome = solve(readProblem(checks, fields));
    showOutcome(window, outcome, fields);
    return outcome;
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

QLabel *unitLabel(QWidget *window, const char *name, QLineEdit *field, const QString &caption, const Unit &unit,
                  int width)
{
    // Twips between a field and its unit.
    constexpr int Gap = 75;
    field->setAccessibleName(QStringLiteral("%1, %2").arg(caption, unit.words));
    if (unit.symbol.isEmpty())
        return nullptr;
    const QRect at = ui::twipsGeometry(field);
    auto *label = ui::makeControl<QLabel>(window, name);
    label->setText(unit.symbol);
    label->setFont(fieldFont());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAccessibleName(unit.words);
    ui::place(label, at.x() + at.width() + Gap, at.y(), width, at.height());
    return label;
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

void addDecimalCommaNote(QWidget *window, int left, int top, int width, int height)
{
    auto *note = ui::makeControl<QLabel>(window, "Label1");
    note->setText(
        QCoreApplication::translate("ProblemWindow", "En cifras decimales, introducir coma en vez de punto."));
    note->setFont(noteFont());
    ui::centre(note);
    ui::makeBlue(note);
    ui::place(note, left, top, width, height);
}

} // namespace solvers
