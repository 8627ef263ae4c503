#include "toolkit/process_launch.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

extern char** environ;

namespace toolkit {

namespace {

// Everything the intermediate child needs is prepared before fork: between
// fork and _exit it calls nothing but posix_spawnp, so no lock another thread
// held at the fork can stop it.
class SpawnRequest {
public:
    explicit SpawnRequest(const std::vector<std::string>& argv)
    {
        for (const std::string& word : argv)
            m_argv.push_back(const_cast<char*>(word.c_str()));
        m_argv.push_back(nullptr);

        posix_spawn_file_actions_init(&m_actions);
        // The launched program must not hold on to the display connection or
        // any other descriptor of ours.
        posix_spawn_file_actions_addclosefrom_np(&m_actions, STDERR_FILENO + 1);

        posix_spawnattr_init(&m_attributes);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&m_attributes, &none);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigdefault(&m_attributes, &all);
        // Its own session: a signal to our process group or terminal does not reach it.
        posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
    }

    ~SpawnRequest()
    {
        posix_spawnattr_destroy(&m_attributes);
        posix_spawn_file_actions_destroy(&m_actions);
    }

    SpawnRequest(const SpawnRequest&) = delete;
    SpawnRequest& operator=(const SpawnRequest&) = delete;

    bool spawn()
    {
        pid_t program;
        return posix_spawnp(&program, m_argv[0], &m_actions, &m_attributes, m_argv.data(), environ) == 0;
    }

private:
    std::vector<char*> m_argv;
    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attributes;
};

constexpr int kExitStarted = 0;
constexpr int kExitNotStarted = 127;

} // namespace

bool spawn_detached(const std::vector<std::string>& argv)
{
    if (argv.empty())
        return false;
    SpawnRequest request(argv);

    // The program is started by an intermediate child that exits at once, so
    // the program is adopted by init (which reaps it) and we wait only for
    // the intermediate.
    pid_t intermediate = fork();
    if (intermediate < 0)
        return false;
    if (intermediate == 0)
        _exit(request.spawn() ? kExitStarted : kExitNotStarted);

    int status = 0;
    while (waitpid(intermediate, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == kExitStarted;
}

} // namespace toolkit
