#include "editor/EditorApplication.h"

#include "editor/ApplicationErrorHandler.h"

#include <QProxyStyle>

#include <exception>

namespace cw::editor {

namespace {

class HintTimingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return kToolTipDelayMs;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return kToolTipDurationMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

ApplicationErrorHandler* EditorApplication::s_handler = nullptr;

EditorApplication::EditorApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setStyle(new HintTimingStyle);
}

void EditorApplication::installErrorHandler(ApplicationErrorHandler* handler) {
    s_handler = handler;
}

bool EditorApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (!s_handler)
            throw;
        s_handler->handle(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

} // namespace cw::editor
