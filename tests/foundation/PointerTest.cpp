#include "foundation/Pointer.h"
#include "support/Expect.h"

#include <gtest/gtest.h>

using bg::SharedArray;
using bg::SharedPointer;
using bgtest::report;

namespace {

struct Tracked {
    static int destroyed;
    int value = 7;
    ~Tracked() { ++destroyed; }
};
int Tracked::destroyed = 0;

TEST(SharedPointer, CopiesShareOneObjectUntilTheLastRelease) {
    Tracked::destroyed = 0;
    SharedPointer<Tracked> owner(new Tracked);
    {
        SharedPointer<Tracked> a(owner), b = owner, c;
        c = b;
        EXPECT_EQ(owner.count(), 4);
    }
    EXPECT_EQ(owner.count(), 1);
    EXPECT_EQ(Tracked::destroyed, 0);
    {
        SharedPointer<Tracked> other(new Tracked);
        other = owner; // what it held goes
        EXPECT_EQ(Tracked::destroyed, 1);
    }
    owner.free();
    EXPECT_EQ(Tracked::destroyed, 2);
    EXPECT_TRUE(owner.isNull());
    owner.free(); // empty: nothing happens
}

TEST(SharedPointer, NullAccessAndSharedFreeAreFatal) {
    SharedPointer<Tracked> empty;
    EXPECT_EQ(empty.count(), 0);
    EXPECT_EXIT(empty->value++, testing::ExitedWithCode(1),
                report("Pointer:#: ERROR : SharedPointer< T >::operator->() : null pointer\n"));
    EXPECT_EXIT((*empty).value++, testing::ExitedWithCode(1),
                report("Pointer:#: ERROR : SharedPointer< T >::operator*() : null pointer\n"));
    SharedPointer<Tracked> owner(new Tracked), other(owner);
    EXPECT_EXIT(owner.free(), testing::ExitedWithCode(1),
                report("Pointer:#: ERROR : SharedPointer< T >::free() : There are other pointers to this Object\n"));
}

TEST(SharedArray, IndexesAndReleasesArrays) {
    SharedArray<int> array(new int[3]{1, 2, 3});
    {
        SharedArray<int> copy = array;
        EXPECT_EQ(copy[2], 3);
    }
    EXPECT_EQ(array.count(), 1);
    EXPECT_EQ(array[0], 1);
    array.free();
    EXPECT_EXIT(array[0]++, testing::ExitedWithCode(1),
                report("Pointer:#: ERROR : SharedArray< T >::operator[]( int i ) : null pointer\n"));
}

} // namespace
