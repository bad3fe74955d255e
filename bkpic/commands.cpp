#include "bkpic/commands.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <ostream>

#include "bkpic/bin_output.h"
#include "bkpic/command_input.h"
#include "bkpic/command_line.h"
#include "bkpic/command_parser.h"
#include "bkpic/convert_job.h"
#include "bkpic/info.h"
#include "bkpic/quiet_decoders.h"
#include "bkpic/render_job.h"
#include "bkpic/tape_files.h"
#include "platform/atomic_file.h"
#include "platform/picture_canvas.h"
#include "platform/picture_file.h"
#include "platform/qt_text.h"
#include "platform/whole_input.h"
#include "viewer/bin_screen.h"
#include "viewer/bmp_file.h"
#include "viewer/tape_screen.h"

namespace bkpic {
namespace {

// The picture format an output's extension names, in lower case: one that
// Qt writes, or nothing.
QByteArray picture_format(const std::string& path) {
    const QByteArray suffix = QFileInfo(platform::name_to_qt(path)).suffix().toLower().toLatin1();
    return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray();
}

// Why a picture cannot be written under that name: its extension names no
// format that is written.
std::optional<std::string> picture_name_refusal(const std::string& path) {
    if (!picture_format(path).isEmpty()) return std::nullopt;
    return path + ": the extension names no picture format that bkpic writes (" +
           QImageWriter::supportedImageFormats().join(", ").toStdString() + ")";
}

// BMP files through the viewer's own writer, so that they are the files its
// Save writes; the other formats through Qt.
std::optional<std::string> write_picture(const QImage& image, const std::string& path,
                                         const OutputOptions& outputs) {
    const QByteArray format = picture_format(path);
    if (format == "bmp")
        return write_output(path, viewer::encode_bmp(platform::PictureCanvas(image)), outputs);
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (format.isEmpty() || !image.save(&buffer, format.constData()))
        return "cannot encode the picture for " + path;
    return write_output(
        path,
        {reinterpret_cast<const std::uint8_t*>(encoded.constData()), std::size_t(encoded.size())},
        outputs);
}

// Reads --fit, --shape and --offset into settings; a usage error gives its
// reason.
std::optional<std::string> read_placement(const CommandParser& p, ConvertSettings& s) {
    s.fit = p.is_set("fit");
    if (p.is_set("shape")) {
        const auto shape = parse_fit_shape(p.value("shape"));
        if (!shape.value) return "--shape: " + shape.error;
        s.fit = true;
        s.shape = *shape.value;
    }
    if (!p.is_set("offset")) return std::nullopt;
    if (s.fit && s.shape == converter::FitShape::stretch)
        return "give either --fit or --offset, not both";
    if (s.fit && s.shape == converter::FitShape::whole)
        return "--offset pans the cut of --shape fill; --shape whole cuts nothing";
    const auto offset = parse_offset(p.value("offset"));
    if (!offset.value) return "--offset: " + offset.error;
    s.offset = *offset.value;
    return std::nullopt;
}

// Reads the convert options into settings; a usage error gives its reason.
Parsed<ConvertSettings> convert_settings(const CommandParser& p) {
    using Result = Parsed<ConvertSettings>;
    ConvertSettings s;
    if (!p.is_set("to")) return Result::fail("--to is required");
    const auto target = parse_target(p.value("to"));
    if (!target.value) return Result::fail(target.error);
    s.target = *target.value;
    if (p.is_set("area")) {
        if (!s.target.m11) return Result::fail("--area is for the 11M targets only");
        const auto area = parse_size(p.value("area"));
        if (!area.value) return Result::fail("--area: " + area.error);
        s.area = *area.value;
    }
    if (s.target.m11)
        if (const auto why = area_refusal(s.area, s.target.pixels_per_byte()))
            return Result::fail(*why);
    if (auto why = read_placement(p, s)) return Result::fail(*why);
    if (p.is_set("bw-level")) {
        const auto level = parse_level(p.value("bw-level"));
        if (!level.value) return Result::fail("--bw-level: " + level.error);
        s.bw_level = *level.value;
    }
    if (p.is_set("levels")) {
        const auto levels = parse_levels(p.value("levels"));
        if (!levels.value) return Result::fail("--levels: " + levels.error);
        s.levels = *levels.value;
    }
    if (p.is_set("swap")) {
        const auto acting = s.target.m11 ? converter::colour_swaps_act : converter::all_flags_act;
        const auto swaps = parse_swaps(p.value("swap"), acting);
        if (!swaps.value) return Result::fail("--swap: " + swaps.error);
        s.swaps = *swaps.value;
    }
    if (p.is_set("dither")) {
        const auto dither = parse_dither(p.value("dither"));
        if (!dither.value) return Result::fail("--dither: " + dither.error);
        s.dither = *dither.value;
    }
    return {s, {}};
}

void add_convert_options(CommandParser& p) {
    p.add({"to",
           "What to write: mono (512x256 .pic), color (256x256 .pic), sprite (64x64 .bbd), "
           "11m-mono or 11m-color (.11M).",
           "TARGET"});
    p.add({"area", "The 11M area in pixels (default 256x256).", "WxH"});
    p.add({"fit", "Stretch the picture over the whole area (as --shape stretch)."});
    p.add({"shape",
           "Fit the picture to the area: stretch (over the whole area), whole (the whole "
           "picture, keeping its own shape on the BK, centred on black) or fill (the whole "
           "area, the picture keeping its own shape on the BK, cutting off what falls "
           "outside).",
           "SHAPE"});
    p.add({"offset",
           "Scroll position: the picture pixel at the area's top-left corner "
           "(default 0,0). With --shape fill: the area pixels cut off on the left (X) or at "
           "the top (Y), the other 0 (default: the middle of the picture stays).",
           "X,Y"});
    p.add({"bw-level", "BW level for monochrome, 0..255 (default 128).", "N"});
    p.add(
        {"levels", "Red, green and blue levels for four colours (default 128,128,128).", "R,G,B"});
    p.add({"swap", "Change-colour flags 1..12, at most one of each three.", "K[,K...]"});
    p.add({"bin",
           "Also write the mono or color screen as NAME.bin, which BK emulators load into "
           "screen memory at 040000 (header 00 40 00 40, then the 16384 bytes)."});
    p.add({"bin-only", "Write the .bin screen instead of the .pic."});
    p.add({"wav",
           "Also write the mono or color screen as NAME.wav, a tape that the BK-0010's monitor "
           "loads into screen memory (M, then the tape name that bkpic prints)."});
    p.add({"wav-only", "Write the .wav tape instead of the .pic."});
    p.add({"dither",
           "none (default: the converter's level rules, pixel by pixel), floyd-steinberg, "
           "atkinson or ordered; --fit and --shape then scale by area averaging.",
           "METHOD"});
    p.add({"preview",
           "Also write the converted area as a picture, in the format its extension names "
           "(one input only).",
           "FILE.png"});
    p.add_output_options();
}

void convert_one(const std::string& input, const ConvertSettings& settings,
                 const OutputOptions& outputs, const std::string& preview, ScreenFiles files,
                 Batch& batch) {
    const platform::WholeInput read = read_input(input, platform::picture_file_limit);
    if (const auto failure = read.whole_or_failure())
        return batch.failed(input, platform::error_message(*failure));
    const platform::DecodedPicture decoded = [&] {
        const SilencedStandardError quiet;  // libpng's own "libpng error: ..."
        return platform::decode_picture_bytes(read.bytes, platform::name_to_qt(input));
    }();
    if (decoded.failure) return batch.failed(input, platform::error_message(*decoded.failure));
    const Converted converted = convert_picture(decoded.image, settings);
    if (!converted.error.empty()) return batch.failed(input, converted.error);
    if (!write_screen_files(input, converted.file, settings.target, files, outputs, batch)) return;
    if (preview.empty()) return;
    if (const auto why = write_picture(converted.preview, preview, outputs))
        return batch.failed(input, *why);
    batch.wrote(input, preview);
}

void add_render_options(CommandParser& p) {
    p.add({"as",
           "Read .pic and .bbd files as mono (512x256), color (256x256) or sprite "
           "(64x64); default: sprite for .bbd, color otherwise. .bin screens take mono or "
           "color (default color). 11M files, named .11M or known by their header, are "
           "drawn as 11M files.",
           "MODE"});
    p.add({"mono", "Draw 11M files monochrome (8 pixels a byte)."});
    p.add({"file",
           "Which file of a .wav tape to draw, by its number in bkpic info (default 1); it "
           "must be a whole screen, drawn as a .bin screen is.",
           "N"});
    p.add({"colors",
           "PC colours of BK colours 0 (black), 1 (blue), 2 (green), 3 (red), by "
           "name or #rrggbb, from the viewer's 16.",
           "C0,C1,C2,C3"});
    p.add({"mono-colors", "PC colours of monochrome bits 0 and 1.", "B0,B1"});
    p.add({"true-shape",
           "Draw the screen as the BK shows it, at 4:3: each monochrome pixel 2 x 3 and each "
           "four-colour pixel 4 x 3 PC pixels, so that a whole screen is 1024 x 768."});
    p.add_output_options();
}

Parsed<RenderSettings> render_settings(const CommandParser& p) {
    using Result = Parsed<RenderSettings>;
    RenderSettings s;
    if (p.is_set("as")) {
        const auto mode = parse_window_mode(p.value("as"));
        if (!mode.value) return Result::fail("--as: " + mode.error);
        s.as = *mode.value;
    }
    s.mono = p.is_set("mono");
    s.true_shape = p.is_set("true-shape");
    if (p.is_set("file")) {
        const auto number = parse_file_number(p.value("file"));
        if (!number.value) return Result::fail("--file: " + number.error);
        s.tape_file = *number.value;
    }
    if (p.is_set("colors")) {
        const auto colours = parse_colours(p.value("colors"), s.maps.colour.size());
        if (!colours.value) return Result::fail("--colors: " + colours.error);
        std::copy(colours.value->begin(), colours.value->end(), s.maps.colour.begin());
    }
    if (p.is_set("mono-colors")) {
        const auto colours = parse_colours(p.value("mono-colors"), s.maps.mono.size());
        if (!colours.value) return Result::fail("--mono-colors: " + colours.error);
        std::copy(colours.value->begin(), colours.value->end(), s.maps.mono.begin());
    }
    return {s, {}};
}

}  // namespace

int run_convert(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    CommandParser parser("convert", "PICTURE",
                         "Converts JPG, GIF, BMP, PNG and the other pictures Qt reads into BK "
                         "screen files, byte for byte as the KVARO converter's Convert does. "
                         "Each output is named after its picture with the whole extension "
                         "replaced: photo.jpeg gives photo.pic.");
    add_convert_options(parser);
    if (const auto status = parser.parse(arguments, out, err)) return *status;
    const auto settings = convert_settings(parser);
    if (!settings.value) return parser.usage(settings.error, err);
    const auto outputs = parser.output_options();
    if (!outputs.value) return parser.usage(outputs.error, err);
    const ScreenOptions asked{parser.is_set("bin"), parser.is_set("bin-only"), parser.is_set("wav"),
                              parser.is_set("wav-only")};
    const auto files = screen_files(asked, settings.value->target, !outputs.value->file.empty());
    if (!files.value) return parser.usage(files.error, err);
    const std::string preview = parser.value("preview");
    if (!preview.empty() && parser.files().size() > 1)
        return parser.usage("--preview names one picture; give one input", err);
    if (!preview.empty())
        if (const auto why = picture_name_refusal(preview))
            return parser.usage("--preview " + *why, err);
    Batch batch(out, err);
    for (const QString& input : parser.files())
        convert_one(platform::name_from_qt(input), *settings.value, *outputs.value, preview,
                    *files.value, batch);
    return batch.exit_status();
}

namespace {

void info_one(const std::string& path, Batch& batch) {
    const platform::WholeInput read = read_input(path, read_limit_for(path));
    if (const auto failure = input_failure(read, path))
        return batch.failed(path, platform::error_message(*failure));
    const auto bytes = bytes_of(read.bytes);
    if (viewer::is_tape_name(path)) {
        const TapeListing listing = describe_tape(bytes);
        for (const std::string& line : listing.lines) batch.said(path + ": " + line);
        if (!listing.error.empty()) batch.failed(path, listing.error);
        return;
    }
    // A file longer than is read is told by its length on disk; an input
    // that goes on unmeasured as more than was read.
    const std::uint64_t size = read.size.value_or(read.bytes.size());
    batch.said(path + ": " +
               (viewer::is_bin_name(path) ? describe_bin_file(size, bytes, !read.size)
                                          : describe_bk_file(size, bytes, !read.size)));
}

}  // namespace

int run_info(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    CommandParser parser("info", "FILE",
                         "Tells what BK screen files can be, and lists the files on .wav tapes "
                         "(name, load address, length, whether the checksum is right).");
    if (const auto status = parser.parse(arguments, out, err)) return *status;
    Batch batch(out, err);
    for (const QString& file : parser.files()) info_one(platform::name_from_qt(file), batch);
    return batch.exit_status();
}

int run_render(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    CommandParser parser("render", "BKFILE",
                         "Draws BK screen files, and the screen files on .wav tapes, as the ORVAK "
                         "viewer draws them and writes pictures in the format the output's "
                         "extension names: BMP, PNG, JPEG or another that Qt writes (default BMP "
                         "beside each file).");
    add_render_options(parser);
    if (const auto status = parser.parse(arguments, out, err)) return *status;
    const auto settings = render_settings(parser);
    if (!settings.value) return parser.usage(settings.error, err);
    const auto outputs = parser.output_options();
    if (!outputs.value) return parser.usage(outputs.error, err);
    if (!outputs.value->file.empty())
        if (const auto why = picture_name_refusal(outputs.value->file))
            return parser.usage("-o " + *why, err);
    Batch batch(out, err);
    for (const QString& input : parser.files()) {
        const std::string path = platform::name_from_qt(input);
        const platform::WholeInput read = read_input(path, read_limit_for(path));
        if (const auto failure = input_failure(read, path)) {
            batch.failed(path, platform::error_message(*failure));
            continue;
        }
        const Rendered rendered = render_bytes(bytes_of(read.bytes), path, *settings.value,
                                               read.size.value_or(read.bytes.size() + 1));
        if (!rendered.error.empty()) {
            batch.failed(path, rendered.error);
            continue;
        }
        const std::string output = output_path(path, ".bmp", *outputs.value);
        if (const auto why = write_picture(rendered.picture, output, *outputs.value))
            batch.failed(path, *why);
        else
            batch.wrote(path, output);
    }
    return batch.exit_status();
}

}  // namespace bkpic
