// VELDRA's lifecycle: the routines' calls into the host, shared blocks across instances and
// kills, the click set up once and released by the last kill, and the fallbacks.
#include "module_fixture.h"

#include "click.h"
#include "host_calls.h"
#include "panel_tables.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

class LifecycleTest : public ModuleTest {};

uintptr_t Address(const void* p) {
    return reinterpret_cast<uintptr_t>(p);
}

TEST_F(LifecycleTest, RoutinesMakeTheirHostCallsInOrder) {
    char picture[12] = {};
    VeldraBackground.LoadedPicture = picture; // what the host stores during install
    const uintptr_t root = Address(VeldraElementList[0]);
    const uintptr_t areas = Address(VeldraMouseAreas);
    const uintptr_t header = Address(&VeldraGaugeHeader);

    VeldraQuery();
    VeldraInstall(77);
    VeldraUpdate();
    VeldraGenerate(5);
    VeldraDraw();
    VeldraKill();

    const std::vector<RecordedCall> expected = {
        {"QueryElementList", root},
        {"InstallElementList", root, 77},
        {"InstallMouseAreas", areas, header, Address(picture + 4)},
        {"RegisterMouseAreas", areas, header},
        {"UpdateElementList", root},
        {"GenerateElementList", root, 5},
        {"DrawElementList", root},
        {"UnregisterMouseAreas", areas, header},
        {"KillElementList", root},
    };
    EXPECT_EQ(Host.Calls, expected);
    VeldraBackground.LoadedPicture = nullptr;
}

TEST_F(LifecycleTest, InitializeSetsUpTheClickThenBindsTheVariables) {
    VeldraInstall(0);
    Host.Calls.clear();
    VeldraInitialize();
    std::vector<std::string> expected = {"InitializeElementList"};
    expected.insert(expected.end(), 12, "InitializeHostVariable");
    EXPECT_EQ(Host.ServiceNames(), expected);
    EXPECT_EQ(Host.InitializedIds(), (std::vector<int32_t>{0x48, 0x47, 0x4A, 0x3D, 0x51, 0x52, 0x53,
                                                           0x54, 0x55, 0x56, 0x157, 0x158}));
}

TEST_F(LifecycleTest, FreshBlocksReadAllZeros) {
    StartInstance();
    ASSERT_TRUE(SharedRecordsMapped());
    const auto* ins = reinterpret_cast<const unsigned char*>(SharedIns);
    const auto* transfer = reinterpret_cast<const unsigned char*>(SharedTransfer);
    for (size_t i = 0; i < sizeof(InsState); ++i)
        ASSERT_EQ(ins[i], 0) << "InsState byte " << i;
    for (size_t i = 0; i < sizeof(InsTransfer); ++i)
        ASSERT_EQ(transfer[i], 0) << "InsTransfer byte " << i;
}

TEST_F(LifecycleTest, InstancesShareOneStateThatSurvivesKill) {
    StartInstance();
    StartInstance();
    SharedIns->WptLat[3] = 45.205;
    EXPECT_EQ(LiveInstanceCount(), 2);

    // Killing the first leaves the second on mapped memory (asan would catch an unmapped view).
    VeldraKill();
    EXPECT_TRUE(SharedRecordsMapped());
    EXPECT_EQ(SharedIns->WptLat[3], 45.205);
    SharedIns->WptLat[4] = 1.5;

    VeldraKill();
    EXPECT_FALSE(SharedRecordsMapped());

    StartInstance();
    EXPECT_EQ(SharedIns->WptLat[3], 45.205);
    EXPECT_EQ(SharedIns->WptLat[4], 1.5);
}

TEST_F(LifecycleTest, ASecondViewOfTheBlockSeesWhatTheGaugeWrote) {
    StartInstance();
    SharedIns->WptLon[9] = 11.25;
    void* other = MapSharedBlock(CreateSharedBlock(sizeof(InsState), InsName.c_str()));
    ASSERT_NE(other, nullptr);
    double seen = 0;
    std::memcpy(&seen, static_cast<char*>(other) + offsetof(InsState, WptLon) + 9 * 8, 8);
    EXPECT_EQ(seen, 11.25);
    UnmapSharedBlock(other);
}

TEST_F(LifecycleTest, ClickIsSetUpOnceAndReleasedByTheLastKill) {
    StartInstance();
    StartInstance();
    // Without the sound file the player shows its message once and the gauge runs silently.
    EXPECT_EQ(ClickSoundHandle, 0);
    ASSERT_EQ(RecordedMessages().size(), 1u);
    EXPECT_EQ(RecordedMessages()[0].Text, "Sound-File ungueltig\n");
    EXPECT_EQ(RecordedMessages()[0].Caption, "Soundlib-Fehler");
    PlayClick(); // silent, harmless
    VeldraKill();
    VeldraKill();
    EXPECT_EQ(LiveInstanceCount(), 0);
}

TEST_F(LifecycleTest, WithTheClickFileEveryInstanceSharesOneSound) {
    std::filesystem::create_directories("Sound");
    WriteClickFile("Sound/TORV_Click1.wav");
    StartInstance();
    const int32_t handle = ClickSoundHandle;
    StartInstance();
    EXPECT_NE(handle, 0);
    EXPECT_EQ(ClickSoundHandle, handle);
    EXPECT_TRUE(RecordedMessages().empty());
    EXPECT_EQ(FakeAudio().LiveBuffers, 1);

    VeldraKill();
    EXPECT_EQ(FakeAudio().LiveBuffers, 1); // the other instance still clicks
    PlayClick();
    VeldraKill();
    EXPECT_EQ(FakeAudio().LiveBuffers, 0);
    EXPECT_EQ(FakeAudio().LiveDevices, 0);
    EXPECT_EQ(ClickSoundHandle, 0);
    std::filesystem::remove_all("Sound");
}

TEST_F(LifecycleTest, BlocksThatCannotBeOpenedFallBackToPrivateRecords) {
    UseSharedBlockNames("no/such\\name", "no/such\\other"); // invalid on every platform
    StartInstance();
    EXPECT_FALSE(SharedRecordsMapped());
    ASSERT_NE(SharedIns, nullptr);
    SharedIns->WptLat[1] = 2.0; // a private, writable, zero-filled record
    EXPECT_EQ(SharedIns->WptLat[0], 0.0);
    EXPECT_EQ(SharedTransfer->TkeReference, 0);
    VeldraKill();
}

TEST_F(LifecycleTest, KillWithoutInstallDoesNoHarm) {
    VeldraKill();
    EXPECT_EQ(LiveInstanceCount(), 0);
}

} // namespace
