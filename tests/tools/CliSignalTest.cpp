#include "data/SinFile.h"
#include "link/RadioTransfer.h"
#include "tests/support/TempDir.h"
#include "tools/virtual-radio/VirtualRadioProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tarn {
namespace {

namespace fs = std::filesystem;

// tarn-cli run as a user runs it, its stderr read line by line, so a signal can be sent
// at a moment the output marks rather than after some time.
class CliProcess {
public:
    CliProcess(const fs::path& folder, const std::vector<std::string>& args) {
        int err[2];
        if (::pipe(err) != 0)
            throw std::runtime_error("pipe failed");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
        posix_spawn_file_actions_addclose(&actions, err[0]);
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        std::vector<std::string> all = {TARN_CLI};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : all)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const std::string data = "XDG_DATA_HOME=" + (folder / "data").string();
        std::vector<std::string> env = {data};
        for (char** e = environ; *e != nullptr; ++e)
            if (!std::string_view(*e).starts_with("XDG_DATA_HOME="))
                env.emplace_back(*e);
        std::vector<char*> envp;
        for (std::string& entry : env)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        const int spawned =
            ::posix_spawn(&m_pid, TARN_CLI, &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        ::close(err[1]);
        m_err = err[0];
        if (spawned != 0)
            throw std::runtime_error("cannot start tarn-cli");
    }
    ~CliProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            (void)wait();
        }
        ::close(m_err);
    }
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // Reads stderr up to the first line holding text; false at its end.
    bool waitFor(const std::string& text) {
        std::string line;
        char c = 0;
        while (::read(m_err, &c, 1) == 1) {
            m_output += c;
            if (c != '\n') {
                line += c;
                continue;
            }
            if (line.find(text) != std::string::npos)
                return true;
            line.clear();
        }
        return false;
    }
    void signal(int number) const { ::kill(m_pid, number); }
    // The exit status; 128 + the signal for a killed process.
    int wait() {
        (void)waitFor("\x01never");
        int status = 0;
        (void)::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    [[nodiscard]] const std::string& output() const { return m_output; }

private:
    pid_t m_pid = -1;
    int m_err = -1;
    std::string m_output;
};

bool exclusiveFlagSet(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    int flag = 0;
    const bool set = fd >= 0 && ::ioctl(fd, TIOCGEXCL, &flag) == 0 && flag != 0;
    if (fd >= 0)
        ::close(fd);
    return set;
}

class CliSignalTest : public ::testing::Test {
protected:
    void SetUp() override {
        RadioImage image = RadioImage::newDocument();
        for (std::size_t i = 0; i < RadioImage::ChannelAreaEnd; ++i)
            image[i] = static_cast<std::uint8_t>(i * 13 + 1);
        SinFile::store(dir / "in.sin", image);
    }
    [[nodiscard]] std::size_t backups() const {
        const fs::path folder = dir / "data" / "tarn" / "backups";
        if (!fs::exists(folder))
            return 0;
        // The backups, not the records beside them.
        return static_cast<std::size_t>(std::count_if(
            fs::directory_iterator(folder), fs::directory_iterator(),
            [](const fs::directory_entry& e) { return e.path().extension() == ".sin"; }));
    }
    // The port is free at once: nothing is left on the device for the dead process to clear.
    void expectAnImmediateSecondRun(const std::string& device, const std::string& when) {
        EXPECT_FALSE(exclusiveFlagSet(device)) << when;
        CliProcess again(dir.path(), {"write", "--port", device, dir.file("in.sin")});
        EXPECT_EQ(again.wait(), 0) << when << "\n" << again.output();
    }

    test::TempDir dir;
};

TEST_F(CliSignalTest, TermAndHangUpEndATransferAsCtrlCDoes) {
    struct Case {
        const char* verb;
        int signal;
        const char* moment; // the stderr line after which the signal comes
        bool radioAnswers;  // a silent radio keeps a write in its wake-up, whenever the signal
        int status;
        bool partlyWritten;
    };
    const Case cases[] = {
        {"read", SIGTERM, RadioTransfer::DetectingText, true, 5, false},
        {"read", SIGHUP, "Reading 30%", true, 5, false},
        {"write", SIGHUP, RadioTransfer::DetectingText, false, 5, false},
        {"write", SIGTERM, "Writing 10%", true, 4, true},
        {"write", SIGHUP, "Writing 70%", true, 4, true},
    };
    for (const Case& c : cases) {
        const std::string when = std::string(c.verb) + " signal " + std::to_string(c.signal) +
                                 " after \"" + c.moment + "\"";
        const VirtualRadioProcess radio(
            TARN_VIRTUAL_RADIO, c.radioAnswers ? std::vector<std::string>{}
                                               : std::vector<std::string>{"--fault", "never"});
        const std::size_t backupsBefore = backups();
        const std::string file = dir.file(std::string(c.verb) == "read" ? "out.sin" : "in.sin");
        CliProcess cli(dir.path(), {c.verb, "--port", radio.devicePath(), file});
        ASSERT_TRUE(cli.waitFor(c.moment)) << when << "\n" << cli.output();
        cli.signal(c.signal);
        EXPECT_EQ(cli.wait(), c.status) << when << "\n" << cli.output();
        EXPECT_NE(cli.output().find("tarn-cli: cancelled"), std::string::npos) << when;
        EXPECT_EQ(cli.output().find("partly programmed") != std::string::npos, c.partlyWritten)
            << when << "\n"
            << cli.output();
        EXPECT_EQ(backups(), backupsBefore + (c.partlyWritten ? 1 : 0)) << when;
        EXPECT_FALSE(std::string(c.verb) == "read" && fs::exists(file)) << when;
        // A silent radio would only make the second run wait out its attempts.
        if (c.radioAnswers)
            expectAnImmediateSecondRun(radio.devicePath(), when);
        else
            EXPECT_FALSE(exclusiveFlagSet(radio.devicePath())) << when;
    }
}

TEST_F(CliSignalTest, AKilledReadLeavesThePortFreeForTheNextRun) {
    VirtualRadioProcess radio(TARN_VIRTUAL_RADIO, {});
    CliProcess cli(dir.path(), {"read", "--port", radio.devicePath(), dir.file("out.sin")});
    ASSERT_TRUE(cli.waitFor("Reading 10%")) << cli.output();
    cli.signal(SIGKILL);
    EXPECT_EQ(cli.wait(), 128 + SIGKILL);
    expectAnImmediateSecondRun(radio.devicePath(), "after SIGKILL");
}

} // namespace
} // namespace tarn
