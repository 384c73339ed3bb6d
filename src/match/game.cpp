#include "match/game.h"

#include "match/format.h"

#include <cmath>
#include <cstring>

namespace hovla {

namespace {

constexpr int16_t kCabinX = 250, kCabinY = 145;
constexpr int16_t kTurnX = 250, kSoundX = 300, kHomeX = 400;

int16_t stripTop(int j) { return int16_t(255 + 65 * j); }

} // namespace

TimerId heatTimer(int p) { return p == 0 ? TimerId::Tim_Lämpö1 : TimerId::Tim_Lämpö2; }
TimerId swingTimer(int p) { return p == 0 ? TimerId::Tim_Heitto1 : TimerId::Tim_Heitto2; }
TimerId steamTimer(int p) { return p == 0 ? TimerId::Tim_Löyly1 : TimerId::Tim_Löyly2; }
TimerId tripTimer(int p) { return p == 0 ? TimerId::Aaltokone1 : TimerId::Aaltokone2; }

Game::Game(Muuttujat& state, Seams seams) : s(state), io_(seams)
{
}

void Game::dispatch(TimerId id)
{
    switch (id) {
    case TimerId::Tim_Lämpö1: Tim_Lämpö1_Timer(); break;
    case TimerId::Tim_Lämpö2: Tim_Lämpö2_Timer(); break;
    case TimerId::Tim_Heitto1: Tim_Heitto1_Timer(); break;
    case TimerId::Tim_Heitto2: Tim_Heitto2_Timer(); break;
    case TimerId::Tim_Löyly1: Tim_Löyly1_Timer(); break;
    case TimerId::Tim_Löyly2: Tim_Löyly2_Timer(); break;
    case TimerId::Aaltokone1: Aaltokone1_Timer(); break;
    case TimerId::Aaltokone2: Aaltokone2_Timer(); break;
    }
}

// ---- heat: once a second the room acts on its bather ----

void Game::HeatTick(int p)
{
    io_.timers.setEnabled(heatTimer(p), false);
    if (s.GameStopped)
        return;

    const int16_t oldFace = s.Head(p).Id;
    const double T = s.Temperature(p);
    int16_t face;
    double conditionChange, points;
    if (0 <= T && T <= 70) {
        face = 101, conditionChange = -0.1, points = 0;
    } else if (71 <= T && T <= 80) {
        face = 103, conditionChange = -0.2, points = 0;
    } else if (81 <= T && T <= 90) {
        face = 105, conditionChange = -0.4, points = 0;
    } else {  // above 90, and whatever the bands above leave
        face = 107, conditionChange = -T / 100, points = 1;
    }
    s.Head(p).Id = face;
    s.Points(p) += points;
    if (T - 1 > 59)
        s.Temperature(p) = T - 1;

    if (s.Outside(p)) {
        s.Condition(p) += 1;
        if (s.Condition(p) > 100)
            s.Condition(p) = 100;
        s.Points(p) += 0.5;
    } else {
        s.Condition(p) += conditionChange;
    }

    io_.drawing.DrawScore(p);
    io_.drawing.DrawTemperature(p);
    if (!s.Outside(p) && s.Head(p).Id != oldFace) {
        io_.drawing.DrawSprite(p, s.Head(p), s.Head(p).Id);  // the new face over the old
        io_.drawing.ShowView(p);
    }

    if (!s.GameStopped)
        io_.timers.setEnabled(heatTimer(p), true);
}

// ---- keys ----

void Game::Form_KeyPress(int16_t& KeyChar)
{
    if (s.GameStopped)
        return;
    EndTest(KeyChar);
    if (KeyChar == kEscape) {
        EndMatch();
        return;
    }
    switch (KeyChar) {
    case 's': case 'S': Throw(0); break;
    case 'a': case 'A': GoOutdoors(0); break;
    case 'd': case 'D': GiveUp(0); break;
    case 'l': case 'L': Throw(1); break;
    case 'k': case 'K': GoOutdoors(1); break;
    case 'j': case 'J': GiveUp(1); break;
    default: break;
    }
}

// A collapse or 100 points is noticed on the next key of either player.
bool Game::EndTest(int16_t& KeyChar)
{
    for (int i = 0; i < 2; ++i) {
        if (!(s.Condition(i) > 50)) {
            s.GameStopped = True16;
            io_.messages.show("Pelaaja " + numberText(i + 1)
                              + " on niin huonossa kunnossa, että jouduttiin kantamaan pois!");
            KeyChar = kEscape;
            return true;
        }
        if (s.Points(i) >= 100) {
            const double p1 = s.Points(0), p2 = s.Points(1);
            if (p1 > p2)
                io_.messages.show("Pelaaja 1 voitti! Pisteet:" + numberText(p1));
            else if (p2 > p1)
                io_.messages.show("Pelaaja 2 voitti! Pisteet:" + numberText(p2));
            else
                io_.messages.show("Tasapeli!!");
            KeyChar = kEscape;
            return true;
        }
    }
    return false;
}

void Game::EndMatch()
{
    s.GameStopped = True16;
    io_.windows.hideMain();
    io_.windows.showMenu();
}

void Game::Throw(int p)
{
    if (s.Outside(p) || s.Water(p).portionsLeft() < 1)
        return;
    s.Water(p).portionsLeft() = add16(s.Water(p).portionsLeft(), -1, "Water.Extra1 - 1");
    io_.timers.setEnabled(swingTimer(p), true);
}

void Game::GoOutdoors(int p)
{
    s.Outside(p) = True16;
    for (int j = 0; j < 6; ++j) {  // one lake for both players
        s.Wave(j).X = -5;
        s.Wave(j).Y = stripTop(j);
    }
    SpriteRec& walker = s.Head(p);
    walker.X = kHomeX;
    walker.Y = 300;
    walker.walkerStep() = -2;
    walker.Flip = 0;
    // The yard goes into the back buffer; the trip's first tick shows it full.
    io_.drawing.AssignYard(p);
    io_.sound.PlaySoundFile("ulos1.wav");
    io_.timers.setEnabled(tripTimer(p), true);
}

void Game::GiveUp(int p)
{
    io_.messages.show(p == 0 ? "Pelaaja 1 luovutti!!!" : "Pelaaja 2 luovutti!!!", "LUOVUTUS",
                      MessageIcon::Information);
    EndMatch();
}

// ---- the throw: four swing ticks, then two steam ticks ----

void Game::SwingTick(int p)
{
    io_.timers.setEnabled(swingTimer(p), false);
    if (s.GameStopped)
        return;
    s.ThrowPhase(p) = add16(s.ThrowPhase(p), 1, "ThrowPhase + 1");
    if (s.ThrowPhase(p) == 4) {  // the water hits the stones
        s.ThrowPhase(p) = 0;
        s.LadlePose(p) = 0;
        s.Steam(p).cloudShown() = True16;
        s.Steam(p).Id = 301;
        s.Water(p).Y = add16(s.Water(p).Y, 4, "Water.Y + 4");
        s.Ladle(p, 0).X = s.Arm(p, 0).ladleX();
        s.Ladle(p, 0).Y = s.Arm(p, 0).ladleY();
        io_.sound.PlaySoundFile("kiuas.wav");
        io_.timers.setEnabled(steamTimer(p), true);
        return;
    }
    if (s.ThrowPhase(p) == 1)
        s.LadlePose(p) = 1;
    SpriteRec& ladle = s.Ladle(p, s.LadlePose(p));
    const SpriteRec& arm = s.Arm(p, s.ThrowPhase(p));
    ladle.X = arm.ladleX();
    ladle.Y = arm.ladleY();
    io_.drawing.RedrawScenes();
    if (!s.GameStopped)
        io_.timers.setEnabled(swingTimer(p), true);
}

void Game::SteamTick(int p)
{
    if (s.GameStopped)
        return;  // keeps firing idle until the next match
    io_.timers.setEnabled(steamTimer(p), false);
    s.Steam(p).Id = add16(s.Steam(p).Id, 2, "Steam.Id + 2");
    s.Temperature(p) = s.Temperature(p) + 5.0;
    io_.drawing.RedrawScenes();
    if (s.Steam(p).Id == 305) {
        s.Steam(p).cloudShown() = 0;
        io_.drawing.RedrawScenes();
        return;
    }
    if (!s.GameStopped)
        io_.timers.setEnabled(steamTimer(p), true);
}

// ---- the trip to the lake ----

void Game::TripTick(int p)
{
    io_.timers.setEnabled(tripTimer(p), false);
    if (s.GameStopped)
        return;

    io_.drawing.AssignYard(p);
    io_.drawing.LoadLakeAndCabin();

    for (int j = 0; j < 6; ++j) {
        if (j == 1) {
            io_.drawing.DrawCabin(p, kCabinX, kCabinY);
            SpriteRec& walker = s.Head(p);
            walker.X = add16(walker.X, walker.walkerStep(), "Head.X + Head.Extra1");
            if (walker.X <= kTurnX)
                walker.walkerStep() = 2;
            if (walker.X == kSoundX)
                io_.sound.PlaySoundFile("ulos1.wav");
            if (walker.walkerStep() == 2 && walker.X >= kHomeX) {
                ReturnHome(p);
                return;
            }
            io_.drawing.DrawWalker(p, walker.X, walker.Y);
        }
        SpriteRec& strip = s.Wave(j);
        const int16_t x0 = strip.X, y0 = strip.Y;
        strip.X = add16(strip.X, RandomUpTo(3) - 1, "Wave.X jitter");
        strip.Y = add16(strip.Y, RandomUpTo(3) - 1, "Wave.Y jitter");
        if (strip.X < -10 || strip.X > -1)
            strip.X = x0;
        if (strip.Y < stripTop(j) || strip.Y > stripTop(j) + 5)
            strip.Y = y0;
        io_.drawing.DrawLakeStrip(p, strip.X, strip.Y);
    }

    io_.drawing.ShowView(p);
    io_.drawing.DrawTemperature(p);
    io_.drawing.DrawScore(p);
    if (!s.GameStopped)
        io_.timers.setEnabled(tripTimer(p), true);
}

void Game::ReturnHome(int p)
{
    io_.drawing.AssignRoom(p);
    s.Outside(p) = 0;
    s.Head(p).X = p == 0 ? 20 : 340;
    s.Head(p).Y = 100;
    s.Water(p).Y = 500;
    s.Water(p).portionsLeft() = 5;
    s.Head(p).Id = 101;
    io_.drawing.RedrawScenes();
}

int16_t Game::RandomUpTo(int16_t n)
{
    // Reseed from the clock; the same reading twice still moves the generator on.
    const float seconds = clock_ ? clock_() : 0.0f;
    uint32_t bits;
    static_assert(sizeof bits == sizeof seconds);
    std::memcpy(&bits, &seconds, sizeof bits);
    random_ ^= bits;
    // splitmix64
    random_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = random_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    const double u = double(z >> 11) * 0x1.0p-53;  // 0 <= u < 1
    const double scaled = u * n;
    if (!std::isfinite(scaled))
        throw Error("Floating-point fault in RandomUpTo");
    return to16(long(std::nearbyint(scaled)), "RandomUpTo");  // halves to even
}

// ---- the menu's start button ----

void Game::StartMatch()
{
    s.GameStopped = False16;
    io_.windows.hideMenu();
    io_.windows.moveMainToTopLeft();
    io_.drawing.ShowRoomPictures();
    NewMatch(s);
    // A new match starts clean: nothing of a throw or trip cut off by the
    // last match's end carries over.
    for (int p = 0; p < 2; ++p) {
        s.LadlePose(p) = 0;
        s.Steam(p).cloudShown() = 0;
        io_.timers.setEnabled(swingTimer(p), false);
        io_.timers.setEnabled(steamTimer(p), false);
        io_.timers.setEnabled(tripTimer(p), false);
    }
    io_.drawing.RedrawScenes();
    io_.timers.setEnabled(TimerId::Tim_Lämpö1, true);
    io_.timers.setEnabled(TimerId::Tim_Lämpö2, true);
    io_.drawing.RedrawScenes();
    io_.windows.showMain();
}

} // namespace hovla
