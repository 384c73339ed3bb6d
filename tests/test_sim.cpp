// Scripted matches through the headless simulator, read back as JSON.
#include "tools/sim_engine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace hovla;

namespace {

struct SimRun {
    int status;
    std::vector<QJsonObject> events;
    std::string errors;
    std::string text;
};

SimRun simulate(const std::string& script, uint64_t seed = 1)
{
    std::istringstream in(script);
    std::ostringstream out, err;
    SimOptions options;
    options.seed = seed;
    options.gameFolder = std::filesystem::path(HOVLA_AUDIO_DIR).parent_path().string();
    SimRun r;
    r.status = runSimulation(in, out, err, options);
    r.text = out.str();
    r.errors = err.str();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        r.events.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
    return r;
}

QJsonObject state(const QJsonObject& e) { return e["state"].toObject(); }
int at(const QJsonObject& e, const char* name, int p) { return state(e)[name].toArray()[p].toInt(); }
double num(const QJsonObject& e, const char* name, int p) { return state(e)[name].toArray()[p].toDouble(); }
int rec(const QJsonObject& e, const char* name, int p, const char* field)
{
    return state(e)[name].toArray()[p].toObject()[field].toInt();
}
QString message(const QJsonObject& e, int i = 0) { return e["messages"].toArray()[i].toObject()["text"].toString(); }

} // namespace

TEST(Sim, LaunchIsTheGameStarting)
{
    const SimRun r = simulate("");
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.events.size(), 1u);
    const QJsonObject& e = r.events[0];
    EXPECT_EQ(e["event"].toString(), "launch");
    EXPECT_EQ(e["n"].toInt(), 0);
    EXPECT_EQ(e["sounds"].toArray()[0].toObject()["file"].toString(), "WELCOME.wav");
    EXPECT_EQ(e["sounds"].toArray()[0].toObject()["slot"].toInt(), 0);
    EXPECT_EQ(e["windows"].toObject()["main"].toString(), "shown");
    EXPECT_EQ(e["windows"].toObject()["menu"].toString(), "hidden");
    EXPECT_TRUE(e["timers"].toObject()["Tim_Lämpö1"].toBool());
    EXPECT_FALSE(e["timers"].toObject()["Aaltokone2"].toBool());
    EXPECT_EQ(num(e, "Temperature", 0), 0);
    EXPECT_EQ(state(e)["GameStopped"].toInt(), 0);
    const QStringList keys = e.keys();
    for (const char* k : {"event", "n", "state", "timers", "sounds", "messages", "windows", "readouts", "redraws"})
        EXPECT_TRUE(keys.contains(k)) << k;
}

TEST(Sim, AThrowFromRestTickByTick)
{
    const SimRun r = simulate("start\nkey s\ntick 1\ntick 1\ntick 1\ntick 1\ntick 1\ntick 1\n");
    ASSERT_EQ(r.events.size(), 9u);
    EXPECT_EQ(r.events[1]["redraws"].toInt(), 2);  // the start button redraws twice
    EXPECT_EQ(r.events[1]["readouts"].toObject()["score1"].toString(), "Pisteet : 0 Kunto 100.%");
    EXPECT_EQ(rec(r.events[2], "Water", 0, "Extra1"), 4);
    const int phases[] = {1, 2, 3, 0};
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(at(r.events[3 + t], "ThrowPhase", 0), phases[t]) << t;
    EXPECT_EQ(r.events[5]["redraws"].toInt(), 1);
    EXPECT_EQ(r.events[6]["redraws"].toInt(), 0);  // the water hits the stones unseen
    const QJsonArray sounds = r.events[6]["sounds"].toArray();
    ASSERT_EQ(sounds.size(), 1);
    EXPECT_EQ(sounds[0].toObject()["file"].toString(), "kiuas.wav");
    EXPECT_EQ(sounds[0].toObject()["slot"].toInt(), 1);  // the welcome still sounds on 0
    EXPECT_EQ(rec(r.events[6], "Steam", 0, "Id"), 301);
    EXPECT_EQ(num(r.events[7], "Temperature", 0), 65);
    EXPECT_EQ(r.events[8]["redraws"].toInt(), 2);
    EXPECT_EQ(num(r.events[8], "Temperature", 0), 70);
    EXPECT_EQ(r.events[8]["readouts"].toObject()["temperature1"].toString(), QString::fromUtf8(" 70 ºC"));
    EXPECT_FALSE(r.events[8]["timers"].toObject()["Tim_Löyly1"].toBool());
}

TEST(Sim, ATripOfAHundredAndFiftyTicks)
{
    const SimRun r = simulate("start\nkey k\ntick 149\ntick 1\n");
    ASSERT_EQ(r.events.size(), 5u);
    EXPECT_EQ(r.events[2]["sounds"].toArray().size(), 1);
    EXPECT_EQ(at(r.events[3], "Outside", 1), -1);
    EXPECT_EQ(rec(r.events[3], "Head", 1, "X"), 398);
    EXPECT_EQ(r.events[3]["sounds"].toArray().size(), 2);  // at 300, both ways
    EXPECT_EQ(at(r.events[4], "Outside", 1), 0);
    EXPECT_EQ(rec(r.events[4], "Head", 1, "X"), 340);
    EXPECT_EQ(rec(r.events[4], "Water", 1, "Extra1"), 5);
    EXPECT_EQ(r.events[4]["redraws"].toInt(), 1);
    EXPECT_DOUBLE_EQ(num(r.events[4], "Points", 1), 1.0);  // two seconds outdoors at half a point
}

TEST(Sim, EndingsCollapseWinDrawGiveUpAndEscape)
{
    const SimRun collapse = simulate("start\nset Condition 0 50\nkey x\nkey s\n");
    ASSERT_EQ(collapse.events.size(), 5u);
    EXPECT_EQ(message(collapse.events[3]),
              QString::fromUtf8("Pelaaja  1 on niin huonossa kunnossa, että jouduttiin kantamaan pois!"));
    EXPECT_EQ(collapse.events[3]["windows"].toObject()["menu"].toString(), "shown");
    EXPECT_EQ(collapse.events[3]["windows"].toObject()["main"].toString(), "hidden");
    EXPECT_TRUE(collapse.events[4]["messages"].toArray().isEmpty());  // stopped: keys do nothing

    const SimRun win = simulate("start\nset Points 0 100\nset Points 1 104\nkey a\n");
    EXPECT_EQ(message(win.events[4]), "Pelaaja 2 voitti! Pisteet: 104");
    const SimRun half = simulate("start\nset Points 0 101.5\nkey l\n");
    EXPECT_EQ(message(half.events[3]), "Pelaaja 1 voitti! Pisteet: 101.5");

    const SimRun draw = simulate("start\nset Points 0 100\nset Points 1 100\nkey ENTER\n");
    EXPECT_EQ(message(draw.events[4]), "Tasapeli!!");

    const SimRun giveUp = simulate("start\nkey j\n");
    const QJsonObject box = giveUp.events[2]["messages"].toArray()[0].toObject();
    EXPECT_EQ(box["text"].toString(), "Pelaaja 2 luovutti!!!");
    EXPECT_EQ(box["caption"].toString(), "LUOVUTUS");
    EXPECT_EQ(box["icon"].toString(), "information");
    EXPECT_EQ(state(giveUp.events[2])["GameStopped"].toInt(), -1);

    const SimRun escape = simulate("start\nkey s\ntick 2\nkey ESC\ntick 5\n");
    EXPECT_TRUE(escape.events[4]["messages"].toArray().isEmpty());
    EXPECT_EQ(escape.events[4]["windows"].toObject()["menu"].toString(), "shown");
    EXPECT_EQ(at(escape.events[5], "ThrowPhase", 0), 2);  // the swing stopped where it stood
}

TEST(Sim, AMalformedLineStopsTheRun)
{
    const char* bad[] = {"tock 3", "key", "key sa", "tick x", "set Nothing 1", "set Water 0 Depth 3",
                         "set Wave 6 X 1", "set Points 2 1", "set Head 0 X 40000"};
    for (const char* line : bad) {
        const SimRun r = simulate(std::string("start\n\n# a comment\n") + line + "\ntick 1\n");
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_EQ(r.events.size(), 2u) << line;  // nothing printed for it, nothing after it
        EXPECT_NE(r.errors.find("line 4"), std::string::npos) << r.errors;
    }
}

TEST(Sim, TheSameSeedGivesTheSameRun)
{
    const std::string script = "start\nkey a\ntick 40\nkey k\ntick 40\n";
    EXPECT_EQ(simulate(script, 5).text, simulate(script, 5).text);
    EXPECT_NE(simulate(script, 5).text, simulate(script, 6).text);
}

TEST(Sim, AFatalErrorIsShownAndEndsTheRun)
{
    const SimRun r = simulate("start\nset ThrowPhase 0 1\nset LadlePose 0 2\nkey s\ntick 1\ntick 1\n");
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.events.size(), 6u);  // nothing after the tick that failed
    EXPECT_TRUE(message(r.events[5]).contains("Ladle(0, 2)")) << message(r.events[5]).toStdString();
}

// Twelve and more sounds at once on the hand-turned clock, which stands still
// between lines: every play is answered at once, the oldest voice giving way.
TEST(Sim, AFloodOfSoundsRunsOn)
{
    std::string script = "start\n";
    for (int n = 0; n < 14; ++n)
        script += "key a\n";
    script += "tick 1\n";
    const SimRun r = simulate(script);
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.events.size(), 17u);
    std::vector<int> taken;
    for (int n = 2; n <= 15; ++n) {
        const QJsonArray sounds = r.events[n]["sounds"].toArray();
        ASSERT_EQ(sounds.size(), 1) << "key " << n - 1;
        EXPECT_EQ(sounds[0].toObject()["file"].toString(), "ulos1.wav");
        taken.push_back(sounds[0].toObject()["slot"].toInt());
    }
    // the welcome holds slot 0; ten free voices, then the oldest gives way
    EXPECT_EQ(taken, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 1, 2, 3}));
}
