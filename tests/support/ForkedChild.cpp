#include "ForkedChild.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <csignal>
#include <grp.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cw::test {

namespace {

constexpr uid_t kNobody = 65534;

bool becomeOrdinaryUser() {
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

void writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += n;
    }
}

} // namespace

ForkedChild::ForkedChild(const std::function<QByteArray()>& work, ChildUser user,
                         AfterAnswer after) {
    int fds[2];
    if (::pipe(fds) != 0)
        qFatal("pipe failed");
    m_pid = ::fork();
    if (m_pid < 0)
        qFatal("fork failed");
    if (m_pid == 0) {
        ::close(fds[0]);
        if (user == ChildUser::Ordinary && !becomeOrdinaryUser())
            writeAll(fds[1], "could not become an ordinary user");
        else
            writeAll(fds[1], work());
        ::close(fds[1]);
        if (after == AfterAnswer::StayAlive)
            for (;;)
                ::pause();
        ::_exit(0);
    }
    ::close(fds[1]);
    m_answer = fds[0];
}

ForkedChild::~ForkedChild() {
    ::close(m_answer);
    if (::waitpid(m_pid, nullptr, WNOHANG) == 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
}

std::optional<QByteArray> ForkedChild::answer(int limitMilliseconds) {
    const QDeadlineTimer deadline(limitMilliseconds);
    QByteArray bytes;
    for (;;) {
        pollfd ready{m_answer, POLLIN, 0};
        const int polled = ::poll(&ready, 1, int(deadline.remainingTime()));
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            return std::nullopt;
        char buffer[4096];
        const ssize_t n = ::read(m_answer, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return bytes;
        bytes.append(buffer, n);
    }
}

} // namespace cw::test
