// The bather's body and throwing arm, drawn as player 2 sees them: limbs are
// smooth unions of tapered capsules, lit as rounded flesh with a soft sheen.
#include "figure.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

const QColor kSkinLit(238, 186, 146);
const QColor kSkinMid(214, 150, 110);
const QColor kSkinDeep(150, 82, 62);
const QColor kSuitLit(226, 52, 52);
const QColor kSuitDeep(110, 10, 20);

// Distance to a capsule whose radius runs from ra at a to rb at b.
double capsuleDistance(const Capsule& c, double px, double py, double& radius)
{
    const double dx = c.b.x() - c.a.x(), dy = c.b.y() - c.a.y();
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - c.a.x()) * dx + (py - c.a.y()) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    radius = c.ra + (c.rb - c.ra) * t;
    return std::hypot(px - (c.a.x() + dx * t), py - (c.a.y() + dy * t)) - radius;
}

// Polynomial smooth minimum: joints melt into each other instead of showing.
double smoothMin(double a, double b, double k)
{
    const double h = std::clamp(0.5 + 0.5 * (b - a) / k, 0.0, 1.0);
    return b + (a - b) * h - k * h * (1 - h);
}

} // namespace

double Limbs::distance(double x, double y, double* radius) const
{
    double d = 1e9, r = 1;
    for (const Capsule& c : parts) {
        double cr;
        const double cd = capsuleDistance(c, x, y, cr);
        if (cd < d)
            r = cr;
        d = d > 1e8 ? cd : smoothMin(d, cd, blend);
    }
    if (radius)
        *radius = r;
    return d;
}

// Light from the front and a little above, the same for both mirrored sides.
void paintLimbs(QImage& img, const Limbs& limbs, const SurfaceColour& colour)
{
    const double lx = 0.0, ly = -0.55, lz = 0.83;
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double px = x + 0.5, py = y + 0.5;
            double r;
            const double d = limbs.distance(px, py, &r);
            if (d > 1.0)
                continue;
            const double gx = limbs.distance(px + 0.7, py, nullptr) - limbs.distance(px - 0.7, py, nullptr);
            const double gy = limbs.distance(px, py + 0.7, nullptr) - limbs.distance(px, py - 0.7, nullptr);
            const double gl = std::max(1e-6, std::hypot(gx, gy));
            const double edge = std::clamp(1.0 + d / r, 0.0, 1.0);  // 1 at the rim, 0 on the axis
            const double nx = gx / gl * edge, ny = gy / gl * edge;
            const double nz = std::sqrt(std::max(0.0, 1 - edge * edge));
            const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
            // sheen: half vector between the light and the eye
            const double hx = lx, hy = ly, hz = lz + 1.0;
            const double hl = std::hypot(hx, hy, hz);
            const double shine = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 28);
            QColor c = colour(px, py, diffuse, shine, edge);
            const double cover = std::clamp(0.5 - d, 0.0, 1.0);
            const QRgb under = row[x];
            const double a = cover + qAlpha(under) / 255.0 * (1 - cover);
            auto ch = [&](double top, int below) {
                return int(std::lround(std::clamp(top * cover * 255 + below * (1 - cover), 0.0, 255.0)));
            };
            row[x] = qRgba(ch(c.redF(), qRed(under)), ch(c.greenF(), qGreen(under)), ch(c.blueF(), qBlue(under)),
                           int(std::lround(a * 255)));
        }
    }
}

// Darkens what lies just outside the limbs: the soft shadow they cast.
void castShadow(QImage& img, const Limbs& limbs, double reach, double strength, QPointF offset)
{
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            const double d = limbs.distance(x + 0.5 - offset.x(), y + 0.5 - offset.y(), nullptr);
            if (d <= 0 || d >= reach)
                continue;
            const double k = 1 - strength * std::pow(1 - d / reach, 2);
            row[x] = qRgba(int(qRed(row[x]) * k), int(qGreen(row[x]) * k), int(qBlue(row[x]) * k), qAlpha(row[x]));
        }
    }
}

QColor skinAt(double diffuse, double shine, double edge)
{
    QColor c = mix(kSkinDeep, kSkinMid, std::clamp(diffuse * 1.4 - 0.1, 0.0, 1.0));
    c = mix(c, kSkinLit, std::clamp((diffuse - 0.7) * 3, 0.0, 1.0));
    c = mix(c, QColor(190, 90, 70), std::pow(edge, 6) * 0.35);  // warm light through the rim
    return mix(c, QColor(255, 240, 226), shine * 0.45);
}

QColor suitAt(double diffuse, double shine)
{
    QColor c = mix(kSuitDeep, kSuitLit, std::clamp(diffuse * 1.2 - 0.1, 0.0, 1.0));
    return mix(c, QColor(255, 170, 160), shine * 0.3);
}

// ---- the body ----

namespace {

// Body joints, in the body picture, as player 2 sees it.
constexpr QPointF kNeckTop(326, 14);
constexpr QPointF kNeckBase(322, 70);
constexpr QPointF kThrowShoulder(352, 74);
constexpr QPointF kRestShoulder(262, 86);
constexpr QPointF kRestElbow(228, 206);
constexpr QPointF kRestHand(240, 300);
constexpr QPointF kNearHip(258, 330), kNearKnee(150, 452), kNearAnkle(82, 548);
constexpr QPointF kFarHip(300, 344), kFarKnee(218, 468), kFarAnkle(158, 560);

Limbs torso()
{
    return Limbs{{
                     {kNeckTop, kNeckBase, 21, 24},
                     {QPointF(270, 96), kThrowShoulder, 30, 30},  // shoulders
                     {QPointF(306, 120), QPointF(300, 170), 52, 50},  // chest
                     {QPointF(296, 200), QPointF(284, 262), 44, 44},  // waist
                     {QPointF(282, 300), QPointF(278, 330), 54, 56},  // hips
                     {kNearHip, kNearKnee, 40, 30},
                     {kNearKnee, kNearAnkle, 27, 17},
                     {kNearAnkle, QPointF(58, 570), 15, 11},
                 },
                 9};
}

Limbs farLeg()
{
    return Limbs{{
                     {kFarHip, kFarKnee, 38, 28},
                     {kFarKnee, kFarAnkle, 26, 16},
                     {kFarAnkle, QPointF(136, 574), 14, 10},
                 },
                 9};
}

Limbs restingArm()
{
    return Limbs{{
                     {kRestShoulder, kRestElbow, 21, 17},
                     {kRestElbow, kRestHand, 17, 14},
                     {kRestHand, QPointF(246, 326), 15, 11},
                 },
                 6};
}

// The two-piece: a band round the chest and briefs over the hips.
bool inSuitTop(double x, double y)
{
    const double top = 124 + (x - 300) * 0.08 - 10 * std::exp(-std::pow((x - 300) / 30.0, 2));
    return y > top && y < top + 58 + 6 * std::sin((x - 250) / 40.0);
}

bool inSuitBottom(double x, double y)
{
    const double waist = 296 + (x - 280) * 0.12;
    const double leg = 390 - 0.95 * std::abs(x - 284);
    return y > waist && y < leg;
}

} // namespace

QImage bodyPicture()
{
    QImage img = canvas(380, 579);
    const Limbs far = farLeg(), near = torso(), arm = restingArm();
    paintLimbs(img, far, [](double, double, double d, double s, double e) { return shade(skinAt(d, s, e), 0.86); });
    castShadow(img, near, 14, 0.45, QPointF(0, 0));
    paintLimbs(img, near, [](double x, double y, double d, double s, double e) {
        if (inSuitTop(x, y) || inSuitBottom(x, y)) {
            const bool hem = !inSuitTop(x, y - 2.5) && !inSuitBottom(x, y - 2.5);
            return hem ? shade(suitAt(d, s), 0.7) : suitAt(d, s);
        }
        QColor c = skinAt(d, s, e);
        // navel: a small soft dimple, shadowed under its upper rim, lit on its lower one
        const double nu = (x - 290) / 2.6, nv = (y - 254) / 3.4;
        const double nd = nu * nu + nv * nv;
        if (nd < 1.8) {
            const double well = nd < 1 ? (1 - nd) * (1 - nd) : 0;
            const double rim = std::exp(-std::pow((nd - 1.0) / 0.35, 2)) * std::clamp(nv, 0.0, 1.0);
            c = shade(c, 1 - 0.2 * well * (0.6 + 0.4 * std::clamp(-nv + 0.4, 0.0, 1.0)) + 0.06 * rim);
        }
        return c;
    });
    castShadow(img, arm, 12, 0.4, QPointF(-3, 5));
    paintLimbs(img, arm, [](double, double, double d, double s, double e) { return skinAt(d, s, e); });
    return img;
}

// ---- the throwing arm ----

QImage armPicture(const ArmPose& pose)
{
    QImage img = canvas(pose.width, pose.height);
    const QPointF fore = pose.hand - pose.elbow;
    const double len = std::hypot(fore.x(), fore.y());
    const QPointF dir = fore / len;
    const QPointF wrist = pose.hand - dir * 20;
    const QPointF fingers = pose.hand + dir * 14;
    const QPointF side(-dir.y(), dir.x());
    const Limbs limbs{{
                          {pose.shoulder, pose.elbow, 25, 18},
                          {pose.elbow, wrist, 18, 13},
                          {wrist, fingers, 15, 14},                       // palm round the handle
                          {fingers - side * 6, fingers + side * 8, 11, 11},  // curled fingers
                      },
                      7};
    paintLimbs(img, limbs, [&](double x, double y, double d, double s, double e) {
        QColor c = skinAt(d, s, e);
        // knuckle creases across the curled fingers
        const QPointF q = QPointF(x, y) - fingers;
        const double along = q.x() * side.x() + q.y() * side.y();
        const double across = q.x() * dir.x() + q.y() * dir.y();
        if (std::abs(across) < 10 && std::abs(along) < 12 && std::fmod(along + 24, 6.5) < 0.9)
            c = shade(c, 0.82);
        return c;
    });
    return img;
}

} // namespace art
