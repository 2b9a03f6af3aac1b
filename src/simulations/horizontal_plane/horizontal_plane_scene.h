#pragma once

#include "simulations/horizontal_plane/horizontal_plane_model.h"
#include "core/canvas.h"

// The picture of the horizontal plane: a table with two legs, a pulley on a
// bracket at its right end, block 1 on the table and block 2 hanging beside
// it, the cord, and four force arrows drawn to scale from the block centres
// (red tensions, yellow friction, green weight). Every position is a
// fraction of the picture's width W and height H.
//
// The picture is never cleared: a shape is removed by drawing it again in
// the background colour, so the scene remembers what it drew.
namespace horizontal {

// π as the arrow caps use it.
constexpr double PiValue = 3.1416;

// The forces of the first picture, for the design masses 50 and 50 without
// friction.
constexpr double DesignTension = 245;
constexpr double DesignWeight = 490;

// Tip of a force arrow: a half circle whose outermost point is the tip, or a
// dot on the tip (what a zero force shows).
enum class Cap { HalfCircle, Dot };

inline Cap capUnlessZero(double force)
{
    return force != 0 ? Cap::HalfCircle : Cap::Dot;
}

// The inputs with which the arrows now on the picture were drawn; the erase
// pass draws them again from these.
struct ArrowCopies {
    double tension = 0;
    int mass1 = 0;
    int mass2 = 0;
    int friction = 0; // p, in hundredths
};

enum class EraseVariant {
    Full,
    // A tick keeps the vertical cord: the new, longer cord covers it.
    Tick,
};

class Scene
{
public:
    explicit Scene(core::Canvas &canvas);

    // The first picture: table, legs, both blocks with the arrows of the
    // design masses, the pulley and its bracket. Places both blocks and
    // Bottom2Start; the table and legs are never drawn again.
    void drawLoad(Run &run, const Setup &setup);

    // Places the blocks where a run begins, sized by their masses (block 1
    // widens to the left, block 2 lengthens downwards), and draws them.
    void drawStart(Run &run, const Setup &setup, double tension, Cap weightCap);

    // Blocks, cords and arrows where the blocks stand now.
    void drawBlocks(const Run &run, const Setup &setup, double tension, Cap weightCap);

    // Removes what drawBlocks or drawStart drew at the Prev rectangles.
    // Each arrow is erased with the cap it was drawn with; the pulley and
    // its bracket are then drawn again where an erased shape crossed them.
    void erase(const Run &run, const ArrowCopies &copies, EraseVariant variant);

    // Two bands where the strobe marks of a run are left.
    void clearStrobeStrips();
    // One mark at the right edge of block 1, one at the bottom edge of block 2.
    void drawStrobeMarks(const Run &run);

private:
    enum class Arrow { Tension1, Tension2, Friction, Weight };

    struct Caps {
        Cap tension1 = Cap::Dot;
        Cap tension2 = Cap::Dot;
        Cap friction = Cap::Dot;
        Cap weight = Cap::Dot;
    };

    double w() const { return m_canvas.widthTwips(); }
    double h() const { return m_canvas.heightTwips(); }

    void pulleyAndBracket();
    void box(const Rect &block, core::Rgb colour);
    void horizontalCord(const Rect &block1, core::Rgb colour);
    void verticalCord(const Rect &block2, core::Rgb colour);
    void arrow(Arrow kind, const Rect &block, double length, Cap cap, core::Rgb colour);

    double acrossLength(double force) const;
    double upLength(double force) const;
    double frictionLength(int m1, int m2, int p) const;
    double slidingFrictionLength(int m1, int p) const;
    double weightLength(int m2) const;

    core::Canvas &m_canvas;
    // The caps of the arrows now on the picture.
    Caps m_drawn;
};

} // namespace horizontal
