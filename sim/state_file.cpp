#include "sim/state_file.h"

#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace sim {

namespace {

constexpr const char* kHeader = "talven-sim-state 1";

// ---- writing ----

template <typename Container>
std::string Hex(const Container& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 0xF];
    }
    return text.empty() ? "-" : text;
}

Bytes Utf16Bytes(const std::u16string& text) {
    Bytes bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    return bytes;
}

int Flag(bool b) { return b ? 1 : 0; }

const char* CaptureName(Presentation::Kind kind) {
    switch (kind) {
    case Presentation::Kind::BadCapture:
        return "bad";
    case Presentation::Kind::NoCapture:
        return "empty";
    default:
        return "finger";
    }
}

// ---- reading ----

struct Line {
    size_t number = 0;
    std::string key;
    std::vector<std::string> values;
    std::string rest;  // everything after the key, for the generator state
};

[[noreturn]] void Refuse(const Line& line, const std::string& why) {
    throw std::runtime_error("chip state line " + std::to_string(line.number) + " (" + line.key + "): " + why);
}

void NeedValues(const Line& line, size_t n) {
    if (line.values.size() != n) Refuse(line, "expected " + std::to_string(n) + " values");
}

uint64_t Number(const Line& line, const std::string& text, uint64_t max) {
    size_t used = 0;
    uint64_t value = 0;
    try {
        value = std::stoull(text, &used, 0);
    } catch (const std::exception&) {
        Refuse(line, "not a number: " + text);
    }
    if (used != text.size() || text[0] == '-' || value > max) Refuse(line, "number out of range: " + text);
    return value;
}

template <typename T>
T NumberOf(const Line& line, const std::string& text) {
    return static_cast<T>(Number(line, text, std::numeric_limits<T>::max()));
}

bool FlagOf(const Line& line, const std::string& text) { return Number(line, text, 1) == 1; }

Bytes BytesOf(const Line& line, const std::string& text) {
    if (text == "-") return {};
    if (text.size() % 2 != 0) Refuse(line, "odd number of hex digits");
    Bytes bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        const auto nibble = [&](char c) -> uint8_t {
            if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
            if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
            if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
            Refuse(line, "not a hex digit");
        };
        bytes.push_back(static_cast<uint8_t>((nibble(text[i]) << 4) | nibble(text[i + 1])));
    }
    return bytes;
}

template <size_t N>
std::array<uint8_t, N> ArrayOf(const Line& line, const std::string& text) {
    const Bytes bytes = BytesOf(line, text);
    if (bytes.size() != N) Refuse(line, "expected " + std::to_string(N) + " bytes");
    std::array<uint8_t, N> array{};
    std::copy(bytes.begin(), bytes.end(), array.begin());
    return array;
}

std::u16string Utf16Of(const Line& line, const std::string& text) {
    const Bytes bytes = BytesOf(line, text);
    if (bytes.size() % 2 != 0) Refuse(line, "odd number of UTF-16 bytes");
    std::u16string s;
    for (size_t i = 0; i < bytes.size(); i += 2) s += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    return s;
}

std::optional<uint32_t> FingerOf(const Line& line, const std::string& text) {
    if (text == "-") return std::nullopt;
    return NumberOf<uint32_t>(line, text);
}

std::vector<Line> SplitLines(const std::string& text) {
    std::istringstream in(text);
    std::string raw;
    std::vector<Line> lines;
    size_t number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (raw.empty()) continue;
        Line line;
        line.number = number;
        std::istringstream words(raw);
        words >> line.key;
        std::getline(words, line.rest);
        std::istringstream values(line.rest);
        for (std::string v; values >> v;) line.values.push_back(v);
        lines.push_back(std::move(line));
    }
    return lines;
}

// Fills the configuration from its lines; returns false for keys that are
// not configuration.
bool ReadConfig(ChipConfig& c, const Line& l) {
    const auto one = [&] {
        NeedValues(l, 1);
        return l.values[0];
    };
    if (l.key == "chip-id") c.chipId = ArrayOf<32>(l, one());
    else if (l.key == "samples-per-enrollment") c.samplesPerEnrollment = NumberOf<uint8_t>(l, one());
    else if (l.key == "slot-count") c.slotCount = NumberOf<uint8_t>(l, one());
    else if (l.key == "long-entries") c.longEntries = FlagOf(l, one());
    else if (l.key == "hashed-keys") c.hashedKeys = FlagOf(l, one());
    else if (l.key == "firmware-info") c.firmwareInfo = ArrayOf<3>(l, one());
    else if (l.key == "host-id") c.hostId = ArrayOf<16>(l, one());
    else if (l.key == "sensor-status") c.sensorStatus = NumberOf<uint32_t>(l, one());
    else if (l.key == "attributes-result") c.attributesResult = static_cast<HRESULT>(NumberOf<uint32_t>(l, one()));
    else if (l.key == "reset-result") c.resetResult = static_cast<HRESULT>(NumberOf<uint32_t>(l, one()));
    else if (l.key == "manufacturer") c.manufacturer = Utf16Of(l, one());
    else if (l.key == "model") c.model = Utf16Of(l, one());
    else if (l.key == "serial-number") c.serialNumber = Utf16Of(l, one());
    else if (l.key == "model-certificate") c.modelCertificate = BytesOf(l, one());
    else if (l.key == "seed") c.seed = NumberOf<uint32_t>(l, one());
    else if (l.key == "firmware-version") {
        NeedValues(l, 2);
        c.firmwareVersion = {NumberOf<uint32_t>(l, l.values[0]), NumberOf<uint32_t>(l, l.values[1])};
    } else return false;
    return true;
}

void ReadSlot(ChipModel& chip, const Line& l) {
    NeedValues(l, 6);
    const size_t slot = NumberOf<uint8_t>(l, l.values[0]);
    if (slot >= chip.slots.size()) Refuse(l, "slot index beyond the slot count");
    Template t;
    t.finger = NumberOf<uint32_t>(l, l.values[1]);
    t.kind = static_cast<uint8_t>(Number(l, l.values[2], kKindGuid));
    t.subFactor = NumberOf<uint8_t>(l, l.values[3]);
    t.key = ArrayOf<32>(l, l.values[4]);
    t.owner = ArrayOf<16>(l, l.values[5]);
    chip.slots[slot] = t;
}

void ReadEnrollment(ChipModel& chip, const Line& l) {
    NeedValues(l, 4);
    PendingEnrollment e;
    e.slot = NumberOf<uint8_t>(l, l.values[0]);
    if (e.slot >= chip.slots.size()) Refuse(l, "slot index beyond the slot count");
    e.samples = NumberOf<uint8_t>(l, l.values[1]);
    e.finger = FingerOf(l, l.values[2]);
    if (l.values[3] != "-") e.nonce = ArrayOf<32>(l, l.values[3]);
    chip.enrollment = e;
}

void ReadLastCapture(ChipModel& chip, const Line& l) {
    NeedValues(l, 3);
    Presentation p;
    const std::string& kind = l.values[0];
    if (kind == "finger") p.kind = Presentation::Kind::Finger;
    else if (kind == "bad") p.kind = Presentation::Kind::BadCapture;
    else if (kind == "empty") p.kind = Presentation::Kind::NoCapture;
    else Refuse(l, "unknown capture kind " + kind);
    p.finger = NumberOf<uint32_t>(l, l.values[1]);
    p.processReject = NumberOf<uint8_t>(l, l.values[2]);
    chip.lastCapture = p;
}

void ReadLastSample(ChipModel& chip, const Line& l) {
    NeedValues(l, 4);
    ProcessedSample s;
    s.purpose = NumberOf<uint8_t>(l, l.values[0]);
    s.finger = FingerOf(l, l.values[1]);
    s.reject = NumberOf<uint8_t>(l, l.values[2]);
    s.token = ArrayOf<8>(l, l.values[3]);
    if (!s.finger && s.reject == 0) Refuse(l, "an accepted sample needs a finger");
    chip.lastSample = s;
}

void ReadState(ChipModel& chip, const Line& l) {
    const auto one = [&] {
        NeedValues(l, 1);
        return l.values[0];
    };
    if (l.key == "db-state") chip.dbState = NumberOf<uint32_t>(l, one());
    else if (l.key == "table-changed") chip.tableChanged = FlagOf(l, one());
    else if (l.key == "pass-through-length") chip.passThroughLength = NumberOf<uint32_t>(l, one());
    else if (l.key == "pk-d") chip.secure.pkD = ArrayOf<65>(l, one());
    else if (l.key == "pk-f") chip.secure.pkF = ArrayOf<65>(l, one());
    else if (l.key == "hash-and-signatures") chip.secure.hashAndSignatures = ArrayOf<160>(l, one());
    else if (l.key == "slot") ReadSlot(chip, l);
    else if (l.key == "enrollment") ReadEnrollment(chip, l);
    else if (l.key == "last-capture") ReadLastCapture(chip, l);
    else if (l.key == "last-sample") ReadLastSample(chip, l);
    else if (l.key == "random") {
        std::istringstream in(l.rest);
        if (!(in >> chip.random) || !(in >> std::ws).eof()) Refuse(l, "not a generator state");
    } else Refuse(l, "unknown key");
}

}  // namespace

std::string FormatState(const ChipModel& chip) {
    const ChipConfig& c = chip.config;
    std::ostringstream out;
    out << kHeader << '\n'
        << "chip-id " << Hex(c.chipId) << '\n'
        << "samples-per-enrollment " << unsigned{c.samplesPerEnrollment} << '\n'
        << "slot-count " << unsigned{c.slotCount} << '\n'
        << "long-entries " << Flag(c.longEntries) << '\n'
        << "hashed-keys " << Flag(c.hashedKeys) << '\n'
        << "firmware-info " << Hex(c.firmwareInfo) << '\n'
        << "host-id " << Hex(c.hostId) << '\n'
        << "sensor-status " << c.sensorStatus << '\n'
        << "attributes-result " << static_cast<uint32_t>(c.attributesResult) << '\n'
        << "reset-result " << static_cast<uint32_t>(c.resetResult) << '\n'
        << "manufacturer " << Hex(Utf16Bytes(c.manufacturer)) << '\n'
        << "model " << Hex(Utf16Bytes(c.model)) << '\n'
        << "serial-number " << Hex(Utf16Bytes(c.serialNumber)) << '\n'
        << "firmware-version " << c.firmwareVersion.MajorVersion << ' ' << c.firmwareVersion.MinorVersion << '\n'
        << "model-certificate " << Hex(c.modelCertificate) << '\n'
        << "seed " << c.seed << '\n'
        << "db-state " << chip.dbState << '\n'
        << "table-changed " << Flag(chip.tableChanged) << '\n'
        << "pass-through-length " << chip.passThroughLength << '\n'
        << "pk-d " << Hex(chip.secure.pkD) << '\n'
        << "pk-f " << Hex(chip.secure.pkF) << '\n'
        << "hash-and-signatures " << Hex(chip.secure.hashAndSignatures) << '\n';
    for (size_t i = 0; i < chip.slots.size(); ++i) {
        const auto& t = chip.slots[i];
        if (t)
            out << "slot " << i << ' ' << t->finger << ' ' << unsigned{t->kind} << ' ' << unsigned{t->subFactor} << ' '
                << Hex(t->key) << ' ' << Hex(t->owner) << '\n';
    }
    const auto finger = [](const std::optional<uint32_t>& f) { return f ? std::to_string(*f) : std::string("-"); };
    if (const auto& e = chip.enrollment)
        out << "enrollment " << unsigned{e->slot} << ' ' << unsigned{e->samples} << ' ' << finger(e->finger) << ' '
            << (e->nonce ? Hex(*e->nonce) : std::string("-")) << '\n';
    if (const auto& p = chip.lastCapture)
        out << "last-capture " << CaptureName(p->kind) << ' ' << p->finger << ' ' << unsigned{p->processReject} << '\n';
    if (const auto& s = chip.lastSample)
        out << "last-sample " << unsigned{s->purpose} << ' ' << finger(s->finger) << ' ' << unsigned{s->reject} << ' '
            << Hex(s->token) << '\n';
    out << "random " << chip.random << '\n';
    return out.str();
}

ChipModel ParseState(const std::string& text) {
    const std::vector<Line> lines = SplitLines(text);
    if (lines.empty() || lines[0].key + lines[0].rest != kHeader)
        throw std::runtime_error("not a chip state file (its first line is not \"" + std::string(kHeader) + "\")");
    ChipConfig config;
    std::vector<const Line*> state;
    for (size_t i = 1; i < lines.size(); ++i)
        if (!ReadConfig(config, lines[i])) state.push_back(&lines[i]);
    ChipModel chip(config);
    for (const Line* line : state) ReadState(chip, *line);
    return chip;
}

void SaveState(const ChipModel& chip, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << FormatState(chip);
    out.close();
    if (!out) throw std::runtime_error("cannot write the chip state to " + path);
}

ChipModel LoadState(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the chip state from " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return ParseState(text.str());
}

}  // namespace sim
