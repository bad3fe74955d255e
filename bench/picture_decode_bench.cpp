// Decoding a large photo-like JPEG from memory, as Open and bkpic convert
// do: 6000 x 4000 pixels, 96 MB of pixels to map and fill.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <cmath>

#include "platform/picture_file.h"

namespace {

QByteArray large_jpeg() {
    QImage picture(6000, 4000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const double wave = std::sin(x / 97.0) * std::cos(y / 61.0);
            line[x] = qRgb(int(127 + 120 * wave), (x * 255 / 6000 + (x * y) % 7) & 255,
                           (y * 255 / 4000) & 255);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 90);
    return bytes;
}

void decode_jpeg_6000x4000(benchmark::State& state) {
    const QByteArray bytes = large_jpeg();
    for (auto _ : state) {
        const platform::DecodedPicture decoded = platform::decode_picture_bytes(
            std::string_view(bytes.constData(), std::size_t(bytes.size())), "photo.jpg");
        benchmark::DoNotOptimize(decoded.image.constBits());
    }
}
BENCHMARK(decode_jpeg_6000x4000)->Unit(benchmark::kMillisecond);

}  // namespace
