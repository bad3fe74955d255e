#include "platform/area_scale.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/linear_light.h"
#include "platform/two_halves.h"

namespace platform {
namespace {

// The source pixels that one target pixel covers along an axis, with shares
// that add up to 1.
struct Cover {
    int first = 0;
    std::vector<float> shares;
};

// The covers of target pixels first .. first + count - 1 of `target`.
std::vector<Cover> covers(int source, int target, int first, int count) {
    std::vector<Cover> result(count);
    const double step = double(source) / target;
    for (int i = 0; i < count; ++i) {
        const int t = first + i;
        const double low = t * step, high = (t + 1) * step;
        Cover& cover = result[i];
        cover.first = std::min(int(std::floor(low)), source - 1);
        const int last = std::clamp(int(std::ceil(high)) - 1, cover.first, source - 1);
        for (int s = cover.first; s <= last; ++s) {
            const double covered = std::min(high, s + 1.0) - std::max(low, double(s));
            cover.shares.push_back(float(std::max(covered, 0.0) / step));
        }
    }
    return result;
}

// Target rows first..end of the scaled picture into `pixels` (bytes_per_line
// apart): one target row at a time, each source row it covers reduced across
// and added by its share. A source row on the border of two target rows is
// reduced once, for both.
void scale_rows(const QImage& source, const std::vector<Cover>& across,
                const std::vector<Cover>& down, int first, int end, uchar* pixels,
                qsizetype bytes_per_line) {
    const auto& linear = linear_of_srgb();
    const int width = int(across.size());
    std::vector<float> sum(std::size_t(width) * 3), reduced(sum.size());
    int reduced_row = -1;
    auto reduce = [&](int row) {
        if (row == reduced_row) return;
        reduced_row = row;
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        for (int x = 0; x < width; ++x) {
            const Cover& part = across[x];
            float r = 0, g = 0, b = 0;
            for (std::size_t j = 0; j < part.shares.size(); ++j) {
                const QRgb pixel = line[part.first + j];
                r += linear[qRed(pixel)] * part.shares[j];
                g += linear[qGreen(pixel)] * part.shares[j];
                b += linear[qBlue(pixel)] * part.shares[j];
            }
            reduced[x * 3] = r;
            reduced[x * 3 + 1] = g;
            reduced[x * 3 + 2] = b;
        }
    };
    for (int y = first; y < end; ++y) {
        std::fill(sum.begin(), sum.end(), 0.0f);
        const Cover& cover = down[y];
        for (std::size_t k = 0; k < cover.shares.size(); ++k) {
            reduce(cover.first + int(k));
            for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += reduced[i] * cover.shares[k];
        }
        auto* line = reinterpret_cast<QRgb*>(pixels + y * bytes_per_line);
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(srgb_of_linear(sum[x * 3]), srgb_of_linear(sum[x * 3 + 1]),
                           srgb_of_linear(sum[x * 3 + 2]));
    }
}

// From this many source pixels on, the upper and lower halves of the target
// are scaled on two threads; each gives the same pixels either way.
constexpr qsizetype two_threads_from = 1 << 20;

}  // namespace

QImage scale_by_area(const QImage& picture, QSize size) {
    return scale_by_area(picture, size, QRect(QPoint(0, 0), size));
}

QImage scale_by_area(const QImage& picture, QSize size, QRect part) {
    part &= QRect(QPoint(0, 0), size);
    if (picture.isNull() || part.isEmpty()) return {};
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const auto across = covers(source.width(), size.width(), part.left(), part.width());
    const auto down = covers(source.height(), size.height(), part.top(), part.height());
    QImage result(part.size(), QImage::Format_RGB32);
    if (source.isNull() || result.isNull()) return {};  // no memory for them
    uchar* const pixels = result.bits();
    const qsizetype line = result.bytesPerLine();
    const int height = part.height();
    if (qsizetype(source.width()) * source.height() < two_threads_from || height < 2) {
        scale_rows(source, across, down, 0, height, pixels, line);
        return result;
    }
    in_two_halves(height, [&](int first, int end) {
        scale_rows(source, across, down, first, end, pixels, line);
    });
    return result;
}

}  // namespace platform
