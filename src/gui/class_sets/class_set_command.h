#pragma once

#include <QCommandLineOption>

#include <optional>

class QCommandLineParser;
class QLocale;

// The command line that writes a class set, for a teacher's script or a
// machine with no desktop:
//   cuestaval --exercises N [--problem inclined|table|atwood|any] [--case K]
//             [--seed S] [--sheet FILE.pdf] [--key FILE.pdf] [--moodle FILE.xml]
// It never opens a window; it prints one line per file written, or one
// error and exits with status 2, having written nothing.
namespace class_sets {

class CommandLine
{
public:
    CommandLine();

    void addTo(QCommandLineParser &parser) const;
    // With --exercises, writes the set, its numbers in `numbers`, and gives
    // the exit status; nothing when the command line asks for no set.
    std::optional<int> run(const QCommandLineParser &parser, const QLocale &numbers) const;

private:
    QCommandLineOption m_exercises;
    QCommandLineOption m_problem;
    QCommandLineOption m_case;
    QCommandLineOption m_seed;
    QCommandLineOption m_sheet;
    QCommandLineOption m_key;
    QCommandLineOption m_moodle;
};

// True when the arguments ask for a class set, which the program then
// writes offscreen, with no display needed.
bool asksForClassSet(int argc, char *argv[]);

} // namespace class_sets
