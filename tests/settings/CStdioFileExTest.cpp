#include "ui/CStdioFileEx.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "TestFiles.h"

namespace vexmo {
namespace {

using test::markedUtf16;
using test::readBytes;
using test::TempDir;
using test::utf16le;
using test::writeBytes;

// Every line ReadString returns until it reports the end.
std::vector<Text> readAll(const std::string& path, unsigned flags = CStdioFileEx::kReadFlags) {
    CStdioFileEx file;
    EXPECT_TRUE(file.Open(path, flags));
    std::vector<Text> lines;
    Text line;
    while (file.ReadString(line))
        lines.push_back(line);
    EXPECT_TRUE(line.empty());
    return lines;
}

bool writeAll(const std::string& path, const std::vector<Text>& texts) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kCreateFlags)) return false;
    for (const Text& t : texts)
        file.WriteString(t);
    return file.Close();
}

std::vector<std::string> folderEntries(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CStdioFileEx, WritesTheMarkOnceThenUtf16LittleEndian) {
    TempDir tmp;
    const auto path = tmp.file("a.txt");
    ASSERT_TRUE(writeAll(path, {u"ab\n", u"\u4E2D\n"}));
    EXPECT_EQ(readBytes(path), std::string("\xFF\xFE"
                                           "a\0b\0\n\0\x2D\x4E\n\0",
                                           12));
}

TEST(CStdioFileEx, RoundTripKeepsLinesAndBlankLinesReadAsLineFeed) {
    TempDir tmp;
    const auto path = tmp.file("a.txt");
    ASSERT_TRUE(writeAll(path, {u"[Setting]\n", u"\n", u"Key=\u4E2D\u6587 \U0001F600\n", u"x\n"}));
    EXPECT_EQ(readAll(path),
              (std::vector<Text>{u"[Setting]", u"\n", u"Key=\u4E2D\u6587 \U0001F600", u"x"}));
}

TEST(CStdioFileEx, ReadsLinesOfAnyLengthWhole) {
    TempDir tmp;
    const auto path = tmp.file("long.txt");
    for (size_t length : {1u, 127u, 128u, 129u, 255u, 256u, 257u, 1600u, 5000u}) {
        Text body(length, u'7');
        body[length - 1] = u'E';
        writeBytes(path, markedUtf16(toUtf8(body) + "\nnext\n"));
        EXPECT_EQ(readAll(path), (std::vector<Text>{body, u"next"})) << length;
    }
}

TEST(CStdioFileEx, LastLineWithoutLineFeedIsReturned) {
    TempDir tmp;
    const auto path = tmp.file("a.txt");
    writeBytes(path, markedUtf16("one\ntwo"));
    CStdioFileEx file;
    ASSERT_TRUE(file.Open(path, CStdioFileEx::kReadFlags));
    Text line;
    EXPECT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, u"one");
    EXPECT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, u"two");
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(line, u"");
}

TEST(CStdioFileEx, UnicodeReadingCases) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<Text> lines;
    };
    const Case cases[] = {
        {"first two bytes skipped even without a mark", utf16le("abc\nd\n"), {u"bc", u"d"}},
        {"carriage return kept", markedUtf16("a\r\nb\r\n"), {u"a\r", u"b\r"}},
        {"only a mark", "\xFF\xFE", {}},
        {"empty file", "", {}},
        {"dangling odd byte ignored", markedUtf16("ab") + "c", {u"ab"}},
        {"blank lines in a row", markedUtf16("\n\n\nz"), {u"\n", u"\n", u"\n", u"z"}},
    };
    TempDir tmp;
    for (const Case& c : cases) {
        const auto path = tmp.file("c.txt");
        writeBytes(path, c.bytes);
        EXPECT_EQ(readAll(path), c.lines) << c.name;
    }
}

TEST(CStdioFileEx, ReadModeNeverCreatesAndRejectsFolders) {
    TempDir tmp;
    CStdioFileEx file;
    EXPECT_FALSE(file.Open(tmp.file("missing.txt"), CStdioFileEx::kReadFlags));
    EXPECT_FALSE(std::filesystem::exists(tmp.file("missing.txt")));
    EXPECT_FALSE(file.Open(tmp.dir(), CStdioFileEx::kReadFlags));
    Text line = u"stale";
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(line, u"");
}

// The read flags ask for read-write access; a file the user cannot write must still be read.
TEST(CStdioFileEx, ReadsAReadOnlyFile) {
    TempDir tmp;
    const auto path = tmp.file("ro.txt");
    writeBytes(path, markedUtf16("[Setting]\n"));
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    auto readsHeader = [&] {
        CStdioFileEx file;
        Text line;
        return file.Open(path, CStdioFileEx::kReadFlags) && file.ReadString(line) &&
               line == u"[Setting]";
    };
    if (geteuid() != 0) {
        EXPECT_TRUE(readsHeader());
        return;
    }
    // As root every file is writable; check as an unprivileged user in a child process.
    ASSERT_EQ(chmod(tmp.dir().c_str(), 0755), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        _exit(readsHeader() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(CStdioFileEx, PlainTextModeDetectsTheMark) {
    TempDir tmp;
    const auto path = tmp.file("p.txt");
    const unsigned plainRead = CStdioFileEx::kTypeText | CStdioFileEx::kModeRead;

    writeBytes(path, markedUtf16("wide\r\nline\n"));
    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, plainRead));
        EXPECT_TRUE(file.isUnicode());
    }
    EXPECT_EQ(readAll(path, plainRead), (std::vector<Text>{u"wide\r", u"line"}));

    // Without a mark the bytes are UTF-8; a carriage return plus line feed is removed, a lone line
    // feed stays with the line, and a blank line reads as a line feed, not as the end.
    writeBytes(path, "caf\xC3\xA9\r\nnext\n\r\nend");
    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, plainRead));
        EXPECT_FALSE(file.isUnicode());
    }
    EXPECT_EQ(readAll(path, plainRead),
              (std::vector<Text>{u"caf\u00E9", u"next\n", u"\n", u"end"}));
}

TEST(CStdioFileEx, PlainTextModeWritesUtf8WithoutMark) {
    TempDir tmp;
    const auto path = tmp.file("p.txt");
    CStdioFileEx file;
    ASSERT_TRUE(file.Open(
        path, CStdioFileEx::kTypeText | CStdioFileEx::kModeCreate | CStdioFileEx::kModeWrite));
    EXPECT_FALSE(file.isUnicode());
    EXPECT_TRUE(file.WriteString(u"\u4E2D\n"));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(readBytes(path), "\xE4\xB8\xAD\n");
}

TEST(CStdioFileEx, ReplaceKeepsPermissionsAndLeavesNoTemporaryFile) {
    TempDir tmp;
    const auto path = tmp.file("config.ini");
    writeBytes(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);

    CStdioFileEx file;
    ASSERT_TRUE(file.Open(path, CStdioFileEx::kCreateFlags));
    ASSERT_TRUE(file.WriteString(u"new\n"));
    EXPECT_EQ(readBytes(path), "old");  // nothing visible before the commit
    EXPECT_TRUE(file.Close());

    EXPECT_EQ(readBytes(path), markedUtf16("new\n"));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(folderEntries(tmp.dir()), std::vector<std::string>{"config.ini"});
}

TEST(CStdioFileEx, DestructorCommitsAnUnclosedWrite) {
    TempDir tmp;
    const auto path = tmp.file("a.txt");
    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::kCreateFlags));
        file.WriteString(u"x");
    }
    EXPECT_EQ(readBytes(path), markedUtf16("x"));
}

TEST(CStdioFileEx, WritingThroughALinkReplacesTheLinkedFile) {
    TempDir tmp;
    const auto real = tmp.file("real.ini");
    const auto link = tmp.file("link.ini");
    writeBytes(real, "old");
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(writeAll(link, {u"n"}));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), markedUtf16("n"));
}

TEST(CStdioFileEx, MissingFolderFailsToOpenForWriting) {
    TempDir tmp;
    const auto path = tmp.file("no/such/folder/a.txt");
    CStdioFileEx file;
    EXPECT_FALSE(file.Open(path, CStdioFileEx::kCreateFlags));
    EXPECT_FALSE(file.WriteString(u"x"));
    EXPECT_FALSE(file.Close());
    EXPECT_FALSE(std::filesystem::exists(path));
}

// A write that fails part-way (the file size limit here, as a full disk would) keeps the old
// bytes, removes the temporary file and makes Close() report it; the destructor does not commit.
TEST(CStdioFileEx, FailedWriteLeavesTheOldFileIntact) {
    TempDir tmp;
    const auto path = tmp.file("profile.psf");
    writeBytes(path, "old bytes");
    const Text big(20000, u'A');

    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* previous = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool closed = true;
    {
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::kCreateFlags));
        file.WriteString(big);
        closed = file.Close();
    }
    {
        CStdioFileEx file;  // destroyed without Close() after its write failed
        ASSERT_TRUE(file.Open(path, CStdioFileEx::kCreateFlags));
        EXPECT_FALSE(file.WriteString(big) && file.WriteString(big));
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);

    EXPECT_FALSE(closed);
    EXPECT_EQ(readBytes(path), "old bytes");
    EXPECT_EQ(folderEntries(tmp.dir()), std::vector<std::string>{"profile.psf"});
}

}  // namespace
}  // namespace vexmo
