#include "gui/class_sets/class_set_dialog.h"

#include "gui/class_sets/class_set_files.h"
#include "gui/ui/message.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace class_sets {

namespace {

using exercises::ProblemKind;

// A class of thirty: the number a teacher most often needs.
constexpr int UsualStudents = 30;

template<typename Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

ClassSetDialog::ClassSetDialog(QWidget *parent)
    : QDialog(parent)
    , m_folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    setObjectName(QStringLiteral("ClassSetDialog"));
    setWindowTitle(tr("Preparar una hoja"));

    ProblemBox = named(new QComboBox(this), "ProblemBox");
    for (ProblemKind problem : exercises::problems())
        ProblemBox->addItem(exercises::problemName(problem), int(problem));
    //: The problem or the question of a class set: each student gets one drawn from their code.
    ProblemBox->addItem(tr("Cualquiera"), 0);
    QuestionBox = named(new QComboBox(this), "QuestionBox");
    StudentsBox = named(new QSpinBox(this), "StudentsBox");
    StudentsBox->setRange(1, MaxStudents);
    StudentsBox->setValue(UsualStudents);

    RandomButton = named(new QRadioButton(tr("Al azar"), this), "RandomButton");
    FromButton = named(new QRadioButton(tr("Desde el número"), this), "FromButton");
    RandomButton->setChecked(true);
    auto *firstChoice = new QButtonGroup(this);
    firstChoice->addButton(RandomButton);
    firstChoice->addButton(FromButton);
    FirstBox = named(new QSpinBox(this), "FirstBox");
    FirstBox->setAccessibleName(tr("Número del primer código"));
    auto *first = new QHBoxLayout;
    first->addWidget(RandomButton);
    first->addWidget(FromButton);
    first->addWidget(FirstBox);
    first->addStretch();

    // Labels on lines of their own, not wrapped: a wrapped label in a form
    // is given the height of one line when the zoom changes its font.
    CodesLabel = named(new QLabel(this), "CodesLabel");

    SheetCheck = named(new QCheckBox(tr("Hoja para los alumnos (PDF)"), this), "SheetCheck");
    KeyCheck = named(new QCheckBox(tr("Clave de respuestas, con las resoluciones (PDF)"), this), "KeyCheck");
    MoodleCheck = named(new QCheckBox(tr("Banco de preguntas de Moodle (XML)"), this), "MoodleCheck");
    for (QCheckBox *file : {SheetCheck, KeyCheck, MoodleCheck})
        file->setChecked(true);
    auto *files = new QGroupBox(tr("Archivos"), this);
    auto *fileList = new QVBoxLayout(files);
    for (QCheckBox *file : {SheetCheck, KeyCheck, MoodleCheck})
        fileList->addWidget(file);

    ResultLabel = named(new QLabel(this), "ResultLabel");
    ResultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(this);
    SaveButton = named(buttons->addButton(tr("Guardar en una carpeta…"), QDialogButtonBox::AcceptRole), "SaveButton");
    CloseButton = named(buttons->addButton(tr("Cerrar"), QDialogButtonBox::RejectRole), "CloseButton");

    auto *form = new QFormLayout;
    form->addRow(tr("Problema:"), ProblemBox);
    form->addRow(tr("Pregunta:"), QuestionBox);
    form->addRow(tr("Alumnos:"), StudentsBox);
    form->addRow(tr("Primer código:"), first);
    form->addRow(QString(), CodesLabel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(files);
    layout->addWidget(ResultLabel);
    layout->addStretch();
    layout->addWidget(buttons);

    connect(ProblemBox, &QComboBox::currentIndexChanged, this, &ClassSetDialog::ProblemBox_Change);
    connect(QuestionBox, &QComboBox::currentIndexChanged, this, &ClassSetDialog::Settings_Change);
    connect(StudentsBox, &QSpinBox::valueChanged, this, &ClassSetDialog::Settings_Change);
    connect(FirstBox, &QSpinBox::valueChanged, this, &ClassSetDialog::Settings_Change);
    connect(FromButton, &QRadioButton::toggled, this, &ClassSetDialog::Settings_Change);
    for (QCheckBox *file : {SheetCheck, KeyCheck, MoodleCheck})
        connect(file, &QCheckBox::toggled, this, &ClassSetDialog::Settings_Change);
    connect(SaveButton, &QPushButton::clicked, this, &ClassSetDialog::SaveButton_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    ProblemBox_Change();
}

void ClassSetDialog::setChoice(std::optional<ProblemKind> problem, std::optional<int> caseNumber)
{
    ProblemBox->setCurrentIndex(qMax(0, ProblemBox->findData(problem ? int(*problem) : 0)));
    QuestionBox->setCurrentIndex(qMax(0, QuestionBox->findData(caseNumber.value_or(0))));
}

Choice ClassSetDialog::choice() const
{
    Choice chosen;
    if (const int problem = ProblemBox->currentData().toInt())
        chosen.problem = ProblemKind(problem);
    if (const int kase = QuestionBox->currentData().toInt())
        chosen.caseNumber = kase;
    chosen.count = StudentsBox->value();
    chosen.first = FirstBox->value();
    return chosen;
}

void ClassSetDialog::ProblemBox_Change()
{
    const QSignalBlocker filling(QuestionBox);
    QuestionBox->clear();
    QuestionBox->addItem(tr("Cualquiera"), 0);
    if (const int problem = ProblemBox->currentData().toInt()) {
        for (const exercises::CaseInfo &kase : exercises::cases(ProblemKind(problem)))
            QuestionBox->addItem(exercises::caseName(kase), kase.number);
    }
    QuestionBox->setEnabled(QuestionBox->count() > 1);
    Settings_Change();
}

void ClassSetDialog::Settings_Change()
{
    FirstBox->setMaximum(lastFirst(StudentsBox->value()));
    FirstBox->setEnabled(FromButton->isChecked());
    if (RandomButton->isChecked()) {
        CodesLabel->setText(tr("El primer número se elige al azar al guardar."));
    } else {
        const QList<exercises::Code> set = codes(choice());
        CodesLabel->setText(set.size() == 1 ? tr("Código: %1").arg(set.first().text())
                                            : tr("Códigos: %1 a %2").arg(set.first().text(), set.last().text()));
    }
    SaveButton->setEnabled(SheetCheck->isChecked() || KeyCheck->isChecked() || MoodleCheck->isChecked());
}

void ClassSetDialog::SaveButton_Click()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Carpeta donde guardar la hoja"), m_folder);
    if (folder.isEmpty())
        return;
    m_folder = folder;
    Choice chosen = choice();
    if (RandomButton->isChecked())
        chosen.first = int(QRandomGenerator::global()->bounded(lastFirst(chosen.count) + 1));

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<Variant> set = variants(codes(chosen));
    const Paths paths = pathsIn(folder, set, SheetCheck->isChecked(), KeyCheck->isChecked(), MoodleCheck->isChecked());
    const Written written = writeFiles(chosen, set, paths);
    QApplication::restoreOverrideCursor();
    if (!written.failedPath.isEmpty()) {
        ResultLabel->clear();
        ui::showMessage(this, notWrittenMessage(written.failedPath));
        return;
    }
    // The folder by its name, the whole path on hover: a long path would
    // widen the dialog.
    QStringList saved{tr("Archivos guardados en %1:").arg(QDir(folder).dirName())};
    ResultLabel->setToolTip(QDir::toNativeSeparators(folder));
    for (const QString &path : {paths.sheet, paths.key, paths.moodle}) {
        if (!path.isEmpty())
            saved.append(QFileInfo(path).fileName());
    }
    ResultLabel->setText(saved.join(QLatin1Char('\n')));
}

} // namespace class_sets
