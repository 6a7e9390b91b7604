#pragma once

// Export To: the claim as an XML file, as a .docx document and as a column of the claims
// workbook. Each asks where to write, writes the file as every file is written (so a failure
// leaves what was there), and remembers its folder as the claim dialogs' folder. The document
// and the workbook then open in the desktop's program for them.

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace cw::model {
class ClaimDocument;
}

namespace cw::editor {

class DocumentCommands;
class UserDialogs;

class ExportCommands : public QObject {
    Q_OBJECT

public:
    struct Context {
        const model::ClaimDocument& document;
        DocumentCommands& documents;
        UserDialogs& dialogs;
    };

    explicit ExportCommands(Context context, QObject* parent = nullptr);

    void XML1Click();
    void MicrosoftWord1Click();
    void MicrosoftExcel1Click();

    // Opens a written file in the desktop's program for it; false where there is none. The
    // desktop's own, unless replaced (tests record what would open).
    void setFileOpener(std::function<bool(const QUrl&)> open) { m_openFile = std::move(open); }

private:
    // The chosen file, or an empty text when the user cancels.
    QString chooseFile(const QString& proposedName, const QString& filter, const QString& suffix,
                       bool confirmOverwrite);
    // Writes the file and remembers its folder, whether or not the write succeeds. False, with
    // the reason shown, when it fails.
    bool write(const QString& fileName, const QByteArray& bytes);
    void openWritten(const QString& fileName);

    Context m_context;
    std::function<bool(const QUrl&)> m_openFile;
};

} // namespace cw::editor
