#include "export/ZipPackage.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>
#include <utility>
#include <zip.h>

namespace cw::exports {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ZipPackage", text);
}

// Parts are written for speed: the largest, a workbook's sheet, is rewritten on every export,
// and the fastest level costs it only a little in size. Setting up compression costs more than
// a small part gains from it, so those are stored as they are.
constexpr zip_uint32_t kCompressionLevel = 1;
constexpr qsizetype kSmallestCompressedPart = 16 * 1024;

QString errorText(zip_error_t* error) {
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

} // namespace

ZipPackage::ZipPackage(zip_source* source, zip* archive)
    : m_source(source)
    , m_archive(archive) {}

ZipPackage::ZipPackage(ZipPackage&& other) noexcept
    : m_written(std::move(other.m_written))
    , m_source(std::exchange(other.m_source, nullptr))
    , m_archive(std::exchange(other.m_archive, nullptr))
    , m_maxBytesRead(other.m_maxBytesRead)
    , m_bytesRead(other.m_bytesRead) {}

ZipPackage::~ZipPackage() {
    if (m_archive)
        zip_discard(m_archive);
    if (m_source)
        zip_source_free(m_source);
}

Result<ZipPackage> ZipPackage::create() {
    return open(QByteArray());
}

Result<ZipPackage> ZipPackage::open(const QByteArray& bytes, qint64 maxBytesRead) {
    // libzip frees the buffer it reads from once it has written the package in its place, so
    // it gets a copy of its own.
    void* copy = nullptr;
    if (!bytes.isEmpty()) {
        copy = std::malloc(static_cast<std::size_t>(bytes.size()));
        if (!copy)
            return Error{tr("there is not enough memory to open it")};
        std::memcpy(copy, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source* source =
        zip_source_buffer_create(copy, static_cast<zip_uint64_t>(bytes.size()), 1, &error);
    if (!source) {
        std::free(copy);
        const QString reason = errorText(&error);
        zip_error_fini(&error);
        return Error{reason};
    }
    // An empty buffer is a new package; anything else must be a sound zip archive.
    const int flags = bytes.isEmpty() ? ZIP_CREATE : ZIP_CHECKCONS;
    zip* archive = zip_open_from_source(source, flags, &error);
    if (!archive) {
        const QString reason = errorText(&error);
        zip_error_fini(&error);
        zip_source_free(source);
        return Error{tr("it is not a zip package (%1)").arg(reason)};
    }
    zip_error_fini(&error);
    // The package reads the bytes back from the source once libzip has written them there.
    zip_source_keep(source);
    ZipPackage package(source, archive);
    package.m_maxBytesRead = maxBytesRead;
    return package;
}

Result<QByteArray> ZipPackage::assemble(const std::vector<std::pair<QString, QByteArray>>& parts) {
    Result<ZipPackage> created = create();
    if (!created)
        return Error{created.error()};
    ZipPackage package = std::move(created).value();
    for (const auto& [name, bytes] : parts)
        if (Result<void> written = package.write(name, bytes, Storage::Stored); !written)
            return Error{written.error()};
    return package.finish();
}

Error ZipPackage::archiveError(const QString& doing) const {
    return Error{tr("%1: %2").arg(doing, QString::fromLocal8Bit(zip_strerror(m_archive)))};
}

bool ZipPackage::contains(const QString& name) const {
    return zip_name_locate(m_archive, name.toUtf8().constData(), ZIP_FL_NOCASE) >= 0;
}

Result<QByteArray> ZipPackage::read(const QString& name, qint64 maxBytes) const {
    const QByteArray encoded = name.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(m_archive, encoded.constData(), ZIP_FL_NOCASE, &stat) != 0)
        return archiveError(tr("the part %1 is missing").arg(name));
    if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > static_cast<zip_uint64_t>(maxBytes))
        return Error{tr("the part %1 is larger than the %2 bytes this program reads")
                         .arg(name)
                         .arg(maxBytes)};
    if (stat.size > static_cast<zip_uint64_t>(m_maxBytesRead - m_bytesRead))
        return Error{tr("its parts are larger in all than the %1 bytes this program reads")
                         .arg(m_maxBytesRead)};
    zip_file_t* file = zip_fopen(m_archive, encoded.constData(), ZIP_FL_NOCASE);
    if (!file)
        return archiveError(tr("the part %1 cannot be opened").arg(name));
    QByteArray bytes(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    qint64 total = 0;
    zip_int64_t n = 0;
    // Read to the end, so that libzip checks the part's checksum.
    while ((n = zip_fread(file, bytes.data() + total,
                          static_cast<zip_uint64_t>(bytes.size() - total))) > 0) {
        total += n;
        if (total == bytes.size())
            break;
    }
    char beyond = 0;
    if (n >= 0)
        n = zip_fread(file, &beyond, 1);
    const QString reason = QString::fromLocal8Bit(zip_file_strerror(file));
    zip_fclose(file);
    if (n > 0)
        return Error{tr("the part %1 holds more than the %2 bytes its header gives")
                         .arg(name)
                         .arg(stat.size)};
    if (n != 0 || total != bytes.size())
        return Error{tr("the part %1 cannot be read: %2").arg(name, reason)};
    m_bytesRead += total;
    return bytes;
}

Result<void> ZipPackage::write(const QString& name, QByteArray bytes, Storage storage) {
    const QByteArray& kept = m_written.emplace_back(std::move(bytes));
    zip_source* source =
        zip_source_buffer(m_archive, kept.constData(), static_cast<zip_uint64_t>(kept.size()), 0);
    if (!source)
        return archiveError(tr("the part %1 cannot be written").arg(name));
    const QByteArray encoded = name.toUtf8();
    zip_int64_t index = zip_name_locate(m_archive, encoded.constData(), ZIP_FL_NOCASE);
    bool taken = false;
    if (index >= 0) {
        taken = zip_file_replace(m_archive, static_cast<zip_uint64_t>(index), source, 0) == 0;
    } else {
        index = zip_file_add(m_archive, encoded.constData(), source, ZIP_FL_ENC_UTF_8);
        taken = index >= 0;
    }
    if (!taken) {
        zip_source_free(source);
        return archiveError(tr("the part %1 cannot be written").arg(name));
    }
    const bool compressed =
        storage == Storage::Compressed && kept.size() >= kSmallestCompressedPart;
    if (zip_set_file_compression(m_archive, static_cast<zip_uint64_t>(index),
                                 compressed ? ZIP_CM_DEFLATE : ZIP_CM_STORE,
                                 compressed ? kCompressionLevel : 0) != 0)
        return archiveError(tr("the part %1 cannot be compressed").arg(name));
    return {};
}

Result<QByteArray> ZipPackage::finish() {
    if (zip_close(m_archive) != 0) {
        const Error failed = archiveError(tr("the package cannot be put together"));
        zip_discard(m_archive);
        m_archive = nullptr;
        return failed;
    }
    m_archive = nullptr;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(m_source, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        zip_source_open(m_source) != 0)
        return Error{
            tr("the package cannot be read back: %1").arg(errorText(zip_source_error(m_source)))};
    QByteArray bytes(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    const zip_int64_t n =
        zip_source_read(m_source, bytes.data(), static_cast<zip_uint64_t>(bytes.size()));
    zip_source_close(m_source);
    if (n != bytes.size())
        return Error{
            tr("the package cannot be read back: %1").arg(errorText(zip_source_error(m_source)))};
    return bytes;
}

} // namespace cw::exports
