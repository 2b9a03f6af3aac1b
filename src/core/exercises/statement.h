#pragma once

#include "core/exercises/exercise.h"

#include <QList>
#include <QString>
#include <QStringList>

// An exercise in words, in the program's language: what happens, the data
// written as the worked solution writes them ("θ = 30°", "a = 3,21 m/s²"),
// and the unknowns asked in one sentence.
namespace exercises {

struct Statement {
    QString situation;  // the set-up and what the model assumes
    QStringList data;   // "m₁ = 2 kg", …, "g = 9,81 m/s²"
    QString dataLine;   // "Datos: m₁ = 2 kg, m₂ = 3 kg, μ = 0,2 y g = 9,81 m/s²."
    QString question;   // "Calcula la aceleración a y la tensión T de la cuerda."

    // The three, one after the other, as a screen reader or a sheet reads them.
    QString text() const;
};

Statement statement(const Exercise &exercise);

// One answer field: "a", in "m/s²" ("" for μ), named "Aceleración" as the
// problem window's check box.
struct AnswerField {
    int field;
    QString symbol;
    QString unit;
    QString name;
};
QList<AnswerField> answerFields(const Exercise &exercise);

} // namespace exercises
