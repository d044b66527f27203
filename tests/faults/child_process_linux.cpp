#include "child_process_linux.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

namespace vantrel::faults {

std::vector<std::string> ChildOutcome::Lines(const std::string& tag) const {
  std::vector<std::string> found;
  const std::string prefix = tag + "\t";
  size_t start = 0;
  for (size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = out.substr(start, end - start);
    if (line.rfind(prefix, 0) == 0) found.push_back(line.substr(prefix.size()));
  }
  return found;
}

ChildOutcome RunChild(const std::vector<std::string>& argv) {
  ChildOutcome outcome;
  int out[2];
  int err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return outcome;
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    close(out[0]);
    close(err[0]);
    std::vector<char*> args;
    for (const std::string& argument : argv) args.push_back(const_cast<char*>(argument.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::seconds(kChildSafetyBoundSeconds);
  pollfd watched[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* sinks[2] = {&outcome.out, &outcome.err};
  int open = 2;
  while (open > 0 && std::chrono::steady_clock::now() < deadline) {
    if (poll(watched, 2, 1000) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (watched[i].fd < 0 || !(watched[i].revents & (POLLIN | POLLHUP))) continue;
      char buffer[4096];
      const ssize_t got = read(watched[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(got));
      } else {
        close(watched[i].fd);
        watched[i].fd = -1;
        --open;
      }
    }
  }
  if (open > 0) kill(child, SIGKILL);
  for (const pollfd& p : watched) {
    if (p.fd >= 0) close(p.fd);
  }
  int status = 0;
  waitpid(child, &status, 0);
  outcome.exited = WIFEXITED(status);
  outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : -1;
  outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return outcome;
}

}  // namespace vantrel::faults
