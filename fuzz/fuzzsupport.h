#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <cstdint>

// Helpers shared by the fuzz targets.
namespace radiane::fuzz {

// A folder of our own for files a target writes, made once per process and
// removed at exit.
QString scratchDir();

// Writes bytes to path, replacing what was there; aborts when it cannot, since
// the target would then test nothing.
void writeFile(const QString& path, QByteArrayView bytes);

// Aborts with a message when a property of the reader does not hold.
[[noreturn]] void fail(const char* what);
inline void check(bool ok, const char* what) {
    if (!ok)
        fail(what);
}

// Takes bytes off the front of a fuzz input.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t byte() {
        if (size_ == 0)
            return 0;
        --size_;
        return *data_++;
    }
    std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
    std::uint32_t u32() { return u16() | static_cast<std::uint32_t>(u16()) << 16; }
    QByteArrayView rest() const {
        return QByteArrayView(reinterpret_cast<const char*>(data_), static_cast<qsizetype>(size_));
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

} // namespace radiane::fuzz
