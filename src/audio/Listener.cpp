#include "audio/Listener.h"

#include <AL/al.h>
#include <cmath>

namespace bg {

SharedPointer<Listener> gListener;

Listener::Listener(const Point& ear, const Point& center, const Vector& up, const Vector& velocity)
    : mEar(ear), mCenter(center), mListen(ear, center), mUp(up), mVelocity(velocity) {}

void Listener::setEar(const Point& p) {
    mEar = p;
    mListen = Vector(mEar, mCenter);
}

void Listener::setCenter(const Point& p) {
    mCenter = p;
    mListen = Vector(mEar, mCenter);
}

void Listener::setListen(const Vector& v) {
    mListen = v;
    mCenter = mEar + v;
}

void Listener::normalize() {
    if (!(std::sin(angleBetween(mUp, mListen) * RAD) > ZERO))
        assertionFailed(__FILE__, __LINE__, "sin( RAD( angleBetween( mUp, mListen ) ) )> ZERO");
    const Vector right = mListen.cross(mUp);
    mUp = right.cross(mListen);
    mListen.normalize();
    mUp.normalize();
    alListener3f(AL_POSITION, mEar.x, mEar.y, mEar.z);
    alListener3f(AL_VELOCITY, mVelocity.x, mVelocity.y, mVelocity.z);
    const ALfloat orientation[] = {mListen.x, mListen.y, mListen.z, mUp.x, mUp.y, mUp.z};
    alListenerfv(AL_ORIENTATION, orientation);
}

} // namespace bg
