#include "toolkit/process_launch.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kRecorder = "xinglan-test-recorder";

// Puts a program first on PATH that writes its arguments, one a line, into
// calls/<its pid>. The file appears complete (written aside, then renamed).
class ProcessLaunch : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "xinglan-launch-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        fs::create_directory(calls_dir());

        fs::path recorder = m_dir / kRecorder;
        std::ofstream(recorder) << "#!/bin/sh\n"
                                << "out='" << calls_dir().string() << "'\n"
                                << "for word in \"$@\"; do printf '%s\\n' \"$word\"; done > \"$out/.$$\"\n"
                                << "mv \"$out/.$$\" \"$out/$$\"\n";
        fs::permissions(recorder, fs::perms::owner_all);

        const char* path = std::getenv("PATH");
        m_saved_path = path ? path : "";
        setenv("PATH", (m_dir.string() + ":" + m_saved_path).c_str(), 1);
    }

    void TearDown() override
    {
        setenv("PATH", m_saved_path.c_str(), 1);
        fs::remove_all(m_dir);
    }

    fs::path calls_dir() const { return m_dir / "calls"; }

    // The calls recorded once `count` have finished writing, waiting a few seconds at most.
    std::vector<fs::path> wait_for_calls(std::size_t count) const
    {
        for (int attempt = 0; attempt < 500; ++attempt) {
            std::vector<fs::path> calls;
            for (const auto& entry : fs::directory_iterator(calls_dir())) {
                if (entry.path().filename().string()[0] != '.')
                    calls.push_back(entry.path());
            }
            if (calls.size() >= count)
                return calls;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return {};
    }

    static std::vector<std::string> lines_of(const fs::path& file)
    {
        std::ifstream in(file);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    fs::path m_dir;
    std::string m_saved_path;
};

// Single letter state and parent pid from /proc/<pid>/stat; false once the process is gone.
bool read_stat(pid_t pid, char& state, pid_t& parent)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto name_end = text.rfind(')');
    if (name_end == std::string::npos)
        return false;
    std::istringstream rest(text.substr(name_end + 1));
    return static_cast<bool>(rest >> state >> parent);
}

std::vector<pid_t> zombie_children()
{
    std::vector<pid_t> zombies;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        char state = 0;
        pid_t parent = 0;
        if (read_stat(std::stoi(name), state, parent) && parent == getpid() && state == 'Z')
            zombies.push_back(std::stoi(name));
    }
    return zombies;
}

TEST_F(ProcessLaunch, ArgumentsReachTheProgramVerbatim)
{
    std::string expansion_marker = (m_dir / "expanded").string();
    std::vector<std::string> words = {
        kRecorder,
        "a b",
        "$(touch " + expansion_marker + ")",
        "`touch " + expansion_marker + "`",
        ";|&",
        "*",
        "~",
        "$HOME",
        "'\"\\",
        "",
        "http://example.invalid/?a=1&b=2#top",
        "星蓝 空格",
    };

    ASSERT_TRUE(toolkit::spawn_detached(words));

    auto calls = wait_for_calls(1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(lines_of(calls[0]), std::vector<std::string>(words.begin() + 1, words.end()));
    EXPECT_FALSE(fs::exists(expansion_marker));
}

TEST_F(ProcessLaunch, ProgramThatCannotStartGivesFalse)
{
    fs::path not_executable = m_dir / "xinglan-test-not-executable";
    std::ofstream(not_executable) << "#!/bin/sh\n";
    fs::permissions(not_executable, fs::perms::owner_read | fs::perms::owner_write);

    const std::vector<std::vector<std::string>> cases = {
        {},
        {"xinglan-test-no-such-program"},
        {"xinglan-test-no-such-program", "argument"},
        {(m_dir / "missing" / kRecorder).string()},
        {not_executable.filename().string()},
        {""},
    };
    for (const auto& argv : cases) {
        SCOPED_TRACE(argv.empty() ? "(empty argv)" : "\"" + argv[0] + "\"");
        EXPECT_FALSE(toolkit::spawn_detached(argv));
    }
    EXPECT_TRUE(zombie_children().empty());
}

TEST_F(ProcessLaunch, LaunchedProgramsLeaveNoZombieChild)
{
    constexpr int kLaunches = 5;
    for (int i = 0; i < kLaunches; ++i)
        ASSERT_TRUE(toolkit::spawn_detached({kRecorder, std::to_string(i)}));

    auto calls = wait_for_calls(kLaunches);
    ASSERT_EQ(calls.size(), static_cast<std::size_t>(kLaunches));

    // Wait until every launched program has ended; then none of them, nor any
    // helper process, may be left unreaped as our child.
    for (const auto& call : calls) {
        pid_t program = std::stoi(call.filename().string());
        char state = 0;
        pid_t parent = 0;
        for (int attempt = 0; attempt < 500 && read_stat(program, state, parent) && state != 'Z'; ++attempt)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_FALSE(read_stat(program, state, parent) && parent == getpid())
            << "the launched program " << program << " is a child of the launcher";
    }
    EXPECT_TRUE(zombie_children().empty());
}

} // namespace
