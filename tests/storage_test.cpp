// Profile files on real files in a fresh temporary directory.
#include "storage/inifile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kelvora-ini-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "test.ini").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }
    void Put(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    std::string Get() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path dir_;
    std::string path_;
};

using Keys = std::vector<std::string>;

TEST_F(ProfileFile, MissingFileReadsEmptyAndFirstWriteMakesExactlyTwoLines) {
    TIniFile ini(path_);
    EXPECT_TRUE(ini.ListKeys("S").empty());
    EXPECT_EQ(ini.ReadEntry("S", "k", "dflt"), "dflt");
    EXPECT_FALSE(ProfileFileExists(path_));
    ini.WriteEntry("S", "k", "v");
    EXPECT_TRUE(ProfileFileExists(path_));
    EXPECT_EQ(Get(), "[S]\r\nk=v\r\n");
}

TEST_F(ProfileFile, RewriteReplacesInPlaceAndNewKeysAppendInOrder) {
    TIniFile ini(path_);
    ini.WriteEntry("S", "A", "1");
    ini.WriteEntry("S", "B", "2");
    ini.WriteEntry("S", "A", "3");
    EXPECT_EQ(Get(), "[S]\r\nA=3\r\nB=2\r\n");
    EXPECT_EQ(ini.ListKeys("S"), (Keys{"A", "B"}));
}

TEST_F(ProfileFile, EmptyValueIsWrittenAsKeyAndEqualsAndListed) {
    TIniFile ini(path_);
    ini.WriteEntry("Layer1", "News (Live)", "");
    ini.WriteEntry("Layer1", "Movies", "");
    EXPECT_EQ(Get(), "[Layer1]\r\nNews (Live)=\r\nMovies=\r\n");
    EXPECT_EQ(ini.ListKeys("layer1"), (Keys{"News (Live)", "Movies"}));
    EXPECT_EQ(ini.ReadEntry("Layer1", "Movies", "x"), "");
}

TEST_F(ProfileFile, LetterCaseOfSectionsAndKeysIsIgnored) {
    Put("[vizid ads]\r\nwatch tv=http://a\r\n");
    TIniFile ini(path_);
    EXPECT_EQ(ini.ListKeys("VizID ADS"), (Keys{"watch tv"}));
    EXPECT_EQ(ini.ReadEntry("VIZID ADS", "Watch TV", ""), "http://a");
    ini.WriteEntry("VizID ADS", "WATCH TV", "http://b");
    EXPECT_EQ(Get(), "[vizid ads]\r\nwatch tv=http://b\r\n");
}

// How hand-made files read: one row per case, on the file as written.
struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    Keys keys;
    const char* key;
    std::string value;  // expected ReadEntry with default "<d>"
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class HandMadeFiles : public ProfileFile, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(HandMadeFiles, ReadAsWindowsReadsThem) {
    const ReadCase& c = GetParam();
    Put(c.file);
    TIniFile ini(path_);
    EXPECT_EQ(ini.ListKeys(c.section), c.keys);
    EXPECT_EQ(ini.ReadEntry(c.section, c.key, "<d>"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HandMadeFiles,
    ::testing::Values(
        ReadCase{"EmptyFile", "", "S", {}, "a", "<d>"},
        ReadCase{"NoHeader", "a=1\r\nb=2\r\n", "S", {}, "a", "<d>"},
        ReadCase{"DoubleQuotes", "[S]\r\na=\"x y\"\r\n", "S", {"a"}, "a", "x y"},
        ReadCase{"SingleQuotes", "[S]\r\na='x'\r\n", "S", {"a"}, "a", "x"},
        ReadCase{"QuoteAtOneEndOnly", "[S]\r\na=\"x\r\n", "S", {"a"}, "a", "\"x"},
        ReadCase{"MixedQuotes", "[S]\r\na=\"x'\r\n", "S", {"a"}, "a", "\"x'"},
        ReadCase{"BlanksTrimmed", "[ S \t]\r\n  a \t=  x y  \r\n", "S", {"a"}, "a", "x y"},
        ReadCase{"BlankLinesAndComments", "\r\n[S]\r\n\r\n; a=1\r\n  ;b=2\r\nc=3\r\n", "S", {"c"}, "a", "<d>"},
        ReadCase{"LineWithoutEquals", "[S]\r\njunk\r\na=1\r\n", "S", {"a"}, "junk", "<d>"},
        ReadCase{"TextAfterHeaderIgnored", "[S] trailing\r\na=1\r\n", "S", {"a"}, "a", "1"},
        ReadCase{"LfOnly", "[S]\na=1\nb=2\n", "S", {"a", "b"}, "b", "2"},
        ReadCase{"CrOnly", "[S]\ra=1\rb=2", "S", {"a", "b"}, "b", "2"},
        ReadCase{"MixedLineEnds", "[T]\r\nz=0\n[S]\ra=1\r\nb=2\n", "S", {"a", "b"}, "a", "1"},
        ReadCase{"NulEndsValue", std::string("[S]\r\na=12\0" "34\r\n", 14), "S", {"a"}, "a", "12"},
        ReadCase{"NulEndsKey", std::string("[S]\r\nab\0cd=1\r\n", 14), "S", {"ab"}, "ab", "1"},
        ReadCase{"DuplicateKeyFirstWins", "[S]\r\na=1\r\nb=2\r\nA=3\r\n", "S", {"a", "b", "A"}, "a", "1"},
        ReadCase{"DuplicateSectionFirstWins", "[S]\r\na=1\r\n[T]\r\n[s]\r\nb=2\r\n", "S", {"a"}, "b", "<d>"},
        ReadCase{"EntriesBeforeFirstHeader", "a=0\r\n[S]\r\nb=1\r\n", "S", {"b"}, "a", "<d>"},
        ReadCase{"Utf8ByteOrderMark", "\xEF\xBB\xBF[S]\r\na=1\r\n", "S", {"a"}, "a", "1"},
        ReadCase{"ValueKeepsInnerEquals", "[S]\r\na=b=c\r\n", "S", {"a"}, "a", "b=c"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileFile, LongValueIsCutAtTheReadLimit) {
    const std::string longValue(3000, 'v');
    TIniFile ini(path_);
    ini.WriteEntry("S", "k", longValue);
    EXPECT_EQ(ini.ReadEntry("S", "k", ""), longValue.substr(0, 2047));
}

TEST_F(ProfileFile, ListingStopsAtTheBufferLimitWithTheLastNameCutShort) {
    // 16 names of 1023 bytes take 16 * 1024 = 16384 bytes with their NULs,
    // one more than fits once the closing NUL is counted.
    std::string file = "[S]\r\n";
    Keys names;
    for (int i = 0; i < 16; ++i) {
        std::string name(1023, char('a' + i));
        names.push_back(name);
        file += name + "=" + std::to_string(i) + "\r\n";
    }
    Put(file);
    TIniFile ini(path_);
    const Keys listed = ini.ListKeys("S");
    ASSERT_EQ(listed.size(), 16u);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(listed[i], names[i]);
    EXPECT_EQ(listed[15], names[15].substr(0, 1022));  // 16384 - 2 - 15 * 1024
    // Reading the cut name looks up the shorter name, which is not there.
    EXPECT_EQ(ini.ReadEntry("S", listed[15], "<d>"), "<d>");

    // One byte less and everything fits.
    names[15].pop_back();
    file = "[S]\r\n";
    for (const auto& n : names) file += n + "=\r\n";
    Put(file);
    EXPECT_EQ(ini.ListKeys("S"), names);
}

TEST_F(ProfileFile, WritesKeepEveryOtherByteOfAHandMadeFile) {
    const std::string before =
        "; catalogue\n[Layer1]\n  Movies = old  \n\n[Other]\nx=1\n[Layer2]\nA=Movies";
    Put(before);
    TIniFile ini(path_);
    ini.WriteEntry("Layer1", "movies", "new");
    EXPECT_EQ(Get(), "; catalogue\n[Layer1]\n  Movies =new\n\n[Other]\nx=1\n[Layer2]\nA=Movies");
    ini.WriteEntry("Layer1", "Music", "");
    EXPECT_EQ(Get(), "; catalogue\n[Layer1]\n  Movies =new\nMusic=\r\n\n[Other]\nx=1\n[Layer2]\nA=Movies");
    ini.WriteEntry("Layer2", "B", "Music");  // last line had no line break
    EXPECT_EQ(Get(),
              "; catalogue\n[Layer1]\n  Movies =new\nMusic=\r\n\n[Other]\nx=1\n[Layer2]\nA=Movies\r\nB=Music\r\n");
    ini.WriteEntry("New", "k", "v");
    EXPECT_EQ(Get().substr(Get().size() - 12), "[New]\r\nk=v\r\n");
    EXPECT_EQ(ini.ListKeys("Layer1"), (Keys{"Movies", "Music"}));
}

TEST_F(ProfileFile, ChangesByOthersAreSeenByTheNextOperation) {
    TIniFile ini(path_);
    ini.WriteEntry("S", "a", "1");
    Put("[S]\r\nb=2\r\n");
    EXPECT_EQ(ini.ListKeys("S"), (Keys{"b"}));
    EXPECT_EQ(ini.ReadEntry("S", "b", ""), "2");
}

TEST_F(ProfileFile, WriteFailuresRaiseTheWriteErrorWithThePathAndLeaveNoDamage) {
    // A missing directory.
    const std::string inMissingDir = (dir_ / "nowhere" / "TvAds.ini").string();
    try {
        TIniFile(inMissingDir).WriteEntry("S", "k", "v");
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_STREQ(e.what(), ("Unable to write to " + inMissingDir).c_str());
    }
    EXPECT_FALSE(fs::exists(dir_ / "nowhere"));

    // A directory standing at the path.
    fs::create_directory(path_);
    EXPECT_FALSE(ProfileFileExists(path_));
    EXPECT_THROW(TIniFile(path_).WriteEntry("S", "k", "v"), EIniFileException);
    EXPECT_TRUE(fs::is_directory(path_));
    fs::remove(path_);

    // Nothing is left behind beside the file either.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 0);
}

TEST_F(ProfileFile, ReadOnlyDirectoryLeavesTheOldFileUntouched) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere; the test script runs this case as nobody";
    Put("[S]\r\nk=old\r\n");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(TIniFile(path_).WriteEntry("S", "k", "new"), EIniFileException);
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(Get(), "[S]\r\nk=old\r\n");
}

TEST_F(ProfileFile, WriteKeepsPermissionsAndNeverFollowsALink) {
    Put("[S]\r\nk=1\r\n");
    ::chmod(path_.c_str(), 0640);
    TIniFile(path_).WriteEntry("S", "k", "2");
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    const fs::path target = dir_ / "elsewhere.ini";
    std::ofstream(target, std::ios::binary) << "[S]\r\nk=keep\r\n";
    const fs::path link = dir_ / "TvAds.ini";
    fs::create_symlink(target, link);
    EXPECT_THROW(TIniFile(link.string()).WriteEntry("S", "k", "evil"), EIniFileException);
    const fs::path dangling = dir_ / "dangling.ini";
    fs::create_symlink(dir_ / "would-be-created.ini", dangling);
    EXPECT_THROW(TIniFile(dangling.string()).WriteEntry("S", "k", "v"), EIniFileException);
    EXPECT_FALSE(fs::exists(dir_ / "would-be-created.ini"));
    std::ifstream in(target, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[S]\r\nk=keep\r\n");
}

TEST_F(ProfileFile, RefusesWhatWouldNotReadBackAndWritesNothing) {
    struct Bad { std::string section, key, value; };
    const Bad cases[] = {
        {"S", "k", "a\r\nb=c"}, {"S", "k", "a\nb"}, {"S", "k", std::string("a\0b", 3)},
        {"S", "a=b", "v"},      {"S", "[x]", "v"},  {"S", ";x", "v"},
        {"S", "", "v"},         {"S", " k", "v"},   {"S]", "k", "v"},
        {"S\r\n[T", "k", "v"},  {"S", "k\n", "v"},
    };
    for (const auto& c : cases) {
        try {
            TIniFile(path_).WriteEntry(c.section, c.key, c.value);
            ADD_FAILURE() << "accepted key '" << c.key << "'";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Unable to write to " + path_ + ": ", 0), 0u) << e.what();
        }
    }
    EXPECT_FALSE(fs::exists(path_));
}

}  // namespace
