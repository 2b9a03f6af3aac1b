// What the inclined-plane window draws, recorded call by call: erase passes
// that remove exactly what the drawing before them left, and strobe marks
// that stay.

#include "simulations/inclined_plane/inclined_plane_scene.h"
#include "support/recording_canvas.h"

#include <QTest>

using namespace inclined_plane;
namespace colour = core::colour;

namespace {

constexpr double W = 6000;
constexpr double H = 6000;

// The first shape `drawn` left visible that `redraw` neither paints over in
// cyan nor draws again as plane; strobe marks and the dot placing the title stay.
QString firstNotErased(const RecordingCanvas &drawn, const RecordingCanvas &redraw)
{
    QList<DrawOp> covered = redraw.inColour(colour::cyan) + redraw.inColour(colour::black);
    for (const DrawOp &op : drawn.shapes()) {
        const bool stays = op.colour == colour::cyan || op.kind == DrawOp::Circle
            || (op.kind == DrawOp::Line && op.a[0] == op.a[2] && op.a[1] == op.a[3]);
        if (!stays && std::none_of(covered.cbegin(), covered.cend(), [&](const DrawOp &e) { return e.sameShape(op); }))
            return op.toString();
    }
    return {};
}

} // namespace

class TestInclinedPlaneScene : public QObject
{
    Q_OBJECT

private slots:
    // The first scroll change erases the load drawing but for the title.
    // During a run each tick erases the block and forces of the tick before
    // (with the friction cap a tick draws at C even for μ 0), never a strobe
    // mark, and every tenth tick marks B1 on both strips.
    void erasesWhatWasDrawnAndMarksEveryTenth()
    {
        RecordingCanvas canvas(W, H), previous(W, H);
        State state;
        drawLoadScene(canvas, state);
        previous.ops = canvas.ops;
        canvas.clear();
        redrawForScroll(canvas, state, 30);
        state.lastAngle = 30;
        QCOMPARE(firstNotErased(previous, canvas), QString());
        for (int n = 1; n <= 20; ++n) {
            previous.ops = canvas.ops;
            canvas.clear();
            QVERIFY(mayAdvance(state, 30, H));
            advance(state, 30, W);
            redrawForTick(canvas, state, 30);
            QCOMPARE(firstNotErased(previous, canvas), QString());
            // Circles and strip fills of this tick: only the marks, in blue.
            QList<DrawOp> marks = canvas.shapes();
            marks.removeIf([](const DrawOp &op) { return op.kind != DrawOp::Circle && op.kind != DrawOp::FillRect; });
            QCOMPARE(marks.size(), n % 10 == 0 ? 2 : 0);
            if (const Point b1 = state.sceneNow.B1; n % 10 == 0) {
                QVERIFY(marks.at(0).sameShape({DrawOp::Circle, 0, {0.05 * W, b1.y, 30}, {}}));
                QVERIFY(marks.at(1).sameShape({DrawOp::Circle, 0, {b1.x, 0.95 * H, 30}, {}}));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestInclinedPlaneScene)
#include "tst_inclined_plane_scene.moc"
