#include "editor/QtUserDialogs.h"

#include "editor/ProgramTitle.h"
#include "editor/SaveChangesPrompt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw::editor {

namespace {

// The chosen paths; none when the user cancels.
QStringList runFileDialog(QWidget* parent, const FileDialogRequest& request,
                          QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    dialog.setDirectory(request.folder);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

std::optional<QString> firstOf(const QStringList& paths) {
    if (paths.isEmpty())
        return std::nullopt;
    return paths.constFirst();
}

} // namespace

QtUserDialogs::QtUserDialogs(QWidget* parent)
    : m_parent(parent)
    , m_toktosave(std::make_unique<SaveChangesPrompt>(SavePrompt::BeforeReplacing, parent))
    , m_toktoclose(std::make_unique<SaveChangesPrompt>(SavePrompt::BeforeClosing, parent)) {}

QtUserDialogs::~QtUserDialogs() = default;

SaveAnswer QtUserDialogs::askSaveChanges(SavePrompt prompt) {
    SaveChangesPrompt& dialog = prompt == SavePrompt::BeforeClosing ? *m_toktoclose : *m_toktosave;
    return dialog.ask();
}

ChangedFileAnswer QtUserDialogs::askSaveOverChangedFile() {
    QMessageBox box(QMessageBox::Warning, programTitle(),
                    QObject::tr("This claim file was changed by someone else since you opened it. "
                                "Save your version over it, save it under another name, or "
                                "cancel?"),
                    QMessageBox::NoButton, m_parent);
    QPushButton* over = box.addButton(QObject::tr("Save &Over It"), QMessageBox::DestructiveRole);
    QPushButton* saveAs = box.addButton(QObject::tr("Save &As..."), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    // Enter loses nobody's work.
    box.setDefaultButton(saveAs);
    box.exec();
    if (box.clickedButton() == over)
        return ChangedFileAnswer::SaveOver;
    if (box.clickedButton() == saveAs)
        return ChangedFileAnswer::SaveAs;
    return ChangedFileAnswer::Cancel;
}

std::optional<QString> QtUserDialogs::chooseFileToOpen(const FileDialogRequest& request) {
    return firstOf(
        runFileDialog(m_parent, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile));
}

QStringList QtUserDialogs::chooseFilesToOpen(const FileDialogRequest& request) {
    return runFileDialog(m_parent, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
}

std::optional<QString> QtUserDialogs::chooseFileToSave(const FileDialogRequest& request) {
    return firstOf(runFileDialog(m_parent, request, QFileDialog::AcceptSave, QFileDialog::AnyFile));
}

void QtUserDialogs::showMessage(const QString& text) {
    QMessageBox::information(m_parent, programTitle(), text);
}

void QtUserDialogs::showError(const QString& text) {
    QMessageBox::critical(m_parent, programTitle(), text);
}

bool QtUserDialogs::askYesNo(const QString& text) {
    return QMessageBox::question(m_parent, programTitle(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtUserDialogs::askOkCancel(const QString& text) {
    return QMessageBox::question(m_parent, programTitle(), text,
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool QtUserDialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtUserDialogs::showPrintPreview(QPrinter& printer,
                                     const std::function<void(QPrinter&)>& paint) {
    // A preview without a print button of its own: printing goes through File > Print, so
    // every job is logged and never replaces a PDF an earlier job wrote.
    QDialog dialog(m_parent);
    dialog.setWindowTitle(QObject::tr("Print Preview"));
    auto* preview = new QPrintPreviewWidget(&printer, &dialog);
    QObject::connect(preview, &QPrintPreviewWidget::paintRequested, &dialog,
                     [&paint](QPrinter* shown) { paint(*shown); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(preview);
    layout->addWidget(buttons);
    dialog.resize(760, 980);
    preview->fitInView();
    dialog.exec();
}

} // namespace cw::editor
