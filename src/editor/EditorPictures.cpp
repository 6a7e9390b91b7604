#include "editor/EditorPictures.h"

#include "resources/ResourcePaths.h"

#include <QGuiApplication>

namespace cw::editor {

namespace {

QPixmap picture(const resources::Picture& p) {
    return QPixmap(resources::path(p));
}

} // namespace

QPixmap formPicture() {
    // QPixmap does not look for the "@2x" twin by itself; a high-density screen gets it here.
    if (qApp->devicePixelRatio() > 1.0) {
        QPixmap sharp = picture(resources::kFormScreen2x);
        sharp.setDevicePixelRatio(2.0);
        return sharp;
    }
    return picture(resources::kFormScreen);
}

QPixmap hintIconPicture() {
    return picture(resources::kHintIcon);
}

QPixmap revenueRowMarkerPicture() {
    return picture(resources::kRevenueMarker);
}

QIcon toolbarIcon(ToolbarPicture which) {
    struct Choice {
        const char* themeName;
        const resources::Picture& fallback;
    };
    const auto choice = [which]() -> Choice {
        switch (which) {
        case ToolbarPicture::NewForm:
            return {"document-new", resources::kToolbarNewForm};
        case ToolbarPicture::Open:
            return {"document-open", resources::kToolbarOpen};
        case ToolbarPicture::Save:
            return {"document-save", resources::kToolbarSave};
        case ToolbarPicture::PrintMode:
            return {"document-page-setup", resources::kToolbarPrintMode};
        case ToolbarPicture::Print:
            return {"document-print", resources::kToolbarPrint};
        case ToolbarPicture::BatchPrinting:
            return {"printer", resources::kToolbarBatchPrinting};
        case ToolbarPicture::FrequentlyAskedQuestions:
            return {"help-faq", resources::kToolbarFaq};
        }
        Q_UNREACHABLE();
    }();
    return QIcon::fromTheme(QString::fromLatin1(choice.themeName),
                            QIcon(resources::path(choice.fallback)));
}

} // namespace cw::editor
