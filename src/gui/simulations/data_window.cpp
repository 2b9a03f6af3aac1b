#include "gui/simulations/data_window.h"

#include "plugins/charts/run_graphs.h"
#include "core/simulations/run_energy.h"
#include "core/simulations/run_table.h"
#include "core/text/number_text.h"
#include "gui/ui/form_base.h"
#include "gui/ui/message.h"
#include "gui/ui/plugins.h"
#include "gui/ui/zoom.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QStyle>
#include <QScrollBar>
#include <QKeyEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace run_data {

namespace {

SavePathChooser &chooserHook()
{
    static SavePathChooser chooser;
    return chooser;
}

// "Máquina de Atwood" → "maquina_de_atwood": a name every file system and
// every mail program takes as it is.
QString plainStem(const QString &subject)
{
    QString stem;
    for (const QChar c : subject.normalized(QString::NormalizationForm_D).toLower()) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            stem += c;
        else if (c.isSpace())
            stem += QLatin1Char('_');
    }
    return stem;
}

QList<QPointF> points(const QList<Sample> &samples, double Sample::*value)
{
    QList<QPointF> list;
    list.reserve(samples.size());
    for (const Sample &sample : samples)
        list.append(QPointF(sample.time, sample.*value));
    return list;
}

constexpr int Gap = 8; // px between the window and its simulation

} // namespace

void setSavePathChooser(SavePathChooser chooser)
{
    chooserHook() = std::move(chooser);
}

QPoint besidePosition(const QRect &simulation, const QSize &frame, const QRect &available)
{
    int x = simulation.right() + 1 + Gap;
    if (x + frame.width() > available.right() + 1) {
        const int leftSide = simulation.left() - Gap - frame.width();
        x = leftSide >= available.left() ? leftSide : available.right() + 1 - frame.width();
    }
    const int y = std::min(simulation.top(), available.bottom() + 1 - frame.height());
    return {std::max(x, available.left()), std::max(y, available.top())};
}

DataWindow::DataWindow(QWidget *simulation, const RunRecord *run, PictureSource picture, const QString &subject,
                       const QString &graphsPlugin)
    : QWidget(simulation, Qt::Tool)
    , m_simulation(simulation)
    , m_run(run)
    , m_picture(std::move(picture))
    , m_fileStem(plainStem(subject))
{
    setObjectName(QStringLiteral("DataWindow"));
    //: Window title; %1 is the simulation, e.g. "Plano horizontal"
    setWindowTitle(tr("Datos y gráficas: %1").arg(subject));

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Status"));
    QFont bold = m_status->font();
    bold.setBold(true);
    m_status->setFont(bold);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("Summary"));
    m_summary->setWordWrap(true);

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("Table"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    // The energy columns may lie beyond the window's edge; the motion's
    // columns never do.
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_table->setSelectionMode(QAbstractItemView::ContiguousSelection);

    //: Button: copies the table to the clipboard
    m_copy = new QPushButton(tr("Copiar"), this);
    m_copy->setObjectName(QStringLiteral("Copy"));
    m_copy->setToolTip(tr("Copia la tabla para pegarla en una hoja de cálculo"));
    m_csv = new QPushButton(tr("Guardar CSV…"), this);
    m_csv->setObjectName(QStringLiteral("SaveCsv"));
    m_image = new QPushButton(tr("Guardar imagen…"), this);
    m_image->setObjectName(QStringLiteral("SaveImage"));
    auto *imageMenu = new QMenu(m_image);
    QAction *drawing = imageMenu->addAction(tr("Dibujo de la simulación (PNG)…"));
    drawing->setObjectName(QStringLiteral("SavePicturePng"));
    QAction *graphsPng = imageMenu->addAction(tr("Gráficas (PNG)…"));
    graphsPng->setObjectName(QStringLiteral("SaveGraphsPng"));
    QAction *graphsSvg = imageMenu->addAction(tr("Gráficas (SVG)…"));
    graphsSvg->setObjectName(QStringLiteral("SaveGraphsSvg"));
    m_image->setMenu(imageMenu);

    connect(m_copy, &QPushButton::clicked, this, &DataWindow::copyTable);
    connect(m_csv, &QPushButton::clicked, this, &DataWindow::saveCsv);
    connect(drawing, &QAction::triggered, this, &DataWindow::savePicture);
    connect(graphsPng, &QAction::triggered, this, [this] { saveGraphs("png"); });
    connect(graphsSvg, &QAction::triggered, this, [this] { saveGraphs("svg"); });

    // Closed, it comes back with "Datos y gráficas".
    //: Button: closes the data window
    auto *closeButton = new QPushButton(tr("Cerrar"), this);
    closeButton->setObjectName(QStringLiteral("Close"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_csv);
    buttons->addWidget(m_image);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *left = new QVBoxLayout;
    left->addWidget(m_status);
    left->addWidget(m_summary);
    left->addWidget(m_table, 1);
    left->addLayout(buttons);

    QString error;
    QObject *root = ui::loadPlugin(graphsPlugin.isEmpty() ? QString::fromLatin1(GraphsPluginName) : graphsPlugin,
                                   &error);
    if (auto *factory = qobject_cast<RunGraphsFactory *>(root)) {
        m_graphsWidget = factory->createGraphs(this);
        m_graphs = qobject_cast<RunGraphs *>(m_graphsWidget);
        if (m_graphs) {
            m_graphsWidget->setObjectName(QStringLiteral("Graphs"));
        } else {
            delete m_graphsWidget;
            m_graphsWidget = nullptr;
        }
    }
    if (!m_graphs) {
        auto *missing = new QLabel(tr("Las gráficas no están disponibles: no se encontró el módulo de "
                                      "gráficas del programa. La tabla se puede copiar y guardar igualmente."),
                                   this);
        missing->setObjectName(QStringLiteral("GraphsUnavailable"));
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        missing->setToolTip(error);
        m_graphsWidget = missing;
        graphsPng->setEnabled(false);
        graphsSvg->setEnabled(false);
    }

    // The inclined plane's model has no mass; its energies take this one.
    m_massRow = new QWidget(this);
    m_mass = new QDoubleSpinBox(m_massRow);
    m_mass->setObjectName(QStringLiteral("Mass"));
    m_mass->setRange(0.01, 100);
    m_mass->setDecimals(2);
    m_mass->setSingleStep(0.1);
    m_mass->setValue(1);
    m_mass->setSuffix(QStringLiteral(" kg"));
    m_mass->setToolTip(tr("Las energías son proporcionales a la masa; la aceleración no depende de ella."));
    //: Beside the box where the student sets the inclined plane's block mass
    auto *massLabel = new QLabel(tr("Masa del bloque para las energías:"), m_massRow);
    massLabel->setBuddy(m_mass);
    auto *massLayout = new QHBoxLayout(m_massRow);
    massLayout->setContentsMargins(0, 0, 0, 0);
    massLayout->addStretch(1);
    massLayout->addWidget(massLabel);
    massLayout->addWidget(m_mass);
    m_massRow->hide();
    connect(m_mass, &QDoubleSpinBox::valueChanged, this, &DataWindow::massChosen);

    // Above the energy graph, whose title repeats the mass.
    auto *right = new QVBoxLayout;
    right->addWidget(m_massRow);
    right->addWidget(m_graphsWidget, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addLayout(right, 1);

    // The window opens on its buttons, not on a highlighted first cell.
    m_copy->setFocus();
    m_simulation->installEventFilter(this);
    ui::addHelpKey(this);
    showRun();
}

void DataWindow::open()
{
    m_hiddenWithSimulation = false;
    // Sized for the program's zoom each time it opens, as far as the screen
    // allows: its fonts follow the zoom, so the graphs need the room too.
    const double zoom = ui::zoomFactor();
    m_graphsWidget->setMinimumWidth(qRound(640 * zoom));
    // 1180 px leave room beside a simulation window on a 1920 px screen.
    QSize wanted = (QSizeF(1180, 600) * zoom).toSize();
    if (const QScreen *screen = m_simulation->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    resize(wanted);
    placeBesideSimulation();
    show();
    raise();
    activateWindow();
}

void DataWindow::placeBesideSimulation()
{
    const QScreen *screen = m_simulation->screen();
    const QRect simulation = m_simulation->frameGeometry();
    move(besidePosition(simulation, frameGeometry().size().expandedTo(size()),
                        screen ? screen->availableGeometry() : simulation));
}

void DataWindow::offerMassChoice()
{
    m_massRow->show();
    // Placed now, not at the next turn of the event loop: a picture taken
    // at once must not find the row at the window's corner.
    layout()->activate();
}

void DataWindow::showRun()
{
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    m_stale = false;

    const QStringList columns = stackedHeadings(*m_run);
    const QStringList tips = headingTips(*m_run);
    m_table->setRowCount(0);
    m_table->setColumnCount(int(columns.size()));
    for (int column = 0; column < columns.size(); ++column) {
        auto *heading = new QTableWidgetItem(columns.at(column));
        heading->setToolTip(tips.value(column));
        m_table->setHorizontalHeaderItem(column, heading);
    }
    for (const Sample &sample : m_run->strobes())
        appendRow(sample);
    // Each column as wide as its heading and numbers, set once: resizing to
    // the contents at every row would cost a strobe tick most of its time.
    // An energy's numbers grow as the run goes on, up to thousands of joules.
    QHeaderView *header = m_table->horizontalHeader();
    const int padding = 2 * (m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 2);
    const int energyWidth = m_table->fontMetrics().horizontalAdvance(core::formatGrouped(-9999.99, EnergyDecimals));
    const int motionColumns = 1 + 2 * int(m_run->bodies().size());
    int motionWidth = 0;
    for (int column = 0; column < m_table->columnCount(); ++column) {
        int width = std::max(header->sectionSizeHint(column),
                             static_cast<const QAbstractItemView *>(m_table)->sizeHintForColumn(column));
        if (column >= motionColumns)
            width = std::max(width, energyWidth + padding);
        header->resizeSection(column, width);
        if (column < motionColumns)
            motionWidth += width;
    }
    // Wide enough for the time and every body's motion, since a table that
    // hides the second body misleads; the energies may need a scroll.
    m_table->setMinimumWidth(motionWidth + m_table->verticalScrollBar()->sizeHint().width()
                             + 2 * m_table->frameWidth());

    // Set again only when it differs, so a number being typed is not
    // rewritten under the cursor.
    if (m_run->energy().massChosen && m_mass->value() != m_run->energy().bodies.first().mass) {
        const QSignalBlocker quiet(m_mass);
        m_mass->setValue(m_run->energy().bodies.first().mass);
    }

    QString summary;
    if (!m_run->isEmpty()) {
        summary = summaryTexts(*m_run).join(QStringLiteral("     "));
        if (!m_run->direction().isEmpty())
            summary += QLatin1Char('\n') + m_run->direction();
    }
    m_summary->setText(summary);
    m_summary->setVisible(!summary.isEmpty());
    updateStatus();

    if (m_graphs) {
        const QList<Sample> &curve = m_run->samples();
        const QList<Sample> &strobes = m_run->strobes();
        m_graphs->setRun(points(curve, &Sample::distance), points(curve, &Sample::speed),
                         points(strobes, &Sample::distance), points(strobes, &Sample::speed));
    }
    showEnergies();
}

// The energies of the last strobe instant, as the table's last row has
// them: they change with the table, a row at a time.
void DataWindow::showEnergies()
{
    if (!m_graphs)
        return;
    //: Title of the energy graph before a run has a strobe instant
    QString title = tr("Energía");
    QList<EnergyBar> bars;
    QString balance;
    if (!m_run->isEmpty()) {
        const QList<Sample> &strobes = m_run->strobes();
        const QList<EnergyTerm> terms = energyTerms(*m_run, strobes.isEmpty() ? Sample{} : strobes.last());
        for (const EnergyTerm &term : terms) {
            bars.append({barLabel(*m_run, term), shortBarLabel(*m_run, term), joulesText(term), term.shownJoules(),
                         QColor(QRgb(0xFF000000u | termColour(*m_run, term))), termHatched(term)});
        }
        if (!strobes.isEmpty()) {
            //: Title of the energy graph: %1 the time of the last strobe instant, in s
            title = tr("Energía en t = %1 s").arg(core::format2(strobes.last().time));
            balance = balanceText(*m_run, terms);
        }
        if (m_run->energy().massChosen) {
            const QString mass = core::formatShortest(m_run->energy().bodies.first().mass);
            //: Added to the energy graph's title on the inclined plane: %1 the title, %2 the mass the student set
            title = tr("%1, bloque de %2 kg").arg(title, mass);
        }
    }
    m_graphs->setEnergies(title, bars, balance);
}

void DataWindow::appendTick(const Sample &sample, bool strobe)
{
    if (!isVisible() || m_stale) {
        // Caught up in one go when the window shows again.
        m_stale = true;
        return;
    }
    if (m_graphs)
        m_graphs->appendTick(sample.time, sample.distance, sample.speed, strobe);
    if (strobe && !m_run->strobes().isEmpty()) {
        appendRow(m_run->strobes().last());
        showEnergies();
    }
}

void DataWindow::runFinished()
{
    updateStatus();
}

void DataWindow::appendRow(const Sample &sample)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    const QStringList texts = rowTexts(*m_run, sample);
    for (int column = 0; column < texts.size(); ++column) {
        auto *item = new QTableWidgetItem(texts.at(column));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, column, item);
    }
    if (m_run->isRunning())
        m_table->scrollToBottom();
}

void DataWindow::updateStatus()
{
    if (m_run->isRunning())
        m_status->setText(tr("Movimiento en curso"));
    else if (!m_run->isEmpty())
        //: %1 is the duration of the last run in seconds
        m_status->setText(tr("Último movimiento: duró %1 s").arg(core::format2(m_run->lastTime())));
    else
        m_status->setText(tr("Aún no hay movimiento: pulsa «Iniciar Movimiento» en la simulación."));
}

bool DataWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_simulation) {
        if (event->type() == QEvent::Hide && !isHidden()) {
            m_hiddenWithSimulation = true;
            hide();
        } else if (event->type() == QEvent::Show && m_hiddenWithSimulation) {
            m_hiddenWithSimulation = false;
            placeBesideSimulation();
            show();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Esc closes it, as it would close a dialog.
void DataWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void DataWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        showRun();
}

void DataWindow::copyTable()
{
    QGuiApplication::clipboard()->setText(toTsv(*m_run));
}

QString DataWindow::chooseSavePath(const QString &suffix, const QString &filter)
{
    if (m_folder.isEmpty()) {
        m_folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (m_folder.isEmpty() || !QFileInfo(m_folder).isDir())
            m_folder = QDir::homePath();
    }
    const QString suggested = QDir(m_folder).filePath(m_fileStem + suffix);
    QString path = chooserHook()
                       ? chooserHook()(this, suggested, filter)
                       //: Title of the save-file dialog
                       : QFileDialog::getSaveFileName(this, tr("Guardar"), suggested, filter);
    if (path.isEmpty())
        return path;
    if (QFileInfo(path).suffix().isEmpty())
        path += suffix.mid(suffix.lastIndexOf(QLatin1Char('.')));
    m_folder = QFileInfo(path).absolutePath();
    return path;
}

// Whole or not at all: QSaveFile writes beside the target and renames only
// once everything is written, so a failure leaves no file, old or half-new.
bool DataWindow::writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    file.cancelWriting();
    const QFileInfo info(path);
    //: %1 is a file name, %2 the folder it was to be saved in
    ui::showMessage(this, tr("No se pudo guardar «%1» en la carpeta «%2». Elige una carpeta en la que "
                             "se pueda escribir.")
                              .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())));
    return false;
}

void DataWindow::saveCsv()
{
    const QString path = chooseSavePath(QStringLiteral(".csv"), tr("Tabla CSV (*.csv)"));
    if (!path.isEmpty())
        writeFile(path, toCsv(*m_run));
}

namespace {

QByteArray png(QImage image)
{
    // The physical size in the file, so the picture prints at its size on
    // screen whatever its pixel ratio.
    const int dotsPerMetre = qRound(96 / 0.0254 * image.devicePixelRatio());
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

void DataWindow::savePicture()
{
    const QString path = chooseSavePath(QStringLiteral("_dibujo.png"), tr("Imagen PNG (*.png)"));
    if (!path.isEmpty())
        writeFile(path, png(m_picture()));
}

QImage DataWindow::graphsImage(qreal ratio) const
{
    const QSize logical = m_graphsWidget->size().expandedTo(QSize(900, 600));
    QImage image(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    m_graphs->renderGraphs(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    return image;
}

void DataWindow::saveGraphs(const QByteArray &format)
{
    if (!m_graphs)
        return;
    const bool svg = format == "svg";
    const QString path = chooseSavePath(svg ? QStringLiteral("_graficas.svg") : QStringLiteral("_graficas.png"),
                                        svg ? tr("Gráfico SVG (*.svg)")
                                            : tr("Imagen PNG (*.png)"));
    if (path.isEmpty())
        return;
    if (!svg) {
        writeFile(path, png(graphsImage(devicePixelRatioF())));
        return;
    }
    const QSize logical = m_graphsWidget->size().expandedTo(QSize(900, 600));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(logical);
    generator.setViewBox(QRect(QPoint(0, 0), logical));
    generator.setTitle(windowTitle());
    QPainter painter(&generator);
    m_graphs->renderGraphs(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    painter.end();
    writeFile(path, bytes);
}

Recorder::Recorder(QWidget *simulation, PictureSource picture, QString subject, bool massChosen)
    : m_simulation(simulation)
    , m_picture(std::move(picture))
    , m_subject(std::move(subject))
    , m_massChosen(massChosen)
{
}

Recorder::~Recorder()
{
    delete m_window;
}

void Recorder::start(const RunRecord &run)
{
    m_run = run;
    m_run.setChosenMass(m_chosenMass);
    if (m_window)
        m_window->showRun();
}

void Recorder::advance(const Sample &sample, bool strobe)
{
    m_run.advance(sample, strobe);
    if (m_window)
        m_window->appendTick(sample, strobe);
}

void Recorder::finish()
{
    if (!m_run.isRunning())
        return;
    m_run.finish();
    if (m_window)
        m_window->runFinished();
}

DataWindow *Recorder::openWindow()
{
    if (!m_window) {
        m_window = new DataWindow(m_simulation, &m_run, m_picture, m_subject);
        QObject::connect(m_window, &DataWindow::massChosen, m_window, [this](double kilograms) {
            m_chosenMass = kilograms;
            m_run.setChosenMass(kilograms);
            m_window->showRun();
        });
        if (m_massChosen)
            m_window->offerMassChoice();
    }
    m_window->open();
    return m_window;
}

} // namespace run_data
