#include "profile/ProfileFile.h"

#include "profile/StdFileOps.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using test::TempDir;
using Status = ProfileFile::SaveResult::Status;

class ProfileFileTest : public ::testing::Test {
protected:
    // Loads bytes as the file "A.ini" with save on close and case-insensitive names.
    void load(ProfileFile& store, const std::string& bytes) {
        dir.write("A.ini", bytes);
        ASSERT_TRUE(store.open(dir.file("A.ini"), true, true, false));
    }

    TempDir dir;
};

TEST_F(ProfileFileTest, LoadSyntax) {
    ProfileFile store;
    load(store, "lead = 1\r\n"
                "  [MAIN]  \n"
                "key one = value = more  \r\n"
                "; x=1\n//x\n*x\n\\x=2\n= lost\n\n"
                "#x=1\n"
                "abc\n"
                "[ SPACED ]\n"
                "s=2\n"
                "[tail] junk\n"
                "last=3");
    EXPECT_EQ(store.getString("", "lead", "-"), "1");
    EXPECT_EQ(store.getString("MAIN", "key one", "-"), "value = more");
    EXPECT_EQ(store.getString("MAIN", "#x", "-"), "1");
    EXPECT_EQ(store.getString("MAIN", "abc", "-"), "");
    for (const char* dropped : {"; x", "//x", "*x", "\\x", "x"})
        EXPECT_EQ(store.getString("MAIN", dropped, "-"), "-") << dropped;
    EXPECT_EQ(store.getString("SPACED", "s", "-"), "-");
    EXPECT_EQ(store.getString(" SPACED ", "s", "-"), "2");
    // A header with text after it is a key line of the section before.
    EXPECT_EQ(store.getString(" SPACED ", "[tail] junk", "-"), "");
    EXPECT_EQ(store.getString(" SPACED ", "last", "-"), "3");
    EXPECT_FALSE(store.isModified());
}

TEST_F(ProfileFileTest, GetStringCutsComments) {
    ProfileFile store;
    load(store, "[S]\na=a//b\nb=a/*b\nc=a\t;b\nd=a ;b\ne=5 // note\nf=x/y;z\n");
    EXPECT_EQ(store.getString("S", "a", "-"), "a");
    EXPECT_EQ(store.getString("S", "b", "-"), "a");
    EXPECT_EQ(store.getString("S", "c", "-"), "a");
    EXPECT_EQ(store.getString("S", "d", "-"), "a ;b");
    EXPECT_EQ(store.getString("S", "e", "-"), "5 ");
    EXPECT_EQ(store.getString("S", "f", "-"), "x/y;z");
}

TEST_F(ProfileFileTest, RepeatedKeysAndHeaders) {
    ProfileFile store;
    load(store, "[S]\nk=1\nk=2\n[T]\nt=1\n[s]\nk=3\nhidden=4\n");
    EXPECT_EQ(store.getString("S", "k", "-"), "2");
    EXPECT_EQ(store.getString("S", "hidden", "-"), "-");
    store.setString("S", "K", "9");
    store.setString("S", "hidden", "5");
    ASSERT_EQ(store.save(false).status, Status::Written);
    EXPECT_EQ(dir.read("A.ini"),
              "[S]\r\nk=1\r\nk=9\r\nhidden=5\r\n[T]\r\nt=1\r\n[s]\r\nk=3\r\nhidden=4\r\n");
}

TEST_F(ProfileFileTest, SaveLayout) {
    ProfileFile store;
    load(store, "; comment\n\n lead = 1 \nabc\n[main]\n  x  =  y  \n");
    store.setString("MAIN", "new", "v");
    store.setString("Other", "k", "a//b");
    ASSERT_EQ(store.save(false).status, Status::Written);
    EXPECT_EQ(dir.read("A.ini"), "; comment\r\n\r\nlead=1\r\nabc\r\n[main]\r\nx=y\r\nnew=v\r\n"
                                 "[Other]\r\nk=a//b\r\n");
}

TEST_F(ProfileFileTest, ASaveKeepsEveryLineThatIsNoKeyAsReadAndInPlace) {
    const std::string kept = "; Halcyon settings\r\n"
                             "\r\n"
                             "[MAIN]\r\n"
                             "// chosen at the last start\r\n"
                             "LANGUAGE=ENGLISH\r\n"
                             "   ;  indented note  \r\n"
                             "= orphan value\r\n"
                             "noequals\r\n"
                             "empty=\r\n"
                             "DEFAULT=0\r\n"
                             "\\ backslash note\r\n"
                             "\r\n"
                             "[CH1]\r\n"
                             "* star note\r\n"
                             "\r\n"
                             "[CH2]\r\n"
                             "EXE=b\r\n";
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        std::string expected; // kept with the change applied
    };
    const Case cases[] = {
        {"MAIN", "LANGUAGE", "CHINESE",
         [&] {
             std::string text = kept;
             text.replace(text.find("ENGLISH"), 7, "CHINESE");
             return text;
         }()},
        {"MAIN", "CH1", "TARN",
         [&] {
             std::string text = kept;
             text.insert(text.find("\\ backslash"), "CH1=TARN\r\n");
             return text;
         }()},
        {"CH1", "EXE", "/opt/tarn",
         [&] {
             std::string text = kept;
             text.insert(text.find("\r\n[CH2]"), "EXE=/opt/tarn\r\n");
             return text;
         }()},
        {"NEW", "k", "v", kept + "[NEW]\r\nk=v\r\n"},
    };
    for (const Case& c : cases) {
        ProfileFile store;
        load(store, kept);
        EXPECT_EQ(store.getString("MAIN", "noequals", "-"), "");
        EXPECT_EQ(store.getString("MAIN", "", "-"), "-") << "an empty key is no key";
        store.setString(c.section, c.key, c.value);
        ASSERT_EQ(store.save(false).status, Status::Written) << c.key;
        EXPECT_EQ(dir.read("A.ini"), c.expected) << c.key;
    }
}

TEST_F(ProfileFileTest, ModifiedFollowsTheComparisonRule) {
    ProfileFile store;
    load(store, "[MAIN]\nLANGUAGE=ENGLISH\n");
    store.setString("main", "language", "english");
    EXPECT_FALSE(store.isModified());
    EXPECT_EQ(store.getString("MAIN", "LANGUAGE", ""), "english");
    EXPECT_EQ(store.save(false).status, Status::NotModified);
    EXPECT_EQ(dir.read("A.ini"), "[MAIN]\nLANGUAGE=ENGLISH\n");

    ProfileFile exact;
    dir.write("B.ini", "[MAIN]\nLANGUAGE=ENGLISH\n");
    ASSERT_TRUE(exact.open(dir.file("B.ini"), false, false, false));
    EXPECT_EQ(exact.getString("main", "LANGUAGE", "-"), "-");
    exact.setString("MAIN", "LANGUAGE", "english");
    EXPECT_TRUE(exact.isModified());
}

TEST_F(ProfileFileTest, StaysModifiedAfterSaveAndWritesAgainOnClose) {
    {
        ProfileFile store;
        load(store, "");
        store.setString("MAIN", "k", "1");
        ASSERT_EQ(store.save(false).status, Status::Written);
        EXPECT_TRUE(store.isModified());
        dir.write("A.ini", "changed behind our back");
    }
    EXPECT_EQ(dir.read("A.ini"), "[MAIN]\r\nk=1\r\n");
}

TEST_F(ProfileFileTest, OpenMissingFileCreatesItEmpty) {
    {
        ProfileFile store;
        ASSERT_TRUE(store.open(dir.file("new.ini"), true, true, false));
        EXPECT_TRUE(dir.has("new.ini"));
    }
    EXPECT_EQ(dir.read("new.ini"), "");
}

TEST_F(ProfileFileTest, UnboundStoreAnswersDefaultsAndIgnoresSets) {
    ProfileFile store;
    EXPECT_FALSE(store.open(dir.file("no/such/dir.ini"), true, true, false));
    EXPECT_FALSE(store.open(dir.path().string(), true, true, false)); // a directory
    store.setString("MAIN", "k", "v");
    EXPECT_FALSE(store.isBound());
    EXPECT_FALSE(store.isModified());
    EXPECT_EQ(store.getString("MAIN", "k", "dflt"), "dflt");
    EXPECT_EQ(store.save(false).status, Status::NotModified);
}

TEST_F(ProfileFileTest, OpenOnABoundStoreSavesTheFirstFile) {
    ProfileFile store;
    load(store, "[A]\nx=1\n");
    store.setString("A", "x", "2");
    dir.write("B.ini", "[B]\ny=1\n");
    ASSERT_TRUE(store.open(dir.file("B.ini"), false, true, false));
    EXPECT_EQ(dir.read("A.ini"), "[A]\r\nx=2\r\n");
    EXPECT_EQ(store.getString("A", "x", "-"), "-");
    EXPECT_EQ(store.getString("B", "y", "-"), "1");
    EXPECT_FALSE(store.isModified());
}

TEST_F(ProfileFileTest, ClearUnbindsAndKeepsFlags) {
    {
        ProfileFile store;
        load(store, "[A]\nx=1\n");
        store.setString("A", "x", "2");
        store.clear();
        EXPECT_FALSE(store.isBound());
        EXPECT_FALSE(store.isModified());
        EXPECT_EQ(store.getString("A", "x", "-"), "-");
    }
    EXPECT_EQ(dir.read("A.ini"), "[A]\nx=1\n");
}

TEST_F(ProfileFileTest, EmptySectionNamesAndTheLeadingSection) {
    ProfileFile store;
    load(store, "");
    store.setString("", "k", "v"); // no section named "" yet: a new one after the leading one
    store.setString("S", "a", "1");
    ASSERT_EQ(store.save(false).status, Status::Written);
    EXPECT_EQ(dir.read("A.ini"), "[]\r\nk=v\r\n[S]\r\na=1\r\n");
}

TEST_F(ProfileFileTest, AnEmptyHeaderKeepsItsKeysThroughASave) {
    ProfileFile store;
    load(store, "a=1\r\n[]\r\nb=2\r\n[S]\r\nc=3\r\n");
    store.setString("S", "c", "4");
    ASSERT_EQ(store.save(false).status, Status::Written);
    EXPECT_EQ(dir.read("A.ini"), "a=1\r\n[]\r\nb=2\r\n[S]\r\nc=4\r\n");
    ProfileFile again;
    ASSERT_TRUE(again.open(dir.file("A.ini"), false, true, false));
    EXPECT_EQ(again.getString("", "b", "unreachable"), "unreachable")
        << "b stays in the second section named \"\", behind the leading one";
}

TEST_F(ProfileFileTest, ManySectionsGrowTheTables) {
    ProfileFile store(1);
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    load(store, text);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(store.getString("s" + std::to_string(i), "K", "-"), std::to_string(i));
}

TEST_F(ProfileFileTest, GbkTextIsNeverSplitInsideACharacter) {
    ProfileFile store(4, StdFileOps::instance(), CodePage::Gbk936);
    load(store, "[\xC3\x81]\n"
                "na\x81=me = va\x81\\lue\n"
                "\x81\\x = 1\n"
                "c = a\x81//b\n"
                "t = \xB0\xA1 \n");
    EXPECT_EQ(store.getString("\xC3\x81", "na\x81=me", "-"), "va\x81\\lue");
    EXPECT_EQ(store.getString("\xC3\xA1", "na\x81=me", "-"), "-"); // second byte does not fold
    EXPECT_EQ(store.getString("\xC3\x81", "\x81\\x", "-"), "1");
    EXPECT_EQ(store.getString("\xC3\x81", "c", "-"), "a\x81//b");
    EXPECT_EQ(store.getString("\xC3\x81", "t", "-"), "\xB0\xA1");

    ProfileFile utf8(4, StdFileOps::instance(), CodePage::Utf8);
    ASSERT_TRUE(utf8.open(dir.file("A.ini"), false, true, false));
    EXPECT_EQ(utf8.getString("\xC3\x81", "na\x81", "-"), "me = va\x81\\lue");
    EXPECT_EQ(utf8.getString("\xC3\x81", "c", "-"), "a\x81");
}

TEST(AppDirectory, TakesTheDirectoryOfArgv0OrTheCurrentOne) {
    const std::string sep(1, AppDirectory::separator);
    const AppDirectory located("top" + sep + "bin" + sep + "halcyon", "cwd");
    EXPECT_EQ(located.directory(), "top" + sep + "bin");
    EXPECT_EQ(located.pathOf("QX32_V.INI"), "top" + sep + "bin" + sep + "QX32_V.INI");
    EXPECT_EQ(AppDirectory("halcyon", "cwd").pathOf("x.ini"), "cwd" + sep + "x.ini");
    EXPECT_EQ(AppDirectory(sep + "halcyon", "cwd").pathOf("x.ini"), sep + "x.ini");
}

} // namespace
} // namespace tarn
