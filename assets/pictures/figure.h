// Soft-shaded limbs for the bather's body and arm pictures.
#pragma once

#include "art.h"

#include <functional>
#include <vector>

namespace art {

// A limb piece: a capsule whose radius runs from ra at a to rb at b.
struct Capsule {
    QPointF a, b;
    double ra, rb;
};

// Capsules melted together with a smooth union of the given width.
struct Limbs {
    std::vector<Capsule> parts;
    double blend;
    // Signed distance to the surface, negative inside; radius of the nearest piece.
    double distance(double x, double y, double* radius) const;
};

// Colour of a point from its position, light (0..1), sheen (0..1) and how
// close it is to the rim (0 on the axis, 1 at the edge).
using SurfaceColour = std::function<QColor(double x, double y, double diffuse, double sheen, double edge)>;

void paintLimbs(QImage& img, const Limbs& limbs, const SurfaceColour& colour);
void castShadow(QImage& img, const Limbs& limbs, double reach, double strength, QPointF offset);
QColor skinAt(double diffuse, double sheen, double edge);

// Joints of one throwing-arm picture, in its own pixels.
struct ArmPose {
    int width, height;
    QPointF shoulder, elbow, hand;
    double wristTurn = 0;  // degrees the hand is bent down from the forearm's line
    double curl = 0;       // pixels the fingers reach further round the handle
    double back = 0;       // pixels the upper arm's outer side swells out, over the body's side under it
};

QImage bodyPicture();

// The face's expression, one for each heat band.
enum class Mood { Smile, Straight, Frown, Crooked };
// The face (132 x 155), its skin tinted by the mood's colour.
QImage facePicture(const QColor& tint, Mood mood);
QImage armPicture(const ArmPose& pose);

} // namespace art
