// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_loader.h"

#include "cp1250.h"
#include "safe_file.h"

namespace mirvalon {

namespace {

constexpr std::size_t kLanguageFileLimit = 1024 * 1024;

const char* const kOpenError[3] = {"Nepodarilo sa otvoriť súbor - ",
                                   "Nepodařilo se otevřít soubor - ", "Could not open the file - "};
const char* const kReadError[3] = {"Nastala chyba pri čítaní zo súboru - ",
                                   "Nastala chyba při čtení ze souboru - ",
                                   "Error while reading the file - "};

int codeValue(char c)
{
    if (c == 'x')
        return -1;
    const auto u = static_cast<unsigned char>(c);
    return u < 'A' ? u - '0' : u - 55;
}

std::string framed(const std::string& text)
{
    return "  " + text + "  ";
}

// How many items each listed index of the settings dialog's first tab has (caption, radio
// items, then check boxes).
constexpr int kFirstTabItems[5] = {5, 4, 5, 5, 5};

} // namespace

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<LanguageEntry> parseLanguageLine(std::string_view raw)
{
    if (raw.size() < 8 || raw[0] != '<')
        return std::nullopt;
    std::string line;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '/' && i + 1 < raw.size() && raw[i + 1] == 'n') {
            line += '\n';
            ++i;
        } else {
            line += raw[i];
        }
    }
    const std::size_t quote = line.find('"', 7);
    if (quote == std::string::npos)
        return std::nullopt;
    LanguageEntry entry;
    for (int k = 0; k < 6; ++k)
        entry.code[k] = codeValue(line[1 + k]);
    // The last character of the line is the closing quote.
    std::string_view rest = std::string_view(line).substr(quote + 1);
    if (!rest.empty())
        rest.remove_suffix(1);
    const std::size_t slashes = std::string_view(line).substr(quote + 1).find("//");
    if (slashes != std::string::npos && slashes <= rest.size()) {
        entry.text = cp1250ToUtf8(rest.substr(0, slashes));
        entry.extra = cp1250ToUtf8(slashes + 2 <= rest.size() ? rest.substr(slashes + 2) : "");
    } else {
        entry.text = cp1250ToUtf8(rest);
    }
    return entry;
}

std::string languageFileName(int language)
{
    static const char* const kNames[3] = {"Mirv_SK.lng", "Mirv_CZ.lng", "Mirv_EN.lng"};
    return knownLanguage(language) ? kNames[language] : std::string();
}

LanguageLoader::LanguageLoader(FileSystem& fs, std::string programFolder, TextTable& texts,
                               LanguageTargets& targets, PlainMessages& messages)
    : m_fs(fs), m_programFolder(std::move(programFolder)), m_texts(texts), m_targets(targets),
      m_messages(messages)
{
}

void LanguageLoader::refuse(const char* const sentences[3])
{
    const std::string name = languageFileName(m_fileLanguage);
    m_messages.showPlainMessage(std::string(sentences[m_inUse]) + name + "!\n\n--------\n\n" +
                                sentences[m_fileLanguage] + name + "!");
    m_refused[m_fileLanguage] = true;
}

bool LanguageLoader::loadLanguage(int language)
{
    if (knownLanguage(language))
        m_fileLanguage = language;
    const ReadResult file = m_fs.readFile(
        joinPath(m_programFolder, languageFileName(m_fileLanguage)), kLanguageFileLimit, false);
    if (file.status != ReadStatus::Ok) {
        refuse(kOpenError);
        return false;
    }
    const std::vector<std::string> lines = splitLines(file.bytes);
    if (static_cast<int>(lines.size()) < kLanguageMinimumLines) {
        refuse(kReadError);
        return false;
    }
    m_targets.fileAccepted();
    for (const std::string& line : lines) {
        if (const auto entry = parseLanguageLine(line))
            applyEntry(*entry);
    }
    m_inUse = m_fileLanguage;
    m_refused[m_fileLanguage] = false;
    return true;
}

void LanguageLoader::applyEntry(const LanguageEntry& e)
{
    const auto [kind, group, c3, c4, c5, c6] = e.code;
    const std::string& text = e.text;
    const std::optional<std::string>& extra = e.extra;
    auto between = [](int v, int low, int high) { return v >= low && v <= high; };

    switch (kind) {
    case LanguageKind::Menus:
        if (group == 0 && between(c3, 0, 4)) {
            std::vector<int> path{c3};
            for (int c : {c4, c5, c6}) {
                if (c < 0)
                    break;
                path.push_back(c);
            }
            m_targets.setMenuItem(path, text, extra);
        } else if (group == 1 && between(c3, 0, 8)) {
            m_targets.setContextMenuItem(c3, text, extra);
        }
        break;
    case LanguageKind::Controls:
        if (group == 0 && between(c3, 1, 18))
            m_targets.setMainControl(static_cast<MainControl>(c3), text, extra);
        else if ((group == 1 || group == 2) && between(c3, 1, 2))
            m_targets.setDialogText(kind, group, c3, -1, text, extra);
        break;
    case LanguageKind::Labels:
        if (group == 0 && between(c3, 1, 4))
            m_targets.setMainLabel(static_cast<MainLabel>(c3), text, extra);
        break;
    case LanguageKind::StatusPanels:
        if (group == 0 && between(c3, 0, 13))
            m_targets.setStatusPanel(c3, c3 == 0 ? " " + text + ":" : text);
        break;
    case LanguageKind::SettingsDialog:
        if (group == 0 && between(c3, 0, 2)) {
            m_targets.setDialogText(kind, group, c3, -1, c3 == 0 ? "  " + text : text, extra);
        } else if (group == 1 && between(c3, 0, 4) && between(c4, 0, kFirstTabItems[c3] - 1)) {
            m_targets.setDialogText(kind, group, c3, c4, c4 == 0 ? framed(text) : text, extra);
        } else if (group == 2 && between(c3, 0, 6)) {
            if (c3 >= 3) {
                m_targets.setDialogText(kind, group, c3, -1, text, extra);
            } else {
                const int items = c3 == 0 ? 5 : c3 == 1 ? 7 : 4;
                if (between(c4, 0, items - 1))
                    m_targets.setDialogText(kind, group, c3, c4,
                                            c3 != 0 && c4 == 0 ? framed(text) : text, extra);
            }
        } else if (group == 3 && between(c3, 0, 2)) {
            m_targets.setDialogText(kind, group, c3, -1, text, extra);
        } else if (group == 4 && c3 == 0) {
            // Our own addition: the Storno button; older readers skip the unlisted group.
            m_targets.setDialogText(kind, group, c3, -1, text, extra);
        }
        break;
    case LanguageKind::AboutBox:
    case LanguageKind::PasswordDialog:
    case LanguageKind::SynchroDialog:
        if (group == 0) {
            m_targets.setDialogText(kind, 0, -1, -1, "  " + text, extra);
        } else if (kind == LanguageKind::AboutBox && group == 1 && c3 == 1) {
            m_targets.setDialogText(kind, group, c3, -1, text, extra);
        } else if (kind == LanguageKind::PasswordDialog && group == 1 && between(c3, 0, 3)) {
            m_targets.setDialogText(kind, group, c3, -1, c3 == 0 || c3 == 3 ? text + ":" : text,
                                    extra);
        } else if (kind == LanguageKind::PasswordDialog && group == 2 && between(c3, 0, 1)) {
            m_targets.setDialogText(kind, group, c3, -1, text, extra);
        } else if (kind == LanguageKind::PasswordDialog && group == 3 && c3 == 0) {
            // Our own addition: the Storno button; older readers skip the unlisted group.
            m_targets.setDialogText(kind, group, c3, -1, text, extra);
        } else if (kind == LanguageKind::SynchroDialog && group == 1 && between(c3, 0, 5)) {
            m_targets.setDialogText(kind, group, c3, -1, c3 == 1 ? framed(text) : text, extra);
        }
        break;
    case LanguageKind::NewRecordDialog:
        if (group == 0) {
            m_targets.setDialogText(kind, 0, -1, -1, "  " + text, extra);
        } else if (group == 1 && c3 == 0) {
            m_texts.recordIntro = text;
        } else if (group == 1 && between(c3, 1, 9)) {
            m_targets.setDialogText(kind, group, c3, -1, c3 == 1 || c3 == 8 ? framed(text) : text,
                                    extra);
        } else if (group == 2 && c3 == 0) {
            // Our own addition: the Storno button; older readers skip the unlisted group.
            m_targets.setDialogText(kind, group, c3, -1, text, extra);
        }
        break;
    case LanguageKind::Review:
        // Our own addition, the look back at a game; older readers skip the unlisted kind.
        if (group == 0)
            m_targets.setDialogText(kind, 0, -1, -1, text, extra);
        else if ((group == 1 && between(c3, 0, 4)) ||
                 ((group == 2 || group == 3) && between(c3, 0, 1)) || (group == 4 && c3 == 0))
            m_targets.setDialogText(kind, group, c3, -1, text, extra);
        break;
    case LanguageKind::Spoken:
        // Our own addition, the words a screen reader says; older readers skip the kind.
        if ((group == 0 && between(c3, 0, 24)) || (group == 1 && between(c3, 0, 14)) ||
            ((group == 2 || group == 3) && between(c3, 0, 2)))
            m_targets.setDialogText(kind, group, c3, -1, text, extra);
        break;
    case LanguageKind::RecordsList:
        if (group == 0)
            m_targets.setPanelCaption(PanelCaption::lblHSkore, text);
        else if (group == 1 && between(c3, 0, 6))
            m_targets.setListColumn(c3, text);
        break;
    case LanguageKind::TextTable:
        if (group == 0 && c3 == 1) {
            m_targets.setPanelCaption(PanelCaption::lblInform, text);
        } else if (group == 0 && c3 == 2) {
            m_texts.untimedStatusText = text;
            m_targets.setUntimedStatusText(text);
        } else if (group == 1 && c3 == 1 && between(c4, 0, kQuestionCount - 1)) {
            m_texts.questionCaptions[c4] = "  " + text;
        } else if (group == 1 && c3 == 2 && between(c4, 0, kQuestionCount - 1)) {
            m_texts.questionTexts[c4] = framed(text);
        } else if (group == 2 && between(c3, 0, kMessageCount - 1)) {
            m_texts.messages[c3] = text;
        }
        break;
    default:
        break; // kinds 0, 8 and above 14 name nothing
    }
}

} // namespace mirvalon
