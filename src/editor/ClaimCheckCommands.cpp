#include "editor/ClaimCheckCommands.h"

#include "editor/CaptionLabel.h"
#include "editor/ClaimCheckWindow.h"
#include "editor/FormCanvas.h"
#include "editor/UserDialogs.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace cw::editor {

namespace {

// Its own registry value rather than a preference slot: the preference text's layout is shared
// with earlier releases and stays as it is.
constexpr QStringView kSettingKey = u"Software\\Quillmark\\Claimwright";
constexpr QStringView kCheckBeforePrinting = u"CheckClaimsBeforePrinting";

QString countText(int count, const QString& one, const QString& many) {
    return count == 1 ? one : many.arg(count);
}

QString panelText(const check::FindingCounts& counts) {
    if (counts.errors == 0 && counts.warnings == 0)
        return ClaimCheckCommands::tr("Claim check: no problems");
    QStringList parts;
    if (counts.errors > 0)
        parts << countText(counts.errors, ClaimCheckCommands::tr("1 error"),
                           ClaimCheckCommands::tr("%1 errors"));
    if (counts.warnings > 0)
        parts << countText(counts.warnings, ClaimCheckCommands::tr("1 warning"),
                           ClaimCheckCommands::tr("%1 warnings"));
    return ClaimCheckCommands::tr("Claim check: %1").arg(parts.join(QStringLiteral(", ")));
}

} // namespace

ClaimCheckCommands::ClaimCheckCommands(Context context, QMenu& options, QObject* parent)
    : QObject(parent)
    , m_context(context) {
    options.addSeparator();
    QAction* check = options.addAction(tr("Check Claim"));
    check->setObjectName(QStringLiteral("CheckClaim1"));
    check->setShortcut(QKeySequence(Qt::Key_F7));
    connect(check, &QAction::triggered, this, &ClaimCheckCommands::CheckClaimClick);
    m_checkBeforePrinting = options.addAction(tr("Check claims before printing"));
    m_checkBeforePrinting->setObjectName(QStringLiteral("CheckBeforePrinting1"));
    m_checkBeforePrinting->setCheckable(true);
    m_checkBeforePrinting->setChecked(checksBeforePrinting());
    connect(m_checkBeforePrinting, &QAction::triggered, this,
            &ClaimCheckCommands::CheckBeforePrintingClick);

    m_panel = new QToolButton(&m_context.window);
    m_panel->setObjectName(QStringLiteral("ClaimCheckPanel"));
    m_panel->setAutoRaise(true);
    m_panel->setFocusPolicy(Qt::NoFocus);
    m_panel->setToolTip(tr("Open the claim check's findings (F7)"));
    connect(m_panel, &QToolButton::clicked, this, &ClaimCheckCommands::CheckClaimClick);

    m_recheck.setSingleShot(true);
    m_recheck.setInterval(0);
    connect(&m_recheck, &QTimer::timeout, this, &ClaimCheckCommands::recheck);
    connect(&m_context.document, &model::ClaimDocument::valueChanged, &m_recheck,
            qOverload<>(&QTimer::start));
    recheck();
}

void ClaimCheckCommands::CheckClaimClick() {
    if (!m_findingsWindow) {
        m_findingsWindow = new ClaimCheckWindow(&m_context.window);
        connect(m_findingsWindow, &ClaimCheckWindow::fieldChosen, this,
                &ClaimCheckCommands::openField);
    }
    m_findingsWindow->showFindings(findings());
    m_findingsWindow->show();
    m_findingsWindow->raise();
    m_findingsWindow->activateWindow();
}

void ClaimCheckCommands::CheckBeforePrintingClick() {
    const bool on = m_checkBeforePrinting->isChecked();
    const Result<void> written =
        m_context.registry.writeInteger(kSettingKey, kCheckBeforePrinting, on ? 1 : 0);
    if (written)
        return;
    m_checkBeforePrinting->setChecked(!on);
    m_context.dialogs.showError(
        tr("\"Check claims before printing\" could not be stored: %1").arg(written.error()));
}

bool ClaimCheckCommands::checksBeforePrinting() const {
    const auto stored = m_context.registry.readInteger(kSettingKey, kCheckBeforePrinting);
    return stored && stored->value_or(0) == 1;
}

const std::vector<check::Finding>& ClaimCheckCommands::findings() {
    if (m_recheck.isActive())
        recheck();
    return m_findings;
}

bool ClaimCheckCommands::mayPrint() {
    if (!m_checkBeforePrinting->isChecked())
        return true;
    const int errors = check::countFindings(findings()).errors;
    if (errors == 0)
        return true;
    return m_context.dialogs.askYesNo(countText(errors, tr("This claim has 1 error. Print anyway?"),
                                                tr("This claim has %1 errors. Print anyway?")));
}

void ClaimCheckCommands::recheck() {
    m_recheck.stop();
    m_findings = check::checkClaim(m_context.document.values());
    m_panel->setText(panelText(check::countFindings(m_findings)));
    if (m_findingsWindow && m_findingsWindow->isVisible())
        m_findingsWindow->showFindings(m_findings);
}

void ClaimCheckCommands::openField(int catalogueIndex) {
    m_context.window.activateWindow();
    m_context.canvas.openFieldEditor(m_context.canvas.captionLabel(catalogueIndex));
}

} // namespace cw::editor
