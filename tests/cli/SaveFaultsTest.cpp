// Saving with --output when the disk says no: a read-only folder, a full file
// system, a device that takes no data, and a file that is already there.
// Whatever fails, orbenza-cli prints why, exits with 2, leaves no partial or
// temporary file behind and does not touch a file that was there before.
// Each case runs for the single chart and for the batch.
//
// The tests run as root in CI, where permission bits stop nothing. So a
// read-only folder is a small tmpfs remounted read-only, and a full file
// system a 64 KiB tmpfs filled to the last block, whenever mount(2) is
// allowed; a user without that right gets a folder with mode 0555 instead
// (and the full file system test is skipped, saying why). A device full of
// data is a private node made like /dev/full (character device 1,7) for root,
// and /dev/full itself for anybody else, so a faulty save can never replace
// the system's own node.
#include "CliRunner.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace orbenza {
namespace {

namespace fs = std::filesystem;
using testing::readWhole;
using testing::runCli;

const std::vector<std::string> kChart{"--name", "ANNA",   "--date",   "1985-06-15", "--time",
                                      "14:30",  "--zone", "34",       "--lon",      "77:13E",
                                      "--lat",  "28:39N", "--format", "json"};

const std::string kBatchInput = "name,date,time,zone,lon,lat,dst\n"
                                "ANNA,1985-06-15,14:30,34,77:13E,28:39N,\n"
                                "BEN,1970-01-01,00:00,29,0:00E,51:28N,yes\n";

constexpr std::string_view kOldContent = "the chart saved yesterday\n";

// A temporary folder, removed with everything in it (and anything mounted on
// it) at the end of the test.
class ScratchFolder {
public:
    ScratchFolder() {
        char pattern[] = "/tmp/orbenza-save-faults-XXXXXX";
        if (::mkdtemp(pattern) != nullptr)
            m_path = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        if (m_path.empty())
            return;
        if (m_mounted)
            ::umount2(m_path.c_str(), MNT_DETACH);
        ::chmod(m_path.c_str(), 0700);
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    bool valid() const { return !m_path.empty(); }
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

    // A tmpfs of the given size on the folder; false when mounting is not
    // allowed (not root, or a container without the right).
    bool mountTmpfs(const std::string& size) {
        if (::geteuid() != 0)
            return false;
        const std::string options = "size=" + size + ",mode=0755";
        m_mounted = ::mount("tmpfs", m_path.c_str(), "tmpfs", 0, options.c_str()) == 0;
        return m_mounted;
    }
    bool remountReadOnly() {
        return ::mount("tmpfs", m_path.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    // Every name in the folder.
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(m_path))
            found.insert(entry.path().filename().string());
        return found;
    }

private:
    std::string m_path;
    bool m_mounted = false;
};

void writeFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

// Writes a file of 4 KiB blocks until the file system has no room left.
bool fillFileSystem(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const std::string block(4096, 'x');
    bool full = false;
    for (int i = 0; i < 100000 && !full; ++i) {
        const ssize_t written = ::write(fd, block.data(), block.size());
        full = written < 0 && errno == ENOSPC;
        if (written < 0 && !full)
            break;
    }
    // A last partial block can leave a few bytes; use them up too.
    while (full && ::write(fd, "x", 1) == 1) {
    }
    ::close(fd);
    return full;
}

enum class Command { Chart, Batch };

void PrintTo(Command command, std::ostream* out) {
    *out << (command == Command::Chart ? "the single chart" : "the batch");
}

std::string commandName(const ::testing::TestParamInfo<Command>& info) {
    return info.param == Command::Chart ? "Chart" : "Batch";
}

class SaveFaults : public ::testing::TestWithParam<Command> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_inputFolder.valid());
        m_input = m_inputFolder.file("births.csv");
        writeFile(m_input, kBatchInput);
    }

    // The command line that saves into path.
    std::vector<std::string> savingTo(const std::string& path) const {
        std::vector<std::string> args;
        if (GetParam() == Command::Chart)
            args = kChart;
        else
            args = {"--batch", m_input};
        args.push_back("--output");
        args.push_back(path);
        return args;
    }

    // What the command writes to standard output: what a save must hold.
    std::string document() const {
        std::vector<std::string> args = savingTo("");
        args.resize(args.size() - 2);
        const auto run = runCli(args);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }

    // The run failed as a failed save must: status 2, one line naming the
    // file and the reason, nothing on standard output.
    static void expectSaveError(const testing::CliRun& run, const std::string& path,
                                const std::string& reason) {
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find("cannot write " + path), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos)
            << "expected the reason \"" << reason << "\" in: " << run.err;
    }

    ScratchFolder m_inputFolder;
    std::string m_input;
};

TEST_P(SaveFaults, ReadOnlyFolderKeepsTheOldFileAndGetsNoNewOne) {
    ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    const std::string existing = folder.file("chart.out");
    const std::string fresh = folder.file("new.out");
    std::string reason;
    if (folder.mountTmpfs("64k")) {
        writeFile(existing, kOldContent);
        ASSERT_TRUE(folder.remountReadOnly()) << std::strerror(errno);
        reason = std::strerror(EROFS);
        RecordProperty("readOnlyBy", "tmpfs remounted read-only");
    } else if (::geteuid() != 0) {
        writeFile(existing, kOldContent);
        ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
        if (::access(folder.path().c_str(), W_OK) == 0)
            GTEST_SKIP() << "mode 0555 does not stop this user from writing";
        reason = std::strerror(EACCES);
        RecordProperty("readOnlyBy", "folder mode 0555");
    } else {
        GTEST_SKIP() << "running as root without the right to mount: no way to make a folder "
                        "read-only here (see ParentIsARegularFile for the refusal path)";
    }

    const auto over = runCli(savingTo(existing));
    expectSaveError(over, existing, reason);
    EXPECT_EQ(readWhole(existing), kOldContent);
    const auto next = runCli(savingTo(fresh));
    expectSaveError(next, fresh, reason);
    EXPECT_EQ(folder.names(), std::set<std::string>{"chart.out"});
}

TEST_P(SaveFaults, ParentIsARegularFile) {
    // Works for every user: no folder can be made below a regular file.
    ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    const std::string notAFolder = folder.file("plain-file");
    writeFile(notAFolder, kOldContent);
    const std::string path = notAFolder + "/chart.out";
    const auto run = runCli(savingTo(path));
    expectSaveError(run, path, std::strerror(ENOTDIR));
    EXPECT_EQ(readWhole(notAFolder), kOldContent);
    EXPECT_EQ(folder.names(), std::set<std::string>{"plain-file"});
}

TEST_P(SaveFaults, FullFileSystemKeepsTheOldFileAndLeavesNoPart) {
    ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    if (!folder.mountTmpfs("64k"))
        GTEST_SKIP() << "mounting a small tmpfs needs root and the right to mount; "
                        "DeviceWithoutRoom covers the write error instead";
    const std::string existing = folder.file("chart.out");
    writeFile(existing, kOldContent);
    ASSERT_TRUE(fillFileSystem(folder.file("filler"))) << "the 64 KiB tmpfs never filled up";

    const auto over = runCli(savingTo(existing));
    expectSaveError(over, existing, std::strerror(ENOSPC));
    EXPECT_EQ(readWhole(existing), kOldContent);
    const auto next = runCli(savingTo(folder.file("new.out")));
    expectSaveError(next, folder.file("new.out"), std::strerror(ENOSPC));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"chart.out", "filler"}));
}

TEST_P(SaveFaults, DeviceWithoutRoomIsWrittenNotReplaced) {
    ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    std::string device = "/dev/full";
    if (::geteuid() == 0) {
        // Root could replace the system's node if saving went wrong: use a
        // private one.
        device = folder.file("full");
        if (::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) != 0)
            GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
    }
    const int fd = ::open(device.c_str(), O_WRONLY);
    if (fd < 0)
        GTEST_SKIP() << "cannot open " << device << ": " << std::strerror(errno);
    const bool refuses = ::write(fd, "x", 1) < 0 && errno == ENOSPC;
    ::close(fd);
    if (!refuses)
        GTEST_SKIP() << device << " does not behave as /dev/full";

    const auto run = runCli(savingTo(device));
    expectSaveError(run, device, std::strerror(ENOSPC));
    struct stat after {};
    ASSERT_EQ(::stat(device.c_str(), &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode)) << device << " is no longer a device";
    if (::geteuid() == 0) {
        EXPECT_EQ(folder.names(), std::set<std::string>{"full"});
    }
}

TEST_P(SaveFaults, ExistingFileIsReplacedWholeAndKeepsItsMode) {
    ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    const std::string existing = folder.file("chart.out");
    writeFile(existing, kOldContent);
    ASSERT_EQ(::chmod(existing.c_str(), 0640), 0);

    const auto run = runCli(savingTo(existing));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(readWhole(existing), document());
    struct stat after {};
    ASSERT_EQ(::stat(existing.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.names(), std::set<std::string>{"chart.out"});
}

INSTANTIATE_TEST_SUITE_P(Output, SaveFaults, ::testing::Values(Command::Chart, Command::Batch),
                         commandName);

} // namespace
} // namespace orbenza
