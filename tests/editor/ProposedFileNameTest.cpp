#include "editor/ProposedFileName.h"

#include "TestRegistry.h"

#include <QSet>
#include <QTest>

using cw::editor::ProposedNameInput;
using cw::editor::proposeFileName;

class ProposedFileNameTest : public QObject {
    Q_OBJECT

private slots:
    void names_data() {
        QTest::addColumn<QString>("patient");
        QTest::addColumn<QString>("serviceDate");
        QTest::addColumn<QString>("periodFrom");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");
        QTest::newRow("service date") << "Doe, Jane"
                                      << "031507"
                                      << ""
                                      << ""
                                      << "Doe, Jane 2007-03 (March) Page 1.ub4";
        QTest::newRow("empty date part keeps both blanks") << "Doe, Jane"
                                                           << ""
                                                           << ""
                                                           << ""
                                                           << "Doe, Jane  Page 1.ub4";
        QTest::newRow("13 is not a month") << "Doe"
                                           << "130107"
                                           << ""
                                           << ""
                                           << "Doe  Page 1.ub4";
        QTest::newRow("period from, 61 is 1961") << "Doe"
                                                 << ""
                                                 << "010161"
                                                 << ""
                                                 << "Doe 1961-01 (January) Page 1.ub4";
        QTest::newRow("period from, 60 is 2060") << "Doe"
                                                 << ""
                                                 << "010160"
                                                 << ""
                                                 << "Doe 2060-01 (January) Page 1.ub4";
        QTest::newRow("blanks around the date") << "Doe"
                                                << "  1207  "
                                                << ""
                                                << ""
                                                << "Doe 2007-12 (December) Page 1.ub4";
        QTest::newRow("year not a number") << "Doe"
                                           << "03150x"
                                           << ""
                                           << ""
                                           << "Doe  Page 1.ub4";
        QTest::newRow("forbidden characters") << " A/B:C*?\"<>|\\ "
                                              << ""
                                              << ""
                                              << ""
                                              << "ABC  Page 1.ub4";
        QTest::newRow("page number typed") << "Doe"
                                           << ""
                                           << ""
                                           << "4"
                                           << "Doe  Page 4.ub4";
        QTest::newRow("page number not a number") << "Doe"
                                                  << ""
                                                  << ""
                                                  << "four"
                                                  << "Doe  Page 1.ub4";
        QTest::newRow("no patient, no name") << "  "
                                             << "031507"
                                             << ""
                                             << "2"
                                             << "";
    }
    void names() {
        QFETCH(QString, patient);
        QFETCH(QString, serviceDate);
        QFETCH(QString, periodFrom);
        QFETCH(QString, page);
        QFETCH(QString, expected);
        const ProposedNameInput input{patient, serviceDate, periodFrom, page};
        QCOMPARE(proposeFileName(input, [](const QString&) { return false; }), expected);
    }

    void existingPagesAreSkipped() {
        const QSet<QString> existing = {u"Doe, Jane 2007-03 (March) Page 1.ub4"_qs,
                                        u"Doe, Jane 2007-03 (March) Page 2.ub4"_qs};
        const ProposedNameInput input{u"Doe, Jane"_qs, u"031507"_qs, QString(), QString()};
        QCOMPARE(proposeFileName(input, [&](const QString& n) { return existing.contains(n); }),
                 u"Doe, Jane 2007-03 (March) Page 3.ub4"_qs);
    }
};

CW_REGISTER_TEST(ProposedFileNameTest)
#include "ProposedFileNameTest.moc"
