// The unit driven through the bench: click sequences on the real mouse areas, by position,
// with the state, entry, lamps and clicks they must leave; renders of the whole unit; and a
// shared memory that another process fills with random bytes between clicks and ticks.
#include "module_fixture.h"

#include "bench.h"
#include "display_callbacks.h"
#include "host_calls.h"
#include "host_variables.h"
#include "panel_tables.h"
#include "png_file.h"
#include "veldra_pictures.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <sstream>

namespace {

// Click positions: the centre of each control's mouse area, in background pixels.
const std::map<std::string, std::pair<int, int>> ControlCentres = {
    {"UP", {61, 97}},    {"DN", {61, 137}},   {"DSL", {56, 270}},   {"DSR", {142, 270}},
    {"MSL", {40, 192}},  {"MSR", {99, 192}},  {"HOLD", {225, 272}}, {"INS", {153, 197}},
    {"TK", {114, 145}},  {"WARN", {316, 95}}, {"1", {224, 141}},    {"2", {277, 141}},
    {"3", {332, 141}},   {"4", {224, 185}},   {"5", {277, 185}},    {"6", {332, 185}},
    {"7", {224, 225}},   {"8", {277, 225}},   {"9", {332, 225}},    {"0", {277, 280}},
    {"CLR", {332, 285}}, {"N", {277, 141}},   {"S", {277, 225}},    {"W", {224, 185}},
    {"E", {332, 185}},
};

LinkageRecord TestLinkage = {
    LinkageVersion, nullptr, nullptr, 0, 0, 0, {&VeldraGaugeHeader, nullptr}};

class VeldraBenchTest : public ModuleTest {
  protected:
    VeldraBenchTest() {
        std::filesystem::create_directories("Sound");
        WriteClickFile("Sound/TORV_Click1.wav");
        ResetDisplayCallbackState();
        ResetHostVariables();
        std::string error;
        EXPECT_TRUE(Bench.AddGauge(&TestLinkage, &ImportTable, VeldraPictures(), 0, 0, 0, error))
            << error;
    }
    ~VeldraBenchTest() override {
        Bench.Shutdown();
        std::filesystem::remove_all("Sound");
    }

    // Runs a sequence of control names separated by spaces; returns the clicks heard.
    int Press(const std::string& sequence) {
        const size_t before = Clicks();
        std::istringstream words(sequence);
        for (std::string word; words >> word;) {
            const auto found = ControlCentres.find(word);
            EXPECT_NE(found, ControlCentres.end()) << word;
            if (found != ControlCentres.end()) {
                EXPECT_TRUE(Bench.ClickGauge(1, found->second.first, found->second.second)) << word;
            }
        }
        return static_cast<int>(Clicks() - before);
    }

    size_t Clicks() const {
        size_t count = 0;
        for (const std::string& call : FakeAudio().Calls)
            count += call == "GetStatus";
        return count;
    }

    void Ticks(int count) {
        std::string error;
        EXPECT_TRUE(Bench.RunTicks(count, error)) << error;
    }

    static double Lamp(ElementCallback callback) {
        HostVariable unused{};
        return callback(&unused);
    }

    bench::Bench Bench;
};

struct SequenceCase {
    const char* Name;
    std::function<void(InsState&)> Arrange;
    const char* Sequence;
    int Clicks;
    std::function<void(const InsState&)> Check;
};

constexpr double Tolerance = 1e-12;

const SequenceCase SequenceCases[] = {
    {"N 45 12.3 INSERT on waypoint 3",
     [](InsState& s) {
         s.WptIndex = 3;
         s.WptLon[3] = 11.25;
         s.WptEast[3] = 1.0;
     },
     "N 4 5 1 2 3 INS", 8,
     [](const InsState& s) {
         EXPECT_NEAR(s.WptLat[3], 45.205, Tolerance);
         EXPECT_EQ(s.WptNorth[3], 1.0);
         EXPECT_NEAR(s.WptLon[3], 11.25, Tolerance);
         EXPECT_EQ(s.WptEast[3], 1.0);
         EXPECT_EQ(s.InsertActive, 0);
     }},
    {"E 011 15.0", [](InsState& s) { s.WptIndex = 2; }, "E 0 1 1 1 5 0 INS", 9,
     [](const InsState& s) {
         EXPECT_NEAR(s.WptLon[2], 11.25, Tolerance);
         EXPECT_EQ(s.WptEast[2], 1.0);
     }},
    {"11 00.0 is exactly 11", [](InsState& s) { s.WptIndex = 5; }, "N 1 1 0 0 0 INS", 8,
     [](const InsState& s) { EXPECT_EQ(s.WptLat[5], 11.0); }},
    {"the sixth latitude digit is ignored", [](InsState& s) { s.WptIndex = 1; }, "N 4 5 1 2 3 9", 8,
     [](const InsState& s) {
         EXPECT_EQ(Entry.EntryLat, 45.123);
         EXPECT_EQ(s.InsertActive, 1);
     }},
    {"90 00.0 is stored", [](InsState& s) { s.WptIndex = 1; }, "N 9 0 0 0 0 INS", 8,
     [](const InsState& s) {
         EXPECT_EQ(s.WptLat[1], 90.0);
         EXPECT_EQ(s.InsertActive, 0);
     }},
    {"90 00.1 is refused", [](InsState& s) { s.WptIndex = 1; }, "N 9 0 0 0 1 INS", 8,
     [](const InsState& s) {
         EXPECT_EQ(s.WptLat[1], 0.0);
         EXPECT_EQ(s.InsertActive, 1);
     }},
    {"180 00.0 is stored", [](InsState& s) { s.WptIndex = 1; }, "E 1 8 0 0 0 0 INS", 9,
     [](const InsState& s) { EXPECT_EQ(s.WptLon[1], 180.0); }},
    {"180 00.1 is refused", [](InsState& s) { s.WptIndex = 1; }, "E 1 8 0 0 0 1 INS", 9,
     [](const InsState& s) {
         EXPECT_EQ(s.WptLon[1], 0.0);
         EXPECT_EQ(s.InsertActive, 1);
     }},
    {"45 99.9 is 46.665", [](InsState& s) { s.WptIndex = 4; }, "N 4 5 9 9 9 INS", 8,
     [](const InsState& s) { EXPECT_NEAR(s.WptLat[4], 46.665, Tolerance); }},
    {"a blank entry from Idle", [](InsState& s) { s.WptIndex = 6; }, "INS 1 2 3 INS", 5,
     [](const InsState& s) {
         EXPECT_NEAR(s.WptLat[6], 0.205, Tolerance);
         EXPECT_EQ(s.WptNorth[6], 0.0);
         EXPECT_EQ(s.WptLon[6], 0.0);
         EXPECT_EQ(s.WptEast[6], 0.0);
     }},
    {"TK CHG 3 7", [](InsState&) {}, "TK 3 7 INS", 4,
     [](const InsState& s) {
         EXPECT_EQ(s.FromWpt, 3);
         EXPECT_EQ(s.ToWpt, 7);
         EXPECT_EQ(s.TrackChangeActive, 0);
         EXPECT_EQ(s.InsertActive, 0);
     }},
    {"TK CHG 5 keeps TO", [](InsState& s) { s.ToWpt = 4; }, "TK 5 INS", 3,
     [](const InsState& s) {
         EXPECT_EQ(s.FromWpt, 5);
         EXPECT_EQ(s.ToWpt, 4);
     }},
    {"TK CHG ignores a third digit", [](InsState&) {}, "TK 1 2 3", 4,
     [](const InsState& s) {
         EXPECT_EQ(Entry.EntryFrom, 1);
         EXPECT_EQ(Entry.EntryTo, 2);
         EXPECT_EQ(s.TrackChangeActive, 1);
     }},
    {"TK CHG INSERT changes nothing",
     [](InsState& s) {
         s.FromWpt = 2;
         s.ToWpt = 8;
     },
     "TK INS", 2,
     [](const InsState& s) {
         EXPECT_EQ(s.FromWpt, 2);
         EXPECT_EQ(s.ToWpt, 8);
     }},
    {"TK CHG twice goes over to a position entry", [](InsState&) {}, "TK 3 7 TK", 4,
     [](const InsState& s) {
         EXPECT_EQ(s.TrackChangeActive, 0);
         EXPECT_EQ(s.InsertActive, 1);
         EXPECT_EQ(s.FromWpt, 0);
         EXPECT_EQ(Entry.EntryDigitPos, 3);
     }},
    {"wheel down from a fresh 0", [](InsState&) {}, "DN", 1,
     [](const InsState& s) { EXPECT_EQ(s.WptIndex, 9); }},
    {"wheel up from a fresh 0", [](InsState&) {}, "UP", 1,
     [](const InsState& s) { EXPECT_EQ(s.WptIndex, 1); }},
    {"wheel wraps 9 to 1 and 1 to 9", [](InsState& s) { s.WptIndex = 9; }, "UP DN DN", 3,
     [](const InsState& s) { EXPECT_EQ(s.WptIndex, 8); }},
    {"data selector wraps both ways", [](InsState&) {}, "DSL", 1,
     [](const InsState& s) { EXPECT_EQ(s.DataSelector, 7); }},
    {"data selector 7 right is 0", [](InsState& s) { s.DataSelector = 7; }, "DSR", 1,
     [](const InsState& s) { EXPECT_EQ(s.DataSelector, 0); }},
    {"mode selector 2 left is 0", [](InsState& s) { s.ModeSelector = 2; }, "MSL", 1,
     [](const InsState& s) { EXPECT_EQ(s.ModeSelector, 0); }},
    {"mode selector 0 right is 2", [](InsState&) {}, "MSR", 1,
     [](const InsState& s) { EXPECT_EQ(s.ModeSelector, 2); }},
    {"HOLD twice is off again", [](InsState&) {}, "HOLD HOLD", 2,
     [](const InsState& s) { EXPECT_EQ(s.HoldActive, 0); }},
    {"WARN only clicks", [](InsState&) {}, "WARN", 1,
     [](const InsState& s) {
         const InsState fresh{};
         EXPECT_EQ(std::memcmp(&s, &fresh, sizeof fresh), 0);
     }},
    {"plain keys from Idle click once each", [](InsState&) {}, "0 1 3 5 7 9", 6,
     [](const InsState& s) { EXPECT_EQ(s.InsertActive, 0); }},
    {"a hemisphere key from Idle clicks twice", [](InsState&) {}, "S", 2,
     [](const InsState& s) { EXPECT_EQ(s.InsertActive, 1); }},
    {"CLEAR leaves every waypoint and leg", [](InsState& s) { s.WptIndex = 2; }, "N 1 2 CLR", 5,
     [](const InsState& s) {
         EXPECT_EQ(s.InsertActive, 0);
         EXPECT_EQ(s.WptLat[2], 0.0);
     }},
    {"a WptIndex outside 0-9 stores into waypoint 0", [](InsState& s) { s.WptIndex = 1000; },
     "N 1 2 INS", 5,
     [](const InsState& s) {
         EXPECT_NEAR(s.WptLat[0], 0.02, Tolerance);
         EXPECT_EQ(s.WptIndex, 1000);
     }},
    {"the wheel steps from a WptIndex outside 0-9 as from 0", [](InsState& s) { s.WptIndex = -5; },
     "UP", 1, [](const InsState& s) { EXPECT_EQ(s.WptIndex, 1); }},
};

TEST_F(VeldraBenchTest, ClickSequencesThroughTheMouseAreas) {
    Ticks(1);
    ASSERT_NE(ClickSoundHandle, 0);
    for (const SequenceCase& c : SequenceCases) {
        SCOPED_TRACE(c.Name);
        *SharedIns = InsState{};
        Entry = CduEntry{};
        c.Arrange(*SharedIns);
        EXPECT_EQ(Press(c.Sequence), c.Clicks);
        c.Check(*SharedIns);
        // The lamps follow the state at the next update.
        Ticks(1);
        EXPECT_EQ(Lamp(InsertButtonCallback), SharedIns->InsertActive);
        EXPECT_EQ(Lamp(TrackChangeButtonCallback), SharedIns->TrackChangeActive);
        EXPECT_EQ(Lamp(HoldButtonCallback), SharedIns->HoldActive);
        Press("CLR");
    }
}

TEST_F(VeldraBenchTest, ClicksOutsideEveryControlCallNoHandler) {
    for (auto [x, y] : {std::pair{100, 30}, {230, 95}, {390, 150}, {5, 5}})
        EXPECT_FALSE(Bench.ClickGauge(1, x, y)) << x << "," << y;
    EXPECT_EQ(Clicks(), 0u);
}

// Random bytes in both shared blocks, as a misbehaving process would leave them, between
// random clicks and ticks: nothing may read or write outside the records (asan) or hang.
TEST_F(VeldraBenchTest, RandomSharedMemoryBetweenClicksAndTicks) {
    std::mt19937 random(1234);
    std::vector<std::string> controls;
    for (const auto& [name, centre] : ControlCentres)
        controls.push_back(name);
    auto* ins = reinterpret_cast<unsigned char*>(SharedIns);
    auto* transfer = reinterpret_cast<unsigned char*>(SharedTransfer);
    for (int round = 0; round < 5000; ++round) {
        const int bytes = static_cast<int>(random() % 24);
        for (int i = 0; i < bytes; ++i) {
            ins[random() % sizeof(InsState)] = static_cast<unsigned char>(random());
            transfer[random() % sizeof(InsTransfer)] = static_cast<unsigned char>(random());
        }
        if (random() % 3 == 0) {
            const auto& centre = ControlCentres.at(controls[random() % controls.size()]);
            Bench.ClickGauge(1, centre.first, centre.second);
        } else {
            Ticks(1 + static_cast<int>(random() % 18));
        }
    }
    SUCCEED();
}

// Compares the frame with a committed render. A missing render is written and the test fails,
// so that a person looks at it before it is committed.
void ExpectFrameMatches(const bench::Frame& frame, const std::string& name) {
    const std::string path = std::string(VELDRA_RENDERS_DIR) + "/" + name + ".png";
    bench::Frame expected;
    if (!bench::ReadPng(path, expected)) {
        std::filesystem::create_directories(VELDRA_RENDERS_DIR);
        bench::WritePng(path, frame);
        ADD_FAILURE() << "no committed render " << path << ": wrote one, look at it";
        return;
    }
    ASSERT_EQ(frame.Width, expected.Width) << name;
    ASSERT_EQ(frame.Height, expected.Height) << name;
    int differing = 0;
    for (size_t i = 0; i < frame.Pixels.size(); ++i)
        differing += frame.Pixels[i] != expected.Pixels[i];
    EXPECT_EQ(differing, 0) << name << ": pixels differ from " << path;
}

TEST_F(VeldraBenchTest, RendersOfTheWholeUnit) {
    // Load state: the first tick (0) runs a cycle, so put the load values back and draw again.
    Ticks(1);
    Display = CduDisplayAtLoad;
    Ticks(1);
    ExpectFrameMatches(Bench.CurrentFrame(), "load-state");

    SharedIns->DataSelector = 3;
    SharedIns->PresentLat = 49.5;
    SharedIns->PresentNorth = 1;
    SharedIns->PresentLon = 11.25;
    SharedIns->PresentEast = 1;
    // Through tick 18, the next cycle, and one tick more: the letters come before the mode
    // knob in the tree, so they show a cycle's icons one update later.
    Ticks(18);
    ExpectFrameMatches(Bench.CurrentFrame(), "pos-display");

    SharedIns->WptIndex = 3;
    Press("N 4 5 1 2 3");
    Ticks(18);
    ExpectFrameMatches(Bench.CurrentFrame(), "open-entry");
}

} // namespace
