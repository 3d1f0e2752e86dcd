// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_game.h"

#include <algorithm>

#include "cp1250.h"
#include "safe_file.h"

namespace mirvalon {

namespace {

constexpr int kCaptionLimit = 70;
constexpr int kNoiseLimit = 999;
constexpr int kRowNoiseLimit = 25;
constexpr int kFirstPrintable = 32;
constexpr int kPrintableCount = 90; // codes 32..121

int shiftOf(int variant, std::size_t i)
{
    const std::size_t base = variant == 1 ? 37 : 151;
    const std::size_t step = variant == 1 ? 11 : 23;
    return 1 + static_cast<int>((base + step * i) % 254);
}

bool storable(std::string_view bytes)
{
    return std::none_of(bytes.begin(), bytes.end(),
                        [](char c) { return static_cast<unsigned char>(c) < kFirstPrintable; });
}

// Writes values as the file keeps them: two scrambled copies, each closed by a zero byte.
class ValueWriter
{
public:
    explicit ValueWriter(Random& noise) : m_noise(noise) {}

    void text(std::string_view bytes)
    {
        m_bytes += scrambleCopy(bytes, 1);
        m_bytes += '\0';
        m_bytes += scrambleCopy(bytes, 2);
        m_bytes += '\0';
    }
    void number(int value) { text(std::to_string(value)); }
    void noise(int limit) { number(m_noise.below(limit) + 1); }

    // The text with printable characters put in among its first characters, or a few
    // printable characters when it is empty.
    std::string noiseText(const std::string& bytes)
    {
        std::string out = bytes;
        if (bytes.empty()) {
            const int count = 8 + m_noise.below(8);
            for (int i = 0; i < count; ++i)
                out += printable();
            return out;
        }
        const int length = static_cast<int>(bytes.size());
        const int count = 1 + m_noise.below(length);
        for (int i = 0; i < count; ++i)
            out.insert(out.begin() + m_noise.below(length), printable());
        return out;
    }

    const std::string& bytes() const { return m_bytes; }

private:
    char printable() { return static_cast<char>(kFirstPrintable + m_noise.below(kPrintableCount)); }

    Random& m_noise;
    std::string m_bytes;
};

// Reads values back; remembers when two copies differed.
class ValueReader
{
public:
    explicit ValueReader(std::string_view bytes) : m_bytes(bytes) {}

    std::string text()
    {
        const std::string first = unscrambleCopy(copy(), 1);
        const std::string second = unscrambleCopy(copy(), 2);
        m_damaged = m_damaged || first != second;
        return first;
    }

    // A number within lo..hi, or nothing (an empty value, other characters, out of range).
    std::optional<int> number(int lo, int hi)
    {
        const std::string digits = text();
        if (digits.empty() || digits.size() > 9)
            return std::nullopt;
        int value = 0;
        for (char c : digits) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value < lo || value > hi)
            return std::nullopt;
        return value;
    }

    // The tail: the values are noise, but their copies must still agree.
    void skipToEnd()
    {
        while (m_pos < m_bytes.size())
            text();
    }

    bool damaged() const { return m_damaged; }

private:
    std::string_view copy()
    {
        const std::size_t end = std::min(m_bytes.find('\0', m_pos), m_bytes.size());
        const std::string_view out = m_bytes.substr(m_pos, end - m_pos);
        m_pos = std::min(end + 1, m_bytes.size());
        return out;
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    bool m_damaged = false;
};

// Pieces 1..N in the order the faces are written: in the mix scheme the even pieces are
// skipped, their places taken by noise.
template <typename Visit> void forEachStoredFace(int pieceCount, int pieceColours, Visit visit)
{
    for (int index = 0; index < pieceCount;) {
        const bool last = index == pieceCount - 1;
        const bool noiseAfter = pieceColours == MixedPieces && !last;
        if (!visit(index, index % 3 == 0, noiseAfter))
            return;
        index += noiseAfter ? 2 : 1;
    }
}

std::optional<SavedTask> decodeValues(ValueReader& in)
{
    SavedTask task;
    in.text();
    in.text();
    const auto number = in.number(1, 192);
    const auto colours = in.number(0, 2);
    const auto positions = in.number(0, kMaxPositions);
    in.text();
    const auto pieces = in.number(0, kMaxPieces);
    const auto arrangement = in.number(0, 1);
    const auto showTime = in.number(0, 1);
    if (!number || !colours || !positions || !pieces || !arrangement || !showTime)
        return std::nullopt;
    task.gameNumber = *number;
    task.pieceColours = *colours;
    task.positions = *positions;
    task.pieceCount = *pieces;
    task.randomArrangement = *arrangement == 1;
    task.showTime = *showTime == 1;
    const std::string password = in.text();
    in.text();
    for (int i = 0; i < task.positions; ++i) {
        if (i % 4 == 0)
            in.text();
        const auto piece = in.number(0, task.pieceCount);
        if (!piece)
            return std::nullopt;
        task.hiddenRow[i] = *piece;
    }
    in.text();
    const std::string authText = in.text();
    if (task.randomArrangement) {
        bool good = true;
        forEachStoredFace(task.pieceCount, task.pieceColours,
                          [&](int index, bool noiseBefore, bool noiseAfter) {
                              if (noiseBefore)
                                  in.text();
                              const auto face = in.number(0, kMaxFace);
                              if (noiseAfter)
                                  in.text();
                              good = face.has_value();
                              if (good)
                                  task.faces[index + 1] = *face;
                              return good;
                          });
        if (!good)
            return std::nullopt;
    }
    in.skipToEnd();
    if (in.damaged() || !storable(password) || !storable(authText))
        return std::nullopt;
    task.password = cp1250ToUtf8(password);
    task.authText = cp1250ToUtf8(authText);
    return task;
}

} // namespace

std::string scrambleCopy(std::string_view bytes, int variant)
{
    std::string out(bytes);
    if (variant == 2)
        std::reverse(out.begin(), out.end());
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int b = static_cast<unsigned char>(out[i]);
        out[i] = static_cast<char>(1 + (b - 1 + shiftOf(variant, i)) % 255);
    }
    return out;
}

std::string unscrambleCopy(std::string_view bytes, int variant)
{
    std::string out(bytes);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int s = static_cast<unsigned char>(out[i]);
        out[i] = static_cast<char>(1 + (s - 1 + 255 - shiftOf(variant, i)) % 255);
    }
    if (variant == 2)
        std::reverse(out.begin(), out.end());
    return out;
}

std::optional<std::string> encodeSavedGame(const SavedTask& task, Random& noise)
{
    const auto password = utf8ToCp1250(task.password);
    const auto authText = utf8ToCp1250(task.authText);
    if (!password || !authText || !storable(*password) || !storable(*authText))
        return std::nullopt;

    ValueWriter out(noise);
    const std::string passwordNoise = out.noiseText(*password);
    const std::string authNoise = out.noiseText(*authText);
    out.text(passwordNoise);
    out.text(authNoise);
    out.number(task.gameNumber);
    out.number(task.pieceColours);
    out.number(task.positions);
    out.noise(kNoiseLimit);
    out.number(task.pieceCount);
    out.number(task.randomArrangement ? 1 : 0);
    out.number(task.showTime ? 1 : 0);
    out.text(*password);
    out.text(authNoise);
    for (int i = 0; i < task.positions && i < kMaxPositions; ++i) {
        if (i % 4 == 0)
            out.noise(kRowNoiseLimit);
        out.number(task.hiddenRow[i]);
    }
    out.text(passwordNoise);
    out.text(*authText);
    if (task.randomArrangement)
        forEachStoredFace(std::min(task.pieceCount, kMaxPieces), task.pieceColours,
                          [&](int index, bool noiseBefore, bool noiseAfter) {
                              if (noiseBefore)
                                  out.noise(kNoiseLimit);
                              out.number(task.faces[index + 1]);
                              if (noiseAfter)
                                  out.noise(kNoiseLimit);
                              return true;
                          });
    const int tail = 11 + noise.below(25);
    for (int i = 0; i < tail; ++i)
        out.noise(kNoiseLimit);
    return out.bytes();
}

std::optional<SavedTask> decodeSavedGame(std::string_view bytes)
{
    ValueReader in(bytes);
    auto task = decodeValues(in);
    if (!task || !taskIsPlayable(*task))
        return std::nullopt;
    return task;
}

std::optional<SavedTask> readSavedGame(FileSystem& fs, const std::string& path)
{
    const ReadResult file = fs.readFile(path, kSavedGameLimit, false);
    if (file.status != ReadStatus::Ok)
        return std::nullopt;
    return decodeSavedGame(file.bytes);
}

bool writeSavedGame(FileSystem& fs, const std::string& path, const SavedTask& task, Random& noise)
{
    const auto bytes = encodeSavedGame(task, noise);
    if (!bytes || !fs.mayReplace(path))
        return false;
    return writeFileSafely(fs, path, *bytes, kChosenFileMode);
}

bool hasSavedGameExtension(std::string_view path)
{
    if (path.size() < 4)
        return false;
    std::string last(path.substr(path.size() - 4));
    for (char& c : last)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return last == ".MVG";
}

std::string savedGameCaption(std::string_view baseCaption, std::string_view path)
{
    std::string_view name = path.substr(path.find_last_of('/') + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    std::string caption(baseCaption);
    caption += "         -  ";
    caption += name;
    return firstCharacters(caption, kCaptionLimit);
}

} // namespace mirvalon
