#include "formats/tape.h"

#include <algorithm>
#include <cstdio>

#include "formats/bin_file.h"

namespace bk::tape {

namespace {

// ---- Writing ----

struct Cycle {
    int high, low;  // samples at write_rate
};

constexpr Cycle pilot_cycle{8, 7};
constexpr Cycle zero_cycle{8, 7};
constexpr Cycle one_cycle{16, 14};
constexpr Cycle marker_cycle{32, 28};
constexpr Cycle trailer_first_cycle{88, 77};

class SampleWriter {
  public:
    void cycle(Cycle c) {
        samples_.insert(samples_.end(), std::size_t(c.high), amplitude);
        samples_.insert(samples_.end(), std::size_t(c.low), std::int16_t(-amplitude));
    }

    void marker(int pilot, Cycle first = pilot_cycle) {
        cycle(first);
        for (int k = 1; k < pilot; ++k) cycle(pilot_cycle);
        cycle(marker_cycle);
        cycle(one_cycle);
        cycle(zero_cycle);
    }

    void bytes(std::span<const std::uint8_t> bytes) {
        for (const std::uint8_t byte : bytes) {
            for (int bit = 0; bit < 8; ++bit) {
                cycle((byte >> bit) & 1 ? one_cycle : zero_cycle);
                cycle(zero_cycle);
            }
        }
    }

    std::vector<std::int16_t> result() && { return std::move(samples_); }

  private:
    std::vector<std::int16_t> samples_;
};

std::array<std::uint8_t, 2> word_bytes(int word) {
    return {std::uint8_t(word & 0xFF), std::uint8_t((word >> 8) & 0xFF)};
}

std::array<std::uint8_t, header_size> header_bytes(const Header& header) {
    std::array<std::uint8_t, header_size> bytes{};
    const auto address = word_bytes(header.address);
    const auto length = word_bytes(header.length);
    std::copy(address.begin(), address.end(), bytes.begin());
    std::copy(length.begin(), length.end(), bytes.begin() + 2);
    std::copy(header.name.begin(), header.name.end(), bytes.begin() + 4);
    return bytes;
}

// ---- Reading, as the monitor reads ----

class MonitorReader {
  public:
    explicit MonitorReader(const Halves& halves)
        : halves_(halves.lengths_us), first_high_(halves.first_high) {}

    Reading read_all() {
        Reading reading;
        reading.status = ReadStatus::ok;
        bool any_pilot = false;
        while (find_pilot()) {
            any_pilot = true;
            if (!read_file(reading)) break;
        }
        if (!any_pilot) reading.status = ReadStatus::no_pilot;
        return reading;
    }

  private:
    enum class Step { done, restart, cut };

    bool high(std::size_t i) const { return (i % 2 == 0) == first_high_; }
    // The half a cycle starts with: the high one, or the low one when inverted.
    bool leading(std::size_t i) const { return high(i) != inverted_; }
    bool have(std::size_t count) const { return halves_.size() - at_ >= count; }

    // 2048 high halves in a row, each no shorter than the one before by more
    // than the tolerance. Leaves the reader on the low half after the last.
    bool find_pilot() {
        inverted_ = false;
        int run = 0;
        float previous = 0;
        for (; at_ < halves_.size(); ++at_) {
            if (!high(at_)) continue;
            const float length = halves_[at_];
            if (run > 0 && previous - length > pilot_step_tolerance_us) {
                run = 0;
                continue;
            }
            previous = length;
            if (++run == pilot_run) {
                ++at_;
                return true;
            }
        }
        return false;
    }

    // Skips the rest of a cycle (its leading half, if the reader is on it,
    // and its trailing half) and measures the whole cycle after it.
    std::optional<float> cycle() {
        if (at_ < halves_.size() && leading(at_)) ++at_;
        if (!have(3)) return std::nullopt;
        ++at_;
        const float length = halves_[at_] + halves_[at_ + 1];
        at_ += 2;
        return length;
    }

    // The threshold from 128 cycles, then the leader's marker, which also
    // tells the polarity, and the "1" after it.
    Step leader_marker() {
        float sum = 0;
        for (int k = 0; k < averaged_cycles; ++k) {
            const auto length = cycle();
            if (!length) return Step::cut;
            sum += *length;
        }
        threshold_ = 1.5f * sum / averaged_cycles;
        while (have(2)) {
            const float first = halves_[at_++];
            if (first > threshold_) return marker_end(first);
            const float second = halves_[at_++];
            if (second >= threshold_) {
                inverted_ = true;
                return marker_end(second);
            }
        }
        return Step::cut;
    }

    // A block's marker: the first leading half at least as long as the threshold.
    Step block_marker() {
        for (; at_ < halves_.size(); ++at_)
            if (leading(at_) && halves_[at_] >= threshold_) return marker_end(halves_[at_++]);
        return Step::cut;
    }

    Step marker_end(float marker) {
        if (marker > 2 * threshold_) return Step::restart;
        return cycle() ? Step::done : Step::cut;
    }

    // Reads bytes after a skipped sync cycle each bit; false when cut, with
    // `read` telling how many came whole.
    bool bytes(std::span<std::uint8_t> out, std::size_t& read) {
        for (read = 0; read < out.size(); ++read) {
            int byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const auto length = cycle();
                if (!length) return false;
                if (*length > threshold_) byte |= 1 << bit;
            }
            out[read] = std::uint8_t(byte);
        }
        return true;
    }

    // One file after its pilot. False when the reading stops here.
    bool read_file(Reading& reading) {
        const Step leader = leader_marker();
        if (leader == Step::restart) return true;
        if (leader == Step::cut) return fail(reading, ReadStatus::cut_in_leader, 0);
        const Step marker = block_marker();
        if (marker == Step::restart) return true;
        if (marker == Step::cut) return fail(reading, ReadStatus::cut_in_header, 0);
        std::array<std::uint8_t, header_size> head{};
        std::size_t read = 0;
        if (!bytes(head, read)) return fail(reading, ReadStatus::cut_in_header, read);
        File file;
        file.header.address = head[0] | (head[1] << 8);
        file.header.length = head[2] | (head[3] << 8);
        std::copy(head.begin() + 4, head.end(), file.header.name.begin());
        reading.broken = file.header;
        const Step data_marker = block_marker();
        if (data_marker == Step::restart) return fail(reading, ReadStatus::lost_data, 0);
        if (data_marker == Step::cut) return fail(reading, ReadStatus::cut_in_data, 0);
        file.data.resize(std::size_t(file.header.length));
        if (!bytes(file.data, read)) return fail(reading, ReadStatus::cut_in_data, read);
        std::array<std::uint8_t, 2> sum{};
        if (!bytes(sum, read)) return fail(reading, ReadStatus::cut_in_checksum, read);
        file.checksum = sum[0] | (sum[1] << 8);
        reading.files.push_back(std::move(file));
        reading.broken.reset();
        return true;
    }

    static bool fail(Reading& reading, ReadStatus status, std::size_t read) {
        reading.status = status;
        reading.bytes_read = read;
        return false;
    }

    const std::vector<float>& halves_;
    const bool first_high_;
    std::size_t at_ = 0;
    bool inverted_ = false;
    float threshold_ = 0;
};

std::string quoted(const Name& name) {
    return "\"" + name_text(name) + "\"";
}

std::string count_text(std::size_t count, const char* one) {
    return std::to_string(count) + " " + one + (count == 1 ? "" : "s");
}

}  // namespace

bool File::checksum_right() const {
    return checksum == tape::checksum(data);
}

std::string describe(const File& file) {
    const Header& h = file.header;
    std::string text = quoted(h.name) + ", load address " + bin::address_text(h.address) + ", " +
                       count_text(std::size_t(h.length), "byte") + ", checksum ";
    if (file.checksum_right()) return text + "right";
    char sums[64];
    std::snprintf(sums, sizeof sums, "wrong (the tape says 0x%04X, the data add up to 0x%04X)",
                  unsigned(file.checksum), unsigned(checksum(file.data)));
    return text + sums;
}

int checksum(std::span<const std::uint8_t> data) {
    unsigned sum = 0;
    for (const std::uint8_t byte : data) {
        sum += byte;
        if (sum > 0xFFFF) sum = (sum & 0xFFFF) + 1;
    }
    return int(sum);
}

Name name_from(std::string_view text) {
    Name name;
    name.fill(' ');
    std::size_t size = 0;
    bool in_sequence = false;  // inside a UTF-8 sequence already replaced
    for (const char c : text) {
        const auto byte = std::uint8_t(c);
        const bool continuation = (byte & 0xC0) == 0x80;
        if (continuation && in_sequence) continue;
        in_sequence = byte >= 0xC0;
        if (size == name.size()) break;
        name[size++] = byte >= 0x20 && byte <= 0x7E ? byte : std::uint8_t('_');
    }
    return name;
}

Name name_for_file(std::string_view path) {
    const std::string_view file = path.substr(path.rfind('/') + 1);
    const std::size_t dot = file.rfind('.');
    return name_from(dot == std::string_view::npos || dot == 0 ? file : file.substr(0, dot));
}

std::string name_text(const Name& name) {
    std::size_t end = name.size();
    while (end > 0 && name[end - 1] == ' ') --end;
    std::string text;
    for (std::size_t k = 0; k < end; ++k) {
        if (name[k] >= 0x20 && name[k] <= 0x7E) {
            text += char(name[k]);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", unsigned(name[k]));
            text += escaped;
        }
    }
    return text;
}

std::vector<std::int16_t> write_samples(const Header& header, std::span<const std::uint8_t> data,
                                        int checksum) {
    SampleWriter out;
    out.marker(leader_pilot);
    out.marker(block_pilot);
    out.bytes(header_bytes(header));
    out.marker(block_pilot);
    out.bytes(data);
    out.bytes(word_bytes(checksum));
    out.marker(trailer_pilot, trailer_first_cycle);
    return std::move(out).result();
}

std::vector<std::uint8_t> wav_bytes(const Header& header, std::span<const std::uint8_t> data) {
    return wav::file_bytes(write_samples(header, data, checksum(data)), write_rate);
}

Reading read(const wav::Reading& sound) {
    return read(halves(sound, louder_channel(sound)));
}

Reading read(const Halves& halves) {
    return MonitorReader(halves).read_all();
}

std::string describe(const Reading& reading) {
    const std::string where = reading.broken ? " of " + quoted(reading.broken->name) : "";
    const std::string length = reading.broken ? std::to_string(reading.broken->length) : "";
    switch (reading.status) {
        case ReadStatus::ok:
            return "BK tape, " + count_text(reading.files.size(), "file");
        case ReadStatus::no_pilot:
            return "not a BK tape: no steady pilot tone of " + std::to_string(pilot_run) +
                   " cycles";
        case ReadStatus::cut_in_leader:
            return "the tape ends in a pilot tone, before any file header";
        case ReadStatus::cut_in_header:
            return "the tape ends in a file header, after " +
                   count_text(reading.bytes_read, "byte") + " of " + std::to_string(header_size);
        case ReadStatus::cut_in_data:
            return "the tape ends in the data" + where + ", after " +
                   count_text(reading.bytes_read, "byte") + " of " + length;
        case ReadStatus::lost_data:
            return "the signal breaks off after the header" + where + ": its data never came";
        case ReadStatus::cut_in_checksum:
            return "the tape ends in the checksum" + where + ", after all " + length +
                   " bytes of data";
    }
    return "";
}

TakenFile take_file(std::span<const std::uint8_t> wav_file, int number) {
    const wav::Reading sound = wav::read(wav_file);
    if (sound.status != wav::ReadStatus::ok) return {{}, wav::describe(sound)};
    Reading reading = read(sound);
    if (reading.status != ReadStatus::ok) return {{}, describe(reading)};
    if (number < 1 || std::size_t(number) > reading.files.size())
        return {{},
                "the tape holds " + count_text(reading.files.size(), "file") + ", not a file " +
                    std::to_string(number)};
    File& file = reading.files[std::size_t(number - 1)];
    if (!file.checksum_right()) return {{}, describe(file)};
    return {std::move(file), {}};
}

}  // namespace bk::tape
