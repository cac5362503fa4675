#ifndef BRAWLGEAR_AUDIO_LISTENER_H
#define BRAWLGEAR_AUDIO_LISTENER_H

// The ear: position, the point it listens at, its listening direction, up
// and velocity. The setters only store; normalize() makes them heard. Lives
// from scene construction to teardown.

#include "foundation/Pointer.h"
#include "math/Math.h"

namespace bg {

class Listener {
public:
    Listener(const Point& ear, const Point& center, const Vector& up, const Vector& velocity);

    void setEar(const Point& p);
    void setCenter(const Point& p);
    void setListen(const Vector& v);
    void setUp(const Vector& v) { mUp = v; }
    void setVelocity(const Vector& v) { mVelocity = v; }
    const Point& getEar() const { return mEar; }
    const Point& getCenter() const { return mCenter; }
    const Vector& getListen() const { return mListen; }
    const Vector& getUp() const { return mUp; }
    const Vector& getVelocity() const { return mVelocity; }
    // Makes up perpendicular to listen, both unit length, and sends all to
    // OpenAL. Up parallel to listen is fatal.
    void normalize();

private:
    Point mEar, mCenter;
    Vector mListen, mUp, mVelocity;
};

extern SharedPointer<Listener> gListener;

} // namespace bg

#endif
