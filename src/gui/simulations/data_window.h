#pragma once

#include "core/simulations/run_record.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace run_data {

class RunGraphs;

// The picture of the simulation, as drawn (device pixels, with its ratio).
using PictureSource = std::function<QImage()>;

// Where to save: given a suggested path and a dialog filter, the path the
// user chose, or empty when they cancelled. Tests answer instead of a dialog.
using SavePathChooser = std::function<QString(QWidget *parent, const QString &suggested, const QString &filter)>;
void setSavePathChooser(SavePathChooser chooser);

// Where a companion window of size `frame` goes beside `simulation`: to its
// right if the screen has room, else to its left, else as far right as the
// screen allows; level with its top, inside the screen.
QPoint besidePosition(const QRect &simulation, const QSize &frame, const QRect &available);

// "Datos y gráficas": a companion of a simulation window that shows one run as
// a table of the strobe instants, as graphs of distance and speed against
// time and as the energy bars of the last strobe instant with their balance,
// and exports them. It stays beside its simulation window, hides with it
// and comes back with it. The graphs come from a plugin; without it the
// window still shows the table and says the graphs are unavailable. Where
// the model has no mass (the inclined plane), the student sets the block's
// mass for the energies here.
class DataWindow : public QWidget
{
    Q_OBJECT

public:
    // `run` is the record the window shows; it must outlive the window.
    // `subject` ("Plano horizontal") goes into the title and, plainly
    // spelt, into the names of the files it suggests ("plano_horizontal.csv").
    // `graphsPlugin`: another plugin than the program's, for tests.
    DataWindow(QWidget *simulation, const RunRecord *run, PictureSource picture, const QString &subject,
               const QString &graphsPlugin = {});

    // Shows the window beside its simulation window, brought to the front.
    void open();

    // The record changed as a whole (a new run started): show all of it.
    void showRun();
    // One tick of the run in progress; `strobe` when it added a table row.
    void appendTick(const Sample &sample, bool strobe);
    // The run ended; the window now shows the last run.
    void runFinished();
    // The simulation's model has no mass (the inclined plane): the box for
    // the one the energies take shows from the start, before any run.
    void offerMassChoice();

    bool hasGraphs() const { return m_graphs != nullptr; }

signals:
    // The student set the block's mass for the energies, kg; the record
    // takes it and the window shows the run again.
    void massChosen(double kilograms);

public:

    // Also the slots of the buttons and of the "Guardar imagen…" menu.
    void copyTable();
    void saveCsv();
    void savePicture();
    void saveGraphs(const QByteArray &format);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void placeBesideSimulation();
    void updateStatus();
    void appendRow(const Sample &sample);
    void showEnergies();
    QImage graphsImage(qreal ratio) const;
    QString chooseSavePath(const QString &suffix, const QString &filter);
    bool writeFile(const QString &path, const QByteArray &bytes);

    QWidget *m_simulation;
    const RunRecord *m_run;
    PictureSource m_picture;
    QString m_fileStem;
    QString m_folder; // where the last file went

    QLabel *m_status;
    QLabel *m_summary;
    QTableWidget *m_table;
    QWidget *m_massRow;
    QDoubleSpinBox *m_mass;
    QWidget *m_graphsWidget = nullptr;
    RunGraphs *m_graphs = nullptr;
    QPushButton *m_copy;
    QPushButton *m_csv;
    QPushButton *m_image;

    // Ticks that arrived while the window was hidden; it catches up when shown.
    bool m_stale = false;
    // Hidden because its simulation window was, so it returns with it.
    bool m_hiddenWithSimulation = false;
};

// What a simulation window keeps of its runs, and its data window once the
// user has asked for it (the graphs plugin is loaded then, not before).
class Recorder
{
public:
    // `massChosen`: the simulation's model has no mass, so the student
    // chooses the one its energies take in the data window.
    Recorder(QWidget *simulation, PictureSource picture, QString subject, bool massChosen = false);
    ~Recorder();
    Recorder(const Recorder &) = delete;
    Recorder &operator=(const Recorder &) = delete;

    // A run starts: "Iniciar Movimiento" when the bodies will move.
    void start(const RunRecord &run);
    // Every tick that advanced the time: what the window shows, and whether
    // the tick left strobe marks.
    void advance(const Sample &sample, bool strobe);
    // The run ended: at the floor, by "Detener Movimiento" or "Regresar".
    void finish();
    // "Datos y gráficas".
    DataWindow *openWindow();

    const RunRecord &run() const { return m_run; }
    DataWindow *window() const { return m_window; }

private:
    QWidget *m_simulation;
    PictureSource m_picture;
    QString m_subject;
    RunRecord m_run;
    bool m_massChosen;
    // The inclined plane's block, kg: kept from run to run.
    double m_chosenMass = 1;
    QPointer<DataWindow> m_window;
};

} // namespace run_data
