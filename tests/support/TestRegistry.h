#pragma once

// One test binary per library: every test class of the binary registers itself here and the
// binary's main runs them all. "binary ClassName [qtest options]" runs one class.

#include <QObject>

#include <functional>

namespace cw::test {

using TestFactory = std::function<QObject*()>;

struct TestRegistration {
    TestRegistration(const char* className, TestFactory factory);
};

int runRegisteredTests(int argc, char** argv);

} // namespace cw::test

#define CW_REGISTER_TEST(Class)                                                                    \
    static const cw::test::TestRegistration registration##Class(                                   \
        #Class, [] { return static_cast<QObject*>(new Class); });
