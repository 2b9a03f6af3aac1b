#pragma once

#include "core/simulations/run_record.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The run as a table of texts: what the data window shows, what "Copiar" puts
// on the clipboard and what "Guardar CSV…" writes.
namespace run_data {

// Decimals of each column: the time in hundredths (the tick), distance and
// speed to a tenth of a millimetre (d = 0,0245 m at the first strobe of a
// 4,9 m/s² run), the acceleration and tension as the windows show them, the
// energies to the hundredth of a joule (run_energy.h), masses to 10 g.
constexpr int TimeDecimals = 2;
constexpr int MotionDecimals = 4;
constexpr int AccelerationDecimals = 3;
constexpr int TensionDecimals = 2;
constexpr int MassDecimals = 2;

// One heading per column: "Tiempo (s)", then "Distancia (m)" and
// "Velocidad (m/s)" for the lone block, or "Distancia masa 1 (m)", … for each
// body of a pair; then the energies at the same instants, "W peso (J)",
// "Ec bloque 1 (J)", …, in the order of the energy bars.
QStringList headings(const RunRecord &run);
// The same on lines of their own, so the columns stay as narrow as their
// numbers: "Ec", "bloque 1", "(J)".
QStringList stackedHeadings(const RunRecord &run);
// What each energy's symbol stands for ("Energía cinética (bloque 1)");
// empty for the other columns.
QStringList headingTips(const RunRecord &run);
// A row of the table in the user's locale.
QStringList rowTexts(const RunRecord &run, const Sample &sample);
// "Aceleración: 2,450 m/s²" and, where there is a cord, "Tensión: 220,50 N".
QStringList summaryTexts(const RunRecord &run);

// For "Copiar": headings and rows, tab-separated, in the user's locale, so a
// spreadsheet of that locale takes the numbers as numbers. The run's
// acceleration, tension and masses follow as the last columns of every row,
// so the pasted table stands on its own.
QString toTsv(const RunRecord &run);

// For "Guardar CSV…": the same table as a spreadsheet reads it in the
// program's language: ";" between cells and a decimal comma, or in English
// "," and a decimal point; no digit grouping, CRLF line ends, UTF-8 with a byte-order mark (without one, some
// spreadsheets take the file for Latin-1 and garble "m/s²").
QByteArray toCsv(const RunRecord &run);

// "g = 9,8 m/s²", with the locale's decimal separator: the gravity of the
// simulation windows, which differs from the 9,81 of the problem windows.
QString simulationGravityText();

} // namespace run_data
