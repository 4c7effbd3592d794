// Saving and loading the chip's state.
#include <cstdio>
#include <fstream>

#include "sim/state_file.h"
#include "sim_test_support.h"

namespace sim::testing {
namespace {

using namespace talven;

ChipModel BusyChip() {
    ChipConfig config;
    config.slotCount = 4;
    config.longEntries = true;
    config.hashedKeys = true;
    config.firmwareInfo = {1, 0x40, 1};
    config.manufacturer = u"\u00c9mile";
    config.modelCertificate = FromHex("3082");
    config.seed = 99;
    ChipModel chip(config);
    Template t;
    t.finger = 12;
    t.kind = kKindSecureId;
    t.subFactor = 2;
    t.key.fill(0x31);
    t.owner.fill(0x42);
    chip.slots[3] = t;
    chip.dbState = 3;
    chip.tableChanged = true;
    chip.passThroughLength = 16;
    chip.enrollment = PendingEnrollment{1, 2, 12u, KeyBytes{}};
    chip.lastCapture = Presentation::OfFinger(12, 12);
    chip.lastSample = ProcessedSample{4, 12u, 12, {1, 2, 3, 4, 5, 6, 7, 8}};
    chip.random.discard(5);
    return chip;
}

TEST(StateFile, RoundTripKeepsTheWholeChip) {
    const ChipModel chip = BusyChip();
    const std::string path = ::testing::TempDir() + "sim_state_round_trip.txt";
    SaveState(chip, path);
    ChipModel loaded = LoadState(path);
    std::remove(path.c_str());

    EXPECT_EQ(FormatState(loaded), FormatState(chip));
    EXPECT_EQ(loaded.slots[3]->owner, chip.slots[3]->owner);
    EXPECT_EQ(loaded.config.manufacturer, chip.config.manufacturer);
    EXPECT_EQ(loaded.enrollment->finger, 12u);
    // The generator carries on where it stopped.
    ChipModel original = chip;
    EXPECT_EQ(loaded.RandomWord(), original.RandomWord());
}

TEST(StateFile, ASavedSensorAnswersAsBefore) {
    auto before = std::make_shared<SimulatedSensor>(BusyChip().config);
    before->InsertTemplate(0, Template{});
    const std::string path = ::testing::TempDir() + "sim_state_sensor.txt";
    before->Save(path);
    auto after = SimulatedSensor::Load(path);
    std::remove(path.c_str());
    EXPECT_EQ(after->Snapshot().SlotTable(), before->Snapshot().SlotTable());
}

TEST(StateFile, RefusesFilesItCannotUse) {
    const std::string header = "talven-sim-state 1\n";
    const std::string bad[] = {
        "something else\n",
        "slot-count 4\nslot 4 1 0 1 " + std::string(64, '0') + " " + std::string(32, '0') + "\n",
        "slot 0 1 3 1 00 00\n",
        "chip-id 0011\n",
        "db-state 4294967296\n",
        "db-state -1\n",
        "long-entries 2\n",
        "host-id 0g000000000000000000000000000000\n",
        "last-sample 4 - 0 0000000000000000\n",
        "random 1 2 3\n",
        "colour blue\n",
    };
    for (const std::string& text : bad) {
        const std::string file = text.rfind("something", 0) == 0 ? text : header + text;
        EXPECT_THROW(ParseState(file), std::runtime_error) << text;
    }
    EXPECT_THROW(LoadState(::testing::TempDir() + "no_such_state_file.txt"), std::runtime_error);
    EXPECT_EQ(ParseState(header + "slot-count 2\n").slots.size(), 2u);
}

}  // namespace
}  // namespace sim::testing
