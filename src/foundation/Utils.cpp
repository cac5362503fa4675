#include "foundation/Utils.h"

#include <cstdio>

namespace bg {

FixedString::FixedString(const char* text, int length) {
    if (!text || length < 0) length = 0;
    if (length > MAX_STR_SIZE - 1) length = MAX_STR_SIZE - 1;
    std::memcpy(mText, text ? text : "", static_cast<std::size_t>(length));
    mText[length] = '\0';
    mLength = static_cast<int>(strnlen(mText, static_cast<std::size_t>(length)));
}

void FixedString::assign(const char* text) {
    if (!text) text = "";
    std::size_t length = strnlen(text, MAX_STR_SIZE - 1);
    std::memmove(mText, text, length);
    mText[length] = '\0';
    mLength = static_cast<int>(length);
}

FixedString& FixedString::operator=(const char* text) {
    if (text != mText) assign(text);
    return *this;
}

void FixedString::checkIndex(int i) const {
    BG_CONTAINER_ASSERT(mText, i >= 0);
    BG_CONTAINER_ASSERT(mText, i < MAX_STR_SIZE);
}

char& FixedString::operator[](int i) {
    checkIndex(i);
    return mText[i];
}

char FixedString::operator[](int i) const {
    checkIndex(i);
    return mText[i];
}

FixedString& FixedString::operator+=(const char* text) {
    if (!text) return *this;
    std::size_t room = static_cast<std::size_t>(MAX_STR_SIZE - 1 - mLength);
    std::size_t length = strnlen(text, room);
    std::memmove(mText + mLength, text, length);
    mLength += static_cast<int>(length);
    mText[mLength] = '\0';
    return *this;
}

FixedString& FixedString::operator+=(char c) {
    if (mLength < MAX_STR_SIZE - 1 && c != '\0') {
        mText[mLength++] = c;
        mText[mLength] = '\0';
    }
    return *this;
}

FixedString& FixedString::operator+=(int value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", value);
    return *this += digits;
}

void FixedString::truncate(int length) {
    if (length >= 0 && length < mLength) {
        mLength = length;
        mText[length] = '\0';
    }
}

bool hasWord(const char* list, const char* word) {
    if (!list || !word || !*word) return false;
    const std::size_t length = std::strlen(word);
    for (const char* at = list; (at = std::strstr(at, word)); at += length)
        if ((at == list || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0')) return true;
    return false;
}

} // namespace bg
