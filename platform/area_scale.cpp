#include "platform/area_scale.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/linear_light.h"

namespace platform {
namespace {

// The source pixels that one target pixel covers along an axis, with shares
// that add up to 1.
struct Cover {
    int first = 0;
    std::vector<float> shares;
};

std::vector<Cover> covers(int source, int target) {
    std::vector<Cover> result(target);
    const double step = double(source) / target;
    for (int t = 0; t < target; ++t) {
        const double low = t * step, high = (t + 1) * step;
        Cover& cover = result[t];
        cover.first = std::min(int(std::floor(low)), source - 1);
        const int last = std::clamp(int(std::ceil(high)) - 1, cover.first, source - 1);
        for (int s = cover.first; s <= last; ++s) {
            const double covered = std::min(high, s + 1.0) - std::max(low, double(s));
            cover.shares.push_back(float(std::max(covered, 0.0) / step));
        }
    }
    return result;
}

}  // namespace

QImage scale_by_area(const QImage& picture, QSize size) {
    if (picture.isNull() || size.isEmpty()) return {};
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const auto across = covers(source.width(), size.width());
    const auto down = covers(source.height(), size.height());
    const auto& linear = linear_of_srgb();
    const int width = size.width();
    // One target row at a time: each source row it covers, reduced across,
    // added by its share; no buffer larger than a row.
    std::vector<float> sum(std::size_t(width) * 3);
    QImage result(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        std::fill(sum.begin(), sum.end(), 0.0f);
        const Cover& cover = down[y];
        for (std::size_t k = 0; k < cover.shares.size(); ++k) {
            const auto* line =
                reinterpret_cast<const QRgb*>(source.constScanLine(cover.first + int(k)));
            for (int x = 0; x < width; ++x) {
                const Cover& part = across[x];
                float r = 0, g = 0, b = 0;
                for (std::size_t j = 0; j < part.shares.size(); ++j) {
                    const QRgb pixel = line[part.first + j];
                    r += linear[qRed(pixel)] * part.shares[j];
                    g += linear[qGreen(pixel)] * part.shares[j];
                    b += linear[qBlue(pixel)] * part.shares[j];
                }
                sum[x * 3] += r * cover.shares[k];
                sum[x * 3 + 1] += g * cover.shares[k];
                sum[x * 3 + 2] += b * cover.shares[k];
            }
        }
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(srgb_of_linear(sum[x * 3]), srgb_of_linear(sum[x * 3 + 1]),
                           srgb_of_linear(sum[x * 3 + 2]));
    }
    return result;
}

}  // namespace platform
