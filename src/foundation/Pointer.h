#ifndef BRAWLGEAR_FOUNDATION_POINTER_H
#define BRAWLGEAR_FOUNDATION_POINTER_H

// Reference-counted owners of one object (SharedPointer) or one array
// (SharedArray). The engine holds each singleton in one global
// SharedPointer and releases it with free(), which refuses, fatally, to
// destroy an object somebody else still holds.

#include "foundation/Report.h"
#include "foundation/Utils.h"

#include <new>
#include <utility>

namespace bg {

namespace detail {

// GCC 12 cannot see that a block outlives every holder but the last, and
// warns about the count reads once several releases are inlined together.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuse-after-free"
#endif

template <class T, bool IsArray> class SharedBlockOwner {
public:
    SharedBlockOwner() = default;
    // Without memory for the count the object is freed and the pointer
    // stays null: callers check, nothing throws.
    explicit SharedBlockOwner(T* object) {
        if (!object) return;
        mBlock = new (std::nothrow) Block{object, 1};
        if (!mBlock) destroy(object);
    }
    SharedBlockOwner(const SharedBlockOwner& other) : mBlock(other.mBlock) {
        if (mBlock) ++mBlock->count;
    }
    SharedBlockOwner(SharedBlockOwner&& other) noexcept : mBlock(std::exchange(other.mBlock, nullptr)) {}
    SharedBlockOwner& operator=(const SharedBlockOwner& other) {
        if (this != &other && mBlock != other.mBlock) {
            release();
            mBlock = other.mBlock;
            if (mBlock) ++mBlock->count;
        }
        return *this;
    }
    ~SharedBlockOwner() { release(); }

    T* get() const { return mBlock ? mBlock->object : nullptr; }
    int count() const { return mBlock ? mBlock->count : 0; }
    bool isNull() const { return mBlock == nullptr; }

protected:
    // Gives up this holder's share; returns false when others still hold
    // the object (it then stays alive and this holder is empty).
    bool release() {
        if (!mBlock) return true;
        Block* block = std::exchange(mBlock, nullptr);
        if (--block->count > 0) return false;
        destroy(block->object);
        delete block;
        return true;
    }

    static void destroy(T* object) {
        if constexpr (IsArray)
            delete[] object;
        else
            delete object;
    }

private:
    struct Block {
        T* object;
        int count;
    };
    Block* mBlock = nullptr;
};

#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic pop
#endif

} // namespace detail

template <class T> class SharedPointer : public detail::SharedBlockOwner<T, false> {
    using Base = detail::SharedBlockOwner<T, false>;

public:
    using Base::Base;

    T* operator->() const {
        if (this->isNull()) BG_FATAL("SharedPointer< T >::operator->() : null pointer");
        return this->get();
    }
    T& operator*() const {
        if (this->isNull()) BG_FATAL("SharedPointer< T >::operator*() : null pointer");
        return *this->get();
    }
    // Final release: fatal when another holder remains.
    void free() {
        if (!this->release()) BG_FATAL("SharedPointer< T >::free() : There are other pointers to this Object");
    }
};

template <class T> class SharedArray : public detail::SharedBlockOwner<T, true> {
    using Base = detail::SharedBlockOwner<T, true>;

public:
    using Base::Base;

    // No range check: the holder knows the size.
    T& operator[](int i) const {
        if (this->isNull()) BG_FATAL("SharedArray< T >::operator[]( int i ) : null pointer");
        return this->get()[i];
    }
    void free() {
        if (!this->release()) BG_FATAL("SharedArray< T >::free() : There are other pointers to this Object");
    }
};

} // namespace bg

#endif
