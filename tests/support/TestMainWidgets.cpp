#include "TestRegistry.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return cw::test::runRegisteredTests(argc, argv);
}
