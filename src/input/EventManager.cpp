#include "input/EventManager.h"

#include "platform/QuitRequest.h"

#include "config/Var.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>

namespace bg {

SharedPointer<EventManager> gEventManager;

EventManager::EventManager() {
    mWentDown.reserve(64);
    mWidth = gVarManager->get("SDL_SCREEN_WIDTH").toInt();
    mHeight = gVarManager->get("SDL_SCREEN_HEIGHT").toInt();
    mCentreY = mHeight / 2 - 1;
    mCentreX = mWidth / 2 - 1;
    mMouseSpeed = gVarManager->get("INPUT_MOUSE_SPEED").toFloat();
    mMouseX = mCentreX;
    mMouseY = mCentreY;
    SDL_WarpMouse(static_cast<Uint16>(std::max(mCentreX, 0)), static_cast<Uint16>(std::max(mCentreY, 0)));
    mKeys = SDL_GetKeyState(&mKeyCount);
}

// In double and limited before the conversion: a huge speed would make the
// float-to-int conversion undefined, and a speed that is not a number at
// all (from Engine.cfg or a script) moves nothing.
int EventManager::scaledDelta(int offset, float speed) {
    if (!std::isfinite(speed)) return 0;
    const double scaled = std::floor(static_cast<double>(offset) * speed + 0.5);
    constexpr double LIMIT = 1 << 30; // far beyond any screen, and safe to add to a position
    return static_cast<int>(std::max(-LIMIT, std::min(scaled, LIMIT)));
}

void EventManager::button(int which, bool pressed) {
    if (which != SDL_BUTTON_LEFT && which != SDL_BUTTON_RIGHT) return;
    bool& down = which == SDL_BUTTON_LEFT ? mLeftDown : mRightDown;
    bool& click = which == SDL_BUTTON_LEFT ? mLeftClick : mRightClick;
    if (pressed) {
        down = true;
    } else if (down) {
        down = false;
        click = true;
    }
}

void EventManager::move(int x, int y) {
    mDeltaX = scaledDelta(x - mCentreX, mMouseSpeed);
    mDeltaY = scaledDelta(mCentreY - y, mMouseSpeed);
    mMouseX = std::max(0, std::min(mMouseX + mDeltaX, mWidth - 1));
    mMouseY = std::max(0, std::min(mMouseY + mDeltaY, mHeight - 1));
}

void EventManager::update() {
    mLeftClick = mRightClick = false;
    mWentDown.clear();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        // Room for them is made once: this runs inside scripts' calls.
        if (event.type == SDL_KEYDOWN && mWentDown.size() < mWentDown.capacity())
            mWentDown.push_back(event.key.keysym.sym);
        if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP)
            button(event.button.button, event.type == SDL_MOUSEBUTTONDOWN);
        else if (event.type == SDL_QUIT) // the window's close button
            platform::requestQuit();
    }
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    SDL_WarpMouse(static_cast<Uint16>(std::max(mCentreX, 0)), static_cast<Uint16>(std::max(mCentreY, 0)));
    move(x, y);
}

void EventManager::reset() {
    mMouseX = mCentreX;
    mMouseY = mCentreY;
    mDeltaX = mDeltaY = 0;
    mLeftClick = mRightClick = mLeftDown = mRightDown = false;
}

bool EventManager::wentDown(int key) const {
    return std::find(mWentDown.begin(), mWentDown.end(), key) != mWentDown.end();
}

bool EventManager::isKeyPressed(int key) const { return key >= 0 && key < mKeyCount && mKeys && mKeys[key] != 0; }

} // namespace bg
