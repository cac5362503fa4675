#ifndef BRAWLGEAR_INPUT_EVENTMANAGER_H
#define BRAWLGEAR_INPUT_EVENTMANAGER_H

// Keyboard and mouse as the scripts poll them once a frame. The mouse is an
// endless relative device: each update turns the cursor's offset from the
// window centre into a speed-scaled delta, moves the engine's own pointer
// (y upwards, kept on the screen) and warps the cursor back to the centre.
// Lives from scene construction to teardown.

#include "foundation/Pointer.h"

#include <cstdint>

#include <vector>

namespace bg {

class EventManager {
public:
    // Reads SDL_SCREEN_WIDTH, SDL_SCREEN_HEIGHT and INPUT_MOUSE_SPEED once.
    EventManager();

    void update();
    void reset();
    // Whether the key of this SDL key symbol was held at the last update;
    // false for a number that is no key symbol.
    bool isKeyPressed(int key) const;
    // Whether the key went down during the last update, however short the
    // press (a tap can come and go between two updates).
    bool wentDown(int key) const;

    // The motion an update makes of a cursor offset at this speed: v * s
    // rounded to the nearest integer, halves upwards.
    static int scaledDelta(int offset, float speed);

    int getScreenWidth() const { return mWidth; }
    int getScreenHeight() const { return mHeight; }
    int getMouseX() const { return mMouseX; }
    int getMouseY() const { return mMouseY; }
    int getDeltaX() const { return mDeltaX; }
    int getDeltaY() const { return mDeltaY; }
    float getMouseSpeed() const { return mMouseSpeed; }
    void setMouseSpeed(float speed) { mMouseSpeed = speed; }
    bool leftClick() const { return mLeftClick; }
    bool rightClick() const { return mRightClick; }
    bool leftDown() const { return mLeftDown; }
    bool rightDown() const { return mRightDown; }

    // Handles one button press or release (SDL button number).
    void button(int which, bool pressed);
    // Moves the pointer for a cursor found at (x, y) in window coordinates.
    void move(int x, int y);

private:
    std::vector<int> mWentDown;
    int mWidth = 0, mHeight = 0;
    int mCentreX = 0, mCentreY = 0;
    float mMouseSpeed = 1;
    int mMouseX = 0, mMouseY = 0;
    int mDeltaX = 0, mDeltaY = 0;
    bool mLeftClick = false, mRightClick = false;
    bool mLeftDown = false, mRightDown = false;
    const std::uint8_t* mKeys = nullptr;
    int mKeyCount = 0;
};

extern SharedPointer<EventManager> gEventManager;

} // namespace bg

#endif
