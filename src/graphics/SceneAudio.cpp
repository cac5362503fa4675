#include "graphics/Scene.h"

#include "audio/ALErrors.h"
#include "audio/CdPlayer.h"
#include "audio/Listener.h"
#include "audio/Sound.h"
#include "graphics/SceneSetup.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <cstring>

// The contexts' work was part of the scene's file: reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "Scene"

namespace bg {

using namespace scenesetup;

namespace {

const Enumerant DISTANCE_MODELS[] = {{"AL_INVERSE_DISTANCE", AL_INVERSE_DISTANCE},
                                     {"AL_INVERSE_DISTANCE_CLAMPED", AL_INVERSE_DISTANCE_CLAMPED},
                                     {"AL_NONE", AL_NONE}};

const char* alcErrorName(ALCenum error) {
    switch (error) {
    case ALC_INVALID_DEVICE: return "ALC_INVALID_DEVICE";
    case ALC_INVALID_CONTEXT: return "ALC_INVALID_CONTEXT";
    case ALC_INVALID_ENUM: return "ALC_INVALID_ENUM";
    case ALC_INVALID_VALUE: return "ALC_INVALID_VALUE";
    default: return "";
    }
}

} // namespace

void Scene::initALContext() {
    // The by-name entries are taken only when the driver answers with that
    // very name; the default device is taken as it comes.
    const struct {
        const char* name;
        const char* open;
        bool byName;
    } devices[] = {{"Generic Software", "Generic Software", true},
                   {"Generic Hardware", "Generic Hardware", true},
                   {"NULL", nullptr, false},
                   {"", "", true}};
    mDevice = nullptr;
    for (int i = 0; i < 4 && !mDevice; ++i) {
        BG_INFO(FixedString("I try to use: ") + devices[i].name);
        ALCdevice* device = alcOpenDevice(devices[i].open);
        if (!device) continue;
        const char* specifier = alcGetString(device, ALC_DEVICE_SPECIFIER);
        // The last entry only ends the search.
        if (i < 3 && (!devices[i].byName || std::strcmp(text(specifier), devices[i].name) == 0))
            mDevice = device;
        else
            alcCloseDevice(device);
    }
    if (!mDevice) {
        BG_ERROR(FixedString("Scene::initALContext() : Unable to open an OpenAL device: ") +
                 alcErrorName(alcGetError(nullptr)));
        std::exit(1);
    }
    const char* specifier = text(alcGetString(mDevice, ALC_DEVICE_SPECIFIER));
    BG_INFO(FixedString("AL valid device: ") + specifier);

    mContext = alcCreateContext(mDevice, nullptr);
    if (!mContext) {
        BG_ERROR(FixedString("Scene::initALContext(): Unable to create an OpenAL context: ") +
                 alcErrorName(alcGetError(mDevice)));
        alcCloseDevice(mDevice);
        std::exit(1);
    }
    alcGetError(mDevice);
    alcMakeContextCurrent(mContext);
    const ALCenum current = alcGetError(mDevice);
    if (current != ALC_NO_ERROR) {
        BG_ERROR(FixedString("Scene::initALContext(): Unable to setting OpenAL context as current: ") +
                 alcErrorName(current));
        alcDestroyContext(mContext);
        alcCloseDevice(mDevice);
        std::exit(1);
    }
    errorAL("");
    alcGetError(mDevice);

    alListenerf(AL_GAIN, var("AL_MASTER_GAIN").toFloat());
    alDopplerFactor(var("AL_DOPPLER_FACTOR").toFloat());
    alDopplerVelocity(var("AL_DOPPLER_VELOCITY").toFloat());
    const int model = enumerant("AL_DISTANCE_MODEL", DISTANCE_MODELS, -1, "Scene::initALContext()");
    if (model >= 0) alDistanceModel(model);

    if (isInfoShown())
        std::fprintf(stderr, "ALC Device: %s\nAL Vendor: %s\nAL Version: %s\nAL Renderer: %s\n", specifier,
                     text(alGetString(AL_VENDOR)), text(alGetString(AL_VERSION)), text(alGetString(AL_RENDERER)));
    printExtensions("AL Extensions", alGetString(AL_EXTENSIONS));
}

bool Scene::errorAL(const char* message) {
    if (message && *message) std::fprintf(stderr, "Scene::errorAL( %s ) \n", message);
    return mContext && drainALErrors();
}

void Scene::endAL() {
    if (!gSoundManager.isNull() && mContext) gSoundManager->end();
    closeAL();
}

// The teardown's way out of OpenAL: the handles are cleared, so a later
// endAL or the teardown never closes them twice.
void Scene::closeAL() {
    if (mContext) {
        cd::endAL();
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(mContext);
        mContext = nullptr;
    }
    if (mDevice) {
        alcCloseDevice(mDevice);
        mDevice = nullptr;
    }
}

void Scene::restartAL() {
    if (mContext || mDevice) endAL();
    initALContext();
    if (!gListener.isNull()) gListener->normalize();
    if (!gSoundManager.isNull()) gSoundManager->restart();
    cd::restartAL();
}

} // namespace bg
