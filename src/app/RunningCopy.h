#pragma once

// What this process asks of the copy of the program that runs already: a later start's
// hand-over of its claim file (or only the raise of the window), and --set-field.

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace cw::desktop {
class SingleInstance;
}

namespace cw::app {

struct FieldMessage {
    qint32 parameter = 0; // 500000 + catalogue index; any other number sets the title
    QString text;
};

// The single-instance branch of the editor's start. Nothing when this copy is the first, which
// holds the instance from then on; otherwise the exit status, once the running copy has been
// raised and has opened the first of files (made absolute here), or has said why not, or once
// it turned out that it does not answer.
std::optional<int> handOverIfRunning(desktop::SingleInstance& instance, const QStringList& files,
                                     QTextStream& err);

// Sends the field message to the running copy; the exit status.
int sendFieldMessage(const FieldMessage& message, QTextStream& err);

} // namespace cw::app
