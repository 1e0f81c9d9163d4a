#include "cli/CliRun.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<std::string> Environment(const std::map<std::string, std::string>& extra) {
    std::vector<std::string> vars;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string var = *e;
        if (extra.count(var.substr(0, var.find('='))) == 0) {
            vars.push_back(var);
        }
    }
    for (const auto& [name, value] : extra) {
        vars.push_back(name + "=" + value);
    }
    return vars;
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
    std::vector<char*> p;
    for (std::string& w : words) {
        p.push_back(w.data());
    }
    p.push_back(nullptr);
    return p;
}

std::vector<std::string> Argv(const std::vector<std::string>& args) {
    std::vector<std::string> argv{PRAVIK_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

int ExitStatusOf(pid_t pid) {
    int raw = 0;
    while (waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Reads both pipes to their end together, so a child filling one never blocks on it.
void Drain(int outFd, int errFd, CliResult& r) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&r.out, &r.err};
    int open = 2;
    while (open > 0 && poll(fds, 2, -1) > 0) {
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buf[4096];
            const ssize_t n = read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                sinks[i]->append(buf, static_cast<size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

} // namespace

RunningCli StartCli(const std::vector<std::string>& args,
                    const std::map<std::string, std::string>& env, const std::string& input) {
    RunningCli running;
    int outPipe[2];
    int errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) {
        return running;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) {
        posix_spawn_file_actions_addclose(&actions, fd);
    }
    std::vector<std::string> argv = Argv(args);
    std::vector<std::string> envv = Environment(env);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, PRAVIK_CLI, &actions, nullptr, Pointers(argv).data(),
                                    Pointers(envv).data());
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    running.pid = spawned == 0 ? pid : -1;
    running.outFd = outPipe[0];
    running.errFd = errPipe[0];
    return running;
}

CliResult FinishCli(RunningCli& running) {
    CliResult r;
    Drain(running.outFd, running.errFd, r);
    if (running.pid > 0) {
        r.status = ExitStatusOf(running.pid);
    }
    running = RunningCli{};
    return r;
}

CliResult RunCli(const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& env, const std::string& input) {
    RunningCli running = StartCli(args, env, input);
    return FinishCli(running);
}

CliResult RunCliOnTerminal(const std::vector<std::string>& args,
                           const std::map<std::string, std::string>& env) {
    CliResult r;
    std::vector<std::string> argv = Argv(args);
    std::vector<std::string> envv = Environment(env);
    std::vector<char*> argp = Pointers(argv);
    std::vector<char*> envp = Pointers(envv);
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
    if (pid < 0) {
        return r;
    }
    if (pid == 0) {
        execve(PRAVIK_CLI, argp.data(), envp.data());
        _exit(127);
    }
    char buf[4096];
    ssize_t n = 0;
    // The pty reports EIO once the child has closed its side.
    while ((n = read(master, buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0) {
            r.err.append(buf, static_cast<size_t>(n));
        }
    }
    close(master);
    r.status = ExitStatusOf(pid);
    return r;
}
