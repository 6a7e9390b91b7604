// formpicture: draws the UB-04 form pictures and the program's small artwork into the
// resources folder, after checking that no ink falls where a field's text goes.
//
//   formpicture <resources folder> [--look <folder>]
//
// --look also writes the pictures with the sample claim laid over them, for a person to
// judge. Nothing is written to the resources folder when the check fails.

#include "FormDescription.h"
#include "FormRenderer.h"
#include "SampleOverlay.h"
#include "SheetMapping.h"
#include "SmallPictures.h"
#include "TextAreas.h"
#include "model/FieldCatalogue.h"
#include "platform/FileAccess.h"
#include "resources/ResourcePaths.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace cw::formpicture;
namespace res = cw::resources;

constexpr int kJpegQuality = 92;

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

struct OutputFile {
    QString path; // relative to the output folder
    QByteArray bytes;
};

QByteArray encode(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    writer.write(image);
    return bytes;
}

// The screen pictures are decoded at every start of the program: an 8-bit palette of their
// most frequent colours decodes several times faster than true colour. The form has a few
// hundred colours, nearly all of them shades along the edges of its lines and letters, so
// mapping the rarest to their nearest kept colour shows no difference.
QImage withPalette(const QImage& image) {
    QHash<QRgb, qint64> counts;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x]];
    }
    std::vector<std::pair<qint64, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(-it.value(), it.key());
    std::sort(byCount.begin(), byCount.end());
    QList<QRgb> palette;
    for (std::size_t i = 0; i < byCount.size() && i < 256; ++i)
        palette.push_back(byCount[i].second);
    return rgb.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

QImage decode(const QByteArray& bytes) {
    QImage image;
    image.loadFromData(bytes);
    return image;
}

OutputFile png(const res::Picture& picture, const QImage& image) {
    return {QLatin1StringView(picture.path), encode(image, "png")};
}

bool fontsPresent() {
    bool present = true;
    for (const QString& family : {captionFamily(), claimTextFamily()}) {
        if (!QFontDatabase::families().contains(family)) {
            err() << "formpicture: the font family \"" << family
                  << "\" is not installed (Debian: fonts-dejavu-extra, fonts-liberation2)\n";
            present = false;
        }
    }
    return present;
}

QRegion screenTextRegion(int density) {
    QRegion region;
    for (int i = 0; i < cw::model::kFieldCount; ++i) {
        const QRect area = screenTextArea(i);
        if (!area.isEmpty())
            region += QRect(area.topLeft() * density, area.size() * density);
    }
    return region;
}

bool reportInk(const QImage& image, Picture picture, const char* name) {
    const std::vector<InkedTextArea> inked = inkedTextAreas(image, picture);
    for (const InkedTextArea& a : inked) {
        err() << name << ": ink in the text area of "
              << cw::model::FieldCatalogue::name(a.catalogueIndex) << " (" << a.area.x() << ","
              << a.area.y() << " " << a.area.width() << "x" << a.area.height()
              << "): " << a.inkPixels << " pixels, first at " << a.firstInk.x() << ","
              << a.firstInk.y() << "\n";
    }
    return inked.empty();
}

bool writeAll(const QString& folder, const std::vector<OutputFile>& files) {
    for (const OutputFile& file : files) {
        const QString path = QDir(folder).filePath(file.path);
        if (!QDir().mkpath(QFileInfo(path).path())) {
            err() << "formpicture: cannot make the folder for " << path << "\n";
            return false;
        }
        if (const auto written = cw::platform::writeFileAtomically(path, file.bytes); !written) {
            err() << "formpicture: " << written.error() << "\n";
            return false;
        }
    }
    return true;
}

// The resource list the program compiles in, kept in step with what was drawn.
QByteArray resourceList(const std::vector<OutputFile>& files) {
    QByteArray qrc = "<!DOCTYPE RCC>\n<!-- Written by tools/formpicture; do not edit. -->\n"
                     "<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const OutputFile& file : files)
        qrc += "  <file>" + file.path.toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    return qrc;
}

std::vector<OutputFile> lookFiles(const QImage& screen, const QImage& print) {
    QImage screenFilled = screen.convertToFormat(QImage::Format_RGB32);
    drawSampleOnScreenPicture(screenFilled);
    QImage printFilled = print.convertToFormat(QImage::Format_RGB32);
    drawSampleOnPrintPicture(printFilled);
    QImage anchors = screen.convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&anchors);
        const QImage icon = hintIcon();
        for (const auto& anchor : cw::model::FieldCatalogue::hintAnchors())
            painter.drawImage(QPoint(anchor.left, anchor.top), icon);
    }
    const QImage thumbnail =
        screenFilled.copy(0, 0, 762, 300).scaledToWidth(640, Qt::SmoothTransformation);
    return {{QStringLiteral("screen-with-sample.png"), encode(screenFilled, "png")},
            {QStringLiteral("print-with-sample.png"), encode(printFilled, "png")},
            {QStringLiteral("screen-with-hint-icons.png"), encode(anchors, "png")},
            {QStringLiteral("form-picture.png"), encode(thumbnail, "png")}};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the UB-04 form pictures and the small artwork."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("resources"),
                                 QStringLiteral("The folder the pictures go to."));
    const QCommandLineOption look(QStringLiteral("look"),
                                  QStringLiteral("Also write the pictures with the sample claim."),
                                  QStringLiteral("folder"));
    parser.addOption(look);
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        err() << "formpicture: give the resources folder (see --help)\n";
        return 2;
    }
    if (!fontsPresent())
        return 1;
    QImageReader::setAllocationLimit(0);

    const FormDescription form = ub04Form();
    const QImage screen =
        withPalette(renderForm(form, {SheetMapping::screenPicture(form.screenShifts, 1),
                                      kScreenPictureSize, screenTextRegion(1), true}));
    const QImage screen2x =
        withPalette(renderForm(form, {SheetMapping::screenPicture(form.screenShifts, 2),
                                      kScreenPictureSize * 2, screenTextRegion(2), true}));
    const QByteArray printJpeg =
        encode(renderForm(form, {SheetMapping::printPicture(), kPrintPictureSize, {}, false}),
               "jpeg", kJpegQuality);
    // Checked as the program will decode it, artefacts and all.
    const QImage print = decode(printJpeg);

    if (parser.isSet(look) && !writeAll(parser.value(look), lookFiles(screen, print)))
        return 1;
    const bool screenClear = reportInk(screen, Picture::Screen, "screen picture");
    const bool printClear = reportInk(print, Picture::Print, "print picture");
    if (!screenClear || !printClear) {
        err() << "formpicture: nothing written\n";
        return 1;
    }

    const PrintPreviews previews = printPreviews(print);
    std::vector<OutputFile> files = {
        png(res::kFormScreen, screen),
        png(res::kFormScreen2x, screen2x),
        {QLatin1StringView(res::kFormPrint.path), printJpeg},
        png(res::kPreviewTextOnly, previews.textOnly),
        png(res::kPreviewFormBlack, previews.blackAndWhite),
        png(res::kPreviewFormColor, previews.color),
        png(res::kHintIcon, hintIcon()),
        png(res::kRevenueMarker, revenueMarker()),
        png(res::kAboutIcon, aboutIcon()),
        png(res::kProgramIcon48, programIcon(48)),
        png(res::kProgramIcon128, programIcon(128)),
        png(res::kProgramIcon256, programIcon(256)),
        png(res::kSplash, splashPicture()),
        png(res::kToolbarNewForm, toolbarPicture(ToolbarPicture::NewForm)),
        png(res::kToolbarOpen, toolbarPicture(ToolbarPicture::Open)),
        png(res::kToolbarSave, toolbarPicture(ToolbarPicture::Save)),
        png(res::kToolbarPrintMode, toolbarPicture(ToolbarPicture::PrintMode)),
        png(res::kToolbarPrint, toolbarPicture(ToolbarPicture::Print)),
        png(res::kToolbarBatchPrinting, toolbarPicture(ToolbarPicture::BatchPrinting)),
        png(res::kToolbarFaq, toolbarPicture(ToolbarPicture::Faq)),
        png(res::kArrowUp, arrowPicture(Qt::UpArrow)),
        png(res::kArrowDown, arrowPicture(Qt::DownArrow)),
        png(res::kArrowLeft, arrowPicture(Qt::LeftArrow)),
        png(res::kArrowRight, arrowPicture(Qt::RightArrow)),
        png(res::kRemoveMark, removeMark()),
        png(res::kSaveButton, saveButtonPicture()),
    };
    files.push_back({QStringLiteral("claimwright.qrc"), resourceList(files)});
    return writeAll(parser.positionalArguments().constFirst(), files) ? 0 : 1;
}
