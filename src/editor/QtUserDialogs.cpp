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
#include <QVBoxLayout>

namespace cw::editor {

namespace {

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDirectory(request.folder);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
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

std::optional<QString> QtUserDialogs::chooseFileToOpen(const FileDialogRequest& request) {
    return runFileDialog(m_parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserDialogs::chooseFileToSave(const FileDialogRequest& request) {
    return runFileDialog(m_parent, request, QFileDialog::AcceptSave);
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
