#pragma once

// One run's print settings over default preferences, and PDF printers to print them on.

#include "prefs/TypedPreferences.h"
#include "printing/FieldOffsets.h"
#include "printing/PrintEngine.h"
#include "printing/PrintFontSettings.h"
#include "printing/PrintModeSettings.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <memory>

namespace cw::test {

inline prefs::Preferences defaultPreferences() {
    prefs::Preferences preferences;
    preferences.resetToDefaults();
    return preferences;
}

// The settings refer to the preferences, so the whole stays in place.
struct PrintRun {
    prefs::Preferences preferences = defaultPreferences();
    prefs::TypedPreferences view{preferences};
    printing::PrintModeSettings printMode{view};
    printing::PrintFontSettings font{view};
    printing::FieldOffsets fieldOffsets;

    PrintRun() = default;
    PrintRun(const PrintRun&) = delete;
    PrintRun& operator=(const PrintRun&) = delete;

    // The job settings as the program loads them, at the time of the call.
    printing::PrintJobSettings settings() {
        return printing::loadPrintJobSettings(view, fieldOffsets);
    }
};

// A PDF printer whose printable area starts margins.left(), margins.top() points into the sheet.
inline std::unique_ptr<QPrinter> pdfPrinter(const QString& path, QMarginsF margins = {}) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setPageMargins(margins, QPageLayout::Point);
    return printer;
}

} // namespace cw::test
