#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <utility>

// What every problem window must do, tested the way a user works: open it
// from the menu, tick boxes, type, press "Resolver", read fields and messages.
// A window's test derives from this, says which window it is, and gives the
// rows of its case table through three data functions (private slots):
//   givesBackTheUnknowns_data()    columns boxes, typed, expected
//   rejectsWithOneMessage_data()   columns boxes, typed, message
//   otherBoxCountsDoNothing_data() columns boxes, typed
// "boxes" is the pattern of check marks ("0110": Check2 and Check3), "typed"
// the texts typed into Text1..TextN.
class ProblemWindowTest : public QObject
{
    Q_OBJECT

public:
    struct Window {
        const char *menuButton;
        QString objectName;
        QString caption;
        int fieldCount;
        QStringList tabChain;
        // The window that "Simulación" leads to.
        QString simulation;
    };

    explicit ProblemWindowTest(Window window);

protected:
    void addColumnsOfResults();
    void addColumnsOfMessages();
    static void addMessageRow(const char *name, const char *boxes, const QStringList &typed, const QString &message);
    void addColumnsOfNothing();
    // One row per case: the given fields hold their value, the unknown ones
    // "0"; afterwards the unknowns must read as shown and the givens as typed.
    void addRowsFromValuesThatFit(const QList<std::pair<const char *, QString>> &cases, const QStringList &values,
                                  const QStringList &shown);

private slots:
    void initTestCase();
    void init();

    void menuButtonOpensTheWindowAlone();
    void givesBackTheUnknowns();
    void rejectsWithOneMessage();
    void otherBoxCountsDoNothing();
    void returningKeepsFieldsAndMarks();
    void closingTheWindowEndsTheProgram();
    void simulationButtonLeadsToTheSimulation();
    void tabFollowsTheLayoutOrder();
    void diagramFitsThePictureArea();
    void everyTextFitsItsControl();

private:
    Window m_target;
    QWidget *m_window = nullptr;
};
