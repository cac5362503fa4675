#include "vfs/VFS.h"
#include "support/Expect.h"
#include "support/Support.h"
#include "tools/media/Media.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <unzip.h>

using namespace bg;
using bg::media::ZipEntry;
using bgtest::report;

namespace {

class VFSTest : public testing::Test {
protected:
    void SetUp() override {
        gVFS = bg::SharedPointer<VFS>(new VFS);
        gVFS->setDirectory(scratch.path().c_str());
    }
    void TearDown() override { gVFS.free(); }

    // Loads a file and returns what the load printed.
    std::string load(File& file, const std::string& name, bool binary, bool expectOk) {
        return bgtest::stderrOf([&] { EXPECT_EQ(file.load(name.c_str(), binary), expectOk) << name; });
    }
    // Loading `name` fails with File::load's report `why` about `shown`
    // (the name as the load prints it), then `more` reports.
    void expectRefused(File& file, const std::string& name, const std::string& why, const std::string& more = "",
                       bool binary = true, const std::string& shown = "") {
        EXPECT_TRUE(bgtest::isReport(load(file, name, binary, false), "VFS:#: ERROR : File::load( " +
                                         (shown.empty() ? name : shown) + " ) : " + why + "\n" + more));
    }
    // Archive entries are named without the scratch folder: start over
    // with a VFS whose prefix is empty.
    void openArchive(const std::string& name) {
        gVFS.free();
        gVFS = bg::SharedPointer<VFS>(new VFS);
        ASSERT_TRUE(gVFS->open((scratch / name).c_str()));
    }
    // Opens an archive of one entry of 100 bytes whose uncompressed size, in
    // the central directory and (with `local`) in its own header, says `size`.
    void openClaiming(const std::string& name, const char* size, bool local) {
        bgtest::writeZip(scratch / name, {{"a.txt", std::string(100, 'a')}});
        std::string zip = scratch.read(name);
        const std::size_t central = zip.find("PK\x01\x02");
        ASSERT_NE(central, std::string::npos);
        for (std::size_t at : {central + 24, std::size_t(22)})
            if (at != 22 || local) zip.replace(at, 4, size, 4);
        scratch.write(name, zip);
        openArchive(name);
    }
    bgtest::ScratchDir scratch;
    File file;
};

TEST_F(VFSTest, DirectoryModeReadsBinaryAndTextFilesBehindThePrefix) {
    scratch.write("Fonts/a.bin", std::string("\x00\x01\xff", 3));
    File binary;
    EXPECT_EQ(load(binary, "Fonts/a.bin", true, true), "");
    EXPECT_EQ(std::string(binary.getData(), binary.getSize()), std::string("\x00\x01\xff", 3));

    scratch.write("t.txt", "0123456789");
    File text("t.txt"); // a zero byte after the text, counted in the size
    EXPECT_EQ(std::string(text.getData(), text.getSize()), std::string("0123456789", 11));
    // A load that fails leaves its reader nothing of the text before.
    scratch.write("lines.txt", std::string(40, 'a') + "\n" + std::string(40, 'b') + "\n");
    load(text, "lines.txt", false, true);
    EXPECT_EQ(text.getTextReader().readLine().length(), 40);
    load(text, "absent.txt", false, false);
    EXPECT_STREQ(text.getTextReader().readLine().c_str(), "");

    gVFS->setDirectory("");
    EXPECT_STREQ(gVFS->getDirectory(), "/");
}

TEST_F(VFSTest, RefusesMissingEmptyAndUnnamedFiles) {
    scratch.write("empty", "");
    scratch.write("dir/inner", "x");
    const std::string dir = scratch.path() + "/";
    expectRefused(file, "", "Invalid file name.");
    expectRefused(file, "empty", "Invalid file size.", "", false, dir + "empty");
    expectRefused(file, "absent", "Unable to open file!", "", true, dir + "absent");
    expectRefused(file, "dir", "Unable to open file!", "", true, dir + "dir");
    // A refused folder leaves nothing open: after many, a file still loads.
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    const rlimit few{64, limit.rlim_max};
    setrlimit(RLIMIT_NOFILE, &few);
    for (int i = 0; i < 100; ++i) load(file, "dir", true, false);
    load(file, "dir/inner", true, true);
    setrlimit(RLIMIT_NOFILE, &limit);
    file.unscramble(); // nothing to do, and not fatal
}

TEST_F(VFSTest, ArchiveModeFindsEntriesWhateverTheirLetterCase) {
    // Names of 255 characters, the longest the engine can ask for, and one
    // longer, passed over (the sanitizer build sees a read past its buffer).
    bgtest::writeZip(scratch / "data.zip", {{"Scripts/Main.o", "0123456789"}, {"empty", ""},
                                            {std::string(256, 'n'), "longer"}, {std::string(255, 'n'), "long"}});
    openArchive("data.zip");
    EXPECT_EQ(load(file, "scripts/MAIN.O", false, true), "INFO : File::load( scripts/MAIN.O ) : 11 bytes - loaded!\n");
    EXPECT_EQ(load(file, "Scripts/Main.o", true, true), "INFO : File::load( Scripts/Main.o ) : 10 bytes - loaded!\n");
    EXPECT_EQ(std::string(file.getData(), 10), "0123456789");

    load(file, std::string(255, 'N'), true, true);
    EXPECT_EQ(std::string(file.getData(), file.getSize()), "long");
    expectRefused(file, "empty", "Invalid file size.");
    EXPECT_EQ(file.getData(), nullptr); // what the last load read is gone
    EXPECT_EQ(file.getSize(), 0);
    expectRefused(file, "nothing", "unzLocateFile failed!");
    EXPECT_EQ(gVFS->close(), UNZ_OK);
    EXPECT_FALSE(gVFS->isArchive());
    EXPECT_EQ(gVFS->close(), 0);
}

// What the zip library cannot read is said in words an author can act on.
TEST_F(VFSTest, ArchivesSayWhyAnEntryCannotBeRead) {
    scratch.write("odd.zip", bg::media::zip({ZipEntry{"Scripts/Main.o", "lzma bytes", 14},
                                             ZipEntry{"Data/a.txt", "deflate64 bytes", 9},
                                             ZipEntry{"Data/b.txt", "secret", 0, 1},
                                             ZipEntry{"Data/c.txt", "unknown", 77}, ZipEntry{"Data/d.txt", "shrunk", 1}}));
    openArchive("odd.zip");
    const std::pair<const char*, const char*> cases[] = {
        {"Scripts/Main.o", "Scripts/Main.o is compressed with LZMA: store or deflate it (brawlgear-pack does)"},
        {"Data/a.txt", "Data/a.txt is compressed with Deflate64: store or deflate it (brawlgear-pack does)"},
        {"Data/b.txt", "Data/b.txt is encrypted: store it without a password (brawlgear-pack does)"},
        {"Data/c.txt", "Data/c.txt is compressed with method 77: store or deflate it (brawlgear-pack does)"},
        {"Data/d.txt", "Data/d.txt is compressed with Shrink: store or deflate it (brawlgear-pack does)"}};
    for (const auto& [name, why] : cases)
        expectRefused(file, name, "unzOpenCurrentFile failed!", std::string("VFS:#: ERROR : ") + why + "\n");

    // A game zipped with its folder on top.
    bgtest::writeZip(scratch / "nested.zip", {{"Game/Scripts/Main.o", "x"}, {"Game/Engine.cfg", "y"}});
    openArchive("nested.zip");
    expectRefused(file, "scripts/main.o", "unzLocateFile failed!",
                  "VFS:#: ERROR : the archive holds Game/Scripts/Main.o: zip the folder's contents, not the folder\n");
}

// Info-ZIP's zip64 form (zip -fz) gave "Invalid file size." on every
// entry; and names are found through an index built when the archive opens.
TEST_F(VFSTest, Zip64EntriesAndLargeDirectories) {
    // Deflated, as Info-ZIP writes them (the zip library would read a
    // stored entry's masked size past the end of a small archive).
    scratch.write("z64.zip", bg::media::zip({ZipEntry{"Scripts/Main.o", "0123456789", 8}, ZipEntry{"b", "bb"}}, true));
    openArchive("z64.zip");
    EXPECT_EQ(load(file, "Scripts/Main.o", true, true), "INFO : File::load( Scripts/Main.o ) : 10 bytes - loaded!\n");
    EXPECT_EQ(std::string(file.getData(), file.getSize()), "0123456789");
    EXPECT_EQ(load(file, "B", true, true), "INFO : File::load( B ) : 2 bytes - loaded!\n");

    std::vector<ZipEntry> many;
    for (int i = 0; i < 5000; ++i) many.push_back(ZipEntry{"Data/File" + std::to_string(i) + ".txt", std::to_string(i)});
    many.push_back(ZipEntry{"DATA/FILE7.TXT", "the second of equal names"});
    scratch.write("many.zip", bg::media::zip(many));
    openArchive("many.zip");
    EXPECT_EQ(load(file, "data/file4999.txt", true, true), "INFO : File::load( data/file4999.txt ) : 4 bytes - loaded!\n");
    EXPECT_EQ(std::string(file.getData(), file.getSize()), "4999");
    EXPECT_EQ(load(file, "Data/File7.txt", true, true), "INFO : File::load( Data/File7.txt ) : 1 bytes - loaded!\n");
    EXPECT_TRUE(gVFS->exists("DATA/file0.TXT"));
    EXPECT_FALSE(gVFS->exists("Data/File5000.txt"));
}

TEST_F(VFSTest, BrokenArchivesAreReportedNotTrusted) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(gVFS->open(""));
    EXPECT_FALSE(gVFS->open(nullptr));
    EXPECT_FALSE(gVFS->open((scratch / "absent.zip").c_str()));
    const std::string opening = "VFS:#: ERROR : VFS::open( const char* ) : ";
    EXPECT_TRUE(bgtest::isReport(testing::internal::GetCapturedStderr(),
                                 opening + "Invalid file name. Unable to open the archive.\n" + opening +
                                     "Invalid file name. Unable to open the archive.\n" + opening +
                                     "Error during opening archive " + scratch / "absent.zip" + "\n"));
    EXPECT_FALSE(gVFS->isArchive());

    // Cut in half: the central directory is gone.
    bgtest::writeZip(scratch / "whole.zip", {{"a.txt", std::string(2000, 'a')}});
    const std::string whole = scratch.read("whole.zip");
    scratch.write("half.zip", whole.substr(0, whole.size() / 2));
    bgtest::stderrOf([&] { EXPECT_FALSE(gVFS->open((scratch / "half.zip").c_str())); });

    // One damaged byte in the compressed data: the read or the CRC fails.
    std::string damaged = whole;
    damaged[30 + 5 + 4] ^= 0x55;
    scratch.write("damaged.zip", damaged);
    openArchive("damaged.zip");
    expectRefused(file, "a.txt", "unzReadCurrentFile failed!", "", false);
}

// An entry whose headers claim more than it holds, and a zip bomb: a small
// archive whose entry inflates to more than any game file should be, or
// claims to. Refused before anything is inflated.
TEST_F(VFSTest, EntriesThatClaimTooMuchOrInflateTooFarAreRefused) {
    openClaiming("a.zip", "\xfe\xff\xff\xff", false); // 4 GiB - 2, in the central directory
    expectRefused(file, "a.txt", "Invalid file size.");
    openClaiming("b.zip", "\x00\x10\x00\x00", true); // 4096 bytes
    expectRefused(file, "a.txt", "unzReadCurrentFile failed!");
    openClaiming("c.zip", "\x00\x00\x40\x06", true); // 100 MB for a few bytes of deflate data
    expectRefused(file, "a.txt", "Compression ratio too high: damaged archive.");

    std::string noise(2 << 20, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 2654435761u) >> 13);
    bgtest::writeZip(scratch / "big.zip", {{"big.bin", noise}, {"small.bin", "abc"}});
    openArchive("big.zip");
    load(file, "big.bin", true, true); // read past the first megabyte, its buffer doubling
    EXPECT_TRUE(std::string(file.getData(), static_cast<std::size_t>(file.getSize())) == noise);
    gVFS->setMaxEntrySize(1 << 20);
    expectRefused(file, "big.bin", "Entry larger than the limit of 1 MiB (VFS_MAX_ENTRY_SIZE).");
    load(file, "small.bin", true, true);
}

TEST_F(VFSTest, TextModeGuardsAndSharedDataAreFatal) {
    scratch.write("a", "abc");
    File binary("a", true);
    EXPECT_EXIT(binary.getTextReader(), testing::ExitedWithCode(1), report("ASSERTION FAILED:VFS:#: !mBinary\n"));
    File copy = binary;
    EXPECT_EXIT(binary.load("a", true), testing::ExitedWithCode(1),
                report("Pointer:#: ERROR : SharedArray< T >::free() : There are other pointers to this Object\n"));
}

TEST_F(VFSTest, SizeTableListsDecodedSizesByExactName) {
    scratch.write("Sounds/sizes.txt", "Sounds/Shot.ogg 88200\n\n\nSounds/Music.ogg   4410000\r\n"
                                      "NoSize\nNegative -5\n\nHuge 99999999999\n");
    testing::internal::CaptureStderr();
    gVFS->loadOggsSize("Sounds/sizes.txt");
    gVFS->loadOggsSize("Sounds/absent.txt");
    EXPECT_TRUE(bgtest::isReport(testing::internal::GetCapturedStderr(),
                                 "VFS:#: ERROR : File::load( " + scratch / "Sounds/absent.txt" +
                                     " ) : Unable to open file!\n"
                                     "VFS:#: ERROR : VFS::loadOggsSize( Sounds/absent.txt ) : Unable to load file!\n"));
    const std::pair<const char*, int> sizes[] = {{"Sounds/Shot.ogg", 88200}, {"Sounds/Music.ogg", 4410000},
                                                 {"sounds/shot.ogg", 0}, {"NoSize", 0}, {"Negative", 0}, {"Huge", 0},
                                                 {"", 0}};
    for (const auto& [name, size] : sizes) EXPECT_EQ(gVFS->lookupOggSize(name), size) << name;

    // As many entries as the file has (a game's 42nd sound stopped the
    // engine); the first line for a name counts.
    std::string many;
    for (int i = 0; i < 500; ++i) many += "s" + std::to_string(i) + " " + std::to_string(i + 1) + "\n";
    scratch.write("many.txt", many + "s7 1\n");
    gVFS->loadOggsSize("many.txt");
    for (const auto& [name, size] : {std::pair{"s0", 1}, std::pair{"s7", 8}, std::pair{"s499", 500}})
        EXPECT_EQ(gVFS->lookupOggSize(name), size) << name;
}

TEST(TextReader, ReturnsLinesSkippingRunsOfLineFeeds) {
    TextReader reader;
    reader.reset("a\n\n\nb");
    EXPECT_STREQ(reader.readLine().c_str(), "a");
    EXPECT_FALSE(reader.isEnd());
    EXPECT_STREQ(reader.readLine().c_str(), "b");
    EXPECT_TRUE(reader.isEnd());
    EXPECT_STREQ(reader.readLine().c_str(), "");

    reader.reset("\nx\r\n");
    EXPECT_STREQ(reader.readLine().c_str(), "");
    EXPECT_STREQ(reader.readLine().c_str(), "x\r");
    EXPECT_TRUE(reader.isEnd());

    const std::string longLine(300, 'q');
    reader.reset(longLine.c_str());
    EXPECT_EQ(reader.readLine().length(), 255);
    EXPECT_EQ(reader.readLine().length(), 45);
    EXPECT_EQ(reader.getPosition(), reader.getLength());
}

TEST(Scramble, KeysOnTheDecimalSizeAndUndoesItself) {
    std::string bytes = "print('hi')\n"; // 12 bytes: key "12"
    const std::string original = bytes;
    bg::applySizeKey(bytes.data(), 12);
    EXPECT_EQ(bytes.substr(0, 3),
              (std::string{static_cast<char>('p' ^ '1'), static_cast<char>('r' ^ '2'), static_cast<char>('i' ^ '1')}));
    bg::applySizeKey(bytes.data(), 12);
    EXPECT_EQ(bytes, original);
    bg::applySizeKey(bytes.data(), 0);
    EXPECT_EQ(bytes, original);
}

} // namespace
