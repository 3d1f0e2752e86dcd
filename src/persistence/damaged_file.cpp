// SPDX-License-Identifier: GPL-3.0-or-later
#include "damaged_file.h"

#include <ctime>

#include "engine/game_settings.h"
#include "safe_file.h"

namespace mirvalon {

namespace {

constexpr std::size_t kCopyLimit = 4 * 1024 * 1024;

int languageIndex(int language)
{
    return languageOrSlovak(language);
}

} // namespace

std::optional<std::string> keepDamagedCopy(FileSystem& fs, const std::string& path,
                                           std::string_view bytes, const std::string& date)
{
    const std::string folder = parentFolder(path);
    const std::string prefix = baseName(path) + ".damaged-";
    int kept = 0;
    for (const std::string& name : fs.listNames(folder)) {
        if (name.rfind(prefix, 0) != 0)
            continue;
        ++kept;
        const ReadResult copy = fs.readFile(joinPath(folder, name), kCopyLimit, true);
        if (copy.status == ReadStatus::Ok && copy.bytes == bytes)
            return std::nullopt; // kept, and told, before
    }
    if (kept >= kDamagedCopies)
        return std::nullopt;
    std::string name = prefix + date;
    for (int n = 2; fs.kind(joinPath(folder, name)) != PathKind::None; ++n)
        name = prefix + date + "-" + std::to_string(n);
    if (!writeFileSafely(fs, joinPath(folder, name), bytes))
        return std::nullopt;
    return name;
}

std::string todaysDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::string damagedFileMessage(const std::string& file, const std::string& copy, int language)
{
    static const char* const kSentences[3][3] = {
        {"Upozornenie!\n\nSúbor '",
         "' bol poškodený.\nPlatné záznamy sa zachovali, poškodené "
         "sa nahradili.\nPôvodný súbor je uložený ako '",
         "'."},
        {"Upozornění!\n\nSoubor '",
         "' byl poškozen.\nPlatné záznamy se zachovaly, poškozené "
         "byly nahrazeny.\nPůvodní soubor je uložen jako '",
         "'."},
        {"Warning!\n\nThe file '",
         "' was damaged.\nIts valid entries were kept, the damaged "
         "ones replaced.\nThe original file is kept as '",
         "'."}};
    const auto& s = kSentences[languageIndex(language)];
    return s[0] + file + s[1] + copy + s[2];
}

std::string diskFullMessage(const std::string& file, int language)
{
    static const char* const kSentences[3][2] = {
        {"Upozornenie!\n\nSúbor '", "' nie je možné zapísať: disk je plný!"},
        {"Upozornění!\n\nSoubor '", "' není možné zapsat: disk je plný!"},
        {"Warning!\n\nThe file '", "' cannot be written: the disk is full!"}};
    const auto& s = kSentences[languageIndex(language)];
    return s[0] + file + s[1];
}

} // namespace mirvalon
