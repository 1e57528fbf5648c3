// The four master volume and mute calls, on the Core Audio road and on the mixer road. Nothing else
// lives in this file: a test of the callers replaces exactly these four at link time.
#include "engine/Volume.h"

#include <mmsystem.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>

namespace
{
// Our own copies of the Core Audio identifiers: not every MinGW import library carries them.
const CLSID kClsidMMDeviceEnumerator = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
const IID kIidMMDeviceEnumerator = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
const IID kIidAudioEndpointVolume = {
    0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};

// ---- Core Audio road ------------------------------------------------------------------------------

// COM for the length of one volume call. COM is uninitialised only when this call's initialisation
// counted: a thread already in the multithreaded apartment refuses it, and an unbalanced CoUninitialize
// would take COM away from that thread's owner.
class CComScope
{
public:
    CComScope() : m_hr(CoInitialize(nullptr)) {}
    ~CComScope()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

private:
    HRESULT m_hr;
};

// The default playback device's endpoint volume, or null. The enumerator and the device are released
// here; the caller releases what is returned.
IAudioEndpointVolume* OpenEndpointVolume()
{
    IMMDeviceEnumerator* pEnumerator = nullptr;
    if (FAILED(CoCreateInstance(kClsidMMDeviceEnumerator, nullptr, CLSCTX_INPROC_SERVER,
                                kIidMMDeviceEnumerator, reinterpret_cast<void**>(&pEnumerator))) ||
        pEnumerator == nullptr)
        return nullptr;

    IMMDevice* pDevice = nullptr;
    HRESULT hr = pEnumerator->GetDefaultAudioEndpoint(eRender, eConsole, &pDevice);
    pEnumerator->Release();
    if (FAILED(hr) || pDevice == nullptr)
        return nullptr;

    IAudioEndpointVolume* pVolume = nullptr;
    hr = pDevice->Activate(kIidAudioEndpointVolume, CLSCTX_INPROC_SERVER, nullptr,
                           reinterpret_cast<void**>(&pVolume));
    pDevice->Release();
    if (FAILED(hr) || pVolume == nullptr)
        return nullptr;
    return pVolume;
}

// One call on the endpoint volume. Only missing objects count as failure: the HRESULT of the call
// itself is not examined.
template <typename Call>
BOOL WithEndpointVolume(Call call)
{
    CComScope com;
    IAudioEndpointVolume* pVolume = OpenEndpointVolume();
    if (pVolume == nullptr)
        return FALSE;
    call(pVolume);
    pVolume->Release();
    return TRUE;
}

// ---- Mixer road -----------------------------------------------------------------------------------

enum class MixerAccess
{
    Set,
    Get
};

// Opens mixer device 0, finds the speakers' control of the given type and sets or gets its one 32-bit
// value (*pdwValue). Returns 1 when every step succeeded. *pbReached tells whether the control was reached
// and read (or written), so that a getter knows whether to write its out value.
BOOL AccessMixerControl(DWORD dwControlType, MixerAccess access, DWORD* pdwValue, bool* pbReached)
{
    *pbReached = false;
    HMIXER hMixer = nullptr;
    if (mixerOpen(&hMixer, 0, 0, 0, 0) != MMSYSERR_NOERROR)
        return FALSE;
    HMIXEROBJ hObj = reinterpret_cast<HMIXEROBJ>(hMixer);

    MMRESULT mr;
    MIXERLINEW line = {};
    line.cbStruct = sizeof(line);
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    mr = mixerGetLineInfoW(hObj, &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE);

    MIXERCONTROLW control = {};
    if (mr == MMSYSERR_NOERROR)
    {
        control.cbStruct = sizeof(control);
        MIXERLINECONTROLSW lineControls = {};
        lineControls.cbStruct = sizeof(lineControls);
        lineControls.dwLineID = line.dwLineID;
        lineControls.dwControlType = dwControlType;
        lineControls.cControls = 1;
        lineControls.cbmxctrl = sizeof(control);
        lineControls.pamxctrl = &control;
        mr = mixerGetLineControlsW(hObj, &lineControls,
                                   MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE);
    }

    if (mr == MMSYSERR_NOERROR)
    {
        *pbReached = true;
        // One channel: the controls are treated as uniform across channels.
        MIXERCONTROLDETAILS details = {};
        details.cbStruct = sizeof(details);
        details.dwControlID = control.dwControlID;
        details.cChannels = 1;
        details.cMultipleItems = 0;
        details.cbDetails = sizeof(DWORD);
        details.paDetails = pdwValue;
        if (access == MixerAccess::Set)
            mr = mixerSetControlDetails(hObj, &details, MIXER_OBJECTF_HMIXER);
        else
            mr = mixerGetControlDetailsW(hObj, &details, MIXER_OBJECTF_HMIXER);
        // A failed read reports the control at rest (not muted, volume 0), whatever the call left behind.
        if (access == MixerAccess::Get && mr != MMSYSERR_NOERROR)
            *pdwValue = 0;
    }

    mixerClose(hMixer);
    return mr == MMSYSERR_NOERROR;
}
} // namespace

BOOL SetMasterMute(BOOL bMute, BOOL bCoreAudio)
{
    if (bCoreAudio)
        return WithEndpointVolume([bMute](IAudioEndpointVolume* p) { p->SetMute(bMute, nullptr); });

    DWORD dwValue = static_cast<DWORD>(bMute);
    bool bReached = false;
    return AccessMixerControl(MIXERCONTROL_CONTROLTYPE_MUTE, MixerAccess::Set, &dwValue, &bReached);
}

BOOL GetMasterMute(BOOL* pbMute, BOOL bCoreAudio)
{
    if (pbMute == nullptr)
        return FALSE;
    if (bCoreAudio)
        return WithEndpointVolume([pbMute](IAudioEndpointVolume* p) { p->GetMute(pbMute); });

    DWORD dwValue = 0;
    bool bReached = false;
    BOOL bResult = AccessMixerControl(MIXERCONTROL_CONTROLTYPE_MUTE, MixerAccess::Get, &dwValue, &bReached);
    if (bReached)
        *pbMute = dwValue != 0 ? TRUE : FALSE;
    return bResult;
}

BOOL SetMasterVolume(float fLevel, BOOL bCoreAudio)
{
    if (bCoreAudio)
        return WithEndpointVolume([fLevel](IAudioEndpointVolume* p)
                                  { p->SetMasterVolumeLevelScalar(fLevel, nullptr); });

    DWORD dwValue = MixerValueFromLevel(fLevel);
    bool bReached = false;
    return AccessMixerControl(MIXERCONTROL_CONTROLTYPE_VOLUME, MixerAccess::Set, &dwValue, &bReached);
}

BOOL GetMasterVolume(float* pfLevel, BOOL bCoreAudio)
{
    if (pfLevel == nullptr)
        return FALSE;
    if (bCoreAudio)
        return WithEndpointVolume([pfLevel](IAudioEndpointVolume* p)
                                  { p->GetMasterVolumeLevelScalar(pfLevel); });

    DWORD dwValue = 0;
    bool bReached = false;
    BOOL bResult = AccessMixerControl(MIXERCONTROL_CONTROLTYPE_VOLUME, MixerAccess::Get, &dwValue, &bReached);
    if (bReached)
        *pfLevel = MixerLevelFromValue(dwValue);
    return bResult;
}
