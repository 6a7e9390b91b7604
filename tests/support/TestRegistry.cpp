#include "TestRegistry.h"

#include <QTest>

#include <cstring>
#include <memory>
#include <vector>

namespace cw::test {

namespace {

struct Entry {
    const char* className;
    TestFactory factory;
};

std::vector<Entry>& registry() {
    static std::vector<Entry> entries;
    return entries;
}

} // namespace

TestRegistration::TestRegistration(const char* className, TestFactory factory) {
    registry().push_back({className, std::move(factory)});
}

int runRegisteredTests(int argc, char** argv) {
    const char* only = nullptr;
    std::vector<char*> args(argv, argv + argc);
    if (argc > 1 && argv[1][0] != '-') {
        only = argv[1];
        args.erase(args.begin() + 1);
    }
    int failures = 0;
    bool ran = false;
    for (const Entry& entry : registry()) {
        if (only && std::strcmp(only, entry.className) != 0)
            continue;
        ran = true;
        std::unique_ptr<QObject> test(entry.factory());
        failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
    }
    if (!ran) {
        qWarning("no test class named %s", only ? only : "(any)");
        return 1;
    }
    return failures == 0 ? 0 : 1;
}

} // namespace cw::test
