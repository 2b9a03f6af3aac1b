// A walk through the program as a user takes it, saving a picture of each of
// the windows in a state that shows what the window is for: the start,
// menu and title windows as they open, each problem window with a problem
// solved, each simulation half-way through a run with its strobe marks (and
// at a textbook problem's masses with "Ampliar dibujo"), and
// the help (F1) over a problem window and a simulation, and its about page;
// the practice after a right answer, and with a hint after a wrong one.
//
// Each problem window's "Resolución" dialog is saved as well, and the first
// page of its PDF, drawn by poppler's pdftoppm at the same pixel ratio; and
// the "Preparar una hoja" dialog with the first page of a class set's sheet
// and key.
//
// Usage: screenshot_tour <folder> [zoom]
// Each window is saved with its own grab(), at the device pixel ratio the
// program runs with: <name>.png at 1, <name>@2x.png at 2 (QT_SCALE_FACTOR);
// at a zoom other than 100 % the name ends in -<zoom>, as <name>-200.png.

#include "app/help_window.h"
#include "app/startup.h"
#include "gui/class_sets/class_set_dialog.h"
#include "gui/class_sets/class_set_files.h"
#include "core/text/number_text.h"
#include "gui/exercises/form11.h"
#include "gui/problems/worked_solution.h"
#include "support/gui_driver.h"
#include "gui/ui/form_base.h"
#include "gui/ui/message.h"
#include "gui/ui/navigator.h"
#include "gui/window_id.h"
#include "gui/ui/zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QLocale>
#include <QMetaObject>
#include <QPixmap>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Problem {
    const char *box;
    const char *field;
    QString text;
};

class Tour
{
public:
    explicit Tour(const QDir &folder) : m_folder(folder) {}

    void run();
    bool succeeded() const { return m_failures.isEmpty() && m_ended; }
    const QStringList &failures() const { return m_failures; }
    void recordMessage(const QString &text)
    {
        if (text == m_expectedMessage)
            m_expectedMessage.clear();
        else
            m_failures.append(QStringLiteral("message box: ") + text);
    }
    void recordEnd() { m_ended = true; }

private:
    ui::FormBase *current() const { return ui::navigator().current(); }
    // The window on screen must be the one the tour expects; otherwise a
    // picture would show the wrong window under the right name.
    ui::FormBase *expect(const char *objectName);
    // Clicks a button of the window on screen, which must be this one.
    void press(const char *objectName, const char *buttonName);
    void save(const char *objectName, const QString &name);
    void write(const QPixmap &shot, const QString &name);
    void saveWidget(QWidget *widget, const QString &name) { write(widget->grab(), name); }
    // The energy bars of a data window with its balance line, and the
    // inclined plane's mass box under them.
    void saveEnergyView(QWidget *data, const QString &name);
    // Presses F1 in the window on screen and saves the help it opens; with
    // `about`, its "Acerca de Cuestaval" page as well. Esc closes it again.
    void help(const char *objectName, const QString &name, const QString &about = {});
    // Opens "Ver resolución", saves the dialog and the first page of its PDF.
    void workedSolution(const char *objectName, const QString &name);
    void savePdfPage(const QTextDocument &document, const QString &name);
    // Pictures of the PDF's pages, up to `lastPage` (0: every page).
    void drawPdfPages(const QString &pdf, const QString &name, int lastPage = 0);
    // "Preparar una hoja" and the first pages of the sheet and key it writes.
    void classSet();
    void solve(const char *objectName, const std::vector<Problem> &givens, const QString &name);
    void setScroll(QWidget *window, const char *name, int value);
    // Presses "Iniciar Movimiento" and lets the timer tick the given number
    // of times, so the picture shows the bodies on their way with the
    // strobe marks behind them.
    void runPart(const char *objectName, int ticks, const QString &name);
    // The same with "Ampliar dibujo", which is turned off again afterwards.
    void enlarged(const char *objectName, int ticks, const QString &name);
    // Opens the exercise with this code on Form11 and answers it right, or
    // with the values the mistake gives, then presses "Comprobar".
    void practise(const QString &code, std::optional<exercises::Mistake> mistake, const QString &name);

    QDir m_folder;
    QStringList m_failures;
    // The one message box the next press of "Resolver" is meant to show.
    QString m_expectedMessage;
    bool m_ended = false;
};

ui::FormBase *Tour::expect(const char *objectName)
{
    ui::FormBase *window = current();
    if (!window || window->objectName() != QLatin1String(objectName)) {
        m_failures.append(QStringLiteral("expected %1 on screen, found %2")
                              .arg(QLatin1String(objectName),
                                   window ? window->objectName() : QStringLiteral("no window")));
        return nullptr;
    }
    return window;
}

void Tour::save(const char *objectName, const QString &name)
{
    if (ui::FormBase *window = expect(objectName))
        write(window->grab(), name);
}

QString ratioSuffix(qreal ratio)
{
    return qFuzzyCompare(ratio, 1.0) ? QString() : QStringLiteral("@%1x").arg(ratio);
}

// Other languages than Spanish and Catalan show a few windows only: enough
// to see each translation at work without a tour's worth of pictures each.
bool wantedIn(const QString &language, const QString &name)
{
    static const QStringList few{"form7-menu",          "form8-plano-inclinado",
                                 "form8-resolucion",    "form8-resolucion-pdf",
                                 "form2-simulacion-plano-inclinado", "datos-plano-inclinado",
                                 "energia-plano-inclinado",
                                 "preparar-una-hoja",   "form11-ejercicio-con-pista"};
    return language == u"es" || language == u"ca" || few.contains(name);
}

void Tour::write(const QPixmap &shot, const QString &name)
{
    if (!wantedIn(app::language(), name))
        return;
    QString suffix = ratioSuffix(shot.devicePixelRatio());
    if (ui::zoomPercent() != 100)
        suffix.prepend(QStringLiteral("-%1").arg(ui::zoomPercent()));
    const QString path = m_folder.filePath(name + suffix + QStringLiteral(".png"));
    // Written aside first, so an interrupted run leaves the old picture whole.
    const QString partial = path + QStringLiteral(".tmp");
    const bool saved = shot.save(partial, "PNG");
    if (!saved || (QFile::exists(path) && !QFile::remove(path)) || !QFile::rename(partial, path)) {
        QFile::remove(partial);
        m_failures.append(QStringLiteral("could not write ") + path);
        return;
    }
    QTextStream(stdout) << path << '\n';
}

void Tour::saveEnergyView(QWidget *data, const QString &name)
{
    auto *graph = data->findChild<QWidget *>(QStringLiteral("EnergyGraph"));
    if (!graph || !graph->isVisible()) {
        m_failures.append(QStringLiteral("no energy graph for ") + name);
        return;
    }
    QRect shown(graph->mapTo(data, QPoint(0, 0)), graph->size());
    if (auto *mass = data->findChild<QWidget *>(QStringLiteral("Mass")); mass && mass->isVisible())
        shown = shown.united(QRect(mass->mapTo(data, QPoint(0, 0)), mass->size()).adjusted(0, 0, 0, 6));
    write(data->grab(shown), name);
}

void Tour::help(const char *objectName, const QString &name, const QString &about)
{
    ui::FormBase *window = expect(objectName);
    if (!window)
        return;
    // F1 is a shortcut of the window, so it has to be the active one.
    if (!QTest::qWaitForWindowActive(window))
        m_failures.append(QStringLiteral("%1 did not become active").arg(QLatin1String(objectName)));
    QTest::keyClick(window, Qt::Key_F1);
    app::HelpWindow *help = app::existingHelpWindow();
    if (!help || !help->isVisible()) {
        m_failures.append(QStringLiteral("F1 opened no help over %1").arg(QLatin1String(objectName)));
        return;
    }
    write(help->grab(), name);
    if (!about.isEmpty()) {
        driver::click(help, "AboutButton");
        write(help->grab(), about);
    }
    QTest::keyClick(help, Qt::Key_Escape);
}

void Tour::solve(const char *objectName, const std::vector<Problem> &givens, const QString &name)
{
    QWidget *window = expect(objectName);
    if (!window)
        return;
    for (const Problem &given : givens) {
        driver::setChecked(window, given.box, true);
        // Typed as the window's note says: a decimal point in English.
        driver::type(window, given.field, QString(given.text).replace(QLatin1Char(','), QLocale().decimalPoint()));
    }
    driver::click(window, "Command1");
    if (!name.isEmpty())
        save(objectName, name);
}

void Tour::workedSolution(const char *objectName, const QString &name)
{
    QWidget *window = expect(objectName);
    if (!window)
        return;
    // The dialog is modal: it is looked at from inside its own event loop.
    bool seen = false;
    QTimer::singleShot(0, window, [this, &seen, name] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != u"WorkedSolution") {
            m_failures.append(QStringLiteral("\"Ver resolución\" opened no dialog for ") + name);
            if (dialog)
                dialog->reject();
            return;
        }
        seen = true;
        // Tall enough to show the whole working without a scroll bar.
        auto *view = dialog->findChild<QTextBrowser *>(QStringLiteral("Working"));
        dialog->resize(dialog->width(), qMin(1400, dialog->height() + int(view->document()->size().height())
                                                       - view->viewport()->height() + 4));
        saveWidget(dialog, name);
        savePdfPage(*view->document(), name + QStringLiteral("-pdf"));
        dialog->reject();
    });
    driver::click(window, "Command4");
    if (!seen)
        m_failures.append(QStringLiteral("no worked solution for ") + name);
}

void Tour::savePdfPage(const QTextDocument &document, const QString &name)
{
    if (!wantedIn(app::language(), name))
        return;
    QTemporaryDir scratch;
    const QString pdf = scratch.filePath(QStringLiteral("page.pdf"));
    if (!solvers::writePdf(document, name, pdf)) {
        m_failures.append(QStringLiteral("could not write the PDF for ") + name);
        return;
    }
    drawPdfPages(pdf, name);
}

void Tour::drawPdfPages(const QString &pdf, const QString &name, int lastPage)
{
    // Every page, one picture each: <name>-1.png, <name>-2.png, ...
    const qreal ratio = qApp->devicePixelRatio();
    for (int page = 1; lastPage == 0 || page <= lastPage; ++page) {
        const QString stem = m_folder.filePath(QStringLiteral("%1-%2%3").arg(name).arg(page).arg(ratioSuffix(ratio)));
        QFile::remove(stem + QStringLiteral(".png"));
        const QString number = QString::number(page);
        QProcess drawer;
        // A page past the last one is how the loop ends, not an error to show.
        drawer.setStandardErrorFile(QProcess::nullDevice());
        drawer.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"), number,
                      QStringLiteral("-l"), number, QStringLiteral("-r"), QString::number(qRound(96 * ratio)), pdf, stem});
        const bool drawn = drawer.waitForFinished() && drawer.exitStatus() == QProcess::NormalExit
            && drawer.exitCode() == 0;
        if (!drawn || !QFile::exists(stem + QStringLiteral(".png"))) {
            if (page == 1)
                m_failures.append(QStringLiteral("pdftoppm drew no page of ") + name);
            return;
        }
        QTextStream(stdout) << stem << ".png\n";
    }
}

// As a user drags it: the bar moves, and the note about a problem's values
// goes.
void Tour::setScroll(QWidget *window, const char *name, int value)
{
    auto *bar = driver::control<QScrollBar>(window, name);
    bar->setFocus();
    bar->setSliderPosition(value);
    bar->triggerAction(QAbstractSlider::SliderMove);
}

void Tour::enlarged(const char *objectName, int ticks, const QString &name)
{
    QWidget *window = expect(objectName);
    if (!window)
        return;
    driver::click(window, "Check1"); // Ampliar dibujo
    runPart(objectName, ticks, name);
    // The run to its end, so that the next start draws the start anew, and
    // the drawing as laid out again for the pictures that follow.
    for (int tick = 0; tick < 1000 && driver::control<QTimer>(window, "Timer1")->isActive(); ++tick)
        QMetaObject::invokeMethod(window, "Timer1_Timer");
    driver::click(window, "Check1");
}

void Tour::runPart(const char *objectName, int ticks, const QString &name)
{
    QWidget *window = expect(objectName);
    if (!window)
        return;
    driver::click(window, "Command1");
    // The handler itself, tick by tick, rather than waiting on the clock:
    // the same run every time, at any speed of the machine.
    for (int tick = 0; tick < ticks; ++tick) {
        if (!QMetaObject::invokeMethod(window, "Timer1_Timer")) {
            m_failures.append(QStringLiteral("%1 has no slot Timer1_Timer").arg(QLatin1String(objectName)));
            return;
        }
    }
    // "Detener Movimiento" is enabled only while the bodies move.
    if (!driver::control<QAbstractButton>(window, "Command3")->isEnabled())
        m_failures.append(QStringLiteral("%1: the run ended within %2 ticks").arg(QLatin1String(objectName)).arg(ticks));
    save(objectName, name);
}

void Tour::practise(const QString &code, std::optional<exercises::Mistake> mistake, const QString &name)
{
    auto *form = qobject_cast<Form11 *>(expect("Form11"));
    if (!form)
        return;
    driver::type(form, "Text3", code);
    driver::click(form, "Command6"); // Ir
    if (!form->exercise() || form->exercise()->code.text() != code) {
        m_failures.append(QStringLiteral("Form11 did not open the exercise ") + code);
        return;
    }
    const QList<exercises::Unknown> &unknowns = form->exercise()->unknowns;
    for (qsizetype i = 0; i < unknowns.size(); ++i) {
        double value = unknowns.at(i).exact;
        if (mistake) {
            const auto &offered = unknowns.at(i).mistakes;
            const auto found = std::find_if(offered.begin(), offered.end(),
                                            [&](const exercises::MistakeValue &each) { return each.mistake == *mistake; });
            if (found == offered.end()) {
                m_failures.append(QStringLiteral("exercise %1 offers no hint for that mistake").arg(code));
                return;
            }
            value = found->value;
        }
        driver::type(form, driver::numbered("Text", int(i)), core::formatGrouped(value, 2));
    }
    driver::click(form, "Command1"); // Comprobar
    save("Form11", name);
}

void Tour::press(const char *objectName, const char *buttonName)
{
    if (QWidget *window = expect(objectName))
        driver::click(window, buttonName);
}

// The tick counts put the bodies about half-way: the distance grows as t²,
// so some 70 % of a run's ticks (79 for Form2, 63 for Form3, 97 for Form6 at
// these values) cover half of it.
void Tour::run()
{
    app::startProgram();
    save("Form1", QStringLiteral("form1-inicio"));
    press("Form1", "Command2"); // Continuar
    save("Form7", QStringLiteral("form7-menu"));

    // Inclined plane: θ = 30°, μ = 0,2 give a = 3,21 m/s².
    press("Form7", "Command1");
    solve("Form8", {{"Check2", "Text2", QStringLiteral("30")}, {"Check3", "Text3", QStringLiteral("0,2")}},
          QStringLiteral("form8-plano-inclinado"));
    help("Form8", QStringLiteral("ayuda-form8-plano-inclinado"), QStringLiteral("ayuda-acerca-de-cuestaval"));
    workedSolution("Form8", QStringLiteral("form8-resolucion"));
    // A press that ends in a message has its working too: θ = 10° and
    // μ = 0,5 leave the block at rest.
    m_expectedMessage = QCoreApplication::translate("Problem", "El problema no tiene solución");
    solve("Form8", {{"Check2", "Text2", QStringLiteral("10")}, {"Check3", "Text3", QStringLiteral("0,5")}}, QString());
    if (!m_expectedMessage.isEmpty())
        m_failures.append(QStringLiteral("Form8 did not say: ") + m_expectedMessage);
    workedSolution("Form8", QStringLiteral("form8-resolucion-sin-solucion"));
    press("Form8", "Command3"); // Simulación
    if (QWidget *form2 = expect("Form2")) {
        setScroll(form2, "HScroll1", 30);
        setScroll(form2, "HScroll2", 200); // thousandths of μ
    }
    runPart("Form2", 55, QStringLiteral("form2-simulacion-plano-inclinado"));
    help("Form2", QStringLiteral("ayuda-form2-simulacion-plano-inclinado"));
    // The run to its end, then "Datos y gráficas" beside it.
    if (QWidget *form2 = expect("Form2")) {
        for (int tick = 0; tick < 1000 && driver::control<QAbstractButton>(form2, "Command3")->isEnabled(); ++tick)
            QMetaObject::invokeMethod(form2, "Timer1_Timer");
        driver::click(form2, "Command4");
        QWidget *data = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == u"DataWindow" && top->isVisible())
                data = top;
        if (data) {
            saveWidget(data, QStringLiteral("datos-plano-inclinado"));
            saveEnergyView(data, QStringLiteral("energia-plano-inclinado"));
        } else
            m_failures.append(QStringLiteral("\"Datos y gráficas\" opened no window over Form2"));
    }
    // The textbook's 30° and μ = 0,2, drawn for a class.
    enlarged("Form2", 55, QStringLiteral("form2-ampliado"));
    press("Form2", "Command2"); // Regresar
    // A problem whose angle and μ fall between the steps of the bars: the
    // simulation opens at the nearest steps and says so.
    press("Form7", "Command1");
    solve("Form8", {{"Check2", "Text2", QStringLiteral("30,5")}, {"Check3", "Text3", QStringLiteral("0,2345")}},
          QString());
    press("Form8", "Command3"); // Simulación
    save("Form2", QStringLiteral("form2-desde-el-problema"));
    press("Form2", "Command2"); // Regresar

    // Block on a table: m1 = 2, m2 = 3, μ = 0,2 give a = 5,10 m/s², T = 14,13 N.
    press("Form7", "Command2");
    solve("Form9",
          {{"Check1", "Text1", QStringLiteral("2")},
           {"Check2", "Text2", QStringLiteral("3")},
           {"Check3", "Text3", QStringLiteral("0,2")}},
          QStringLiteral("form9-plano-horizontal"));
    workedSolution("Form9", QStringLiteral("form9-resolucion"));
    press("Form9", "Command3"); // Simulación
    save("Form4", QStringLiteral("form4-titulo-plano-horizontal"));
    press("Form4", "Command2"); // Continuar
    // The problem's 2 kg and 3 kg drawn for a class, with the note on g.
    enlarged("Form3", 45, QStringLiteral("form3-ampliado"));
    // The same acceleration with masses 40 and 60, whose blocks are drawn
    // large enough to see (a block grows with its mass).
    if (QWidget *form3 = expect("Form3")) {
        setScroll(form3, "HScroll1", 41); // a mass plus one
        setScroll(form3, "HScroll2", 61);
        setScroll(form3, "HScroll3", 20); // hundredths of μ
    }
    runPart("Form3", 45, QStringLiteral("form3-simulacion-plano-horizontal"));
    press("Form3", "Command2"); // Regresar
    // A problem the simulation can only round: m2 = 60 kg, μ = 0,25 and
    // a = 3 m/s² need m1 = 74,94 kg, which the mass bar shows as 75 kg.
    press("Form7", "Command2");
    if (QWidget *form9 = expect("Form9"))
        driver::setChecked(form9, "Check1", false);
    solve("Form9",
          {{"Check2", "Text2", QStringLiteral("60")},
           {"Check3", "Text3", QStringLiteral("0,25")},
           {"Check4", "Text4", QStringLiteral("3")}},
          QString());
    press("Form9", "Command3"); // Simulación
    press("Form4", "Command2"); // Continuar
    save("Form3", QStringLiteral("form3-desde-el-problema"));
    // That run to its end, and its data.
    if (QWidget *form3 = expect("Form3")) {
        driver::click(form3, "Command1");
        for (int tick = 0; tick < 1000 && driver::control<QTimer>(form3, "Timer1")->isActive(); ++tick)
            QMetaObject::invokeMethod(form3, "Timer1_Timer");
        driver::click(form3, "Command4"); // Datos y gráficas
        if (auto *data = form3->findChild<QWidget *>(QStringLiteral("DataWindow"))) {
            // Its layout settles once the window is on screen.
            if (!QTest::qWaitForWindowExposed(data))
                m_failures.append(QStringLiteral("the data window of Form3 did not appear"));
            QCoreApplication::processEvents();
            saveWidget(data, QStringLiteral("datos-plano-horizontal"));
            saveEnergyView(data, QStringLiteral("energia-plano-horizontal"));
        }
        else
            m_failures.append(QStringLiteral("Form3 opened no data window"));
    }
    press("Form3", "Command2"); // Regresar

    // Atwood machine: m1 = 3, m2 = 2 give a = 1,96 m/s², T = 23,54 N.
    press("Form7", "Command3");
    solve("Form10", {{"Check1", "Text1", QStringLiteral("3")}, {"Check2", "Text2", QStringLiteral("2")}},
          QStringLiteral("form10-maquina-de-atwood"));
    workedSolution("Form10", QStringLiteral("form10-resolucion"));
    press("Form10", "Command3"); // Simulación
    save("Form5", QStringLiteral("form5-titulo-maquina-de-atwood"));
    press("Form5", "Command2"); // Continuar
    // The problem's 3 kg and 2 kg drawn for a class.
    enlarged("Form6", 70, QStringLiteral("form6-ampliado"));
    // The same acceleration with masses 75 and 50, for blocks and arrows
    // large enough to see.
    if (QWidget *form6 = expect("Form6")) {
        setScroll(form6, "HScroll1", 76); // a mass plus one
        setScroll(form6, "HScroll2", 51);
    }
    runPart("Form6", 70, QStringLiteral("form6-simulacion-maquina-de-atwood"));
    // The run to the floor, then its table and graphs.
    if (QWidget *form6 = expect("Form6")) {
        for (int tick = 0; tick < 200 && driver::control<QAbstractButton>(form6, "Command3")->isEnabled(); ++tick)
            QMetaObject::invokeMethod(form6, "Timer1_Timer");
        driver::click(form6, "Command4"); // Datos y gráficas
        QWidget *data = driver::control<QWidget>(form6, "DataWindow");
        // Laid out before the picture is taken.
        if (QTest::qWaitForWindowExposed(data)) {
            saveWidget(data, QStringLiteral("datos-maquina-de-atwood"));
            saveEnergyView(data, QStringLiteral("energia-maquina-de-atwood"));
        } else
            m_failures.append(QStringLiteral("the data window of Form6 did not show"));
    }
    press("Form6", "Command2"); // Regresar
    // Masses the scroll bars hold only to the kilogram: the simulation says
    // what it made of them.
    press("Form7", "Command3");
    solve("Form10", {{"Check1", "Text1", QStringLiteral("2,5")}, {"Check2", "Text2", QStringLiteral("1,2")}}, QString());
    press("Form10", "Command3"); // Simulación
    press("Form5", "Command2");  // Continuar
    save("Form6", QStringLiteral("form6-desde-el-problema"));
    press("Form6", "Command2"); // Regresar

    // The practice: a block on a table answered right at the first try, then
    // an inclined plane whose acceleration leaves out the friction, which
    // the window names.
    press("Form7", "Command5"); // Ejercicios
    practise(QStringLiteral("2-1-4817"), std::nullopt, QStringLiteral("form11-ejercicio-correcto"));
    practise(QStringLiteral("1-3-2024"), exercises::Mistake::FrictionLeftOut, QStringLiteral("form11-ejercicio-con-pista"));
    press("Form11", "Command2"); // Regresar

    classSet();
    press("Form7", "Command4"); // Salir
}

void Tour::classSet()
{
    class_sets::ClassSetDialog dialog(current());
    dialog.setChoice(exercises::ProblemKind::HorizontalPlane, 4);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        m_failures.append(QStringLiteral("\"Preparar una hoja\" did not show"));
    saveWidget(&dialog, QStringLiteral("preparar-una-hoja"));
    dialog.close();

    // A class of every problem, from a fixed first code.
    const class_sets::Choice choice{std::nullopt, std::nullopt, 2027, 30};
    const QList<class_sets::Variant> variants = class_sets::variants(class_sets::codes(choice));
    QTemporaryDir scratch;
    const class_sets::Paths paths{scratch.filePath(QStringLiteral("hoja.pdf")),
                                  scratch.filePath(QStringLiteral("clave.pdf")), {}};
    if (!class_sets::writeFiles(choice, variants, paths).failedPath.isEmpty()) {
        m_failures.append(QStringLiteral("could not write the class set"));
        return;
    }
    if (wantedIn(app::language(), QStringLiteral("hoja-de-clase-pdf")))
        drawPdfPages(paths.sheet, QStringLiteral("hoja-de-clase-pdf"), 1);
    if (wantedIn(app::language(), QStringLiteral("clave-de-clase-pdf")))
        drawPdfPages(paths.key, QStringLiteral("clave-de-clase-pdf"), 1);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int zoom = argc == 3 ? QString::fromLocal8Bit(argv[2]).toInt() : 100;
    if ((argc != 2 && argc != 3) || !ui::isZoomStep(zoom)) {
        std::fprintf(stderr, "usage: %s <folder for the pictures> [100|125|150|175|200]\n", argv[0]);
        return 2;
    }
    // Pictures that do not depend on what this computer remembers (the
    // practice's last choice of problem and question).
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Cuestaval"), QStringLiteral("cuestaval")).clear();
    ui::setZoom(zoom);
    // LANGUAGE=ca takes the pictures of the Catalan windows, into ca/.
    app::setLanguage(app::systemLanguage());
    QString path = QString::fromLocal8Bit(argv[1]);
    if (app::language() != u"es")
        path += QLatin1Char('/') + app::language();
    const QDir folder(path);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
        return 1;
    }

    Tour tour(folder);
    // No box may wait for a click, and "Salir" must not quit before the
    // last picture is checked: both only leave a note.
    ui::setMessageHook([&tour](const QString &text) { tour.recordMessage(text); });
    ui::navigator().setEndHandler([&tour] { tour.recordEnd(); });

    tour.run();
    ui::navigator().reset();

    if (!tour.succeeded()) {
        for (const QString &failure : tour.failures())
            std::fprintf(stderr, "%s\n", qPrintable(failure));
        if (tour.failures().isEmpty())
            std::fprintf(stderr, "\"Salir\" did not end the program\n");
        return 1;
    }
    return 0;
}
