// The bather's body and throwing arm, drawn as player 2 sees them: limbs are
// smooth unions of tapered capsules, lit as rounded flesh with a soft sheen.
#include "figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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
        if (d > 1e8) {
            d = cd;
            r = cr;
            continue;
        }
        // the radius melts along with the surface, so the shading has no crease
        const double h = std::clamp(0.5 + 0.5 * (cd - d) / blend, 0.0, 1.0);
        r = cr + (r - cr) * h;
        d = smoothMin(d, cd, blend);
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
            // the normal from the distance a little way either side, further on
            // broad limbs: where two pieces meet inside, the surface bends
            // smoothly instead of showing a crease
            const double step = std::clamp(r * 0.3, 0.7, 9.0);
            const double gx = limbs.distance(px + step, py, nullptr) - limbs.distance(px - step, py, nullptr);
            const double gy = limbs.distance(px, py + step, nullptr) - limbs.distance(px, py - step, nullptr);
            // the distance's slope is 1 off the axes; on an axis, where it turns
            // round, the wide difference shrinks and the normal eases through it
            const double gl = std::max(2 * step, std::hypot(gx, gy));
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
    return mix(c, QColor(255, 170, 160), shine * 0.15);
}

// ---- arms ----

QPointF lerp(QPointF a, QPointF b, double t) { return a + (b - a) * t; }

// An arm as muscles: the deltoid broad at the shoulder and ending a third of
// the way down, the biceps swelling above the elbow, the forearm thick below
// the elbow and slim at the wrist. `scale` thins the whole arm.
Limbs armLimbs(QPointF shoulder, QPointF elbow, QPointF wrist, double scale)
{
    auto r = [&](double v) { return v * scale; };
    return Limbs{{
                     {shoulder, lerp(shoulder, elbow, 0.24), r(19.5), r(22.5)},           // deltoid, narrow at its top
                     {lerp(shoulder, elbow, 0.22), lerp(shoulder, elbow, 0.5), r(22), r(15)},
                     {lerp(shoulder, elbow, 0.45), lerp(shoulder, elbow, 0.78), r(15.5), r(16.5)},  // biceps
                     {lerp(shoulder, elbow, 0.78), elbow, r(16.5), r(14)},
                     {elbow, lerp(elbow, wrist, 0.3), r(14.5), r(16)},  // forearm muscle
                     {lerp(elbow, wrist, 0.3), wrist, r(16), r(10.5)},
                 },
                 r(8)};
}

// Extra shade along an arm: a soft hollow where the deltoid ends, the point of
// the elbow lit with a crease beside it, a groove down the forearm.
QColor armDetail(QColor c, QPointF p, QPointF shoulder, QPointF elbow, QPointF wrist)
{
    auto axial = [&](QPointF a, QPointF b, double& t, double& across) {
        const QPointF ab = b - a;
        const double len = std::max(1.0, std::hypot(ab.x(), ab.y()));
        const QPointF u = ab / len;
        const QPointF q = p - a;
        t = (q.x() * u.x() + q.y() * u.y()) / len;
        across = q.x() * -u.y() + q.y() * u.x();
    };
    double t, across;
    axial(shoulder, elbow, t, across);
    c = shade(c, 1 - 0.06 * std::exp(-std::pow((t - 0.5) / 0.08, 2)) * std::exp(-std::pow(across / 10, 2)));
    const double de = std::hypot(p.x() - elbow.x(), p.y() - elbow.y());
    c = shade(c, 1 + 0.06 * std::exp(-de * de / 40));  // the point of the elbow
    axial(elbow, wrist, t, across);
    if (t > 0.1 && t < 0.9)
        c = shade(c, 1 - 0.08 * std::sin((t - 0.1) / 0.8 * std::numbers::pi) * std::exp(-std::pow((across - 3) / 3.5, 2)));
    return c;
}

// Paints limbs on a scratch canvas and lays them over the picture, fading them
// in from nothing at `from` to full at `to` along the line from `from` to `to`.
void paintFaded(QImage& img, const Limbs& limbs, const SurfaceColour& colour, QPointF from, QPointF to)
{
    QImage layer = canvas(img.width(), img.height());
    paintLimbs(layer, limbs, colour);
    const QPointF ab = to - from;
    const double len2 = ab.x() * ab.x() + ab.y() * ab.y();
    for (int y = 0; y < layer.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const double t = ((x + 0.5 - from.x()) * ab.x() + (y + 0.5 - from.y()) * ab.y()) / len2;
            const double k = std::clamp(t, 0.0, 1.0);
            const double f = k * k * (3 - 2 * k);
            if (f < 1)
                row[x] = qRgba(int(qRed(row[x]) * f), int(qGreen(row[x]) * f), int(qBlue(row[x]) * f),
                               int(qAlpha(row[x]) * f));
        }
    }
    QPainter p(&img);
    p.drawImage(0, 0, layer);
}

// ---- the body ----

namespace {

// The body reclines: below the shoulders it leans back, each row drawn this
// much further towards the feet than the upright figure it is laid out as.
constexpr double kLeanStart = 90, kLean = 0.15;
constexpr double leanAt(double y) { return kLean * std::max(0.0, y - kLeanStart); }
constexpr QPointF leaned(QPointF p) { return p - QPointF(leanAt(p.y()), 0); }

// Body joints, in the body picture, as player 2 sees it.
constexpr QPointF kNeckTop(326, 14);
constexpr QPointF kNeckBase(322, 62);
constexpr QPointF kThrowShoulder(352, 74);
constexpr QPointF kRestShoulder(254, 88);
// the arm hangs loose, the elbow a little out from her side, the hand resting on the top of her thigh
constexpr QPointF kRestElbow(211, 206);
constexpr QPointF kRestHand(200, 322);  // the wrist
constexpr QPointF kNearHip = leaned(QPointF(258, 330)), kNearKnee(150, 452), kNearAnkle(82, 548);
// the far knee drawn up, its foot back under it: she lounges rather than lies stiff
constexpr QPointF kFarHip = leaned(QPointF(300, 344)), kFarKnee(200, 430), kFarAnkle(186, 556);

Limbs torso()
{
    return Limbs{{
                     {kNeckTop, kNeckBase, 27, 34},  // a short, sturdy neck
                     // the muscles from high on the neck out to each shoulder, so the neck
                     // widens into the shoulders instead of standing up off them
                     {kNeckBase + QPointF(2, -28), kThrowShoulder + QPointF(-10, 0), 20, 17},
                     {kNeckBase + QPointF(-4, -26), kRestShoulder + QPointF(12, -2), 20, 17},
                     // the slope from the neck down to each shoulder, thinning so that the
                     // arm's deltoid, not a ball, rounds off the shoulder
                     {kNeckBase + QPointF(0, 10), kThrowShoulder + QPointF(-6, 8), 24, 17},
                     {kNeckBase + QPointF(-6, 12), kRestShoulder + QPointF(6, 4), 26, 20},
                     // the resting arm's deltoid, melted into the shoulder; the arm fades in over it
                     {kRestShoulder + QPointF(2, 0), kRestShoulder + (kRestElbow - kRestShoulder) * 0.34, 23, 20},
                     {leaned(QPointF(304, 120)), leaned(QPointF(300, 170)), 55, 51},  // chest
                     {leaned(QPointF(296, 200)), leaned(QPointF(284, 262)), 44, 44},  // waist
                     {leaned(QPointF(282, 300)), leaned(QPointF(278, 330)), 54, 56},  // hips
                     {kNearHip, lerp(kNearHip, kNearKnee, 0.5), 44, 34},  // the thigh, full at the top
                     {lerp(kNearHip, kNearKnee, 0.5), kNearKnee, 34, 24},
                     {kNearKnee, kNearAnkle, 23, 14},
                     // the calf swelling at the back of the shin, below the knee
                     {kNearKnee + QPointF(4, 4), lerp(kNearKnee, kNearAnkle, 0.62) + QPointF(4, 2), 22, 15},
                     {kNearAnkle, QPointF(58, 570), 15, 11},
                 },
                 16};  // wide, so the joins show no creases
}

Limbs farLeg()
{
    return Limbs{{
                     {kFarHip, lerp(kFarHip, kFarKnee, 0.5), 42, 32},
                     {lerp(kFarHip, kFarKnee, 0.5), kFarKnee, 32, 23},
                     {kFarKnee, kFarAnkle, 22, 13},
                     {kFarKnee + QPointF(5, 1), lerp(kFarKnee, kFarAnkle, 0.62) + QPointF(5, 0), 21, 14},
                     {kFarAnkle, QPointF(158, 574), 13, 10},
                 },
                 9};
}

Limbs restingArm() { return armLimbs(kRestShoulder, kRestElbow, kRestHand, 0.92); }

// The relaxed hand lying palm down on her thigh, seen from its back: the
// fingers loose along the thigh towards the knee, the thumb apart on the inner side.
void paintRestingHand(QImage& img)
{
    const QPointF u = QPointF(-0.45, 0.89) / std::hypot(0.45, 0.89);  // along the fingers
    const QPointF s(u.y(), -u.x());  // across, towards the thumb (her middle)
    const QPointF w = kRestHand - u * 3;
    const QPointF k = w + u * 17;  // the knuckles
    const Limbs palm{{{w, k - u * 2, 8.6, 9.2}, {k - s * 6, k + s * 6, 4.6, 5.2}}, 5};
    // little finger first, so each lies a little over the one beside it
    const double across[4] = {-6.3, -2.2, 2.0, 6.1};
    const double reach[4] = {8.5, 11, 12, 10.5};
    const double radius[4] = {2.4, 2.8, 3.0, 2.9};
    const double fan[4] = {-0.12, -0.04, 0.03, 0.1};
    Limbs fingers{{}, 1};
    for (int i = 0; i < 4; ++i) {
        const QPointF d = u + s * fan[i];
        const QPointF base = k + s * across[i] - u * 1.5;
        fingers.parts.push_back({base, base + d * reach[i], radius[i] + 0.3, radius[i] * 0.85});
    }
    const Limbs thumb{{{w + s * 5.5 + u * 7, w + s * 8.5 + u * 17, 3.6, 2.7}}, 2};
    const Limbs all{{palm.parts[0], palm.parts[1], fingers.parts[0], fingers.parts[3], thumb.parts[0]}, 4};
    castShadow(img, all, 7, 0.35, QPointF(-2, 3));  // on the thigh
    paintLimbs(img, palm, [](double, double, double d, double sh, double e) { return skinAt(d, sh, e); });
    for (int i = 0; i < 4; ++i) {
        const Limbs finger{{fingers.parts[size_t(i)]}, 1};
        castShadow(img, finger, 2, 0.22, s * 0.6 + u * 0.4);
        paintLimbs(img, finger, [&](double x, double y, double d, double sh, double e) {
            // a faint crease at the middle joint, the tip curling down over the thigh
            const QPointF q = QPointF(x, y) - (finger.parts[0].a + u * (reach[i] * 0.5));
            const double a = q.x() * u.x() + q.y() * u.y();
            const double curl = std::clamp((a - reach[i] * 0.1) / (reach[i] * 0.4), 0.0, 1.0);
            return shade(skinAt(d * (0.95 - 0.25 * curl) + 0.05, sh * (1 - curl), e),
                         1 - 0.1 * std::exp(-a * a / 1.5));
        });
    }
    castShadow(img, thumb, 2.5, 0.3, -s * 0.8 + u * 0.8);
    paintLimbs(img, thumb, [](double, double, double d, double sh, double e) { return skinAt(d, sh * 0.5, e); });
}

// The two-piece: a band round the chest and briefs over the hips.
bool inSuitTop(double x, double y)
{
    x += leanAt(y);
    const double top = 124 + (x - 300) * 0.08 - 10 * std::exp(-std::pow((x - 300) / 30.0, 2));
    return y > top && y < top + 58 + 6 * std::sin((x - 250) / 40.0);
}

bool inSuitBottom(double x, double y)
{
    x += leanAt(y);
    const double waist = 296 + (x - 280) * 0.12;
    const double leg = 390 - 0.95 * std::abs(x - 284);
    return y > waist && y < leg;
}

// How much of the pixel centred at (x, y) the suit covers, 0..1.
double suitCover(double x, double y)
{
    constexpr int kSamples = 4;
    int in = 0;
    for (int i = 0; i < kSamples; ++i)
        for (int j = 0; j < kSamples; ++j) {
            const double sx = x + (i + 0.5) / kSamples - 0.5, sy = y + (j + 0.5) / kSamples - 0.5;
            in += inSuitTop(sx, sy) || inSuitBottom(sx, sy);
        }
    return in / double(kSamples * kSamples);
}

} // namespace

QImage bodyPicture()
{
    QImage img = canvas(380, 579);
    const Limbs far = farLeg(), near = torso(), arm = restingArm();
    const Limbs chest{{near.parts[6], near.parts[7]}, near.blend};  // the band stays on it, off the shoulder
    paintLimbs(img, far, [](double, double, double d, double s, double e) { return shade(skinAt(d, s, e), 0.86); });
    castShadow(img, near, 14, 0.45, QPointF(0, 0));
    paintLimbs(img, near, [&chest](double x, double y, double d, double s, double e) {
        // the bust under the band: each breast rounded, lit on top, shaded under
        for (const QPointF& b : {leaned(QPointF(280, 154)), leaned(QPointF(328, 152))}) {
            const double ux = (x - b.x()) / 25, uy = (y - b.y()) / 23;
            const double r = std::hypot(ux, uy);
            if (r < 1) {
                const double nz = std::sqrt(1 - r * r);
                const double local = std::max(0.0, -0.55 * uy + 0.83 * nz);
                const double w = std::clamp((1 - r) / 0.4, 0.0, 1.0);
                d = d * (1 - w) + d * (0.3 + 0.9 * local) * w;
                s *= 1 - w * 0.5;
            } else if (r < 1.35 && uy > 0) {  // the soft shadow under it
                d *= 1 - 0.4 * std::sin((r - 1) / 0.35 * std::numbers::pi) * std::clamp(uy / r, 0.0, 1.0);
            }
        }
        QColor c = skinAt(d, s, e);
        // navel: a small soft dimple, shadowed under its upper rim, lit on its lower one
        const double nu = (x + leanAt(y) - 290) / 2.6, nv = (y - 254) / 3.4;
        const double nd = nu * nu + nv * nv;
        if (nd < 1.8) {
            const double well = nd < 1 ? (1 - nd) * (1 - nd) : 0;
            const double rim = std::exp(-std::pow((nd - 1.0) / 0.35, 2)) * std::clamp(nv, 0.0, 1.0);
            c = shade(c, 1 - 0.2 * well * (0.6 + 0.4 * std::clamp(-nv + 0.4, 0.0, 1.0)) + 0.06 * rim);
        }
        // the suit over the skin, its edges smooth, a darker hem along the top of each piece
        double cover = suitCover(x, y);
        if (y < 250)
            cover *= std::clamp(0.5 - chest.distance(x, y, nullptr), 0.0, 1.0);
        if (cover > 0) {
            const double hem = cover * (1 - suitCover(x, y - 2.5));
            c = mix(c, mix(suitAt(d, s), shade(suitAt(d, s), 0.7), hem), cover);
        }
        return c;
    });
    // the arm hangs at her side in front of her, the hand on her thigh
    const Limbs& upper = arm;
    Limbs lowerArm = upper;  // the shoulder casts no shadow on itself
    lowerArm.parts.erase(lowerArm.parts.begin(), lowerArm.parts.begin() + 2);
    castShadow(img, lowerArm, 12, 0.4, QPointF(-3, 5));
    paintFaded(
        img, upper,
        [](double x, double y, double d, double s, double e) {
            return armDetail(skinAt(d, s, e), QPointF(x, y), kRestShoulder, kRestElbow, kRestHand);
        },
        // in over the shoulder, whole before the suit's band, which must not show through it
        kRestShoulder + (kRestElbow - kRestShoulder) * 0.04, kRestShoulder + (kRestElbow - kRestShoulder) * 0.2);
    paintRestingHand(img);
    // the top of the neck the same either side of the line player 1's mirrored
    // body and player 2's share under the face, so the face, which takes in a
    // strip of neck under the jaw, fits on it in both rooms
    constexpr double kNeckMirror = 324.5;
    for (int y = 0; y < 44; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const std::vector<QRgb> was(row, row + img.width());
        for (int x = int(kNeckMirror) - 30; x <= int(kNeckMirror) + 30; ++x) {
            const int m = int(2 * kNeckMirror) - x;
            const double k = 0.5 * std::clamp((30 - std::abs(x + 0.5 - kNeckMirror)) / 8, 0.0, 1.0)
                             * std::clamp((44 - y) / 8.0, 0.0, 1.0);  // fading out below the face's strip
            if (qAlpha(was[x]) < 255 || qAlpha(was[m]) < 255 || k <= 0)
                continue;
            const QColor c = mix(QColor(was[x]), QColor(was[m]), k);
            row[x] = qRgba(c.red(), c.green(), c.blue(), 255);
        }
    }
    // the jaw's shadow on the throat, deepest just under the chin and curving
    // up to the sides of the neck, so the neck reads short under the face
    for (int y = 0; y < 60; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = int(kNeckMirror) - 40; x <= int(kNeckMirror) + 40; ++x) {
            if (qAlpha(row[x]) < 255)
                continue;
            const double across = (x + 0.5 - kNeckMirror) / 34;
            const double below = y + 0.5 - (21 - 8 * across * across);  // under the jaw's curve
            const double t = std::clamp(1 - below / 22, 0.0, 1.0) * std::clamp(1 - across * across, 0.0, 1.0);
            const QColor c = shade(QColor(row[x]), 1 - 0.24 * t * t * (3 - 2 * t));
            row[x] = qRgba(c.red(), c.green(), c.blue(), 255);
        }
    }
    return img;
}

// ---- the throwing arm ----

namespace {

// A fist round the ladle's handle, seen from the back of the hand: the palm,
// four curled fingers side by side across the grip, the thumb over them.
void paintFist(QImage& img, QPointF wrist, QPointF hand, QPointF dir, QPointF side, double curl)
{
    // no bigger than her other hand
    constexpr double k = 0.8;
    const Limbs palm{{{wrist, hand + dir * 2, 12.5 * k, 13.5 * k}, {hand - side * 3 * k, hand + side * 4 * k, 12 * k, 12 * k}}, 6 * k};
    paintLimbs(img, palm, [](double, double, double d, double s, double e) { return skinAt(d, s, e); });
    // index finger nearest the thumb, the little finger shortest and thinnest
    const double across[4] = {-10.5, -3.5, 3.5, 10};
    const double radius[4] = {4.1, 4.3, 4.1, 3.5};
    const double reach[4] = {12, 13, 12.5, 10.5};
    for (int i = 3; i >= 0; --i) {
        const QPointF base = hand + side * across[i] * k + dir * 1;
        const QPointF tip = base + dir * (reach[i] + curl) * k;
        const Limbs finger{{{base - dir * 4 * k, tip, (radius[i] + 0.6) * k, radius[i] * k},
                            {tip, tip - dir * 3 * k + side * 0.5 * k, radius[i] * 0.9 * k, radius[i] * 0.8 * k}},
                           1.5 * k};
        castShadow(img, finger, 3, 0.32, dir * 0.8 + side * 1.2);
        paintLimbs(img, finger, [&](double x, double y, double d, double s, double e) {
            QColor c = skinAt(d * 0.9 + 0.1, s, e);
            // the middle joint: a faint crease across the finger
            const QPointF q = QPointF(x, y) - (base + dir * (reach[i] * 0.55 * k));
            const double a = q.x() * dir.x() + q.y() * dir.y();
            c = shade(c, 1 - 0.12 * std::exp(-a * a / 1.6));
            return c;
        });
    }
    // the thumb, wrapped over the handle from the index side
    const QPointF thumbBase = hand + (-dir * 6 - side * 13) * k;
    const QPointF thumbTip = hand + (dir * 9 - side * 10) * k;
    const Limbs thumb{{{thumbBase, thumbTip, 5.5 * k, 4.3 * k}}, 2 * k};
    castShadow(img, thumb, 4, 0.45, side * 1.5);
    paintLimbs(img, thumb, [](double, double, double d, double s, double e) { return skinAt(d, s, e); });
}

} // namespace

QImage armPicture(const ArmPose& pose)
{
    QImage img = canvas(pose.width, pose.height);
    // the hand, bent down from the forearm's line, stays on the grip; the wrist follows it
    const QPointF fore = pose.hand - pose.elbow;
    const double turn = -pose.wristTurn * std::numbers::pi / 180;
    const QPointF along = fore / std::hypot(fore.x(), fore.y());
    const QPointF dir(along.x() * std::cos(turn) - along.y() * std::sin(turn),
                      along.x() * std::sin(turn) + along.y() * std::cos(turn));
    const QPointF wrist = pose.hand - dir * 13;
    const QPointF side(-dir.y(), dir.x());
    Limbs arm = armLimbs(pose.shoulder, pose.elbow, wrist, 1.0);
    // the arm grows out of the slope from the neck: its top a flat deltoid
    // flush with the body's shoulder line, not a ball sitting on it; an arm
    // hanging down takes over the shoulder's round, one reaching across keeps inside it
    const double over = std::clamp(2 + 0.16 * (pose.elbow.x() - pose.shoulder.x()), -10.0, 2.0);
    arm.parts[0] = {pose.shoulder + QPointF(over, 6), lerp(pose.shoulder, pose.elbow, 0.32), 16 + (over + 10) / 12,
                    19};
    arm.parts[1].ra = 18;
    if (pose.back > 0) {
        // the back of the upper arm, on the side away from her
        const QPointF up = pose.elbow - pose.shoulder;
        QPointF out = QPointF(-up.y(), up.x()) / std::hypot(up.x(), up.y());
        if (out.x() < 0)
            out = -out;
        arm.parts.push_back({lerp(pose.shoulder, pose.elbow, 0.38) + out * pose.back * 0.3,
                             lerp(pose.shoulder, pose.elbow, 0.92) + out * pose.back * 0.6, 16, 13});
    }
    paintLimbs(img, arm, [&](double x, double y, double d, double s, double e) {
        // the deltoid is broad and matt: no ball-like glint on the shoulder
        const double ds = std::hypot(x - pose.shoulder.x(), y - pose.shoulder.y());
        const double matt = 0.35 + 0.65 * std::clamp((ds - 10) / 30.0, 0.0, 1.0);
        return armDetail(skinAt(d, s * matt, e), QPointF(x, y), pose.shoulder, pose.elbow, wrist);
    });
    paintFist(img, wrist, pose.hand, dir, side, pose.curl);
    return img;
}

} // namespace art
