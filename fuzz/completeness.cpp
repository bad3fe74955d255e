// The completeness checks of JPG, GIF and BMP files: any bytes, through all
// three. They must neither crash, read outside the file, nor overflow.
#include "platform/picture_completeness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    platform::jpeg_is_complete(file);
    platform::gif_is_complete(file);
    platform::bmp_is_complete(file);
    return 0;
}
