#include "EditorFixture.h"

#include "editor/CaptionLabel.h"
#include "editor/FieldEditor.h"
#include "editor/FormCanvas.h"
#include "model/FieldCatalogue.h"

#include <QDir>
#include <QTest>

using cw::model::FieldCatalogue;

cw::prefs::PreferencesFolders EditorFixture::foldersIn(const cw::test::TempHome& home) {
    cw::prefs::PreferencesFolders folders;
    folders.userSeedFolder = home.dataHome() + QStringLiteral("/Quillmark/");
    folders.programFolder = home.file(QStringLiteral("program/"));
    folders.machineSeedFolder = home.file(QStringLiteral("etc/QuillmarkPrefs/"));
    folders.documentsFolder = home.documents() + u'/';
    folders.legacyFolder = home.file(QStringLiteral("work/"));
    return folders;
}

EditorFixture::EditorFixture(const QStringList& files,
                             const std::function<void(const cw::test::TempHome&)>& prepare) {
    if (prepare)
        prepare(m_home);
    m_window = std::make_unique<cw::editor::MainWindow>(cw::editor::MainWindow::Services{
        cw::platform::UserRegistry(), foldersIn(m_home), &m_dialogs, files});
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("main window not exposed");
}

EditorFixture::~EditorFixture() = default;

int fieldIndex(const char* fieldName) {
    return FieldCatalogue::indexOf(QString::fromLatin1(fieldName));
}

cw::editor::FieldEditor* EditorFixture::open(const char* fieldName) {
    const int index = fieldIndex(fieldName);
    cw::editor::FormCanvas& canvas = m_window->canvas();
    QTest::mouseClick(canvas.captionLabel(index), Qt::LeftButton);
    return canvas.editor(index);
}

void EditorFixture::type(const char* fieldName, const QString& text) {
    cw::editor::FieldEditor* editor = open(fieldName);
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

QString EditorFixture::text(const char* fieldName) const {
    return m_window->canvas().editor(QString::fromLatin1(fieldName))->text();
}

QString EditorFixture::labelText(const char* fieldName) const {
    const int index = FieldCatalogue::indexOf(QString::fromLatin1(fieldName));
    return m_window->canvas().captionLabel(index)->text();
}

QString EditorFixture::dataFolder() const {
    return m_window->preferences().preferences()[cw::prefs::Pref::UserDataPath].trimmed();
}
