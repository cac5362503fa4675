#ifndef BRAWLGEAR_FOUNDATION_UTILS_H
#define BRAWLGEAR_FOUNDATION_UTILS_H

// The engine's small value string and its two fixed-capacity containers.
// None of them grows: the string cuts text at 255 characters, and a full
// table or stack is a broken invariant that ends the program.

#include "foundation/Report.h"

#include <cstdint>
#include <cstring>

namespace bg {

constexpr int MAX_STR_SIZE = 256;

// Text of at most MAX_STR_SIZE - 1 characters held by value; every
// construction, assignment and concatenation cuts at that length.
class FixedString {
public:
    FixedString() { mText[0] = '\0'; }
    FixedString(const char* text) { assign(text); }
    FixedString(const char* text, int length);
    FixedString& operator=(const char* text);

    const char* c_str() const { return mText; }
    int length() const { return mLength; }
    bool empty() const { return mLength == 0; }

    // Characters 0 to MAX_STR_SIZE - 1; the terminator position is allowed.
    char& operator[](int i);
    char operator[](int i) const;

    FixedString& operator+=(const char* text);
    FixedString& operator+=(char c);
    FixedString& operator+=(int value);
    void truncate(int length);

    bool operator==(const char* text) const { return std::strncmp(mText, text, MAX_STR_SIZE) == 0; }
    bool operator!=(const char* text) const { return !(*this == text); }
    bool operator==(const FixedString& other) const { return *this == other.mText; }
    bool operator!=(const FixedString& other) const { return !(*this == other.mText); }

private:
    void assign(const char* text);
    void checkIndex(int i) const;

    char mText[MAX_STR_SIZE];
    int mLength = 0;
};

// Whether a blank-separated list (an extension string) holds `word` whole.
bool hasWord(const char* list, const char* word);

inline FixedString operator+(FixedString left, const char* right) { return left += right; }
inline FixedString operator+(FixedString left, const FixedString& right) { return left += right.c_str(); }
inline FixedString operator+(FixedString left, char right) { return left += right; }
inline FixedString operator+(FixedString left, int right) { return left += right; }

// Open-addressing hash table from text keys to owned objects, with linear
// probing and a capacity fixed at construction. The table deletes every
// object it still holds when it is destroyed.
template <class T> class Table {
public:
    struct Slot {
        FixedString key;
        T* data = nullptr;
    };

    Table(const char* name, int capacity);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    int hash(const char* key) const;
    int find(const char* key) const;
    int add(const char* key, T* data);
    int remove(int i);
    Slot& operator[](int i);
    // The object at an index find() returned.
    const T& at(int i) const { return *mData[i].data; }
    // The object at any index, or null for a free slot or an index outside
    // the table (ids that scripts hand in).
    T* dataAt(int i) const { return i >= 0 && i < mCapacity ? mData[i].data : nullptr; }
    // The object of a slot: fatal for a free slot.
    T& dataOf(const Slot& slot) const;
    // Lookup by key: fatal when the key is missing.
    T& get(const char* key);
    int first() const;
    int next(int i) const;
    int size() const { return mSize; }
    int capacity() const { return mCapacity; }
    const char* name() const { return mName.c_str(); }

private:
    int mCapacity;
    int mSize = 0;
    FixedString mName;
    Slot* mData = nullptr;
};

// Bounded stack of values, stored in place.
template <class T> class Stack {
public:
    Stack(const char* name, int capacity);
    ~Stack() { delete[] mData; }
    Stack(const Stack&) = delete;
    Stack& operator=(const Stack&) = delete;

    void push(const T& value);
    // The caller checks size() first; popping an empty stack is fatal.
    T pop();
    int size() const { return mSize; }
    int capacity() const { return mCapacity; }
    const char* name() const { return mName.c_str(); }
    void clear() { mSize = 0; }

private:
    int mCapacity;
    int mSize = 0;
    FixedString mName;
    T* mData = nullptr; // saved values are stored in place: a push allocates nothing
};

// ---------------------------------------------------------------------------

template <class T> Table<T>::Table(const char* name, int capacity) : mCapacity(capacity), mName(name) {
    BG_CONTAINER_ASSERT(mName.c_str(), mCapacity > 0);
    mData = new Slot[mCapacity];
}

template <class T> Table<T>::~Table() {
    for (int i = 0; i < mCapacity; ++i) delete mData[i].data;
    delete[] mData;
}

template <class T> int Table<T>::hash(const char* key) const {
    BG_CONTAINER_ASSERT(mName.c_str(), key != 0);
    // The key, zero-padded to a whole number of little-endian words; every
    // word up to the one holding the last character is folded in.
    unsigned char buffer[MAX_STR_SIZE + 4] = {};
    std::size_t length = strnlen(key, MAX_STR_SIZE - 1);
    std::memcpy(buffer, key, length);
    std::uint32_t h = 0;
    for (std::size_t offset = 0; offset < MAX_STR_SIZE && buffer[offset] != 0; offset += 4) {
        h ^= std::uint32_t(buffer[offset]) | std::uint32_t(buffer[offset + 1]) << 8 |
             std::uint32_t(buffer[offset + 2]) << 16 | std::uint32_t(buffer[offset + 3]) << 24;
    }
    // Taken as unsigned, so bytes of 128 and above can never give a
    // negative slot; for 7-bit keys this is the same as the signed rule.
    return static_cast<int>(h % static_cast<std::uint32_t>(mCapacity));
}

template <class T> int Table<T>::find(const char* key) const {
    int i = hash(key);
    for (int j = 0;; ++j) {
        if (std::strncmp(mData[i].key.c_str(), key, MAX_STR_SIZE) == 0) return i;
        if (j >= mCapacity) return -1;
        i = (i + 1) % mCapacity;
    }
}

template <class T> int Table<T>::add(const char* key, T* data) {
    int i = hash(key);
    int j = 0;
    while (mData[i].data != nullptr && j < mCapacity) {
        ++j;
        i = (i + 1) % mCapacity;
    }
    BG_CONTAINER_ASSERT(mName.c_str(), j != mCapacity);
    mData[i].key = key;
    mData[i].data = data;
    ++mSize;
    return i;
}

template <class T> typename Table<T>::Slot& Table<T>::operator[](int i) {
    BG_CONTAINER_ASSERT(mName.c_str(), i >= 0);
    BG_CONTAINER_ASSERT(mName.c_str(), i < mCapacity);
    if (mData[i].data == nullptr) BG_CONTAINER_WARNING(mName.c_str(), "Empty Element");
    return mData[i];
}

template <class T> T& Table<T>::dataOf(const Slot& slot) const {
    T* mData = slot.data;
    BG_CONTAINER_ASSERT(mName.c_str(), mData != 0);
    return *mData;
}

template <class T> T& Table<T>::get(const char* key) {
    BG_CONTAINER_ASSERT(mName.c_str(), key != 0);
    return dataOf((*this)[find(key)]);
}

template <class T> int Table<T>::remove(int i) {
    BG_CONTAINER_ASSERT(mName.c_str(), i >= 0);
    BG_CONTAINER_ASSERT(mName.c_str(), i < mCapacity);
    if (mData[i].data == nullptr) {
        BG_CONTAINER_WARNING(mName.c_str(), "Alreay Empty!");
        return -1;
    }
    delete mData[i].data;
    mData[i].data = nullptr;
    mData[i].key = "";
    --mSize;
    return i;
}

template <class T> int Table<T>::first() const {
    for (int i = 0; i < mCapacity; ++i)
        if (mData[i].data != nullptr) return i;
    return -1;
}

template <class T> int Table<T>::next(int i) const {
    BG_CONTAINER_ASSERT(mName.c_str(), i >= 0);
    for (++i; i < mCapacity; ++i)
        if (mData[i].data != nullptr) return i;
    return -1;
}

template <class T> Stack<T>::Stack(const char* name, int capacity) : mCapacity(capacity), mName(name) {
    BG_CONTAINER_ASSERT(mName.c_str(), mCapacity > 0);
    mData = new T[mCapacity]();
}

template <class T> void Stack<T>::push(const T& value) {
    BG_CONTAINER_ASSERT(mName.c_str(), mSize < mCapacity);
    mData[mSize++] = value;
}

template <class T> T Stack<T>::pop() {
    BG_CONTAINER_ASSERT(mName.c_str(), mSize > 0);
    return mData[--mSize];
}

} // namespace bg

#endif
