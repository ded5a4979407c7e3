#pragma once
// Another local user at the other end of the editor's socket: a child process that drops to
// the user "nobody" and then serves or calls the socket with plain system calls (a forked
// child of a threaded program must not touch Qt). Only root can change its user; elsewhere the
// tests fall back to pretending to be someone else.

#include <gtest/gtest.h>

#include <QByteArray>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <functional>

namespace foreign_user {

inline constexpr uid_t kNobody = 65534;

inline bool CanRunAsAnotherUser() { return ::geteuid() == 0; }

// The address Qt gives a server name in the abstract namespace: a zero byte, then the name,
// and no terminating zero counted.
inline socklen_t AbstractAddress(const QByteArray& name, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(name.size()), sizeof address.sun_path - 1);
  std::memcpy(address.sun_path + 1, name.constData(), n);
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
}

// Waits up to ms for the descriptor to become readable.
inline bool Readable(int fd, int ms) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, ms) > 0;
}

// What the child gives up: its user and its groups, or its user alone (it keeps root's group,
// so a check that looks at the group instead of the user lets it through).
enum class Becomes { UserAndGroup, UserOnly };
inline const char* Name(Becomes b) { return b == Becomes::UserOnly ? "user nobody, group root" : "user nobody"; }

// Forks a child that becomes user nobody and returns body()'s value as its exit status (255
// when it could not change its user). Returns the child's id.
inline pid_t RunAsNobody(const std::function<int()>& body, Becomes becomes = Becomes::UserAndGroup) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  if (becomes == Becomes::UserAndGroup && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0)) ::_exit(255);
  if (::setuid(kNobody) != 0) ::_exit(255);
  ::_exit(body());
}

// The child's exit status, or -1 when it did not end normally.
inline int ExitStatus(pid_t pid) {
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A server of another user under the name: answers "1" to every request line, tells the parent
// through `ready` that it listens, and ends when `stop` becomes readable. Its exit status is
// the number of request lines it received.
inline int ServeForever(const QByteArray& name, int ready, int stop) {
  const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address;
  const socklen_t length = AbstractAddress(name, address);
  if (server < 0 || ::bind(server, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(server, 8) != 0)
    return 254;
  const char byte = 1;
  if (::write(ready, &byte, 1) != 1) return 253;
  int requests = 0;
  for (;;) {
    pollfd p[2] = {{server, POLLIN, 0}, {stop, POLLIN, 0}};
    if (::poll(p, 2, 10000) <= 0 || p[1].revents) break;
    const int client = ::accept(server, nullptr, nullptr);
    if (client < 0) continue;
    char buffer[256];
    while (Readable(client, 500)) {
      const ssize_t n = ::read(client, buffer, sizeof buffer);
      if (n <= 0) break;
      for (ssize_t i = 0; i < n; ++i) requests += buffer[i] == '\n';
      if (::send(client, "1\n", 2, MSG_NOSIGNAL) != 2) break;
    }
    ::close(client);
  }
  ::close(server);
  return requests > 200 ? 200 : requests;
}

// A client of another user: connects to the name, sends one request line and reads. Exit
// status 0: the server closed the connection without a word; 1: it answered; 2: no
// connection; 3: it neither answered nor closed within five seconds.
inline int AskOnce(const QByteArray& name, const char* request) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address;
  const socklen_t length = AbstractAddress(name, address);
  if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&address), length) != 0) return 2;
  const ssize_t written = ::send(fd, request, std::strlen(request), MSG_NOSIGNAL);
  (void)written;  // a server that already dropped the connection is what the caller looks for
  if (!Readable(fd, 5000)) return 3;
  char buffer[16];
  const ssize_t n = ::read(fd, buffer, sizeof buffer);
  ::close(fd);
  return n > 0 ? 1 : 0;
}

}  // namespace foreign_user
