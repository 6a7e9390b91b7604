#pragma once

// What the fuzz targets share: a failed check stops the run at once, so that libFuzzer keeps
// the input that broke it.

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

namespace cw::fuzz {

inline void require(bool holds) {
    if (!holds)
        __builtin_trap();
}

inline QByteArrayView bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace cw::fuzz
