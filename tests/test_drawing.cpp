#include "drawing/changes.h"
#include "drawing/piirto.h"
#include "drawing/resources.h"
#include "drawing/scene.h"
#include "match/state.h"

#include <gtest/gtest.h>

#include <map>

using namespace hovla;

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

Surface filled(int w, int h, QRgb c)
{
    Surface s(w, h);
    s.imageToWrite().fill(c);
    return s;
}

// A background with something in every channel, so no raster op hides.
Surface noisy(int w, int h, uint32_t seed)
{
    Surface s(w, h);
    uint32_t v = seed;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            v = v * 1664525u + 1013904223u;
            s.imageToWrite().setPixel(x, y, 0xFF000000 | (v >> 8));
        }
    return s;
}

QRgb at(const Surface& s, int x, int y) { return s.image().pixel(x, y); }

SpriteRec placed(int x, int y, int flip = 0)
{
    SpriteRec r;
    r.X = int16_t(x);
    r.Y = int16_t(y);
    r.Flip = int16_t(flip);
    return r;
}

} // namespace

TEST(Raster, OperationsWorkPerChannel)
{
    Surface d = filled(2, 1, 0xFF336699);
    const Surface s = filled(2, 1, 0xFF0F0FF0);
    BitBlt(d, 0, 0, 1, 1, s, 0, 0, Rop::SrcAnd);
    EXPECT_EQ(at(d, 0, 0), 0xFF030690u);
    BitBlt(d, 0, 0, 1, 1, s, 0, 0, Rop::SrcInvert);
    EXPECT_EQ(at(d, 0, 0), 0xFF0C0960u);
    BitBlt(d, 0, 0, 1, 1, s, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(at(d, 0, 0), 0xFF0F0FF0u);
    EXPECT_EQ(at(d, 1, 0), 0xFF336699u);  // outside the copied block
}

TEST(Raster, MaskedDrawLeavesTheGroundAndCoversWithTheObject)
{
    Surface sprite = filled(2, 1, kBlack);
    sprite.imageToWrite().setPixel(1, 0, 0xFF20C040);
    Surface mask = filled(2, 1, kWhite);
    mask.imageToWrite().setPixel(1, 0, kBlack);
    Surface d = filled(2, 1, 0xFF8899AA);
    MaskedDraw(d, 0, 0, sprite, mask);
    EXPECT_EQ(at(d, 0, 0), 0xFF8899AAu);  // white mask, black sprite: untouched
    EXPECT_EQ(at(d, 1, 0), 0xFF20C040u);  // black mask: the sprite's colour
}

TEST(Raster, ComplementPairLightensWhatLiesUnder)
{
    const Surface sprite = filled(1, 1, 0xFF4080C0);
    const Surface mask = filled(1, 1, 0xFFBF7F3F);  // white minus the sprite
    Surface black = filled(1, 1, kBlack);
    MaskedDraw(black, 0, 0, sprite, mask);
    EXPECT_EQ(at(black, 0, 0), 0xFF4080C0u);
    Surface white = filled(1, 1, kWhite);
    MaskedDraw(white, 0, 0, sprite, mask);
    EXPECT_EQ(at(white, 0, 0), kWhite);
    Surface grey = filled(1, 1, 0xFF101010);
    MaskedDraw(grey, 0, 0, sprite, mask);
    EXPECT_EQ(at(grey, 0, 0), 0xFF5090D0u);  // OR of the two
}

TEST(Raster, CopiesAreClippedToBothSurfaces)
{
    const Surface src = noisy(40, 10, 7);
    Surface d = filled(30, 8, kWhite);
    BitBlt(d, -30, 2, 40, 10, src, 0, 0, Rop::SrcCopy);  // loses its 30 leftmost columns
    EXPECT_EQ(at(d, 0, 2), at(src, 30, 0));
    EXPECT_EQ(at(d, 9, 7), at(src, 39, 5));
    EXPECT_EQ(at(d, 10, 2), kWhite);
    EXPECT_EQ(at(d, 0, 1), kWhite);

    Surface e = filled(30, 8, kWhite);
    BitBlt(e, 25, -3, 40, 10, src, 0, 0, Rop::SrcCopy);  // cut at the right and the top
    EXPECT_EQ(at(e, 25, 0), at(src, 0, 3));
    EXPECT_EQ(at(e, 29, 6), at(src, 4, 9));
    EXPECT_EQ(at(e, 24, 0), kWhite);
    EXPECT_EQ(at(e, 25, 7), kWhite);

    Surface f = filled(4, 4, kWhite);
    BitBlt(f, 2, 2, 10, 10, src, 38, 8, Rop::SrcCopy);  // source runs out first
    EXPECT_EQ(at(f, 3, 3), at(src, 39, 9));
    BitBlt(f, 50, 50, 10, 10, src, 0, 0, Rop::SrcCopy);  // nowhere at all: nothing happens
}

TEST(Surfaces, PictureAssignmentWipesAndResizes)
{
    Surface s(10, 10);
    EXPECT_EQ(at(s, 3, 3), kWindowColour);
    s.imageToWrite().setPixel(3, 3, kBlack);
    s.assignPicture(filled(4, 2, 0xFF123456));
    EXPECT_EQ(s.width(), 4);
    EXPECT_EQ(s.height(), 2);
    EXPECT_EQ(at(s, 3, 1), 0xFF123456u);
}

// ---- the catalogue as carried in the game ----

TEST(Catalogue, EveryPairHasItsSizeDepthAndMaskRule)
{
    for (const CatalogueEntry& e : kCatalogue) {
        SCOPED_TRACE(e.id);
        const QImage sprite = LoadResPicture(e.id).convertToFormat(QImage::Format_RGB32);
        const QImage mask = LoadResPicture(int16_t(e.id + 1)).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(sprite.size(), QSize(e.width, e.height));
        EXPECT_EQ(mask.size(), QSize(e.width, e.height));

        // as stored: 40-byte header, uncompressed, bottom-up rows, the given depth
        auto depth = [](int16_t id) {
            const QByteArray b = packEntry(std::to_string(id));
            EXPECT_EQ(b.left(2), QByteArray("BM"));
            EXPECT_EQ(uint8_t(b[14]), 40);
            EXPECT_GT(int32_t(uint8_t(b[22]) | uint8_t(b[23]) << 8 | uint8_t(b[24]) << 16 | uint8_t(b[25]) << 24), 0);
            EXPECT_EQ(uint8_t(b[30]), 0);  // no compression
            return int(uint8_t(b[28]));
        };
        EXPECT_EQ(depth(e.id), 24);
        EXPECT_EQ(depth(int16_t(e.id + 1)), e.maskDepth);

        int opaque = 0;
        for (int y = 0; y < e.height; ++y)
            for (int x = 0; x < e.width; ++x) {
                const QRgb s = sprite.pixel(x, y) & 0xFFFFFF;
                const QRgb m = mask.pixel(x, y) & 0xFFFFFF;
                if (e.complementMask) {
                    ASSERT_EQ(m, ~s & 0xFFFFFF) << x << "," << y;
                    opaque += s != 0;
                } else {
                    ASSERT_TRUE(m == 0 || m == 0xFFFFFF) << x << "," << y;
                    if (m == 0xFFFFFF) {
                        ASSERT_EQ(s, 0u) << "sprite not black where absent at " << x << "," << y;
                    }
                    opaque += m == 0;
                }
            }
        EXPECT_GT(opaque, e.width * e.height / 50) << "nothing drawn";
    }
}

TEST(Catalogue, FaceMasksAreIdentical)
{
    const QImage first = LoadResPicture(102);
    for (int16_t id : {104, 106, 108})
        EXPECT_EQ(LoadResPicture(id), first) << id;
}

TEST(Catalogue, TheYardIsSkyAboveAndCyanBelow)
{
    const QImage yard = LoadBackground(Background::Yard).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(yard.size(), QSize(512, 768));
    EXPECT_EQ(yard.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(yard.pixel(511, 0), qRgb(255, 0, 0));
    EXPECT_EQ(yard.pixel(255, 320), qRgb(255, 111, 0));
    EXPECT_EQ(yard.pixel(256, 320), qRgb(255, 111, 0));
    const QRgb mid = yard.pixel(256, 160);
    EXPECT_EQ(qRed(mid), 255);
    EXPECT_GT(qGreen(mid), 0);
    EXPECT_LT(qGreen(mid), 111);
    EXPECT_EQ(yard.pixel(0, 321), qRgb(0, 255, 255));
    EXPECT_EQ(yard.pixel(511, 767), qRgb(0, 255, 255));
    EXPECT_EQ(LoadBackground(Background::Room1).size(), QSize(512, 768));
    EXPECT_EQ(LoadBackground(Background::Room2).size(), QSize(512, 768));
}

TEST(Catalogue, UnknownIdsRaise)
{
    EXPECT_THROW(LoadResPicture(999), Error);
    Piirto piirto;
    EXPECT_THROW(piirto.DrawSprite(0, placed(0, 0), 999), Error);
    EXPECT_THROW(piirto.DrawSprite(0, placed(0, 0), 32767), Error);
    piirto.pictures().setCaching(false);
    EXPECT_THROW(piirto.DrawSprite(1, placed(0, 0), 32767), Error);
    EXPECT_NO_THROW(piirto.DrawSprite(0, placed(10, 10), 313));  // drawn by nothing, but works
}

// ---- sprite drawing ----

TEST(Sprites, KeptBitmapsDrawExactlyWhatReloadingDraws)
{
    Piirto cached, reloading;
    reloading.pictures().setCaching(false);
    const Surface ground = noisy(kViewWidth, kViewHeight, 99);
    for (const CatalogueEntry& e : kCatalogue) {
        for (int flip : {0, -1, 1}) {
            for (QPoint at : {QPoint(40, 60), QPoint(-30, 500), QPoint(420, 700), QPoint(-100, -20)}) {
                SCOPED_TRACE(testing::Message() << e.id << " flip " << flip << " at " << at.x() << "," << at.y());
                cached.buffer(0).assignPicture(ground);
                reloading.buffer(0).assignPicture(ground);
                cached.DrawSprite(0, placed(at.x(), at.y(), flip), e.id);
                reloading.DrawSprite(0, placed(at.x(), at.y(), flip), e.id);
                ASSERT_TRUE(cached.buffer(0).image() == reloading.buffer(0).image());
                ASSERT_TRUE(cached.work(Piirto::Work::Sprite).image() == reloading.work(Piirto::Work::Sprite).image());
                if (flip != 0) {
                    ASSERT_TRUE(cached.work(Piirto::Work::Sprite2).image() == reloading.work(Piirto::Work::Sprite2).image());
                }
            }
        }
    }
}

namespace {

// Pictures made up for a test: every sprite a solid colour of its own, the
// left half differing from the right so mirroring shows.
QImage madeUp(int16_t id, const std::map<int16_t, bool>& hidden = {})
{
    const bool isMask = id % 2 == 0;
    const int16_t sprite = isMask ? int16_t(id - 1) : id;
    QImage img(20, 10, QImage::Format_RGB32);
    if (isMask) {
        img.fill(hidden.count(sprite) ? kWhite : kBlack);
        return img;
    }
    if (hidden.count(sprite)) {
        img.fill(kBlack);
        return img;
    }
    const QRgb c = 0xFF000000 | (uint32_t(sprite) * 2654435761u >> 8);
    img.fill(c);
    for (int y = 0; y < 10; ++y)
        img.setPixel(0, y, 0xFF010203);  // a mark on the left edge
    return img;
}

QRgb colourOf(int16_t id) { return madeUp(id).pixel(5, 5); }

} // namespace

TEST(Sprites, FlipMirrorsAndTheNextPlainDrawDoesNot)
{
    Piirto piirto;
    piirto.pictures().setSource([](int16_t id) { return madeUp(id); });
    piirto.buffer(0).assignPicture(filled(kViewWidth, kViewHeight, kWhite));
    piirto.DrawSprite(0, placed(100, 100, -1), 109);
    EXPECT_EQ(at(piirto.buffer(0), 119, 105), 0xFF010203u);  // column 0 went to w - 1
    EXPECT_EQ(at(piirto.buffer(0), 100, 105), colourOf(109));
    EXPECT_EQ(piirto.work(Piirto::Work::Sprite2).width(), 20);  // the unmirrored copy, of the pair's size
    piirto.DrawSprite(0, placed(200, 100, 0), 109);
    EXPECT_EQ(at(piirto.buffer(0), 200, 105), 0xFF010203u);
    piirto.DrawSprite(0, placed(300, 100, 1), 109);
    EXPECT_EQ(at(piirto.buffer(0), 319, 105), 0xFF010203u);
}

TEST(Sprites, MirroredDrawOfTheRealBodyLeavesItsPairInTheScratchSurfaces)
{
    Piirto piirto;
    Muuttujat s;
    NewMatch(s);
    piirto.DrawSprite(0, s.Body(0), 109);
    EXPECT_EQ(piirto.work(Piirto::Work::Sprite2).width(), 380);
    EXPECT_EQ(piirto.work(Piirto::Work::Sprite2).height(), 579);
    EXPECT_EQ(piirto.work(Piirto::Work::Mask2).width(), 380);
}

namespace {

// Records what the windows are asked to paint.
struct RecordingSink : ViewSink {
    void present(int player, const QRegion& changed) override { calls.push_back({player, changed}); }
    std::vector<std::pair<int, QRegion>> calls;
};

} // namespace

TEST(Sprites, ShowViewCopiesTheBufferAndPresentsWhatChanged)
{
    RecordingSink sink;
    Piirto piirto(&sink);
    piirto.ShowView(1);  // never shown before, but a fresh buffer is the window colour too
    EXPECT_EQ(at(piirto.view(1), 100, 100), kWindowColour);
    EXPECT_TRUE(sink.calls.empty()) << "nothing differed";

    // Written behind the change log's back: all of it is looked at again,
    // and the screen is told of the one pixel.
    piirto.buffer(1).imageToWrite().setPixel(511, 767, 0xFF112233);
    piirto.ShowView(1);
    EXPECT_EQ(at(piirto.view(1), 511, 767), 0xFF112233u);
    EXPECT_EQ(at(piirto.view(0), 511, 767), kWindowColour);
    ASSERT_EQ(sink.calls.size(), 1u);
    EXPECT_EQ(sink.calls[0], std::make_pair(1, QRegion(511, 767, 1, 1)));

    // Drawn through the log: inside the sprite's rectangle only.
    Muuttujat s;
    NewMatch(s);
    piirto.DrawSprite(1, s.Head(1), 101);
    piirto.ShowView(1);
    ASSERT_EQ(sink.calls.size(), 2u);
    const QRect head(s.Head(1).X, s.Head(1).Y, 132, 155);
    EXPECT_TRUE(head.contains(sink.calls[1].second.boundingRect())) << "the face";
    EXPECT_GT(sink.calls[1].second.boundingRect().width(), 100) << "the face";
    EXPECT_TRUE(piirto.view(1).image() == piirto.buffer(1).image());

    // The same frame again: the screen is told nothing.
    piirto.DrawSprite(1, s.Head(1), 101);
    piirto.ShowView(1);
    EXPECT_EQ(sink.calls.size(), 2u);
}

// ---- the rooms ----

namespace {

struct Rooms {
    Muuttujat s;
    Piirto piirto;
    Module1 scene{s, piirto};
    Rooms() { NewMatch(s); }
};

// The layers of player p's room, back to front, by the id each is drawn with.
std::vector<int16_t> layerIds(const Muuttujat& s, int p)
{
    return {201, s.Body(p).Id, 203, s.Ladle(p, s.LadlePose(p)).Id, s.Water(p).Id, 205,
            s.Arm(p, s.ThrowPhase(p)).Id, s.Head(p).Id, s.Steam(p).Id};
}

} // namespace

TEST(Rooms, NineLayersInTheirOrder)
{
    for (int p = 0; p < 2; ++p) {
        Rooms r;
        // everything at one place, so the topmost drawn layer shows there
        auto everywhere = [&](SpriteRec& rec) { rec.X = 200; rec.Y = 300; };
        everywhere(r.s.Stove(p));
        everywhere(r.s.Body(p));
        everywhere(r.s.Bucket(p, 0));
        everywhere(r.s.Bucket(p, 1));
        everywhere(r.s.Ladle(p, 1));
        everywhere(r.s.Water(p));
        everywhere(r.s.Arm(p, 2));
        everywhere(r.s.Head(p));
        everywhere(r.s.Steam(p));
        r.s.LadlePose(p) = 1;
        r.s.ThrowPhase(p) = 2;
        r.s.Steam(p).Id = 303;
        r.s.Steam(p).Flip = -1;
        const std::vector<int16_t> layers = layerIds(r.s, p);
        // peel the layers from the top: each time the next one down shows
        for (int top = int(layers.size()) - 1; top >= 0; --top) {
            std::map<int16_t, bool> hidden;
            for (int k = top + 1; k < int(layers.size()); ++k)
                hidden[layers[k]] = true;
            r.piirto.pictures().setSource([hidden](int16_t id) { return madeUp(id, hidden); });
            r.scene.RedrawScenes();
            EXPECT_EQ(at(r.piirto.view(p), 205, 305), colourOf(layers[top])) << "player " << p << " layer " << top;
        }
    }
}

TEST(Rooms, WaterOnlyWithPortionsLeftAndSteamOnlyWhenShownAndMirrored)
{
    Rooms r;
    r.piirto.pictures().setSource([](int16_t id) { return madeUp(id); });
    r.s.Water(0).X = 300;
    r.s.Water(0).Y = 650;
    r.s.Steam(0).X = 300;
    r.s.Steam(0).Y = 700;
    r.s.Steam(0).Id = 305;
    for (int16_t portions : {0, -1}) {
        r.s.Water(0).Extra1 = portions;
        r.scene.RedrawScenes();
        EXPECT_NE(at(r.piirto.view(0), 305, 655), colourOf(207)) << portions;
    }
    r.s.Water(0).Extra1 = 1;
    r.scene.RedrawScenes();
    EXPECT_EQ(at(r.piirto.view(0), 305, 655), colourOf(207));

    EXPECT_NE(at(r.piirto.view(0), 305, 705), colourOf(305));  // Flip 0: no cloud
    r.s.Steam(0).Flip = 1;
    r.scene.RedrawScenes();
    EXPECT_EQ(at(r.piirto.view(0), 305, 705), colourOf(305));
    EXPECT_EQ(at(r.piirto.view(0), 319, 705), 0xFF010203u);  // drawn mirrored
}

TEST(Rooms, AnOutdoorPlayerIsSkipped)
{
    Rooms r;
    r.scene.RedrawScenes();
    const QImage before0 = r.piirto.view(0).image().copy();
    const QImage buffer0 = r.piirto.buffer(0).image().copy();
    r.s.Outside(0) = True16;
    r.s.Temperature(0) = 95;
    r.s.Temperature(1) = 95;
    r.s.ThrowPhase(0) = 2;
    r.scene.RedrawScenes();
    EXPECT_TRUE(r.piirto.view(0).image() == before0);
    EXPECT_TRUE(r.piirto.buffer(0).image() == buffer0);
    EXPECT_EQ(r.scene.temperatureText(1), " 95 \u00BAC");

    r.s.Outside(1) = True16;
    const QImage before1 = r.piirto.view(1).image().copy();
    r.s.ThrowPhase(1) = 3;
    r.scene.RedrawScenes();  // both outdoors: nothing changes
    EXPECT_TRUE(r.piirto.view(1).image() == before1);
}

TEST(Rooms, RoomStartsFromItsPictureAndUnknownLayersRaise)
{
    Rooms r;
    r.scene.RedrawScenes();
    // a corner no sprite reaches shows the room picture
    EXPECT_EQ(at(r.piirto.view(0), 300, 200), at(r.piirto.roomPicture(0), 300, 200));
    EXPECT_EQ(at(r.piirto.view(1), 200, 200), at(r.piirto.roomPicture(1), 200, 200));
    r.s.ThrowPhase(1) = 4;
    EXPECT_THROW(r.scene.RedrawScenes(), Error);
    r.s.ThrowPhase(1) = 0;
    r.s.LadlePose(0) = 2;
    const QImage view1 = r.piirto.view(1).image().copy();
    EXPECT_THROW(r.scene.RedrawScenes(), Error);
    EXPECT_TRUE(r.piirto.view(1).image() == view1);  // player 2 not rebuilt after player 1 failed
}

// ---- readouts ----

namespace {

bool sameColumns(const QImage& a, const QImage& b, int x0, int x1, int y0, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

} // namespace

TEST(Readouts, PrintOnTheRoomPictureAndReachTheView)
{
    Rooms r;
    r.s.Temperature(0) = 87;
    r.piirto.buffer(0).imageToWrite().fill(0xFFFF00FF);
    r.scene.DrawTemperature(0);
    const QImage& room = r.piirto.roomPicture(0).image();
    const QImage& buf = r.piirto.buffer(0).image();
    // restored from the room: the corner of the rectangle shows the room
    EXPECT_EQ(buf.pixel(511, 59), room.pixel(511, 59));
    EXPECT_EQ(buf.pixel(399, 40), 0xFFFF00FFu);  // outside: untouched
    EXPECT_EQ(buf.pixel(450, 60), 0xFFFF00FFu);
    EXPECT_FALSE(sameColumns(buf, room, 400, 512, 20, 60));  // the text is there
    EXPECT_TRUE(sameColumns(r.piirto.view(0).image(), buf, 400, 512, 20, 60));
    EXPECT_EQ(r.piirto.view(0).image().pixel(399, 40), kWindowColour);
}

TEST(Readouts, PlayerOnesRectanglesOverlapAndTheLaterOneWins)
{
    Rooms r;
    r.s.Points(0) = 123456789012;  // a long line that reaches past column 400
    const QImage& room = r.piirto.roomPicture(0).image();

    r.scene.DrawScore(0);
    ASSERT_FALSE(sameColumns(r.piirto.buffer(0).image(), room, 400, 407, 20, 60));
    r.scene.DrawTemperature(0);  // its restore repaints columns 400 to 406
    const QImage tempAfter = r.piirto.view(0).image().copy();
    EXPECT_TRUE(sameColumns(tempAfter, room, 400, 404, 20, 60));  // before the temperature's text

    r.scene.DrawScore(0);  // and back: the points line wins there again
    const QImage& view = r.piirto.view(0).image();
    EXPECT_FALSE(sameColumns(view, tempAfter, 400, 407, 20, 60));
    EXPECT_TRUE(sameColumns(view, tempAfter, 407, 512, 20, 60));  // the view gets its rectangle only
}

// Player 2's temperature ends at column 118 and the points line starts at
// 120: whichever is written last leaves the other as it was.
TEST(Readouts, PlayerTwosRectanglesDoNotOverlap)
{
    Rooms r;
    r.s.Temperature(1) = 1234567;  // a long line that reaches its rectangle's end
    r.scene.DrawTemperature(1);
    r.scene.DrawScore(1);
    const QImage both = r.piirto.view(1).image().copy();
    ASSERT_FALSE(sameColumns(both, r.piirto.roomPicture(1).image(), 100, 119, 20, 60)) << "no text to keep";
    r.s.Points(1) = 98765;
    r.scene.DrawScore(1);
    EXPECT_TRUE(sameColumns(r.piirto.view(1).image(), both, 0, 120, 0, 768));
    r.s.Temperature(1) = 61;
    r.scene.DrawTemperature(1);
    EXPECT_TRUE(sameColumns(r.piirto.view(1).image(), r.piirto.buffer(1).image(), 7, 119, 20, 60));
    EXPECT_FALSE(sameColumns(r.piirto.view(1).image(), both, 120, 512, 20, 60));  // the new points stay
    r.s.Points(1) = 0;
    r.scene.DrawScore(1);
    EXPECT_TRUE(sameColumns(r.piirto.view(1).image(), both, 120, 512, 0, 768));  // its text, over its own restore
}

TEST(Readouts, PlayerTwosPointsLineIsCutAtTheEdge)
{
    RecordingSink sink;
    Rooms r;
    r.piirto.setSink(&sink);
    r.scene.DrawScore(1);
    ASSERT_EQ(sink.calls.size(), 1u);
    EXPECT_EQ(sink.calls[0].second, QRegion(120, 20, 392, 40));
    EXPECT_EQ(r.scene.scoreText(1), "Pisteet : 0 Kunto 100.%");
}

TEST(Rooms, TheLayersThatNeverMoveAreRedrawnWhenTheyDo)
{
    Rooms r;
    r.scene.RedrawScenes();
    for (SpriteRec* moved : {&r.s.Body(0), &r.s.Stove(0), &r.s.Bucket(0, 0)}) {
        moved->X = int16_t(moved->X + 7);
        r.scene.RedrawScenes();
        Piirto fresh;
        Module1 scene(r.s, fresh);
        scene.RedrawScenes();
        EXPECT_TRUE(fresh.view(0).image() == r.piirto.view(0).image());
    }
}

// Player 0 or 1 everywhere: any other index is an error, never player 2's
// surfaces by default.
TEST(Sprites, PlayerIndexesAreChecked)
{
    Piirto piirto;
    for (int player : {-1, 2, 7}) {
        EXPECT_THROW(piirto.buffer(player), Error) << player;
        EXPECT_THROW(piirto.view(player), Error) << player;
        EXPECT_THROW(piirto.roomPicture(player), Error) << player;
        EXPECT_THROW(piirto.DrawSprite(player, SpriteRec{}, 101), Error) << player;
    }
    EXPECT_NE(&piirto.buffer(0), &piirto.buffer(1));
}

// What the window is sent: the pixels that differ from what it shows, in a
// few rectangles that hug them, and the view brought up to date.
TEST(Sprites, ACopyReportsTheAreaThatDiffered)
{
    Rooms r;
    r.scene.RedrawScenes();
    const QImage shown = r.piirto.view(1).image().copy();
    const QRegion everywhere(0, 0, 512, 768);
    QImage same = shown.copy();
    EXPECT_TRUE(copyChanges(shown, same, everywhere).isEmpty());

    r.s.Head(1).Id = 107;  // a hot face, and a throw's arm
    r.s.ThrowPhase(1) = 2;
    r.s.LadlePose(1) = 1;
    r.scene.RedrawScenes();
    const QImage& now = r.piirto.view(1).image();
    QImage view = shown.copy();
    const QRegion area = copyChanges(now, view, everywhere);
    EXPECT_EQ(view, now);
    long long painted = 0, differs = 0, missed = 0;
    for (const QRect& rect : area)
        painted += rect.width() * rect.height();
    for (int y = 0; y < kViewHeight; ++y)
        for (int x = 0; x < kViewWidth; ++x)
            if (now.pixel(x, y) != shown.pixel(x, y)) {
                ++differs;
                missed += !area.contains(QPoint(x, y));
            }
    EXPECT_GT(differs, 1000);
    EXPECT_EQ(missed, 0);
    EXPECT_LE(painted, differs * 3 / 2);
    EXPECT_LT(area.rectCount(), 200);

    // Only inside the area: outside it the view keeps what it had.
    QImage corner = shown.copy();
    const QRect arm(200, 300, 120, 90);
    const QRegion inside = copyChanges(now, corner, arm);
    EXPECT_TRUE(arm.contains(inside.boundingRect())) << "reported outside the area";
    for (int y = 0; y < kViewHeight; ++y)
        for (int x = 0; x < kViewWidth; ++x)
            ASSERT_EQ(corner.pixel(x, y), (arm.contains(x, y) ? now : shown).pixel(x, y)) << x << "," << y;
}
