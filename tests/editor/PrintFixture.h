#pragma once

// A main window whose printer is a PDF file in the test's home, with the print-mode question
// answered from the script and the alignment question's No counted, unless the real dialog is
// wanted.

#include "EditorFixture.h"
#include "editor/PrintCommands.h"
#include "platform/DebugOutput.h"
#include "prefs/PreferencesStore.h"

#include <QPrinter>
#include <QProcess>

#include <optional>

struct PrintFixture {
    enum class AlignmentQuestion { Counted, OpensTheDialog };

    // Every job logs each of the 509 fields.
    cw::platform::DebugOutputCapture log;
    EditorFixture f;
    int printModeQuestions = 0;
    int alignmentsOpened = 0;
    // What the user picks in the print-mode dialog: textOnly, colour; nothing for Cancel.
    std::optional<cw::printing::PrintModeChoice> printModeAnswer;

    explicit PrintFixture(AlignmentQuestion question = AlignmentQuestion::Counted,
                          const std::function<void(const cw::test::TempHome&)>& prepare = {})
        : f({}, prepare) {
        cw::editor::PrintCommands& print = f.window().printCommands();
        print.setPrintModeQuestion([this, &print] {
            ++printModeQuestions;
            if (printModeAnswer)
                print.printMode().commit(*printModeAnswer);
            return printModeAnswer.has_value();
        });
        if (question == AlignmentQuestion::Counted)
            print.setPrinterAlignmentCommand([this] { ++alignmentsOpened; });
        print.printer().setOutputFormat(QPrinter::PdfFormat);
        print.printer().setOutputFileName(pdf());
    }

    QString pdf() const { return f.home().file(QStringLiteral("printed.pdf")); }
    ScriptedDialogs& dialogs() { return f.dialogs(); }
    void print(int copies, std::optional<bool> lineUp = std::nullopt) {
        dialogs().printerAnswers.push_back(copies);
        if (lineUp)
            dialogs().yesNoAnswers.push_back(*lineUp);
        f.window().printCommands().Print1Click();
    }
    QString pref(cw::prefs::Pref slot) { return f.window().preferences().preferences()[slot]; }
};

inline QString pdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
