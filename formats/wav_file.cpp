#include "formats/wav_file.h"

#include <algorithm>
#include <cstring>

namespace bk::wav {

namespace {

constexpr int pcm_tag = 1;
constexpr int float_tag = 3;
constexpr int extensible_tag = 0xFFFE;
constexpr std::size_t riff_header_size = 12;
constexpr std::size_t chunk_header_size = 8;
constexpr std::size_t format_size = 16;
constexpr std::size_t extensible_size = 40;

std::uint32_t get_u16(const std::uint8_t* in) {
    return in[0] | (in[1] << 8);
}

std::uint32_t get_u32(const std::uint8_t* in) {
    return get_u16(in) | (get_u16(in + 2) << 16);
}

void put_u16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put_u16(out, value & 0xFFFF);
    put_u16(out, value >> 16);
}

void put_id(std::vector<std::uint8_t>& out, const char* id) {
    out.insert(out.end(), id, id + 4);
}

bool is_id(std::span<const std::uint8_t> bytes, const char* id) {
    return bytes.size() >= 4 && std::memcmp(bytes.data(), id, 4) == 0;
}

// Takes the "fmt " body into the reading; false with the status set when the
// format is not one this reader takes.
bool read_format(std::span<const std::uint8_t> body, Reading& reading) {
    if (body.size() < format_size) {
        reading.status = ReadStatus::no_format;
        return false;
    }
    int tag = int(get_u16(&body[0]));
    if (tag == extensible_tag && body.size() >= extensible_size) tag = int(get_u16(&body[24]));
    Format& f = reading.format;
    f.channels = int(get_u16(&body[2]));
    f.rate = int(std::min<std::uint32_t>(get_u32(&body[4]), 0x7FFFFFFF));
    f.bits = int(get_u16(&body[14]));
    f.floating = tag == float_tag;
    reading.format_tag = tag;
    const int block_align = int(get_u16(&body[12]));
    if (tag != pcm_tag && tag != float_tag)
        reading.status = ReadStatus::not_pcm;
    else if (f.channels < 1 || f.channels > 2)
        reading.status = ReadStatus::bad_channels;
    else if (f.floating ? f.bits != 32 : (f.bits < 8 || f.bits > 32 || f.bits % 8 != 0))
        reading.status = ReadStatus::bad_bits;
    else if (f.rate < min_rate || f.rate > max_rate)
        reading.status = ReadStatus::bad_rate;
    else if (block_align != f.frame_size())
        reading.status = ReadStatus::bad_frame_size;
    else
        return true;
    return false;
}

std::string format_text(const Format& f) {
    return std::to_string(f.rate) + " Hz, " + std::to_string(f.bits) + "-bit" +
           (f.floating ? " float" : "") + (f.channels == 1 ? " mono" : " stereo");
}

}  // namespace

Reading read(std::span<const std::uint8_t> file) {
    Reading reading;
    if (file.size() < riff_header_size || !is_id(file, "RIFF") || !is_id(file.subspan(8), "WAVE"))
        return reading;
    reading.status = ReadStatus::no_format;
    bool have_format = false;
    std::size_t at = riff_header_size;
    while (file.size() - at >= chunk_header_size) {
        const auto id = file.subspan(at, 4);
        const std::size_t size = get_u32(&file[at + 4]);
        at += chunk_header_size;
        const std::size_t available = std::min(size, file.size() - at);
        const auto body = file.subspan(at, available);
        if (is_id(id, "fmt ")) {
            if (!read_format(body, reading)) return reading;
            have_format = true;
        } else if (is_id(id, "data")) {
            if (!have_format) return reading;
            const std::size_t frame = std::size_t(reading.format.frame_size());
            reading.frames = body.first(body.size() - body.size() % frame);
            reading.status = ReadStatus::ok;
            return reading;
        }
        if (available < size) break;
        at += size + (size % 2);
        if (at > file.size()) break;
    }
    if (have_format) reading.status = ReadStatus::no_data;
    return reading;
}

std::string describe(const Reading& reading) {
    const Format& f = reading.format;
    switch (reading.status) {
        case ReadStatus::ok:
            return "WAV sound, " + format_text(f);
        case ReadStatus::not_riff:
            return "not a WAV file: no RIFF WAVE header";
        case ReadStatus::no_format:
            return "WAV file without a whole format chunk before its sound";
        case ReadStatus::not_pcm:
            return "WAV file in a compressed format (" + std::to_string(reading.format_tag) +
                   "), not PCM";
        case ReadStatus::bad_channels:
            return "WAV file with " + std::to_string(f.channels) +
                   " channels; only mono and stereo are read";
        case ReadStatus::bad_bits:
            return "WAV file of " + std::to_string(f.bits) + "-bit" + (f.floating ? " float" : "") +
                   " samples; 8, 16, 24 and 32-bit PCM and 32-bit float are read";
        case ReadStatus::bad_rate:
            return "WAV file at " + std::to_string(f.rate) + " Hz; " + std::to_string(min_rate) +
                   " to " + std::to_string(max_rate) + " Hz are read";
        case ReadStatus::bad_frame_size:
            return "WAV file whose frame size does not match its channels and sample size";
        case ReadStatus::no_data:
            return "WAV file without sound data";
    }
    return "";
}

void samples(const Reading& reading, int channel, std::size_t first, std::span<float> out) {
    const Format& f = reading.format;
    const std::size_t frame = std::size_t(f.frame_size());
    const std::size_t width = std::size_t(f.bits / 8);
    const std::uint8_t* in = reading.frames.data() + first * frame + std::size_t(channel) * width;
    if (f.bits == 8) {
        for (float& value : out) {
            value = (float(*in) - 128.0f) * (1.0f / 128.0f);
            in += frame;
        }
    } else if (f.bits == 16) {
        for (float& value : out) {
            value = float(std::int16_t(get_u16(in))) * (1.0f / 32768.0f);
            in += frame;
        }
    } else if (f.floating) {
        for (float& value : out) {
            const std::uint32_t bits = get_u32(in);
            std::memcpy(&value, &bits, sizeof value);
            if (!(value >= -1.0f)) value = value > 0 ? 1.0f : -1.0f;  // NaN and overload
            value = std::min(value, 1.0f);
            in += frame;
        }
    } else {
        // 24 or 32-bit: the top bytes, as a signed 32-bit value.
        for (float& value : out) {
            std::uint32_t word = 0;
            for (std::size_t k = 0; k < width; ++k)
                word |= std::uint32_t(in[k]) << (8 * (4 - width + k));
            value = float(std::int32_t(word)) * (1.0f / 2147483648.0f);
            in += frame;
        }
    }
}

std::vector<std::uint8_t> file_bytes(std::span<const std::int16_t> samples, int rate) {
    const auto data_size = std::uint32_t(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(riff_header_size + 2 * chunk_header_size + format_size + data_size);
    put_id(out, "RIFF");
    put_u32(out, std::uint32_t(4 + 2 * chunk_header_size + format_size) + data_size);
    put_id(out, "WAVE");
    put_id(out, "fmt ");
    put_u32(out, format_size);
    put_u16(out, pcm_tag);
    put_u16(out, 1);  // mono
    put_u32(out, std::uint32_t(rate));
    put_u32(out, std::uint32_t(rate) * 2);
    put_u16(out, 2);   // bytes a frame
    put_u16(out, 16);  // bits a sample
    put_id(out, "data");
    put_u32(out, data_size);
    for (const std::int16_t sample : samples) put_u16(out, std::uint16_t(sample));
    return out;
}

}  // namespace bk::wav
