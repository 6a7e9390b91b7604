#include "TestRegistry.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    return cw::test::runRegisteredTests(argc, argv);
}
