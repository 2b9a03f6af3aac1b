#pragma once

#include "core/class_sets/class_set.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "Preparar una hoja…": a different exercise for every student of a class,
// written as the students' sheet, the teacher's key and a Moodle question
// bank into a folder the teacher chooses.
namespace class_sets {

class ClassSetDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ClassSetDialog(QWidget *parent = nullptr);

    // Starts from a choice made elsewhere (the practice window's): a problem
    // and its question, nothing for "cualquiera".
    void setChoice(std::optional<exercises::ProblemKind> problem, std::optional<int> caseNumber);

private slots:
    void ProblemBox_Change();
    void Settings_Change();
    void SaveButton_Click();

private:
    // The choice as set, with the first number when it is not drawn.
    Choice choice() const;

    QComboBox *ProblemBox;
    QComboBox *QuestionBox;
    QSpinBox *StudentsBox;
    QRadioButton *RandomButton;
    QRadioButton *FromButton;
    QSpinBox *FirstBox;
    QLabel *CodesLabel;
    QCheckBox *SheetCheck;
    QCheckBox *KeyCheck;
    QCheckBox *MoodleCheck;
    QLabel *ResultLabel;
    QPushButton *SaveButton;
    QPushButton *CloseButton;
    QString m_folder;
};

} // namespace class_sets
