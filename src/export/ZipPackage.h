#pragma once

// A zip package, the container of .xlsx and .docx files, held in memory and handled by
// libzip. Parts are found by name, whatever the case of its letters, as the packaging rules
// have it. When the package is finished, every part that was not written is copied over as it
// was, compressed bytes and all.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <list>
#include <utility>
#include <vector>

struct zip;
struct zip_source;

namespace cw::exports {

class ZipPackage {
public:
    // Inflated bytes read from one package at most: several times a full claims workbook.
    static constexpr qint64 kMaxPackageBytesRead = 128 * 1024 * 1024;

    // A package without parts.
    static Result<ZipPackage> create();
    // A new package of these parts, as bytes: (name, content) pairs. A new package holds one
    // claim at most, so its parts are stored: compressing them would cost more time than the
    // space it saves is worth.
    static Result<QByteArray> assemble(const std::vector<std::pair<QString, QByteArray>>& parts);
    // The package the bytes hold; refused when they are no zip archive or a damaged one. Its
    // parts are read up to maxBytesRead in all, once inflated, so that a small archive cannot
    // fill the memory (a zip bomb).
    static Result<ZipPackage> open(const QByteArray& bytes,
                                   qint64 maxBytesRead = kMaxPackageBytesRead);

    ~ZipPackage();
    ZipPackage(ZipPackage&& other) noexcept;
    ZipPackage& operator=(ZipPackage&&) = delete;
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    bool contains(const QString& name) const;
    // The part's bytes; a part larger than maxBytes, or than what is left of the package's
    // reading budget, is refused before it is read, and a part that inflates to more than its
    // header says while it is read.
    Result<QByteArray> read(const QString& name, qint64 maxBytes) const;
    enum class Storage { Compressed, Stored };
    // Adds the part, or replaces the part of that name. A part too small to gain from
    // compression is stored all the same.
    Result<void> write(const QString& name, QByteArray bytes,
                       Storage storage = Storage::Compressed);

    // The bytes of the package with its parts as written. The package is spent afterwards.
    Result<QByteArray> finish();

private:
    ZipPackage(zip_source* source, zip* archive);
    Error archiveError(const QString& doing) const;

    QByteArray m_original;           // what libzip reads the package from
    std::list<QByteArray> m_written; // libzip reads written parts when the package is finished
    zip_source* m_source = nullptr;
    zip* m_archive = nullptr;
    qint64 m_maxBytesRead = 0;
    mutable qint64 m_bytesRead = 0; // by read(), inflated
};

} // namespace cw::exports
