// What the benchmarks that run whole programs share: starting again under a fresh Xvfb, starting a
// child program with extra environment and its stderr on a pipe, and reading its figures from
// /proc and from the kernel's accounting when it ends.
#pragma once

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace bench {

inline long long monotonic_ns()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Runs the program again under xvfb-run (a fresh X server of its own, no window manager) unless
// it already is, or --here asks for the current display. Returns only when it runs there.
inline void run_under_xvfb(int argc, char** argv)
{
    constexpr char const* marker = "GRAWN2_BENCH_UNDER_XVFB";
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--here") == 0)
            return;
    if (std::getenv(marker))
        return;
    setenv(marker, "1", 1);
    std::vector<char*> args { const_cast<char*>("xvfb-run"), const_cast<char*>("-a"), const_cast<char*>("-s"),
        const_cast<char*>("-screen 0 1280x1024x24") };
    for (int i = 0; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    execvp("xvfb-run", args.data());
    std::perror("cannot run xvfb-run");
    std::exit(1);
}

// The folder of this benchmark's executable (build/bench), where the baseline program lies; the
// game lies one folder up.
inline std::filesystem::path bench_folder()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

struct Finished {
    double cpu_seconds = -1; // user and system, whole process, as the kernel counted it
    double peak_mb = -1; // largest resident size (ru_maxrss)
    int status = -1;
};

// One child program: its stderr comes back through a pipe, line by line.
class Child {
public:
    Child(std::vector<std::string> const& args, std::vector<std::string> const& extra_env)
    {
        std::vector<std::string> env_text;
        for (char** each = environ; *each; ++each)
            env_text.emplace_back(*each);
        for (auto const& add : extra_env)
            env_text.push_back(add);
        std::vector<char*> env;
        for (auto& each : env_text)
            env.push_back(each.data());
        env.push_back(nullptr);
        std::vector<std::string> arg_text(args);
        std::vector<char*> argv;
        for (auto& each : arg_text)
            argv.push_back(each.data());
        argv.push_back(nullptr);
        int err[2];
        if (pipe(err) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        posix_spawn_file_actions_addclose(&actions, err[0]);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        m_started_ns = monotonic_ns();
        if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), env.data()) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(err[1]);
        m_err = err[0];
    }
    ~Child()
    {
        if (m_pid > 0 && !m_finished) {
            kill(m_pid, SIGKILL);
            finish();
        }
        if (m_err >= 0)
            close(m_err);
    }
    Child(Child const&) = delete;
    Child& operator=(Child const&) = delete;

    bool started() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    long long started_ns() const { return m_started_ns; }
    std::string const& errors() const { return m_errors; }

    // The next whole line of its stderr that begins with `prefix` (the rest of that line), or
    // nothing at the deadline or when the child closes its stderr. Other lines are kept.
    std::optional<std::string> wait_for_line(std::string const& prefix, double seconds)
    {
        long long const deadline = monotonic_ns() + static_cast<long long>(seconds * 1e9);
        for (;;) {
            for (auto end = m_buffer.find('\n'); end != std::string::npos; end = m_buffer.find('\n')) {
                std::string line = m_buffer.substr(0, end);
                m_buffer.erase(0, end + 1);
                if (line.rfind(prefix, 0) == 0)
                    return line.substr(prefix.size());
                m_errors += line + "\n";
            }
            long long const left = deadline - monotonic_ns();
            if (left <= 0 || m_err < 0)
                return std::nullopt;
            pollfd fd { m_err, POLLIN, 0 };
            if (poll(&fd, 1, static_cast<int>(left / 1'000'000) + 1) <= 0)
                continue;
            char chunk[4096];
            ssize_t const got = read(m_err, chunk, sizeof chunk);
            if (got <= 0)
                return std::nullopt;
            m_buffer.append(chunk, static_cast<std::size_t>(got));
        }
    }

    // CPU seconds so far (user and system of all its threads), from /proc.
    double cpu_seconds() const
    {
        std::ifstream stat("/proc/" + std::to_string(m_pid) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        auto const after_name = text.rfind(')');
        if (after_name == std::string::npos)
            return -1;
        std::istringstream fields(text.substr(after_name + 2));
        std::string field;
        double utime = 0;
        double stime = 0;
        // Fields 3 to 15 of proc(5): state ... utime (14), stime (15).
        for (int index = 3; index <= 15 && fields >> field; ++index) {
            if (index == 14)
                utime = std::atof(field.c_str());
            if (index == 15)
                stime = std::atof(field.c_str());
        }
        return (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
    }

    // The shared libraries mapped into it now.
    std::set<std::string> shared_libraries() const
    {
        std::ifstream maps("/proc/" + std::to_string(m_pid) + "/maps");
        std::set<std::string> found;
        std::string line;
        while (std::getline(maps, line)) {
            auto const slash = line.find('/');
            if (slash == std::string::npos)
                continue;
            std::string const path = line.substr(slash);
            if (path.find(".so") != std::string::npos)
                found.insert(path);
        }
        return found;
    }

    // Asks it to end (SIGTERM, which SDL turns into a quit).
    void ask_to_end() const
    {
        if (m_pid > 0)
            kill(m_pid, SIGTERM);
    }

    // Waits for it to end, at most `seconds`; then asks it to end, and kills it if it has not
    // within a few seconds more.
    Finished finish(double seconds = 30)
    {
        Finished result;
        if (m_pid <= 0 || m_finished)
            return result;
        constexpr long long grace_ns = 10'000'000'000LL;
        long long deadline = monotonic_ns() + static_cast<long long>(seconds * 1e9);
        bool asked = false;
        int status = 0;
        rusage usage {};
        for (;;) {
            pid_t const done = wait4(m_pid, &status, WNOHANG, &usage);
            if (done == m_pid)
                break;
            if (monotonic_ns() > deadline && !asked) {
                ask_to_end();
                asked = true;
                deadline += grace_ns;
            } else if (monotonic_ns() > deadline) {
                kill(m_pid, SIGKILL);
                wait4(m_pid, &status, 0, &usage);
                break;
            }
            // Draining its stderr keeps a chatty child from blocking on a full pipe.
            wait_for_line("\x01", 0.05);
        }
        m_finished = true;
        auto const secs = [](timeval t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
        result.cpu_seconds = secs(usage.ru_utime) + secs(usage.ru_stime);
        result.peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return result;
    }

private:
    pid_t m_pid = -1;
    int m_err = -1;
    long long m_started_ns = 0;
    bool m_finished = false;
    std::string m_buffer;
    std::string m_errors;
};

// A window manager on the benchmark's display for as long as this lives (openbox, when it is
// installed), so that windows are framed, placed and moved as on a desktop.
class WindowManager {
public:
    WindowManager()
    {
        if (std::system("command -v openbox > /dev/null 2>&1") != 0)
            return;
        m_child = std::make_unique<Child>(std::vector<std::string> { "/usr/bin/openbox" }, std::vector<std::string> {});
        // It has taken over the display once it has had a moment; it says nothing when it has.
        m_child->wait_for_line("\x01", 1.0);
    }
    ~WindowManager()
    {
        if (m_child) {
            m_child->ask_to_end();
            m_child->finish(5);
        }
    }
    bool running() const { return m_child && m_child->started(); }

private:
    std::unique_ptr<Child> m_child;
};

// Environment that gives the game real sound on a machine without a sound card: SDL's disk
// driver synthesises at the device's pace and writes to /dev/null.
inline std::vector<std::string> disk_audio_env() { return { "SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=/dev/null" }; }

// Runs `scenario` in a child process of its own, so that no SDL state carries between runs, and
// hands back what it returned (a plain struct or number), or `failed` when the child failed.
template <typename Scenario, typename Result = std::invoke_result_t<Scenario const&>>
Result in_child(Scenario const& scenario, Result const& failed = {})
{
    static_assert(std::is_trivially_copyable_v<Result>);
    std::fflush(stdout);
    Result result = failed;
    int fds[2];
    if (pipe(fds) != 0)
        return result;
    pid_t const pid = fork();
    if (pid == 0) {
        close(fds[0]);
        Result const made = scenario();
        if (write(fds[1], &made, sizeof made) != sizeof made)
            _exit(1);
        _exit(0);
    }
    close(fds[1]);
    if (read(fds[0], &result, sizeof result) != sizeof result)
        result = failed;
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return result;
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    std::size_t const middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}
