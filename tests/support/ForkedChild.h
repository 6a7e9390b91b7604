#pragma once

// Work done in a forked child of the test, for what the test's own process cannot show: a
// writer killed without cleaning up, a writer that is still alive, an ordinary user's rights
// when the tests run as root, a call that might never return. The child answers through a pipe
// and leaves with _exit, so it never runs the test's destructors (temporary folders).

#include <QByteArray>

#include <functional>
#include <optional>
#include <sys/types.h>

namespace cw::test {

enum class ChildUser {
    Same,
    Ordinary, // uid and gid 65534 when the test runs as root
};

enum class AfterAnswer {
    Exit,
    StayAlive, // until the ForkedChild is destroyed
};

class ForkedChild {
public:
    ForkedChild(const std::function<QByteArray()>& work, ChildUser user = ChildUser::Same,
                AfterAnswer after = AfterAnswer::Exit);
    // Kills a child that is still running.
    ~ForkedChild();
    ForkedChild(const ForkedChild&) = delete;
    ForkedChild& operator=(const ForkedChild&) = delete;

    // What the work returned (empty when the child died first); nothing when no answer came
    // within the limit.
    std::optional<QByteArray> answer(int limitMilliseconds = 60000);

private:
    pid_t m_pid = -1;
    int m_answer = -1;
};

} // namespace cw::test
