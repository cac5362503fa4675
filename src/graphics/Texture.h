#ifndef BRAWLGEAR_GRAPHICS_TEXTURE_H
#define BRAWLGEAR_GRAPHICS_TEXTURE_H

// The texture manager: image files of the file system as OpenGL 2D
// textures, handed out as small ids (the slot of the texture's entry, keyed
// by file name: a name is loaded once). Textures belong to groups (a bit
// mask) so a game can free one group at once. Across a new OpenGL context
// the entries stay: end() deletes the OpenGL textures, restart() loads
// every one again. Lives from scene construction to teardown.
//
// Engine.cfg: GL_TEXTURE_MIN_FILTER and GL_TEXTURE_MAG_FILTER, the filters
// of mipmapped textures (by their OpenGL names).

#include "foundation/Pointer.h"
#include "foundation/Utils.h"

namespace bg {

class File;
struct ImageData;

struct TextureEntry {
    TextureEntry(const FixedString& entryName, int entryGroups, unsigned texture, bool withMipmaps)
        : name(entryName), groups(entryGroups), textureName(texture), mipmaps(withMipmaps) {}
    ~TextureEntry(); // deletes its OpenGL texture, if it is one
    TextureEntry(const TextureEntry&) = delete;
    TextureEntry& operator=(const TextureEntry&) = delete;

    FixedString name;
    int groups;
    unsigned textureName; // 0 when the last load failed
    bool mipmaps;
    long bytes = 0; // what OpenGL was given, every mipmap level included
};

class TextureManager {
public:
    static constexpr int CAPACITY = 131;
    static constexpr int PERMANENT_TEXTURES = 1;
    static constexpr int TEMPORARY_TEXTURES = 2;

    TextureManager() { restart(); }
    TextureManager(const TextureManager&) = delete;
    TextureManager& operator=(const TextureManager&) = delete;

    // The id of the texture of that file (loaded now, or already), or -1.
    // replaceId: an entry whose OpenGL texture the new one takes over.
    int load(const char* fileName, bool mipmaps = true, int replaceId = -1);
    // The same for a file already in memory, keyed by its name.
    int loadFromMem(const File& file, bool mipmaps = true, int replaceId = -1);
    // An id that names no texture binds texture 0.
    void bind(int id);
    // Takes the texture out of the current group (removed when that was
    // its only one).
    void removeId(int id);
    // Takes every texture out of `group`.
    void free(int group);
    void setCurrentGroup(int group) { mCurrentGroup = group; }
    int getCurrentGroup() const { return mCurrentGroup; }
    // Before the OpenGL context closes: the textures go, the entries stay.
    void end();
    // After a new context opened: every entry loaded again.
    void restart();

    // For the engine and its tests: the entry's groups and OpenGL texture,
    // 0 for an id that names none.
    int getGroups(int id) const;
    // How many textures there are, and the bytes OpenGL holds for them.
    int count() const { return mTextures.size(); }
    long bytes() const;
    unsigned getTextureName(int id) const;

private:
    const TextureEntry* entry(int id) const;
    template <class Decode> int loadNamed(const FixedString& name, bool mipmaps, int replaceId, Decode decode);
    int add(const FixedString& name, const ImageData& image, bool mipmaps, int replaceId);
    bool upload(const FixedString& name, const ImageData& image, bool mipmaps, unsigned& textureName);
    void removeMask(int id, int mask);

    Table<TextureEntry> mTextures{"Texture Table", CAPACITY};
    int mCurrentGroup = PERMANENT_TEXTURES;
};

extern SharedPointer<TextureManager> gTextureManager;

} // namespace bg

#endif
