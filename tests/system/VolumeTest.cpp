// Master volume and mute: rounding, the mixer's scale, and both roads as far as this machine has sound.
#include "engine/Volume.h"

#include <mmsystem.h>
#include <mmdeviceapi.h>
#include <gtest/gtest.h>

#include <thread>

namespace
{
// Whether Core Audio has a default playback device here (Wine without a sound card has none).
bool HasDefaultRenderEndpoint()
{
    const CLSID clsid = {0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
    const IID iid = {0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
    HRESULT hrInit = CoInitialize(nullptr);
    bool bHas = false;
    IMMDeviceEnumerator* pEnumerator = nullptr;
    if (SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid,
                                   reinterpret_cast<void**>(&pEnumerator))))
    {
        IMMDevice* pDevice = nullptr;
        if (SUCCEEDED(pEnumerator->GetDefaultAudioEndpoint(eRender, eConsole, &pDevice)) &&
            pDevice != nullptr)
        {
            bHas = true;
            pDevice->Release();
        }
        pEnumerator->Release();
    }
    if (SUCCEEDED(hrInit))
        CoUninitialize();
    return bHas;
}

// Runs the function on a new thread that first enters COM in the given way (or not at all: -1), and
// reports the thread's COM state afterwards: S_OK from a fresh CoInitializeEx means the volume call
// left no COM behind, S_FALSE that COM is still initialised, RPC_E_CHANGED_MODE that it still runs in
// the other apartment.
template <typename F>
HRESULT ComStateAfter(int nCoInit, F f)
{
    HRESULT hrAfter = E_FAIL;
    std::thread t(
        [&]
        {
            HRESULT hrInit = S_FALSE;
            if (nCoInit >= 0)
                hrInit = CoInitializeEx(nullptr, static_cast<DWORD>(nCoInit));
            f();
            hrAfter = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            if (SUCCEEDED(hrAfter))
                CoUninitialize();
            if (nCoInit >= 0 && SUCCEEDED(hrInit))
                CoUninitialize();
        });
    t.join();
    return hrAfter;
}
} // namespace

TEST(Volume, RoundToIntTakesHalvesAwayFromZero)
{
    EXPECT_EQ(13, RoundToInt(12.5));
    EXPECT_EQ(-13, RoundToInt(-12.5));
    EXPECT_EQ(0, RoundToInt(0.49999));
    EXPECT_EQ(-1, RoundToInt(-0.5));
    EXPECT_EQ(0, RoundToInt(-0.49999));
    EXPECT_EQ(12, RoundToInt(12.4));
    EXPECT_EQ(-12, RoundToInt(-12.4));
    EXPECT_EQ(0, RoundToInt(0.0));
}

TEST(Volume, MixerScaleRunsFromZeroTo65535)
{
    EXPECT_EQ(65535u, MixerValueFromLevel(1.0f));
    EXPECT_EQ(32768u, MixerValueFromLevel(0.5f)) << "32767.5 rounds up";
    EXPECT_EQ(0u, MixerValueFromLevel(0.0f));
    EXPECT_EQ(3277u, MixerValueFromLevel(0.05f));
    EXPECT_FLOAT_EQ(0.50000763f, MixerLevelFromValue(32768));
    EXPECT_FLOAT_EQ(1.0f, MixerLevelFromValue(65535));
    EXPECT_FLOAT_EQ(0.0f, MixerLevelFromValue(0));
    // Whole percents survive a write and a read back.
    for (int percent = 0; percent <= 100; percent += 5)
        EXPECT_EQ(percent, RoundToInt(MixerLevelFromValue(MixerValueFromLevel(percent / 100.0f)) * 100));
}

TEST(Volume, WineReportsAnNtSixOrLaterSystem)
{
    EXPECT_TRUE(IsVistaOrLater());
}

TEST(Volume, CoreAudioWithoutPlaybackDeviceFailsAndLeavesOutValues)
{
    if (HasDefaultRenderEndpoint())
        GTEST_SKIP() << "this machine has a default playback device";

    float fLevel = 0.25f;
    BOOL bMute = 7;
    EXPECT_FALSE(GetMasterVolume(&fLevel, TRUE));
    EXPECT_FALSE(GetMasterMute(&bMute, TRUE));
    EXPECT_EQ(0.25f, fLevel);
    EXPECT_EQ(7, bMute);
    EXPECT_FALSE(SetMasterVolume(0.5f, TRUE));
    EXPECT_FALSE(SetMasterMute(TRUE, TRUE));
}

TEST(Volume, CoreAudioWithPlaybackDeviceReadsWhatItWrote)
{
    if (!HasDefaultRenderEndpoint())
        GTEST_SKIP() << "no default playback device here";

    float fSaved = 0;
    BOOL bSavedMute = FALSE;
    ASSERT_TRUE(GetMasterVolume(&fSaved, TRUE));
    ASSERT_TRUE(GetMasterMute(&bSavedMute, TRUE));
    EXPECT_TRUE(SetMasterVolume(0.35f, TRUE));
    float fLevel = 0;
    EXPECT_TRUE(GetMasterVolume(&fLevel, TRUE));
    EXPECT_EQ(35, RoundToInt(fLevel * 100));
    SetMasterVolume(fSaved, TRUE);
    SetMasterMute(bSavedMute, TRUE);
}

// Each call is complete in itself: it leaves the thread's COM as it found it, whether the thread had
// no COM, a single-threaded apartment or the multithreaded one (which refuses CoInitialize).
TEST(Volume, CoreAudioCallsLeaveTheThreadsComAsTheyFoundIt)
{
    auto call = []
    {
        float fLevel = 0;
        GetMasterVolume(&fLevel, TRUE);
        SetMasterMute(FALSE, TRUE);
    };
    EXPECT_EQ(S_OK, ComStateAfter(-1, call)) << "no COM before, none after";
    EXPECT_EQ(RPC_E_CHANGED_MODE, ComStateAfter(COINIT_APARTMENTTHREADED, call));
    EXPECT_EQ(S_FALSE, ComStateAfter(COINIT_MULTITHREADED, call)) << "the multithreaded apartment survives";
}

TEST(Volume, MixerRoadFollowsItsRules)
{
    float fLevel = 0.25f;
    BOOL bMute = 7;
    BOOL bGotVolume = GetMasterVolume(&fLevel, FALSE);
    BOOL bGotMute = GetMasterMute(&bMute, FALSE);

    if (mixerGetNumDevs() == 0)
    {
        // No mixer to open: nothing else happens, the out values stay as the caller left them.
        EXPECT_FALSE(bGotVolume);
        EXPECT_FALSE(bGotMute);
        EXPECT_EQ(0.25f, fLevel);
        EXPECT_EQ(7, bMute);
        EXPECT_FALSE(SetMasterVolume(0.5f, FALSE));
        EXPECT_FALSE(SetMasterMute(TRUE, FALSE));
        return;
    }
    // A mute read reports 0 or 1 (never the raw value) whenever it reached the control.
    if (bGotMute)
    {
        EXPECT_TRUE(bMute == 0 || bMute == 1);
    }
    if (bGotVolume)
    {
        EXPECT_GE(fLevel, 0.0f);
        EXPECT_LE(fLevel, 1.0f);
        if (SetMasterVolume(0.5f, FALSE))
        {
            float fBack = 0;
            EXPECT_TRUE(GetMasterVolume(&fBack, FALSE));
            EXPECT_EQ(50, RoundToInt(fBack * 100));
        }
        SetMasterVolume(fLevel, FALSE);
    }
}

TEST(Volume, NullOutPointersAreRefused)
{
    EXPECT_FALSE(GetMasterVolume(nullptr, TRUE));
    EXPECT_FALSE(GetMasterVolume(nullptr, FALSE));
    EXPECT_FALSE(GetMasterMute(nullptr, TRUE));
    EXPECT_FALSE(GetMasterMute(nullptr, FALSE));
}
