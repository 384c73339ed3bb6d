// The generated pictures, judged where players see them: the steam frames,
// the water in its bucket, the hand on the ladle, the walker in the yard, the faces.
#include "drawing/piirto.h"
#include "drawing/resources.h"
#include "drawing/scene.h"
#include "match/state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace hovla;

namespace {

QImage picture(int16_t id) { return LoadResPicture(id).convertToFormat(QImage::Format_RGB32); }

bool lit(QRgb c) { return (c & 0xFFFFFF) != 0; }

int minChannel(QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}); }

int litCount(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += lit(img.pixel(x, y));
    return n;
}

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

Surface filled(QRgb c)
{
    Surface s(kViewWidth, kViewHeight);
    s.imageToWrite().fill(c);
    return s;
}

} // namespace

// ---- steam ----

TEST(ArtSteam, FramesShrinkAndTheSecondFillsHalfItsBox)
{
    const int large = litCount(picture(301)), smaller = litCount(picture(303)), smallest = litCount(picture(305));
    const int box = 122 * 34;
    RecordProperty("fill_301_percent", 100 * large / box);
    RecordProperty("fill_303_percent", 100 * smaller / box);
    RecordProperty("fill_305_percent", 100 * smallest / box);
    EXPECT_GT(large, smaller);
    EXPECT_GT(smaller, smallest);
    EXPECT_GE(2 * smaller, box) << "frame 303 lights " << smaller << " of " << box;
    EXPECT_GT(smallest, box / 10) << "the last frame still shows";
}

// Light greys only, so lightening the wood never tints it, and shaded in
// several levels, from the greyer rims to the lit tops.
TEST(ArtSteam, ShadedInLightGreys)
{
    for (int16_t id : {301, 303, 305}) {
        SCOPED_TRACE(id);
        const QImage img = picture(id);
        int bands[3] = {0, 0, 0}, total = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (!lit(c))
                    continue;
                ASSERT_GE(minChannel(c), 0xB0) << x << "," << y;
                ++total;
                ++bands[minChannel(c) < 0xD0 ? 0 : minChannel(c) < 0xF0 ? 1 : 2];
            }
        for (int band : bands)
            EXPECT_GE(20 * band, total) << "each level of shade holds at least 5 % of the cloud";
    }
}

// Player 1's room cuts off the cloud's first columns, player 2's its last
// ones: drawn where the match puts it, most of each frame is on screen in both.
TEST(ArtSteam, BothRoomsShowMostOfTheCloud)
{
    Muuttujat s;
    NewMatch(s);
    Piirto piirto;
    for (int16_t id : {301, 303, 305}) {
        const int whole = litCount(picture(id));
        for (int p = 0; p < 2; ++p) {
            SCOPED_TRACE(testing::Message() << id << " player " << p + 1);
            SpriteRec rec = s.Steam(p);
            rec.Flip = True16;  // shown
            piirto.buffer(p).assignPicture(filled(0xFF000000));
            piirto.DrawSprite(p, rec, id);
            EXPECT_GE(litCount(piirto.buffer(p).image()) * 100, whole * 85);
        }
    }
}

// Lightening the stones and the wall behind the stove, the cloud stays grey:
// no pink or green where the bits of what lies under it come through.
TEST(ArtSteam, ShowsGreyInBothRooms)
{
    for (int16_t id : {301, 303, 305}) {
        Muuttujat s;
        NewMatch(s);
        Piirto piirto;
        Module1 scene(s, piirto);
        for (int p = 0; p < 2; ++p) {
            s.Steam(p).Id = id;
            s.Steam(p).Flip = True16;
        }
        scene.RedrawScenes();
        const QImage cloud = picture(id).mirrored(true, false);  // as drawn
        for (int p = 0; p < 2; ++p) {
            SCOPED_TRACE(testing::Message() << id << " player " << p + 1);
            const QImage& view = piirto.view(p).image();
            int shown = 0, grey = 0;
            for (int y = 0; y < cloud.height(); ++y)
                for (int x = 0; x < cloud.width(); ++x) {
                    const int vx = s.Steam(p).X + x, vy = s.Steam(p).Y + y;
                    if (!lit(cloud.pixel(x, y)) || vx < 0 || vx >= kViewWidth)
                        continue;
                    const QRgb c = view.pixel(vx, vy);
                    ++shown;
                    grey += std::max({qRed(c), qGreen(c), qBlue(c)}) - minChannel(c) <= 16;
                }
            ASSERT_GT(shown, 0);
            EXPECT_GE(grey * 100, shown * 97) << grey << " of " << shown << " grey";
        }
    }
}

// ---- water ----

namespace {

// Player p's room with the water at `waterY`; `marked` draws the water as a
// solid marker so the pixels where it is the top layer can be found.
QImage roomWithWater(int p, int16_t waterY, bool marked)
{
    Muuttujat s;
    NewMatch(s);
    s.Water(p).Y = waterY;
    Piirto piirto;
    if (marked) {
        piirto.pictures().setSource([](int16_t id) {
            QImage img = LoadResPicture(id).convertToFormat(QImage::Format_RGB32);
            if (id == 207 || id == 208) {
                const QImage water = LoadResPicture(207).convertToFormat(QImage::Format_RGB32);
                for (int y = 0; y < img.height(); ++y)
                    for (int x = 0; x < img.width(); ++x) {
                        const bool on = lit(water.pixel(x, y));
                        img.setPixel(x, y, id == 207 ? (on ? 0xFFFF00FF : 0xFF000000) : (on ? 0xFF000000 : 0xFFFFFFFF));
                    }
            }
            return img;
        });
    }
    Module1 scene(s, piirto);
    scene.RedrawScenes();
    return piirto.view(p).image().copy();
}

struct WaterOnScreen {
    double meanDifference = 0;  // shown colour against the water's own, summed over R, G, B
    double darkUnder = 0;       // share of its pixels over a ground no channel of which exceeds 0x3F
    int tinting = 0;            // its pixels over that dark ground with a bit the water lacks
    int pixels = 0;
};

WaterOnScreen waterOnScreen(int p, int16_t waterY)
{
    const QImage shown = roomWithWater(p, waterY, false);
    const QImage marked = roomWithWater(p, waterY, true);
    Muuttujat s;
    NewMatch(s);
    s.Water(p).Extra1 = 0;  // the same room with no water in it
    Piirto bare;
    Module1 scene(s, bare);
    scene.RedrawScenes();
    const QImage under = bare.view(p).image();

    // the water as drawn: mirrored at its place
    const QImage water = picture(207).mirrored(true, false);
    const int left = s.Water(p).X;
    WaterOnScreen out;
    long sum = 0;
    int dark = 0;
    for (int y = 0; y < water.height(); ++y)
        for (int x = 0; x < water.width(); ++x) {
            const QRgb own = water.pixel(x, y);
            const int vx = left + x, vy = waterY + y;
            if (!lit(own) || marked.pixel(vx, vy) != 0xFFFF00FF)
                continue;
            ++out.pixels;
            sum += difference(shown.pixel(vx, vy), own);
            const QRgb g = under.pixel(vx, vy);
            const bool darkHere = std::max({qRed(g), qGreen(g), qBlue(g)}) <= 0x3F;
            dark += darkHere;
            out.tinting += darkHere && (g & ~own & 0xFFFFFF) != 0;
        }
    if (out.pixels > 0) {
        out.meanDifference = double(sum) / out.pixels;
        out.darkUnder = double(dark) / out.pixels;
    }
    return out;
}

} // namespace

// The water lightens what lies under it; over the bucket's dark inside and
// the wet ladle it keeps its own colour, at every level the bucket is drawn at.
TEST(ArtWater, ShowsInItsOwnColourInBothRooms)
{
    for (int p = 0; p < 2; ++p)
        for (int16_t y = 500; y <= 516; y += 4) {
            SCOPED_TRACE(testing::Message() << "player " << p + 1 << " water at " << y);
            const WaterOnScreen w = waterOnScreen(p, y);
            if (p == 0 && y == 500) {
                RecordProperty("water_difference_x100", int(w.meanDifference * 100));
                RecordProperty("water_pixels", w.pixels);
            }
            ASSERT_GT(w.pixels, 800) << "the water is hidden";
            EXPECT_LE(w.meanDifference, 15.0);
            EXPECT_GE(w.darkUnder, 0.97) << "the water lies over the dark inside of the bucket";
            EXPECT_EQ(w.tinting, 0) << "the dark inside under the water tints it";
        }
}

// ---- the yard ----

TEST(ArtWalker, IsWhite)
{
    const QImage walker = picture(311);
    int total = 0, white = 0;
    for (int y = 0; y < walker.height(); ++y)
        for (int x = 0; x < walker.width(); ++x) {
            const QRgb c = walker.pixel(x, y);
            if (!lit(c))
                continue;
            ++total;
            white += minChannel(c) >= 0xE0;
        }
    RecordProperty("walker_white_percent", 100 * white / std::max(1, total));
    EXPECT_GT(total, 60);
    EXPECT_GE(white * 10, total * 9);
}

// ---- the throwing arm ----

namespace {

// Where a sprite covers the view: its mask (the picture after it, black where
// opaque), mirrored when the record says so, at the record's place.
QImage coverInView(int16_t id, bool mirrored, int x, int y)
{
    QImage mask = picture(id + 1);
    if (mirrored)
        mask = mask.mirrored(true, false);
    QImage view(kViewWidth, kViewHeight, QImage::Format_RGB32);
    view.fill(Qt::white);
    for (int my = 0; my < mask.height(); ++my)
        for (int mx = 0; mx < mask.width(); ++mx)
            if (!lit(mask.pixel(mx, my)) && QRect(0, 0, kViewWidth, kViewHeight).contains(x + mx, y + my))
                view.setPixel(x + mx, y + my, 0xFF000000);
    return view;
}

} // namespace

// In every arm frame, in both rooms, the hand lies on the ladle the frame
// shows: on its handle, away from the bowl, and over a good part of its grip.
TEST(ArtArm, HandHoldsTheLadleInEveryPhase)
{
    Muuttujat s;
    NewMatch(s);
    for (int p = 0; p < 2; ++p)
        for (int phase = 0; phase < 4; ++phase) {
            SCOPED_TRACE(testing::Message() << "player " << p + 1 << " phase " << phase);
            const SpriteRec& arm = s.Arm(p, phase);
            const SpriteRec& ladle = s.Ladle(p, phase == 0 ? 0 : 1);
            const QImage armCover = coverInView(arm.Id, arm.Flip != 0, arm.X, arm.Y);
            const int lx = phase == 0 ? ladle.X : arm.ladleX(), ly = phase == 0 ? ladle.Y : arm.ladleY();
            const QImage ladleCover = coverInView(ladle.Id, ladle.Flip != 0, lx, ly);
            const int ladleW = picture(ladle.Id).width();
            int held = 0, nearBowl = 0;
            for (int y = 0; y < kViewHeight; ++y)
                for (int x = 0; x < kViewWidth; ++x) {
                    if (lit(armCover.pixel(x, y)) || lit(ladleCover.pixel(x, y)))
                        continue;
                    ++held;
                    // across the ladle from its bowl's side, in its own picture
                    const int along = ladle.Flip != 0 ? ladleW - 1 - (x - lx) : x - lx;
                    nearBowl += along < 80;
                }
            // at rest only the fingertips reach round the handle; in a throw the fist closes on it
            EXPECT_GE(held, phase == 0 ? 120 : 250) << "the hand is off the ladle";
            if (phase > 0) {
                EXPECT_EQ(nearBowl, 0) << "the arm lies over the bowl";
            }
        }
}

// ---- faces ----

// Each heat band shows another face at a glance: many pixels change clearly.
// The lake is one strip stacked every 65 rows, so a row of the strip that is
// lighter or darker than the rest shows as a stripe all down the lake.
TEST(ArtLake, NoRowOfTheBandStandsOut)
{
    const QImage strip = picture(307);
    constexpr int kBand = 65, kTop = 60;  // the rows each band shows, all below the crest
    double lightest = 0, darkest = 1e9;
    for (int y = kTop; y < kTop + kBand; ++y) {
        double sum = 0;
        for (int x = 0; x < strip.width(); ++x) {
            const QRgb c = strip.pixel(x, y);
            sum += 0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c);
        }
        const double mean = sum / strip.width();
        lightest = std::max(lightest, mean);
        darkest = std::min(darkest, mean);
    }
    RecordProperty("row_mean_spread_x10", int(10 * (lightest - darkest)));
    EXPECT_LE(lightest - darkest, 6.0) << "rows " << darkest << " to " << lightest;
}

TEST(ArtFaces, EachBandLooksDifferent)
{
    const int16_t ids[] = {101, 103, 105, 107};
    for (int i = 0; i + 1 < 4; ++i) {
        const QImage a = picture(ids[i]), b = picture(ids[i + 1]);
        int changed = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                changed += difference(a.pixel(x, y), b.pixel(x, y)) > 48;
        RecordProperty(QString("face_%1_%2_changed").arg(ids[i]).arg(ids[i + 1]).toStdString(), changed);
        EXPECT_GE(changed, 2000) << ids[i] << " against " << ids[i + 1];
    }
}

// ---- the icon ----

namespace {

struct IconSize {
    const char* name;
    int size;
};
const IconSize kIcons[] = {{"icon", 32}, {"icon48", 48}, {"icon128", 128}};

QImage icon(const char* name) { return LoadNamedPicture(name).convertToFormat(QImage::Format_ARGB32); }

// How far apart two pixels look, counting what shows through as well as the colour.
int seen(QRgb a, QRgb b) { return difference(qPremultiply(a), qPremultiply(b)) + std::abs(qAlpha(a) - qAlpha(b)); }

} // namespace

TEST(ArtIcon, SquareWithTransparentCorners)
{
    for (const IconSize& i : kIcons) {
        SCOPED_TRACE(i.name);
        const QImage raw = LoadNamedPicture(i.name);
        ASSERT_EQ(raw.size(), QSize(i.size, i.size));
        EXPECT_TRUE(raw.hasAlphaChannel());
        const QImage img = icon(i.name);
        const int e = i.size - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(e, 0), QPoint(0, e), QPoint(e, e)})
            EXPECT_EQ(qAlpha(img.pixel(corner)), 0) << corner.x() << "," << corner.y();
        EXPECT_EQ(qAlpha(img.pixel(i.size / 2, i.size * 21 / 32)), 255) << "the door";
    }
}

// The desktop's sizes are drawn at their size, not blown up from the window's 32.
TEST(ArtIcon, LargerSizesAreNotTheSmallOneScaled)
{
    const QImage small = icon("icon");
    for (const IconSize& i : kIcons) {
        if (i.size == 32)
            continue;
        SCOPED_TRACE(i.name);
        const QImage img = icon(i.name);
        const QImage nearest = small.scaled(i.size, i.size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage smooth = small.scaled(i.size, i.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int shown = 0, fromNearest = 0, fromSmooth = 0;
        for (int y = 0; y < i.size; ++y)
            for (int x = 0; x < i.size; ++x) {
                const QRgb c = img.pixel(x, y);
                if (qAlpha(c) == 0)
                    continue;
                ++shown;
                fromNearest += seen(c, nearest.pixel(x, y)) > 60;
                fromSmooth += seen(c, smooth.pixel(x, y)) > 60;
            }
        RecordProperty(std::string(i.name) + "_unlike_nearest_percent", 100 * fromNearest / shown);
        RecordProperty(std::string(i.name) + "_unlike_smooth_percent", 100 * fromSmooth / shown);
        EXPECT_GE(100 * fromNearest / shown, 20) << "like the 32 blown up pixel by pixel";
        EXPECT_GE(100 * fromSmooth / shown, 20) << "like the 32 blown up smoothly";
    }
}

// The same stove at every size: cell by cell of the 32 grid, the larger icons
// cover the same places and mostly in the same colours.
TEST(ArtIcon, SameDrawingAtEverySize)
{
    const QImage small = icon("icon");
    for (const IconSize& i : kIcons) {
        if (i.size == 32)
            continue;
        SCOPED_TRACE(i.name);
        const QImage img = icon(i.name);
        int sameShape = 0, both = 0, sameColour = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb a = small.pixel(x, y);
                const QRgb b = img.pixel(int((x + 0.5) * i.size / 32), int((y + 0.5) * i.size / 32));
                sameShape += (qAlpha(a) >= 128) == (qAlpha(b) >= 128);
                if (qAlpha(a) >= 128 && qAlpha(b) >= 128) {
                    ++both;
                    sameColour += difference(a, b) <= 120;
                }
            }
        RecordProperty(std::string(i.name) + "_same_shape_percent", 100 * sameShape / 1024);
        RecordProperty(std::string(i.name) + "_same_colour_percent", 100 * sameColour / std::max(1, both));
        EXPECT_GE(100 * sameShape / 1024, 90);
        EXPECT_GE(100 * sameColour / std::max(1, both), 65);
    }
}

// The box's sides are hard: across the stove, from either side, the first
// pixel that shows at all is solid.
TEST(ArtIcon, BoxHasHardSides)
{
    for (const IconSize& i : kIcons) {
        SCOPED_TRACE(i.name);
        const QImage img = icon(i.name);
        for (int y = i.size * 16 / 32; y < i.size * 26 / 32; ++y) {
            int left = 0, right = i.size - 1;
            while (left < right && qAlpha(img.pixel(left, y)) == 0)
                ++left;
            while (right > left && qAlpha(img.pixel(right, y)) == 0)
                --right;
            ASSERT_LT(left, right) << "row " << y << " is empty";
            EXPECT_EQ(qAlpha(img.pixel(left, y)), 255) << "left side, row " << y;
            EXPECT_EQ(qAlpha(img.pixel(right, y)), 255) << "right side, row " << y;
        }
    }
}
