#include "foundation/Utils.h"
#include "support/Expect.h"

#include <gtest/gtest.h>
#include <string>

using bg::FixedString;
using bg::Table;
using bgtest::report;

namespace {

struct Counted {
    static int alive;
    int value;
    explicit Counted(int v) : value(v) { ++alive; }
    ~Counted() { --alive; }
};
int Counted::alive = 0;

TEST(FixedString, CutsEveryResultAt255Characters) {
    const std::string a(250, 'a'), b(10, 'b');
    FixedString joined = FixedString(a.c_str()) + b.c_str();
    EXPECT_EQ(joined.length(), 255);
    EXPECT_EQ(std::string(joined.c_str()), a + std::string(5, 'b'));

    FixedString full(std::string(300, 'x').c_str());
    EXPECT_EQ(full.length(), 255);
    EXPECT_EQ((full + "\n").length(), 255);
    EXPECT_EQ((full + 'y').c_str()[254], 'x');

    FixedString number = FixedString("line ") + -42 + ':' + "x";
    EXPECT_STREQ(number.c_str(), "line -42:x");
    EXPECT_STREQ(FixedString(nullptr).c_str(), "");
    FixedString self("same");
    self = self.c_str();
    EXPECT_STREQ(self.c_str(), "same");
    self.truncate(-1), self.truncate(4), self.truncate(3);
    EXPECT_STREQ(self.c_str(), "sam");
    self.truncate(0);
    EXPECT_STREQ(self.c_str(), "");
}

TEST(FixedString, IndexOutsideTheStorageIsFatal) {
    FixedString text("abc");
    EXPECT_EQ(text[255], '\0');
    EXPECT_EXIT(text[256], testing::ExitedWithCode(1), report("ASSERTION FAILED:Utils:#:abc: i < MAX_STR_SIZE\n"));
    EXPECT_EXIT(text[-1], testing::ExitedWithCode(1), report("ASSERTION FAILED:Utils:#:abc: i >= 0\n"));
}

TEST(Table, HashesKeysByXoringLittleEndianWords) {
    Table<Counted> table("T", 151);
    EXPECT_EQ(table.hash("AB"), 49);
    EXPECT_EQ(table.hash(""), 0);
    // "ABCDE": the words "ABCD" and "E\0\0\0".
    const unsigned h = (0x41u | 0x42u << 8 | 0x43u << 16 | 0x44u << 24) ^ 0x45u;
    EXPECT_EQ(table.hash("ABCDE"), static_cast<int>(h % 151));
    // A key is what a FixedString keeps of it: 255 characters.
    const std::string longKey(300, 'k');
    EXPECT_EQ(table.hash(longKey.c_str()), table.hash(longKey.substr(0, 255).c_str()));
    // Bytes of 128 and above must never give a negative slot.
    for (const char* key : {"\xff\xff\xff\xff", "\x80", "\xe9t\xe9\xff"}) {
        const int slot = table.hash(key);
        EXPECT_GE(slot, 0);
        table.add(key, new Counted(1));
        EXPECT_EQ(table.find(key), slot);
    }
}

TEST(Table, CollidingKeysProbeToTheNextSlotAndStayFindable) {
    Table<Counted> table("T", 11);
    // "AB" and "BA" have different words; pick two keys with one home slot.
    const int home = table.hash("A");
    std::string other;
    for (char c = 'B'; c <= 'z'; ++c)
        if (table.hash(std::string(1, c).c_str()) == home) other = std::string(1, c);
    ASSERT_FALSE(other.empty());
    EXPECT_EQ(table.add("A", new Counted(1)), home);
    EXPECT_EQ(table.add(other.c_str(), new Counted(2)), (home + 1) % 11);
    EXPECT_EQ(table.get("A").value, 1);
    EXPECT_EQ(table.get(other.c_str()).value, 2);
}

TEST(Table, DuplicateKeysAreBothKeptAndTheFirstIsFound) {
    Table<Counted> table("T", 11);
    const int first = table.add("key", new Counted(1));
    table.add("key", new Counted(2));
    EXPECT_EQ(table.size(), 2);
    EXPECT_EQ(table.get("key").value, 1);
    EXPECT_EQ(table.remove(first), first);
    EXPECT_EQ(table.get("key").value, 2);
    EXPECT_TRUE(bgtest::isReport(bgtest::stderrOf([&] { EXPECT_EQ(table.remove(first), -1); }),
                                 "WARNING:Utils:#:T: Alreay Empty!\n"));
}

TEST(Table, IteratesOccupiedSlotsInSlotOrderAndFreesWhatItHolds) {
    {
        Table<Counted> table("T", 11);
        for (const char* key : {"a", "b", "c", "d"}) table.add(key, new Counted(0));
        table.remove(table.find("b"));
        int visited = 0, last = -1;
        for (int i = table.first(); i >= 0; i = table.next(i)) {
            EXPECT_GT(i, last);
            last = i;
            ++visited;
        }
        EXPECT_EQ(visited, 3);
        EXPECT_EQ(Counted::alive, 3);
    }
    EXPECT_EQ(Counted::alive, 0);
}

// A full table and a missing key are fatal too: VarTest checks both through
// the variables' table.
TEST(Table, TheLastFreeSlotIsFoundAndBadAccessIsFatalNamingTheTable) {
    Table<Counted> table("Font Table", 11);
    for (int i = 0; i < 10; ++i) table.add(("k" + std::to_string(i)).c_str(), new Counted(i));
    // The last free slot, found by the longest walk there is: from the slot after it.
    int empty = 0;
    while (table.dataAt(empty)) ++empty;
    std::string last;
    for (char c = 'A'; c <= 'z' && last.empty(); ++c)
        if (table.hash(std::string(1, c).c_str()) == (empty + 1) % 11) last = std::string(1, c);
    EXPECT_EQ(table.add(last.c_str(), new Counted(10)), empty);
    EXPECT_EQ(table.find("absent"), -1);

    Table<Counted> sparse("Var Table", 151);
    // The empty key finds a free slot: a warning, then the data assertion.
    EXPECT_EXIT(sparse.get(""), testing::ExitedWithCode(1),
                report("WARNING:Utils:#:Var Table: Empty Element\nASSERTION FAILED:Utils:#:Var Table: mData != 0\n"));
    EXPECT_EXIT(sparse[151], testing::ExitedWithCode(1), report("ASSERTION FAILED:Utils:#:Var Table: i < mCapacity\n"));
    EXPECT_EXIT(Table<Counted>("Bad", 0), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Utils:#:Bad: mCapacity > 0\n"));
}

TEST(Stack, HoldsCopiesUpToItsCapacity) {
    bg::Stack<int> stack("Blend", 100);
    for (int i = 0; i < 100; ++i) stack.push(i);
    EXPECT_EXIT(stack.push(100), testing::ExitedWithCode(1),
                report("ASSERTION FAILED:Utils:#:Blend: mSize < mCapacity\n"));
    EXPECT_EQ(stack.pop(), 99);
    EXPECT_EQ(stack.pop(), 98);
    stack.clear();
    EXPECT_EQ(stack.size(), 0);
    EXPECT_EXIT(stack.pop(), testing::ExitedWithCode(1), report("ASSERTION FAILED:Utils:#:Blend: mSize > 0\n"));
}

} // namespace
