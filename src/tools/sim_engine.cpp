#include "tools/sim_engine.h"

#include "drawing/screen.h"
#include "match/form_load.h"
#include "match/game.h"
#include "match/timer_service.h"
#include "sound/dx7sound.h"
#include "sound/recording_service.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

namespace hovla {

namespace {

// ---- the outside world, recorded ----

struct Shown {
    std::string text, caption;
    MessageIcon icon;
};

struct SimMessages : Messages {
    using Messages::show;
    void show(const std::string& text, const std::string& caption, MessageIcon icon) override
    {
        shown.push_back({text, caption, icon});
    }
    std::vector<Shown> shown;
};

struct SimWindows : Windows {
    bool mainShown = false;
    enum { None, Shown_, Hidden } menu = None;
    void hideMain() override { mainShown = false; }
    void showMain() override { mainShown = true; }
    void moveMainToTopLeft() override {}
    void showMenu() override { menu = Shown_; }
    void hideMenu() override { menu = Hidden; }
};

// The sliders as they start; the first read makes the (hidden) menu.
struct SimSettings : SoundSettings {
    SimWindows& windows;
    explicit SimSettings(SimWindows& w) : windows(w) {}
    void touch()
    {
        if (windows.menu == SimWindows::None)
            windows.menu = SimWindows::Hidden;
    }
    int volume() override { touch(); return 80; }
    int pan() override { touch(); return 50; }
    bool muted() override { touch(); return false; }
};

// ---- output ----

std::string jsonString(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += char(c);
            }
        }
    }
    return out + "\"";
}

std::string jsonNumber(double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string json(const SpriteRec& r)
{
    return "{\"Id\":" + std::to_string(r.Id) + ",\"Flip\":" + std::to_string(r.Flip) + ",\"X\":"
           + std::to_string(r.X) + ",\"Y\":" + std::to_string(r.Y) + ",\"Extra1\":" + std::to_string(r.Extra1)
           + ",\"Extra2\":" + std::to_string(r.Extra2) + "}";
}

template <typename F>
std::string list(int n, F item)
{
    std::string out = "[";
    for (int i = 0; i < n; ++i) {
        if (i)
            out += ',';
        out += item(i);
    }
    return out + "]";
}

std::string stateJson(const Muuttujat& s)
{
    auto recs = [](const auto& a, int n) { return list(n, [&](int i) { return json(a(i)); }); };
    auto recs2 = [](const auto& a, int n, int m) {
        return list(n, [&](int i) { return list(m, [&](int j) { return json(a(i, j)); }); });
    };
    auto ints = [](const auto& a) { return list(2, [&](int i) { return std::to_string(a(i)); }); };
    auto doubles = [](const auto& a) { return list(2, [&](int i) { return jsonNumber(a(i)); }); };
    return "{\"Stove\":" + recs(s.Stove, 2) + ",\"Bucket\":" + recs2(s.Bucket, 2, 2) + ",\"Ladle\":"
           + recs2(s.Ladle, 2, 2) + ",\"LadlePose\":" + ints(s.LadlePose) + ",\"Steam\":" + recs(s.Steam, 2)
           + ",\"Head\":" + recs(s.Head, 2) + ",\"Water\":" + recs(s.Water, 2) + ",\"Temperature\":"
           + doubles(s.Temperature) + ",\"Wave\":" + recs(s.Wave, 6) + ",\"Outside\":" + ints(s.Outside)
           + ",\"Body\":" + recs(s.Body, 2) + ",\"ThrowPhase\":" + ints(s.ThrowPhase) + ",\"Arm\":"
           + recs2(s.Arm, 2, 4) + ",\"TitleText\":" + jsonString(s.TitleText) + ",\"GameStopped\":"
           + std::to_string(s.GameStopped) + ",\"Condition\":" + doubles(s.Condition) + ",\"Points\":"
           + doubles(s.Points) + "}";
}

// ---- the script ----

struct Malformed {
    std::string what;
};

long integer(const std::string& word, const char* what)
{
    long v = 0;
    const auto r = std::from_chars(word.data(), word.data() + word.size(), v);
    if (r.ec != std::errc() || r.ptr != word.data() + word.size())
        throw Malformed{std::string("expected ") + what + ", found \"" + word + "\""};
    return v;
}

int16_t value16(const std::string& word)
{
    const long v = integer(word, "a whole number");
    if (v < INT16_MIN || v > INT16_MAX)
        throw Malformed{"expected a 16-bit value, found " + word};
    return int16_t(v);
}

double real(const std::string& word)
{
    double v = 0;
    const auto r = std::from_chars(word.data(), word.data() + word.size(), v);
    if (r.ec != std::errc() || r.ptr != word.data() + word.size())
        throw Malformed{"expected a number, found \"" + word + "\""};
    return v;
}

int16_t& field(SpriteRec& r, const std::string& name)
{
    if (name == "Id") return r.Id;
    if (name == "Flip") return r.Flip;
    if (name == "X") return r.X;
    if (name == "Y") return r.Y;
    if (name == "Extra1") return r.Extra1;
    if (name == "Extra2") return r.Extra2;
    throw Malformed{"expected a field Id, Flip, X, Y, Extra1 or Extra2, found \"" + name + "\""};
}

// set NAME [I [J]] [FIELD] VALUE
void setVariable(Muuttujat& s, const std::vector<std::string>& w)
{
    if (w.size() < 3)
        throw Malformed{"expected: set NAME [I [J]] [FIELD] VALUE"};
    const std::string& name = w[1];
    auto index = [&](size_t at, long upper) {
        if (at >= w.size())
            throw Malformed{"expected an index after " + name};
        const long i = integer(w[at], "an index");
        if (i < 0 || i > upper)
            throw Malformed{"expected an index 0 to " + std::to_string(upper) + " for " + name};
        return i;
    };
    auto done = [&](size_t count) {
        if (w.size() != count)
            throw Malformed{"expected: set NAME [I [J]] [FIELD] VALUE"};
    };
    const std::map<std::string, Arr<SpriteRec, 2>*> records = {
        {"Stove", &s.Stove}, {"Steam", &s.Steam}, {"Head", &s.Head}, {"Water", &s.Water}, {"Body", &s.Body}};
    const std::map<std::string, Arr<int16_t, 2>*> flags = {
        {"LadlePose", &s.LadlePose}, {"Outside", &s.Outside}, {"ThrowPhase", &s.ThrowPhase}};
    const std::map<std::string, Arr<double, 2>*> numbers = {
        {"Temperature", &s.Temperature}, {"Condition", &s.Condition}, {"Points", &s.Points}};

    if (name == "GameStopped") {
        done(3);
        s.GameStopped = value16(w[2]);
    } else if (auto r = records.find(name); r != records.end()) {
        done(5);
        field((*r->second)(index(2, 1)), w[3]) = value16(w[4]);
    } else if (name == "Wave") {
        done(5);
        field(s.Wave(index(2, 5)), w[3]) = value16(w[4]);
    } else if (name == "Bucket" || name == "Ladle" || name == "Arm") {
        done(6);
        auto& a = name == "Bucket" ? s.Bucket : s.Ladle;
        const long i = index(2, 1);
        const long j = index(3, name == "Arm" ? 3 : 1);
        field(name == "Arm" ? s.Arm(i, j) : a(i, j), w[4]) = value16(w[5]);
    } else if (auto f = flags.find(name); f != flags.end()) {
        done(4);
        (*f->second)(index(2, 1)) = value16(w[3]);
    } else if (auto n = numbers.find(name); n != numbers.end()) {
        done(4);
        (*n->second)(index(2, 1)) = real(w[3]);
    } else {
        throw Malformed{"expected a variable of the match state, found \"" + name + "\""};
    }
}

int16_t keyCode(const std::vector<std::string>& w)
{
    if (w.size() != 2)
        throw Malformed{"expected: key C (one character, ESC or ENTER)"};
    if (w[1] == "ESC")
        return 27;
    if (w[1] == "ENTER")
        return 13;
    const QString c = QString::fromStdString(w[1]);
    if (c.size() != 1)
        throw Malformed{"expected one character, ESC or ENTER after key, found \"" + w[1] + "\""};
    return int16_t(c.at(0).unicode());
}

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

class Simulation {
public:
    explicit Simulation(const SimOptions& options)
        : settings_(windows_),
          pool_(service_, settings_, messages_),
          game_(state_, Seams{timers_, pool_, messages_, windows_, drawing_})
    {
        service_.readFiles = true;  // busy slots show: each file sounds its length
        service_.clock = [this] { return clockSeconds(); };
        timers_.setDispatch([this](TimerId id) { game_.dispatch(id); });
        game_.seedRandom(options.seed);
        game_.setClock([this] { return float(clockSeconds()); });
        pool_.onPlay([this](const std::string& file, int16_t slot) { sounds_.push_back({file, slot}); });
        Form_Load(state_, pool_, 0, options.gameFolder);  // as the game starts
        windows_.mainShown = true;
    }

    void run(const std::vector<std::string>& w)
    {
        const std::string& verb = w[0];
        if (verb == "start") {
            if (w.size() != 1)
                throw Malformed{"expected nothing after start"};
            game_.StartMatch();
        } else if (verb == "key") {
            int16_t c = keyCode(w);
            game_.Form_KeyPress(c);
        } else if (verb == "tick") {
            if (w.size() != 2)
                throw Malformed{"expected: tick N"};
            const long n = integer(w[1], "a number of ticks");
            if (n < 0)
                throw Malformed{"expected a number of ticks, 0 or more"};
            for (long i = 0; i < n; ++i)
                timers_.tick();
        } else if (verb == "set") {
            setVariable(game_.s, w);
        } else {
            throw Malformed{"expected start, key, tick or set, found \"" + verb + "\""};
        }
    }

    // Checks a line without running it.
    void check(const std::vector<std::string>& w)
    {
        const std::string& verb = w[0];
        if (verb == "key") {
            keyCode(w);
        } else if (verb == "set") {
            Muuttujat scratch;
            setVariable(scratch, w);
        }
    }

    void fatal(const std::string& what) { messages_.show("Virhe: " + what); }

    std::string report(const std::string& event, int n)
    {
        std::string out = "{\"event\":" + jsonString(event) + ",\"n\":" + std::to_string(n)
                          + ",\"state\":" + stateJson(game_.s) + ",\"timers\":{";
        for (int i = 0; i < kTimerCount; ++i) {
            const auto id = static_cast<TimerId>(i);
            out += std::string(i ? "," : "") + jsonString(TimerService::name(id)) + ":"
                   + (timers_.isEnabled(id) ? "true" : "false");
        }
        out += "},\"sounds\":" + list(int(sounds_.size()), [&](int i) {
            return "{\"file\":" + jsonString(sounds_[i].first) + ",\"slot\":" + std::to_string(sounds_[i].second) + "}";
        });
        out += ",\"messages\":" + list(int(messages_.shown.size()), [&](int i) {
            const Shown& m = messages_.shown[i];
            return "{\"text\":" + jsonString(m.text) + ",\"caption\":" + jsonString(m.caption) + ",\"icon\":"
                   + (m.icon == MessageIcon::Information ? "\"information\"" : "\"none\"") + "}";
        });
        const char* menu = windows_.menu == SimWindows::None     ? "none"
                           : windows_.menu == SimWindows::Shown_ ? "shown"
                                                                 : "hidden";
        out += std::string(",\"windows\":{\"main\":") + (windows_.mainShown ? "\"shown\"" : "\"hidden\"")
               + ",\"menu\":\"" + menu + "\"}";
        const Module1& scene = drawing_.scene;
        out += ",\"readouts\":{\"temperature1\":" + jsonString(scene.printedTemperature(0))
               + ",\"score1\":" + jsonString(scene.printedScore(0)) + ",\"temperature2\":"
               + jsonString(scene.printedTemperature(1)) + ",\"score2\":" + jsonString(scene.printedScore(1)) + "}";
        out += ",\"redraws\":" + std::to_string(scene.redrawCount() - redrawsBefore_) + "}";
        sounds_.clear();
        messages_.shown.clear();
        redrawsBefore_ = scene.redrawCount();
        return out;
    }

private:
    double clockSeconds() const { return double(timers_.now()) / kClockHz; }

    TimerService timers_;
    SimWindows windows_;
    SimSettings settings_;
    SimMessages messages_;
    RecordingSoundService service_;
    DX7Sound pool_;
    Muuttujat state_;
    ScreenDrawing drawing_{state_};
    Game game_;
    std::vector<std::pair<std::string, int16_t>> sounds_;
    long redrawsBefore_ = 0;
};

} // namespace

int runSimulation(std::istream& script, std::ostream& out, std::ostream& err, const SimOptions& options)
{
    Simulation sim(options);
    out << sim.report("launch", 0) << '\n';
    std::string line;
    for (int n = 1; std::getline(script, line); ++n) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::vector<std::string> w = words(line);
        if (w.empty() || w[0][0] == '#')
            continue;
        try {
            sim.check(w);
            sim.run(w);
        } catch (const Malformed& m) {
            err << "hovla-sim: line " << n << ": " << m.what << '\n';
            return 2;
        } catch (const std::exception& e) {
            sim.fatal(e.what());  // the game shows it and ends
            out << sim.report(line, n) << '\n';
            return 1;
        }
        out << sim.report(line, n) << '\n';
    }
    return 0;
}

} // namespace hovla
