#pragma once
// bkpic prints one line for each input that fails, its own. The decoders
// would add theirs: Qt's image readers through Qt's messages
// ("qt.gui.imageio.jpeg: Not a JPEG file..."), and libpng by writing to
// standard error itself ("libpng error: Read Error").

namespace bkpic {

// Drops Qt's messages of the image readers and writers (categories
// qt.gui.imageio*); hands every other one to the handler before.
void drop_image_io_messages();

// Standard error goes nowhere while this lives, for decoders that write to
// it themselves. What was written to std::cerr before is flushed first.
class SilencedStandardError {
  public:
    SilencedStandardError();
    SilencedStandardError(const SilencedStandardError&) = delete;
    SilencedStandardError& operator=(const SilencedStandardError&) = delete;
    ~SilencedStandardError();

  private:
    int saved_;  // standard error's own descriptor, or -1 when left as it was
};

}  // namespace bkpic
