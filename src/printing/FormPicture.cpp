#include "printing/FormPicture.h"

#include "platform/FileAccess.h"
#include "printing/FormPictureWarp.h"
#include "printing/JpegDecoder.h"
#include "resources/ResourcePaths.h"

#include <QCoreApplication>
#include <QPainter>

namespace cw::printing {

namespace {

// The print picture is about 0.7 MB; anything far larger is not it.
constexpr qint64 kMaxPictureBytes = 64 * 1024 * 1024;

QString tr(const char* text) {
    return QCoreApplication::translate("FormPicture", text);
}

} // namespace

FormPictures::FormPictures()
    : FormPictures(resources::path(resources::kFormPrint)) {}

FormPictures::FormPictures(QString jpegPath)
    : m_path(std::move(jpegPath)) {}

Result<void> FormPictures::decodeOnce() {
    if (!m_source.isNull())
        return {};
    const Result<QByteArray> bytes = platform::readWholeFile(m_path, kMaxPictureBytes);
    if (!bytes)
        return Error{tr("The form picture cannot be printed. %1").arg(bytes.error())};
    Result<QImage> decoded = decodeJpeg(*bytes);
    if (!decoded)
        return Error{
            tr("The form picture \"%1\" cannot be printed. %2").arg(m_path, decoded.error())};
    if (decoded->width() != kPictureWidth || decoded->height() != kPictureHeight)
        return Error{tr("The form picture \"%1\" is %2 x %3 pixels; printing needs %4 x %5.")
                         .arg(m_path)
                         .arg(decoded->width())
                         .arg(decoded->height())
                         .arg(kPictureWidth)
                         .arg(kPictureHeight)};
    m_source = std::move(decoded).value();
    return {};
}

Result<QImage> FormPictures::picture(PictureKind kind, const PageOffsets& pageOffsets) {
    Q_ASSERT(kind != PictureKind::None);
    const Key key{kind, pageOffsets};
    if (m_lastKey == key)
        return m_last;
    if (const Result<void> decoded = decodeOnce(); !decoded)
        return Error{decoded.error()};

    const TileBorders borders =
        pictureTileBorders(adjustedForPicture(pageOffsets, kPictureAdjustment));
    QImage bent = warpTiles(m_source, kPictureTileSize, borders);
    if (!bent.isNull() && kind == PictureKind::Grey)
        bent = toGrey(bent);
    if (bent.isNull())
        return Error{tr("There is not enough memory to print the form picture.")};
    m_lastKey = key;
    m_last = bent;
    return bent;
}

Result<void> printFormPicture(QPainter& painter, const DeviceMetrics& metrics, PictureKind kind,
                              const PageOffsets& pageOffsets, FormPictures& pictures) {
    const Result<QImage> picture = pictures.picture(kind, pageOffsets);
    if (!picture)
        return Error{picture.error()};
    painter.drawImage(fullSheetRect(metrics), *picture);
    return {};
}

} // namespace cw::printing
