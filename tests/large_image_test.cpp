#include "platform/large_image.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <fstream>
#include <string>

namespace {

// The process's mapped memory in KiB (VmSize in /proc/self/status).
long mapped_kib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmSize:", 0) == 0) return std::stol(line.substr(7));
    return -1;
}

// A size whose pixels the memory holds but an image cannot (a line of more
// than 2^31 bits): a null image, and the memory mapped for it given back.
TEST(LargeImage, NullImageKeepsNoMemory) {
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(0);  // no limit
    const long before = mapped_kib();
    EXPECT_TRUE(platform::blank_large_image({70'000'000, 1}, QImage::Format_RGB32).isNull());
    EXPECT_LT(mapped_kib() - before, 100'000);  // 280 MB kept otherwise
    QImageReader::setAllocationLimit(limit);
    const QImage image = platform::blank_large_image({2000, 2000}, QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(2000, 2000));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(image.constBits()) % (2 << 20), 0u);
}

}  // namespace
