// Faults injected into the settings save: a kill in the middle of the write, a full disk, a file
// that is there but cannot be read. The records already on disk survive every one of them.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "content/FileOutput.h"
#include "content/SettingsFile.h"
#include "db/Gbk.h"
#include "support/Fixture.h"

namespace lumo {
namespace {

// The file size a save in a child process may write before the write fails, far below the size of
// the settings it saves.
constexpr rlim_t kWriteLimit = 4096;

Settings WithRecords(std::size_t n) {
    Settings s;
    s.familyName = Gbk("李");
    for (std::size_t i = 0; i < n; ++i)
        s.records.push_back({std::to_string(i + 1),
                             Gbk("李") + "\r\n" + Gbk("涛") + std::to_string(i), "17", "21",
                             Gbk("木水"), "8,17,10,17,1", Gbk("金金水"), "90"});
    return s;
}

std::vector<std::string> Entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SettingsFault : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(SaveSettings(file, WithRecords(3))); }

    // Saves 2,000 records in a child process whose file size limit stops the write after 4 KiB.
    // With `killed` the limit's signal ends the child mid-write, as a kill would; otherwise the
    // write fails with EFBIG, as on a full disk. Answers the child's wait status.
    int SaveInChild(bool killed) {
        pid_t pid = fork();
        if (pid == 0) {
            if (!killed) signal(SIGXFSZ, SIG_IGN);
            rlimit limit{kWriteLimit, kWriteLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(SaveSettings(file, WithRecords(2000)) ? 0 : 3);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return status;
    }

    test::TempDir dir{"lumo-settings-fault"};
    std::filesystem::path file = dir.path() / "config.dat";
};

TEST_F(SettingsFault, AKillDuringTheSaveKeepsTheRecordsAndTheNextSaveClearsItsLeftovers) {
    int status = SaveInChild(true);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(LoadSettings(file).records.size(), 3u);
    std::vector<std::string> left = Entries(dir.path());
    ASSERT_EQ(left.size(), 2u);  // config.dat and the killed save's temporary file
    EXPECT_EQ(left[1].rfind("config.dat.tmp", 0), 0u);

    // Files of other names stay, whatever they look like.
    for (const char* other : {"config.dat.tmp12x", "config.dat.tmp", "other.dat.tmp1"})
        std::ofstream(dir.path() / other) << "x";
    ASSERT_TRUE(SaveSettings(file, WithRecords(4)));
    EXPECT_EQ(LoadSettings(file).records.size(), 4u);
    EXPECT_EQ(Entries(dir.path()),
              (std::vector<std::string>{"config.dat", "config.dat.tmp", "config.dat.tmp12x",
                                        "other.dat.tmp1"}));
}

TEST_F(SettingsFault, AFullDiskFailsTheSaveAndLeavesNothingBehind) {
    int status = SaveInChild(false);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);  // the save answered false
    EXPECT_EQ(LoadSettings(file).records.size(), 3u);
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"config.dat"});
}

TEST_F(SettingsFault, AFileThatCannotBeReadIsReportedAndNeverReplaced) {
    // Reading /proc/self/mem from its start fails with an I/O error, for root as well.
    std::filesystem::path broken = dir.path() / "broken" / "config.dat";
    std::filesystem::create_directories(broken.parent_path());
    std::filesystem::create_symlink("/proc/self/mem", broken);
    std::vector<std::filesystem::path> unreadable = {broken};
    // A file without read permission stops only those who are not root.
    if (geteuid() != 0) {
        chmod(file.c_str(), 0);
        unreadable.push_back(file);
    }
    for (const auto& path : unreadable) {
        SCOPED_TRACE(path.string());
        bool failed = false;
        Settings s = LoadSettings(path, &failed);
        EXPECT_TRUE(failed);
        EXPECT_TRUE(s.records.empty());
        EXPECT_FALSE(SaveSettings(path, WithRecords(1)));
    }
    EXPECT_TRUE(std::filesystem::is_symlink(broken));  // not replaced by a new file
    EXPECT_EQ(Entries(broken.parent_path()), std::vector<std::string>{"config.dat"});
    chmod(file.c_str(), 0644);
    EXPECT_EQ(LoadSettings(file).records.size(), 3u);

    bool failed = true;
    LoadSettings(dir.path() / "missing.dat", &failed);
    EXPECT_FALSE(failed);  // a missing file is no failure: there is nothing to lose
    EXPECT_NE(GbkToUtf8(UnreadableSettingsMessage(broken)).find(broken.string()),
              std::string::npos);
}

}  // namespace
}  // namespace lumo
