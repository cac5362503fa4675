// Images and sounds decoded from files the test makes itself.

#include "media/Image.h"
#include "media/Vorbis.h"
#include "support/Expect.h"
#include "support/Support.h"
#include "tools/media/Media.h"
#include "vfs/VFS.h"

#include <AL/al.h>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

using namespace bg;

namespace {

class Decode : public testing::Test {
protected:
    void SetUp() override {
        gVFS = bg::SharedPointer<VFS>(new VFS);
        gVFS->setDirectory(scratch.path().c_str());
    }
    void TearDown() override { gVFS.free(); }
    // Loads an image, returning what the load printed.
    std::string image(const std::string& name, ImageData& out, bool texture = false) {
        return bgtest::stderrOf([&] { out = loadImage(name.c_str(), texture); });
    }
    // Writes `bytes` as the file `name` and loads it as an image.
    std::string decode(const std::string& name, const std::string& bytes, ImageData& out) {
        scratch.write(name, bytes);
        return image(name, out);
    }
    std::string sound(const std::string& name, SoundData& out) {
        return bgtest::stderrOf([&] { out = loadSound(name.c_str()); });
    }
    // Decodes `bytes` as the file `name`: the load reports `why` after
    // "VFS::loadSound( name ) : " (nothing when it is empty) and leaves `size` bytes.
    void expectSound(const std::string& name, const std::string& bytes, const std::string& why, int size) {
        scratch.write(name, bytes);
        SoundData decoded;
        const std::string err = sound(name, decoded);
        const std::string lines = why.empty() ? "" : "VFS:#: ERROR : VFS::loadSound( " + name + " ) : " + why + "\n";
        EXPECT_TRUE(bgtest::matches(err, bgtest::report(lines))) << name << " reported:\n" << err;
        EXPECT_EQ(decoded.size, size) << name;
    }
    bgtest::ScratchDir scratch;
    ImageData img;
};

void expectReport(const std::string& text, const std::string& lines) { EXPECT_TRUE(bgtest::isReport(text, lines)); }

std::uint32_t rgba(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    const std::uint8_t bytes[4] = {r, g, b, a};
    std::uint32_t pixel;
    std::memcpy(&pixel, bytes, 4);
    return pixel;
}

// Byte c of a pixel as it lies in memory: red, green, blue, alpha.
int channel(std::uint32_t pixel, int c) { return reinterpret_cast<const std::uint8_t*>(&pixel)[c]; }

// Pictures and some of their pixels: every layout comes out RGBA, bottom
// row first; colour keys give alpha 0.
TEST_F(Decode, EveryLayoutComesOutRGBABottomRowFirstWithItsTransparency) {
    struct Picture {
        std::string name, bytes;
        int width;
        std::vector<std::tuple<int, int, std::uint32_t>> pixels; // x, y and RGBA
    };
    const std::uint32_t red = rgba(255, 0, 0, 255), blue = rgba(0, 0, 255, 255), white = rgba(255, 255, 255, 255);
    std::vector<Picture> pictures = {
        // Red top row, blue bottom row.
        {"rgba.png", bg::media::png(2, 2, 6, {255, 0, 0, 255, 255, 0, 0, 128, 0, 0, 255, 255, 0, 0, 255, 255}), 2,
         {{0, 0, blue}, {1, 1, rgba(255, 0, 0, 128)}}},
        {"grey.png", bg::media::png(2, 1, 0, {100, 200}), 2,
         {{0, 0, rgba(100, 100, 100, 255)}, {1, 0, rgba(200, 200, 200, 255)}}},
        {"palette.png", bg::media::png(2, 1, 3, {1, 0}, {10, 20, 30, 40, 50, 60}), 2,
         {{0, 0, rgba(40, 50, 60, 255)}, {1, 0, rgba(10, 20, 30, 255)}}},
        // Width 3: 9 bytes of pixels in a 12-byte row.
        {"pic.bmp", bg::media::bmp(3, 2, {255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255}), 3,
         {{0, 0, blue}, {1, 0, blue}, {2, 0, blue}, {0, 1, red}, {1, 1, red}, {2, 1, red}}},
        {"pic16.bmp", bg::media::bmp(2, 1, {255, 0, 0, 0, 8, 255}, 16), 2, {{0, 0, red}, {1, 0, rgba(0, 8, 255, 255)}}},
        {"os2.bmp", bg::media::bmp(2, 1, {255, 0, 0, 0, 0, 255}, 24, true), 2, {{0, 0, red}, {1, 0, blue}}},
        // Palette entry 0 transparent, grey level 255 transparent, RGB white
        // transparent, a GIF's index 1 transparent; and grey with its own alpha.
        {"keyed.png", bg::media::png(2, 1, 3, {0, 1}, {255, 0, 0, 0, 255, 0}, {0}), 2,
         {{0, 0, rgba(255, 0, 0, 0)}, {1, 0, rgba(0, 255, 0, 255)}}},
        {"greykey.png", bg::media::png(2, 1, 0, {255, 10}, {}, {0, 255}), 2,
         {{0, 0, rgba(255, 255, 255, 0)}, {1, 0, rgba(10, 10, 10, 255)}}},
        {"rgb.png", bg::media::png(2, 1, 2, {255, 255, 255, 1, 2, 3}, {}, {0, 255, 0, 255, 0, 255}), 2,
         {{0, 0, rgba(255, 255, 255, 0)}, {1, 0, rgba(1, 2, 3, 255)}}},
        {"key.gif", bg::media::gif(2, 1, {0, 1}, {255, 0, 0, 0, 255, 0}, 1), 2,
         {{0, 0, rgba(255, 0, 0, 255)}, {1, 0, rgba(0, 255, 0, 0)}}},
        {"greyalpha.png", bg::media::png(2, 1, 4, {200, 7, 50, 255}), 2,
         {{0, 0, rgba(200, 200, 200, 7)}, {1, 0, rgba(50, 50, 50, 255)}}}};
    // TGA upright in both orientations, plain and packed: red, green over
    // blue, white (top row first), half-transparent green.
    const std::vector<std::uint8_t> quad = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 255, 255, 255, 255, 255};
    for (bool rle : {false, true})
        for (bool topFirst : {false, true})
            pictures.push_back({std::string(rle ? "rle" : "plain") + (topFirst ? "Top" : "Bottom") + ".Tga",
                                bg::media::tga(2, 2, quad, rle, topFirst), 2,
                                {{0, 1, red}, {1, 1, rgba(0, 255, 0, 128)}, {0, 0, blue}, {1, 0, white}}});
    // A TGA starts with its ID field's length: 66 is a "B", as a bitmap begins.
    std::string named = bg::media::tga(2, 2, quad, false, false);
    named[0] = 'B', named.insert(18, std::string(66, 'i'));
    pictures.push_back({"named.tga", named, 2, {{0, 1, red}, {0, 0, blue}}});
    // No extension: no hint, found by its signature.
    pictures.push_back({"noname", pictures[0].bytes, 2, {{0, 0, blue}}});
    for (const Picture& picture : pictures) {
        EXPECT_EQ(decode(picture.name, picture.bytes, img), "") << picture.name;
        ASSERT_EQ(img.width, picture.width) << picture.name;
        for (const auto& [x, y, rgba] : picture.pixels)
            EXPECT_EQ(img.getPixel(x, y), rgba) << picture.name << " " << x << ", " << y;
    }
    // JPEG, lossy: a red block and a blue one, bottom row first as the rest.
    std::vector<std::uint8_t> blocks;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x) blocks.insert(blocks.end(), {std::uint8_t(x < 8 ? 255 : 0), 0, std::uint8_t(x < 8 ? 0 : 255)});
    EXPECT_EQ(decode("photo.JPG", bg::media::jpeg(24, 16, blocks), img), "");
    EXPECT_EQ(img.width * 100 + img.height, 2416);
    EXPECT_EQ(img.bytesPerPixel, 4);
    for (const auto& [x, want] : {std::pair{3, rgba(255, 0, 0, 255)}, std::pair{18, rgba(0, 0, 255, 255)}})
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(channel(img.getPixel(x, 4), c), channel(want, c), 12) << x << " " << c;
}

TEST_F(Decode, PixelsOutsideTheImageAreReportedAndLimited) {
    decode("a.png", bg::media::png(2, 1, 0, {7, 9}), img);
    testing::internal::CaptureStderr();
    EXPECT_EQ(img.getPixel(-1, 0), rgba(7, 7, 7, 255));
    EXPECT_EQ(img.setPixel(2, 1, 42), 42u); // one past each end
    EXPECT_EQ(img.getPixel(1, 0), 42u);
    EXPECT_EQ(img.setPixel(0, 0, 43), 43u); // the first column is inside
    EXPECT_EQ(img.getPixel(0, 0), 43u);
    EXPECT_EQ(img.getPixel(1, 0), 42u);
    expectReport(testing::internal::GetCapturedStderr(), "VFS:#: ERROR : ImageData::getPixel : x out of bounds\n"
                                                         "VFS:#: ERROR : ImageData::setPixel : x out of bounds\n"
                                                         "VFS:#: ERROR : ImageData::setPixel : y out of bounds\n");
    bgtest::stderrOf([] { EXPECT_EQ(ImageData().getPixel(0, 0), 0u); }); // an empty image has nothing to read
    decode("column.png", bg::media::png(1, 2, 0, {7, 9}), img);
    EXPECT_EQ(img.setPixel(0, 1, 44), 44u); // one pixel wide is wide enough
    EXPECT_EQ(img.getPixel(0, 1), 44u);
}

TEST_F(Decode, TextureModeWantsPowersOfTwoUpTo512) {
    // Wide and long: sizes past what the engine decodes at all still get the texture rules.
    const std::tuple<const char*, int, int> sizes[] = {{"ok.png", 256, 128},    {"odd.png", 300, 256},
                                                       {"big.png", 1024, 1024}, {"tall.png", 256, 1024},
                                                       {"wide.png", 32768, 1},  {"long.png", 20000, 2}};
    for (const auto& [name, width, height] : sizes)
        scratch.write(name, bg::media::png(width, height, 0, std::vector<std::uint8_t>(width * height, 1)));
    ImageData a, b;
    image("ok.png", a, true);
    image("ok.png", b, true);
    EXPECT_EQ(a.width, 256);
    EXPECT_EQ(a.pixels.get(), b.pixels.get()); // the one shared buffer
    const std::pair<std::string, const char*> fatal[] = {
        {"odd.png", "300 x 256 is not a power of two\nASSERTION FAILED:VFS:#: imgWidth == textureSize( imgWidth )"},
        {"big.png", "1024 x 1024 is larger than 512 x 512\nASSERTION FAILED:VFS:#: imgWidth <= MAX_TEXTURE_WIDTH"},
        {"tall.png", "256 x 1024 is larger than 512 x 512\nASSERTION FAILED:VFS:#: imgHeight <= MAX_TEXTURE_HEIGHT"},
        {"wide.png", "32768 x 1 is larger than 512 x 512\nASSERTION FAILED:VFS:#: imgWidth <= MAX_TEXTURE_WIDTH"},
        {"long.png", "20000 x 2 is not a power of two\nASSERTION FAILED:VFS:#: imgWidth == textureSize( imgWidth )"}};
    for (const auto& [name, text] : fatal)
        EXPECT_EXIT(loadImage(name.c_str(), true), testing::ExitedWithCode(1),
                    bgtest::report("VFS:#: ERROR : VFS::loadImage( " + name + " ) : " + text + "\n")) << name;
    image("big.png", a, false); // fine outside texture mode
    EXPECT_EQ(a.width, 1024);
}

TEST_F(Decode, OnlyTheNamedFormatsAreDecoded) {
    // GIFs are decoded by the engine itself, compressed as encoders write
    // them: rows of runs and rows of noise (the table fills and starts
    // again), stored in order and interlaced. (Real files were checked
    // against the decoding library's output on every GIF Debian's packages
    // here ship.)
    const int width = 150, height = 90;
    std::vector<std::uint8_t> indices(width * height), colours(256 * 3);
    for (int i = 0; i < width * height; ++i)
        indices[i] = static_cast<std::uint8_t>(i / width % 2 ? i % width / 9 : (i * 7919 + i / 3 * 31) % 256);
    for (int k = 0; k < 768; ++k) colours[k] = static_cast<std::uint8_t>(k % 3 ? k * 37 : k / 3);
    for (bool interlaced : {false, true}) {
        scratch.write("rows.gif", bg::media::gif(width, height, indices, colours, -1, -1, -1, interlaced));
        EXPECT_EQ(image("rows.gif", img), "") << interlaced;
        ASSERT_EQ(img.height, height);
        int wrong = 0;
        for (int i = 0; i < width * height; ++i) {
            const std::uint8_t* c = &colours[3 * indices[i]];
            wrong += img.getPixel(i % width, height - 1 - i / width) != rgba(c[0], c[1], c[2], 255);
        }
        EXPECT_EQ(wrong, 0) << interlaced;
    }
    // Formats the decoding library knows but the engine does not take (a
    // GIMP picture hung it; this XPM claiming 60000 x 60000 crashed it).
    const std::pair<std::string, std::string> others[] = {
        {"pic.xcf", std::string("gimp xcf file\0", 14) + std::string(64, '\0')},
        {"pic.xpm", "/* XPM */\nstatic char *x[] = {\n\"60000 60000 1 1\",\n\". c #000000\",\n};\n"},
        {"pic.pcx", std::string("\x0a\x05\x01\x08", 4) + std::string(124, '\0')},
        {"pic.pnm", "P6\n60000 60000\n255\n"},
        {"noextension", "P6\n2 2\n255\n012345678901"}};
    for (const auto& [name, bytes] : others) {
        expectReport(decode(name, bytes, img),
                     "VFS:#: ERROR : VFS::loadImage( " + name + " ) : unsupported image format\n");
        EXPECT_EQ(img.width, 0);
    }
}

TEST_F(Decode, BadPicturesAreRefusedWithTheMessage) {
    const std::string good = bg::media::png(4, 4, 0, std::vector<std::uint8_t>(16, 3));
    // A header claiming 60000 x 60000 pixels over a tiny body.
    std::string huge = good;
    for (int i = 0; i < 4; ++i) huge[16 + i] = "\x00\x00\xea\x60"[i], huge[20 + i] = "\x00\x00\xea\x60"[i];
    std::string random(3000, '\0');
    for (std::size_t i = 0; i < random.size(); ++i) random[i] = static_cast<char>(i * 7919 % 251);
    // A BMP header with 0 bits a pixel, which SDL_image turns into a surface
    // whose numbers disagree (found by the fuzzer).
    const std::string oddBmp("BMN\0\0\0\0\0\0\xff\0" "6\0\0\0(\0\0\0\3\0\0(\0\0\0\0\0\0\xff\0\0\xff\0\0\xff\0\0\x08"
                             "\0\0\0\0\xff\0\0\xff\0\0\xff\0\0\0", 53);
    // GIF image blocks of 0 x 0 crashed the decoder, in the first block or
    // a later one.
    const std::string empty = bg::media::gif(0, 0, {}, {0, 0, 0, 255, 255, 255});
    const std::string oneBlock = bg::media::gif(1, 1, {0}, {0, 0, 0, 255, 255, 255});
    const std::string twoBlocks = oneBlock.substr(0, oneBlock.size() - 1) + empty.substr(empty.find('\x2c'));
    // A block claiming 60000 x 60000 on a 2 x 2 screen: the decoder
    // allocates the block's size, not the screen's.
    std::string bigBlock = bg::media::gif(2, 2, {0, 1, 1, 0}, {0, 0, 0, 255, 255, 255});
    const std::size_t block = bigBlock.find('\x2c');
    bigBlock[block + 5] = bigBlock[block + 7] = '\x60', bigBlock[block + 6] = bigBlock[block + 8] = '\xea';
    // An LZW code size no 8-bit picture has (117): the decoder looped
    // forever (found by the fuzzer).
    const std::string codeSize(
        "\x47\x49\x46\x38\x39\x61\x03\x00\x02\x00\x81\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\x21\xf9"
        "\x04\x01\x00\x00\x01\x00\x2c\x00\x00\x00\x00\x03\x00\x02\x00\x00\x75\x08\x01\xff\x00\x00\x00\xff\x00\x00\x89"
        "\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x00\x00\x21\xf9\x04\x52", 74);
    // 75 bytes of TGA claiming 8224 x 8224 x 32 (took 25 s and 336 MB),
    // plain and packed, under an extension in capitals.
    std::string claiming = bg::media::tga(1, 1, {1, 2, 3, 4}, false, false) + std::string(53, '\x7f');
    claiming[12] = claiming[14] = '\x20', claiming[13] = claiming[15] = '\x20';
    std::string packed = claiming;
    packed[2] = 10;
    // Cut inside a chunk before any pixels: the decoder read the same
    // chunk over and over, forever (found by the fuzzer).
    const std::string endless = bg::media::png(2, 1, 0, {255, 10}, {}, {0, 255}).substr(0, 46);
    // LZW codes that link the decoder's table into a loop (found by the
    // fuzzer): it never came back.
    const std::string tableLoop(
        "\x47\x49\x46\x38\x39\x61\x03\x00\x02\x00\x81\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\x21\xf9"
        "\x00\x21\xf9\x04\x01\x00\x00\x01\x00\x2c\x00\x00\x00\x00\x03\x00\x02\x00\x00\x08\x09\x00\x01\x04\x10\x20"
        "\x3a\x20\x00\x04\x01\x00\x00\x01\x00\x2c\x00\x00\x00\x00\x03\x00\x02\x00\x00\x08\x09\x00\x01\x04\x10\x20"
        "\x3a\x20\x00\x6f\x6f\x6f\x6f\x6f\x6f\x6f\x80\x80\x00\x3b", 93);
    const std::pair<std::string, std::string> cases[] = {{"odd.bmp", oddBmp}, {"endless.png", endless},
        {"empty.gif", empty}, {"second.gif", twoBlocks}, {"block.gif", bigBlock}, {"code.gif", codeSize},
        {"loop.gif", tableLoop}, {"claims.TGA", claiming}, {"packed.tga", packed},
        {"cut.png", good.substr(0, good.size() / 2)}, {"huge.png", huge}, {"random.png", random},
        {"random.tga", random}, {"random.bmp", "BM" + random}, {"random.jpg", "\xff\xd8" + random}};
    for (const auto& [name, bytes] : cases) {
        // The decoder may say why first (libpng does).
        const std::string err = decode(name, bytes, img);
        const std::string line = "ERROR : VFS::loadImage( " + name + " ) : unable to load image!\n";
        EXPECT_TRUE(err.size() >= line.size() && err.compare(err.size() - line.size(), line.size(), line) == 0)
            << name << ": " << err;
        EXPECT_EQ(img.width, 0) << name;
    }
    expectReport(image("absent.png", img), "VFS:#: ERROR : File::load( " + scratch / "absent.png" +
                                               " ) : Unable to open file!\n"
                                               "VFS:#: ERROR : VFS::loadImage(absent.png ) : Unable to open the file\n");
}

// With a table entry: the table's size and the same bytes. An entry
// smaller than the sound: decoding stops at the buffer's end, said once, in
// whole frames (1003 bytes of stereo said so 64 times and failed). Larger:
// the sound's own size, not 2 GB of silence.
TEST_F(Decode, SoundsDecodeOnceToTheirExactSizeTrustingTheTableOnlyWithinTheSound) {
    scratch.write("mono.ogg", bg::media::sineOgg(1, 22050, 22050));
    scratch.write("stereo.ogg", bg::media::sineOgg(2, 44100, 30000));
    SoundData mono, stereo, tabled;
    EXPECT_EQ(sound("mono.ogg", mono), "");
    EXPECT_EQ(mono.format, AL_FORMAT_MONO16);
    EXPECT_EQ(mono.frequency, 22050);
    EXPECT_EQ(mono.size, 2 * 22050);
    EXPECT_EQ(sound("stereo.ogg", stereo), "");
    EXPECT_EQ(stereo.format, AL_FORMAT_STEREO16);
    EXPECT_EQ(stereo.size, 4 * 30000);

    scratch.write("Sounds.txt", "stereo.ogg 120000\ns.ogg 1003\nt.ogg 2147483647\nu.ogg 7\n");
    gVFS->loadOggsSize("Sounds.txt");
    EXPECT_EQ(sound("stereo.ogg", tabled), "");
    ASSERT_EQ(tabled.size, stereo.size);
    EXPECT_EQ(std::memcmp(tabled.pcm.get(), stereo.pcm.get(), static_cast<std::size_t>(stereo.size)), 0);
    expectSound("s.ogg", bg::media::sineOgg(2, 44100, 30000), "stream corrupted", 1000);
    expectSound("t.ogg", bg::media::sineOgg(1, 8000, 2000), "", 2 * 2000);
    expectSound("u.ogg", bg::media::sineOgg(2, 8000, 2000), "stream corrupted", 4);
}

// Only mono and stereo streams of one layout play (links of one layout
// play one after the other); what is not a sound is refused with the
// message, and a long stream cut in the middle decodes what it has.
TEST_F(Decode, OnlyWholeMonoAndStereoStreamsOfOneLayoutPlay) {
    const std::string good = bg::media::sineOgg(1, 8000, 8000), longer = bg::media::sineOgg(2, 44100, 220500);
    std::string random(3000, '\0');
    for (std::size_t i = 0; i < random.size(); ++i) random[i] = static_cast<char>(i * 7919 % 251);
    expectSound("surround.ogg", bg::media::sineOgg(3, 22050, 4000),
                "holds 3 channels: only mono and stereo sounds can be played", 0);
    const std::string second = bg::media::sineOgg(1, 22050, 3000, 440, 2);
    expectSound("chain.ogg", bg::media::sineOgg(1, 22050, 4000, 440, 1) + second, "", 2 * 7000);
    expectSound("mixed.ogg", bg::media::sineOgg(2, 44100, 4000, 440, 1) + second,
                "is chained from streams of different channels or rates (2 at 44100 Hz, then 1 at 22050 Hz): make it "
                "one stream", 0);
    expectSound("random.ogg", random, "Invalid ogg format ", 0);
    scratch.write("empty.ogg", "");
    scratch.write("header.ogg", good.substr(0, 200));
    scratch.write("cut.ogg", longer.substr(0, longer.size() * 2 / 3));
    SoundData s;
    EXPECT_NE(sound("empty.ogg", s).find("VFS::loadSound( empty.ogg ) : Unable to open the file\n"), std::string::npos);
    const std::string err = sound("header.ogg", s);
    EXPECT_NE(err.find("VFS::loadSound( header.ogg ) : "), std::string::npos) << err;
    EXPECT_EQ(s.size, 0);
    sound("cut.ogg", s);
    EXPECT_GT(s.size, 0);
    EXPECT_LT(s.size, 4 * 220500);
}

} // namespace
