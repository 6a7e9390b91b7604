#pragma once

// The picture of the form printed under the text in the text-and-form mode, and its drawing on
// the page. The JPEG is decoded once per run; the bent (and greyed) picture is kept and reused
// while the page offsets and the kind stay the same, so a batch decodes and warps once, and a
// PDF of many pages embeds one image.

#include "platform/Result.h"
#include "printing/DeviceMetrics.h"
#include "printing/PageOffsets.h"
#include "printing/PrintModeSettings.h"

#include <QImage>
#include <QString>

#include <optional>

class QPainter;

namespace cw::printing {

class FormPictures {
public:
    // The compiled-in print picture.
    FormPictures();
    // Another JPEG of the print picture's size.
    explicit FormPictures(QString jpegPath);

    // The picture of that kind (Grey or Colour) bent by the page offsets, picture adjustment
    // included.
    Result<QImage> picture(PictureKind kind, const PageOffsets& pageOffsets);

private:
    Result<void> decodeOnce();

    struct Key {
        PictureKind kind;
        PageOffsets offsets;
        bool operator==(const Key&) const = default;
    };

    QString m_path;
    QImage m_source;
    std::optional<Key> m_lastKey;
    QImage m_last;
};

// Draws the picture over the whole sheet, from the sheet's corner, so that the printer's
// unprintable margins cut its edges off. The picture adjustment goes onto a copy of the page
// offsets, so the job's own offsets stay as they were whatever happens here.
Result<void> printFormPicture(QPainter& painter, const DeviceMetrics& metrics, PictureKind kind,
                              const PageOffsets& pageOffsets, FormPictures& pictures);

} // namespace cw::printing
