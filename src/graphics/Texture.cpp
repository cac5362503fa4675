#include "graphics/Texture.h"

#include "config/Var.h"
#include "graphics/FrameStats.h"
#include "graphics/Scene.h"
#include "graphics/SpriteBatch.h"
#include "media/Image.h"
#include "vfs/VFS.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cstring>

namespace bg {

SharedPointer<TextureManager> gTextureManager;

TextureEntry::~TextureEntry() {
    drawPendingSprites();
    if (textureName && glIsTexture(textureName)) glDeleteTextures(1, &textureName);
}

namespace {

struct Filter {
    const char* name;
    GLint value;
};

const Filter MIN_FILTERS[] = {{"GL_NEAREST", GL_NEAREST},
                              {"GL_LINEAR", GL_LINEAR},
                              {"GL_NEAREST_MIPMAP_NEAREST", GL_NEAREST_MIPMAP_NEAREST},
                              {"GL_LINEAR_MIPMAP_NEAREST", GL_LINEAR_MIPMAP_NEAREST},
                              {"GL_NEAREST_MIPMAP_LINEAR", GL_NEAREST_MIPMAP_LINEAR},
                              {"GL_LINEAR_MIPMAP_LINEAR", GL_LINEAR_MIPMAP_LINEAR}};
const Filter MAG_FILTERS[] = {{"GL_NEAREST", GL_NEAREST}, {"GL_LINEAR", GL_LINEAR}};

template <std::size_t N> GLint filter(const char* key, const Filter (&filters)[N], const FixedString& name) {
    const char* value = gVarManager->get(key).getValue();
    for (const Filter& f : filters)
        if (std::strncmp(value, f.name, MAX_STR_SIZE) == 0) return f.value;
    BG_ERROR(FixedString("TextureManager::load( ") + name + ", glTextureId ) : Invalid " + key + " value!");
    return GL_LINEAR;
}

bool pendingGLError() { return !gScene.isNull() && gScene->errorGL(""); }

void deleteTexture(unsigned textureName) {
    drawPendingSprites();
    if (textureName && glIsTexture(textureName)) glDeleteTextures(1, &textureName);
}

// Each mipmap level halves both sides, down to 1 x 1.
long imageBytes(const ImageData& image, bool mipmaps) {
    long total = 0;
    for (long w = image.width, h = image.height;; w = std::max(w / 2, 1L), h = std::max(h / 2, 1L)) {
        total += w * h * image.bytesPerPixel;
        if (!mipmaps || (w == 1 && h == 1)) break;
    }
    return total;
}

} // namespace

const TextureEntry* TextureManager::entry(int id) const { return mTextures.dataAt(id); }

int TextureManager::getGroups(int id) const {
    const TextureEntry* e = entry(id);
    return e ? e->groups : 0;
}

unsigned TextureManager::getTextureName(int id) const {
    const TextureEntry* e = entry(id);
    return e ? e->textureName : 0;
}

bool TextureManager::upload(const FixedString& name, const ImageData& image, bool mipmaps, unsigned& textureName) {
    drawPendingSprites();
    if (image.pixels.isNull() || image.width < 1 || image.height < 1) return false;
    pendingGLError(); // clears what was pending
    GLuint texture = textureName;
    if (!texture || !glIsTexture(texture)) glGenTextures(1, &texture);
    if (pendingGLError()) return false;
    glBindTexture(GL_TEXTURE_2D, texture);

    GLint minFilter = GL_LINEAR, magFilter = GL_LINEAR;
    if (mipmaps) {
        minFilter = filter("GL_TEXTURE_MIN_FILTER", MIN_FILTERS, name);
        magFilter = filter("GL_TEXTURE_MAG_FILTER", MAG_FILTERS, name);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);

    const int bytes = image.bytesPerPixel;
    const GLenum format = bytes == 1 ? GL_ALPHA : bytes == 2 ? GL_LUMINANCE_ALPHA : bytes == 3 ? GL_RGB : GL_RGBA;
    if (mipmaps)
        gluBuild2DMipmaps(GL_TEXTURE_2D, bytes, image.width, image.height, format, GL_UNSIGNED_BYTE, image.pixels.get());
    else
        glTexImage2D(GL_TEXTURE_2D, 0, bytes, image.width, image.height, 0, format, GL_UNSIGNED_BYTE,
                     image.pixels.get());
    if (pendingGLError()) {
        glDeleteTextures(1, &texture);
        return false;
    }
    textureName = texture;
    return true;
}

int TextureManager::add(const FixedString& name, const ImageData& image, bool mipmaps, int replaceId) {
    unsigned texture = 0;
    if (TextureEntry* replaced = const_cast<TextureEntry*>(entry(replaceId))) {
        // The new texture takes the old one's OpenGL name over.
        texture = replaced->textureName;
        replaced->textureName = 0;
        mTextures.remove(replaceId);
    }
    if (mTextures.size() >= CAPACITY) {
        deleteTexture(texture);
        BG_ERROR(FixedString("TextureManager::load( ") + name + " ) : Texture table full");
        return -1;
    }
    if (!upload(name, image, mipmaps, texture)) {
        deleteTexture(texture); // a replaced texture's name belongs to nobody now
        return -1;
    }
    TextureEntry* added = new TextureEntry(name, mCurrentGroup, texture, mipmaps);
    added->bytes = imageBytes(image, mipmaps);
    return mTextures.add(name.c_str(), added);
}

long TextureManager::bytes() const {
    long total = 0;
    for (int id = mTextures.first(); id >= 0; id = mTextures.next(id)) total += mTextures.at(id).bytes;
    return total;
}

// A name already loaded only joins the current group; a new one is decoded
// by `decode` and uploaded.
template <class Decode>
int TextureManager::loadNamed(const FixedString& name, bool mipmaps, int replaceId, Decode decode) {
    if (name.empty()) {
        BG_ERROR("TextureManager::load( fileName ) : Invalid file name");
        return -1;
    }
    const int found = mTextures.find(name.c_str());
    if (found >= 0) {
        mTextures[found].data->groups |= mCurrentGroup;
        return found;
    }
    if (mTextures.size() >= CAPACITY && !entry(replaceId)) {
        BG_ERROR(FixedString("TextureManager::load( ") + name + " ) : Texture table full");
        return -1;
    }
    return add(name, decode(), mipmaps, replaceId);
}

int TextureManager::load(const char* fileName, bool mipmaps, int replaceId) {
    const FixedString name = fileName ? fileName : "";
    return loadNamed(name, mipmaps, replaceId, [&] { return loadImage(name, true); });
}

int TextureManager::loadFromMem(const File& file, bool mipmaps, int replaceId) {
    return loadNamed(file.getName(), mipmaps, replaceId, [&] { return loadImage(file, true); });
}

// Binding the texture already bound changes nothing: the billboards that
// wait keep waiting.
void TextureManager::bind(int id) {
    const TextureEntry* e = entry(id);
    const GLuint name = e ? e->textureName : 0;
    if (!gSprites.isEmpty()) {
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        if (static_cast<GLuint>(bound) == name) return;
        gSprites.flush();
    }
    glBindTexture(GL_TEXTURE_2D, name);
    gFrameStats.bind();
}

// A texture holding every bit of the mask loses them, and goes when the mask
// was all it had.
void TextureManager::removeMask(int id, int mask) {
    TextureEntry* e = const_cast<TextureEntry*>(entry(id));
    if (!e || (e->groups & mask) != mask) return;
    if (e->groups == mask)
        mTextures.remove(id);
    else
        e->groups ^= mask;
}

void TextureManager::removeId(int id) { removeMask(id, mCurrentGroup); }

void TextureManager::free(int group) {
    for (int id = mTextures.first(); id >= 0; id = mTextures.next(id)) removeMask(id, group);
}

void TextureManager::end() {
    for (int id = mTextures.first(); id >= 0; id = mTextures.next(id)) {
        TextureEntry& e = *mTextures[id].data;
        deleteTexture(e.textureName);
    }
}

// In a new context. The old context's names mean nothing here: one of them
// may already name a texture uploaded a moment ago, which reusing it would
// overwrite. Every texture gets a name of the new context.
void TextureManager::restart() {
    for (int id = mTextures.first(); id >= 0; id = mTextures.next(id)) {
        TextureEntry& e = *mTextures[id].data;
        unsigned texture = 0;
        const ImageData image = loadImage(e.name, true);
        e.textureName = upload(e.name, image, e.mipmaps, texture) ? texture : 0;
        e.bytes = e.textureName ? imageBytes(image, e.mipmaps) : 0;
    }
}

} // namespace bg
