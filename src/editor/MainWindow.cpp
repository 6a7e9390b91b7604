#include "editor/MainWindow.h"

#include "editor/AlignmentCommands.h"
#include "editor/ApplicationErrorHandler.h"
#include "editor/AutomaticCommands.h"
#include "editor/AutomaticSettings.h"
#include "editor/BatchPrintCommands.h"
#include "editor/ClaimCheckCommands.h"
#include "editor/CrashRecovery.h"
#include "editor/DesktopRequests.h"
#include "editor/DocumentCommands.h"
#include "editor/EditorApplication.h"
#include "editor/EditorPictures.h"
#include "editor/ExportCommands.h"
#include "editor/FieldBehaviours.h"
#include "editor/FieldEditor.h"
#include "editor/FormCanvas.h"
#include "editor/HelpCommands.h"
#include "editor/PrintCommands.h"
#include "editor/ProgramTitle.h"
#include "editor/QtUserDialogs.h"
#include "editor/RecentClaimsMenu.h"
#include "editor/SuggestionBoxCommands.h"
#include "editor/UndoCommands.h"
#include "editor/UpdateCommands.h"
#include "editor/WindowPlacement.h"
#include "model/ClaimDocument.h"
#include "model/FieldCatalogue.h"
#include "online/ErrorReport.h"
#include "platform/KnownFolders.h"
#include "platform/MakerValues.h"
#include "prefs/PreferencesStore.h"
#include "printing/FieldOffsetsFile.h"
#include "printing/PrintFontSettings.h"
#include "printing/PrintLog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

namespace cw::editor {

using prefs::Pref;

namespace {

constexpr int kMinimumHeight = 80;
constexpr int kMaximumHeight = 1031;
// How long a message stays in the status bar.
constexpr int kStatusMessageMs = 10000;

} // namespace

MainWindow::MainWindow(Services services, QWidget* parent)
    : QMainWindow(parent)
    , m_ownDialogs(services.dialogs ? nullptr : std::make_unique<QtUserDialogs>(this))
    , m_dialogs(services.dialogs ? *services.dialogs : *m_ownDialogs)
    , m_files(std::move(services.files))
    , m_instanceServer(services.instanceServer)
    , m_fileAssociation(std::move(services.fileAssociation)) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(programTitle());

    // Beside the program, or in the user's config folder where the program's cannot be written.
    const QString alignmentSettings =
        printing::fieldOffsetsFilePath(services.folders.programFolder);
    m_windowPositions = services.registry;

    m_errors = std::make_unique<ApplicationErrorHandler>(m_dialogs, printing::printLog);
    m_errors->setErrorReport(online::sendErrorReport);
    EditorApplication::installErrorHandler(m_errors.get());
    prefs::PreferencesErrorReporter reporter;
    reporter.sendErrorReport = online::sendErrorReport;
    reporter.notify = [this](const QString& text) {
        m_dialogs.showError(text);
    };
    m_preferences = std::make_unique<prefs::PreferencesStore>(
        std::move(services.registry), std::move(services.folders), reporter);
    m_preferences->loadPreferencesNew();
    m_printFont = std::make_unique<printing::PrintFontSettings>(m_preferences->settings());

    m_document = new model::ClaimDocument(this);
    m_settings = new AutomaticSettings(this);
    m_canvas = new FormCanvas(*m_document, formPicture(), nullptr);
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setWidget(m_canvas);
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setFrameShape(QFrame::StyledPanel);
    m_scrollBox->verticalScrollBar()->setSingleStep(8);
    m_scrollBox->horizontalScrollBar()->setSingleStep(8);
    setCentralWidget(m_scrollBox);
    // An editor that opens outside the visible part of the form scrolls just into view.
    // (ensureWidgetVisible would only bring the caret of a line edit into view.)
    // Fields that have no place on the form sit at its corner; opening one leaves the view.
    connect(m_canvas, &FormCanvas::fieldEditorOpened, this, [this](int index) {
        if (model::FieldCatalogue::isOffForm(index))
            return;
        const QRect field = m_canvas->editor(index)->geometry();
        m_scrollBox->ensureVisible(field.center().x(), field.center().y(), field.width() / 2 + 1,
                                   field.height() / 2 + 1);
    });

    m_commands = new DocumentCommands({*m_document, *m_canvas, *m_settings, *m_preferences,
                                       m_dialogs, *m_errors, platform::programFolder()},
                                      this);
    connect(m_commands, &DocumentCommands::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_commands, &DocumentCommands::closeRequested, this, &QWidget::close,
            Qt::QueuedConnection);

    m_fieldBehaviours = new FieldBehaviours({*m_canvas, *m_document, *m_settings, *m_printFont,
                                             m_dialogs, *m_scrollBox->verticalScrollBar()},
                                            this);

    m_printCommands = new PrintCommands(
        {*m_document, m_preferences->settings(), *m_printFont, m_dialogs, *m_errors, *this}, this);
    m_alignmentCommands =
        new AlignmentCommands({m_preferences->settings(), *m_printCommands, *m_canvas, m_dialogs,
                               *m_errors, m_windowPositions, alignmentSettings, *this},
                              this);
    m_batchPrintCommands = new BatchPrintCommands(
        {*m_commands, *m_printCommands, *m_document, m_dialogs, *this}, this);
    m_desktopRequests =
        new DesktopRequests({*this, *m_commands, *m_document, *m_settings, m_dialogs}, this);
    m_exportCommands = new ExportCommands({*m_document, *m_commands, m_dialogs}, this);
    m_updateCommands = new UpdateCommands(
        {*m_document, m_dialogs, *this, m_preferences->preferencesFilePath()}, this);

    createMenus();
    createToolBar();
    createStatusBar();

    m_automaticCommands->applyAutoAdditionPreference();
    startCrashRecovery(services.recoveryFolder);

    setMinimumSize(805, kMinimumHeight);
    setMaximumSize(805, kMaximumHeight);
    placeOnScreen();

    warnAboutLowResolution();
    qApp->installEventFilter(this);
}

void MainWindow::startCrashRecovery(const QString& folder) {
    if (folder.isEmpty())
        return;
    Result<recovery::RecoveryStore> store = recovery::RecoveryStore::open(folder);
    if (!store) {
        showStatusMessage(
            tr("Unsaved claims cannot be kept for recovery after a crash: %1").arg(store.error()));
        return;
    }
    m_recovery = std::make_unique<CrashRecovery>(
        CrashRecovery::Context{*m_document, *m_commands, m_dialogs, *this},
        std::move(store).value());
    connect(m_recovery.get(), &CrashRecovery::writeFailed, this, &MainWindow::showStatusMessage);
}

void MainWindow::placeOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(805, 734);
        return;
    }
    // The window manager's frame is not known before the window is shown; these margins hold
    // the title bar and borders of the common desktops.
    const QMargins typicalFrame(8, 40, 8, 8);
    setGeometry(firstWindowGeometry(screen->availableGeometry(), QSize(805, 734),
                                    {kMinimumHeight, kMaximumHeight}, typicalFrame));
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    EditorApplication::installErrorHandler(nullptr);
}

void MainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    m_newMenu = file->addMenu(tr("&New"));
    m_newMenu->addAction(tr("Form for Current Patient"), QKeySequence(tr("Ctrl+N")), m_commands,
                         &DocumentCommands::FormforCurrentPatient1Click);
    m_newMenu->addAction(tr("Patient"), QKeySequence(tr("Ctrl+Alt+N")), m_commands,
                         &DocumentCommands::Pa1Click);
    m_newMenu->addAction(tr("Blank Form"), QKeySequence(tr("Ctrl+Alt+B")), m_commands,
                         &DocumentCommands::BlankForm1Click);
    file->addAction(tr("&Open..."), QKeySequence(tr("Ctrl+O")), m_commands,
                    &DocumentCommands::Open1Click);
    // Owned by the submenu, as UndoCommands is by the Edit menu.
    new RecentClaimsMenu({*m_commands, m_dialogs, m_windowPositions},
                         *file->addMenu(tr("Recent Claims")));
    file->addAction(tr("&Save"), QKeySequence(tr("Ctrl+S")), m_commands,
                    &DocumentCommands::Save1Click);
    file->addAction(tr("Save &As..."), m_commands, [this] { m_commands->SaveAs1Click(); });

    QMenu* exportTo = file->addMenu(tr("Export To"));
    const auto exportEntry = [exportTo](const char* name, const QString& caption) {
        QAction* action = exportTo->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(exportEntry("XML1", tr("XML...")), &QAction::triggered, m_exportCommands,
            &ExportCommands::XML1Click);
    connect(exportEntry("MicrosoftWord1", tr("Microsoft Word")), &QAction::triggered,
            m_exportCommands, &ExportCommands::MicrosoftWord1Click);
    connect(exportEntry("MicrosoftExcel1", tr("Microsoft Excel")), &QAction::triggered,
            m_exportCommands, &ExportCommands::MicrosoftExcel1Click);
    file->addSeparator();
    const auto item = [file](const char* name, const QString& caption, const QString& shortcut) {
        QAction* action = file->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty())
            action->setShortcut(QKeySequence(shortcut));
        return action;
    };
    m_printEntry = item("Print1", tr("&Print..."), tr("Ctrl+P"));
    connect(m_printEntry, &QAction::triggered, m_printCommands, &PrintCommands::Print1Click);
    connect(item("PrintPreview1", tr("Print Pre&view..."), {}), &QAction::triggered,
            m_printCommands, &PrintCommands::PrintPreview1Click);
    connect(item("Print2", tr("Print Mode..."), tr("Ctrl+Alt+M")), &QAction::triggered,
            m_printCommands, &PrintCommands::Print2Click);
    connect(item("PrintFont1", tr("Print Font..."), tr("Ctrl+Alt+F")), &QAction::triggered,
            m_printCommands, &PrintCommands::PrintFont1Click);
    connect(item("PrintSetup1", tr("P&rinter Alignment..."), tr("Ctrl+Alt+A")), &QAction::triggered,
            m_alignmentCommands, &AlignmentCommands::PrintSetup1Click);
    connect(item("AdvancedAlignment1", tr("Advanced Alignment"), {}), &QAction::triggered,
            m_alignmentCommands, &AlignmentCommands::AdvancedAlignment1Click);
    // The alignment question after a first text-only print opens what the menu entry opens.
    m_printCommands->setPrinterAlignmentCommand(
        [this] { m_alignmentCommands->PrintSetup1Click(); });
    // File1Click: the Print entry names the print mode.
    connect(file, &QMenu::aboutToShow, this, [this] {
        m_printEntry->setText(m_printCommands->printEntryCaption(m_printEntry->text()));
    });
    file->addSeparator();
    connect(item("BatchPrinting1", tr("&Batch Printing"), tr("Ctrl+Alt+T")), &QAction::triggered,
            m_batchPrintCommands, &BatchPrintCommands::BatchPrinting1Click);
    file->addSeparator();
    file->addAction(tr("E&xit"), this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    new UndoCommands(*m_document, *m_canvas, *m_commands, *edit);

    // Ctrl+Alt+A and Ctrl+S belong to the File menu's items; the Options items that show the
    // same keys only show them (two owners would leave the key to neither).
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    m_automaticCommands = new AutomaticCommands(*m_settings, m_preferences->settings(), *options);
    m_suggestionBox =
        new SuggestionBoxCommands(m_preferences->settings(), *options, m_windowPositions, *this);
    m_claimCheck = new ClaimCheckCommands(
        {*m_document, m_windowPositions, m_dialogs, *m_canvas, *this}, *options, this);
    m_printCommands->setPrintQuestion([this] { return m_claimCheck->mayPrint(); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    m_helpCommands = new HelpCommands(*help, *m_updateCommands, *this);
}

void MainWindow::createToolBar() {
    QToolBar* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    bar->setFixedHeight(34);

    auto* newForm = new QToolButton(bar);
    newForm->setIcon(toolbarIcon(ToolbarPicture::NewForm));
    newForm->setToolTip(tr("New Form"));
    newForm->setPopupMode(QToolButton::MenuButtonPopup);
    // The same actions as File > New, with their shortcuts.
    newForm->setMenu(m_newMenu);
    connect(newForm, &QToolButton::clicked, m_commands, &DocumentCommands::BlankForm1Click);
    bar->addWidget(newForm);

    const auto button = [bar](ToolbarPicture picture, const QString& tip) {
        QAction* action = bar->addAction(toolbarIcon(picture), tip);
        action->setToolTip(tip);
        return action;
    };
    connect(button(ToolbarPicture::Open, tr("Open")), &QAction::triggered, m_commands,
            &DocumentCommands::Open1Click);
    // The toolbar's Save always asks for the name.
    connect(button(ToolbarPicture::Save, tr("Save")), &QAction::triggered, m_commands,
            [this] { m_commands->SaveAs1Click(); });
    bar->addSeparator();
    connect(button(ToolbarPicture::PrintMode, tr("Print Mode")), &QAction::triggered,
            m_printCommands, &PrintCommands::Print2Click);
    connect(button(ToolbarPicture::Print, tr("Print")), &QAction::triggered, m_printCommands,
            &PrintCommands::Print1Click);
    connect(button(ToolbarPicture::BatchPrinting, tr("Batch Printing")), &QAction::triggered,
            m_batchPrintCommands, &BatchPrintCommands::BatchPrinting1Click);
    bar->addSeparator();
    connect(button(ToolbarPicture::FrequentlyAskedQuestions, tr("Frequently Asked Questions")),
            &QAction::triggered, m_helpCommands, &HelpCommands::FrequentlyAskedQuestions1Click);
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(false);
    const int widths[5] = {100, 150, 0, 0, 0};
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QLabel(bar);
        panel->setFixedWidth(widths[i]);
        panel->setVisible(widths[i] > 0);
        bar->addWidget(panel);
        m_statusPanels[i] = panel;
    }
    bar->addWidget(&m_claimCheck->statusPanel());
    m_statusMessage = new QLabel(bar);
    m_statusMessage->setObjectName(QStringLiteral("StatusMessage"));
    bar->addPermanentWidget(m_statusMessage, 1);
    m_statusMessageTimer.setSingleShot(true);
    m_statusMessageTimer.setInterval(kStatusMessageMs);
    connect(&m_statusMessageTimer, &QTimer::timeout, m_statusMessage, &QLabel::clear);
    // A beep alone goes unheard on many desktops.
    connect(m_canvas, &FormCanvas::inputRefused, this, &MainWindow::showStatusMessage);
    connect(m_settings, &AutomaticSettings::autoFillChanged, m_statusPanels[0], &QLabel::setText);
    connect(m_settings, &AutomaticSettings::autoAdditionChanged, m_statusPanels[1],
            &QLabel::setText);
}

QString MainWindow::statusPanelText(int panel) const {
    return m_statusPanels[panel]->text();
}

void MainWindow::showStatusMessage(const QString& text) {
    m_statusMessage->setText(text);
    m_statusMessageTimer.start();
}

QString MainWindow::statusMessage() const {
    return m_statusMessage->text();
}

void MainWindow::warnAboutLowResolution() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    prefs::TypedPreferences& preferences = m_preferences->settings();
    if (!screen || screen->geometry().width() >= 763 ||
        preferences.flagState(Pref::SeenLowResolutionWarning) != prefs::FlagState::False)
        return;
    m_dialogs.showMessage(
        tr("This program was designed to be used at a screen resolution\n\rof at least 800x600. "
           "Because your screen resolution is lower\r\nthan that, some parts of the program may "
           "not function properly.\r\nIf you do not know how to change your screen "
           "resolution,\r\nplease call ") +
        platform::makerValues().supportTelephone);
    preferences.setFlag(Pref::SeenLowResolutionWarning, true);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        runFirstShow();
        return;
    }
    ensureFileAssociation();
    m_desktopRequests->markMainWindow(m_instanceServer);
}

void MainWindow::ensureFileAssociation() {
    if (m_fileAssociation)
        m_fileAssociation->ensureFileAssociation();
}

void MainWindow::runFirstShow() {
    m_alignmentCommands->loadFieldOffsets();
    setWindowTitle(programTitle());
    ensureFileAssociation();
    m_document->clearModified();
    m_automaticCommands->applyAutoFillPreference();
    m_suggestionBox->applyPreferenceAtFirstShow();
    m_settings->setGateOpen(true);
    m_canvas->createRevenueRowMarker(revenueRowMarkerPicture());
    m_canvas->createHintIcons(hintIconPicture());
    m_settings->typedCells().clearTypedCellFlags();
    m_fieldBehaviours->setHintTexts();
    // Requests that came while the program was starting wait for the claim below.
    m_desktopRequests->markMainWindow(m_instanceServer);
    m_commands->Pa1Click();
    if (!m_files.isEmpty())
        m_commands->openClaimFile(m_files.constFirst(), true);
    // Asked over the window once it is up, not over the splash screen of the start.
    if (m_recovery)
        QTimer::singleShot(0, m_recovery.get(), &CrashRecovery::offerLeftClaims);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_commands->mayClose()) {
        event->ignore();
        return;
    }
    m_preferences->savePreferencesNew();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this)
            return scrollByWheel(static_cast<QWheelEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::scrollByWheel(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const bool sideways = event->modifiers().testFlag(Qt::ShiftModifier) || delta.y() == 0;
    QScrollBar* bar =
        sideways ? m_scrollBox->horizontalScrollBar() : m_scrollBox->verticalScrollBar();
    // One notch (120) toward the user scrolls down, or right, by one line step per
    // wheel-scroll line and one more; finer wheels scroll by their share of a notch.
    const int eighths = delta.y() != 0 ? delta.y() : delta.x();
    const int lineSteps = QApplication::wheelScrollLines() + 1;
    bar->setValue(bar->value() - eighths * lineSteps * bar->singleStep() / 120);
    event->accept();
    return true;
}

} // namespace cw::editor
