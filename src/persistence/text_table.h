// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the program tells and asks the user: 20 messages, 6 questions with their captions,
// and a few more texts of the current language. Built-in Slovak values until a language file
// replaces them entry by entry. Texts are UTF-8 here; files hold them in CP1250.
#pragma once

#include <array>
#include <string>

namespace mirvalon {

constexpr int kMessageCount = 20;
constexpr int kQuestionCount = 6;
// A formatted message is bounded to this many characters (longer ones are cut at a
// character boundary, never in the middle of a letter).
constexpr int kMessageLimit = 255;

enum class QuestionButtons { YesNoCancel, YesNo, Ok };
enum class QuestionIcon { Question, Exclamation };
enum class QuestionDefault { Yes, No, Ok };

// The buttons of a question belong to its index and do not change with the language.
struct QuestionKind
{
    QuestionButtons buttons;
    QuestionIcon icon;
    QuestionDefault defaultButton;
};

struct TextTable
{
    std::array<std::string, kMessageCount> messages;
    std::array<std::string, kQuestionCount> questionTexts;
    std::array<std::string, kQuestionCount> questionCaptions;
    std::string recordIntro;
    std::string untimedStatusText;
    std::string positionsHint;  // "- počet hádaných pozícií >"
    std::string piecesHint;     // "- počet hádaných kociek >"
    std::string difficultyHint; // "- obtiažnosť hry >"

    // The built-in Slovak texts.
    static TextTable builtIn();
};

const QuestionKind& questionKind(int index);

// Formats message `index` printf-style: %i takes `number`, %s takes `text`, %% is a percent
// sign; anything else is shown as it stands. At most kMessageLimit characters.
std::string formatMessage(const std::string& format, int number, const std::string& text);

// The announcement of the new-record dialog, with the game number and the points.
std::string formatRecordIntro(const std::string& format, int gameNumber, int points);

} // namespace mirvalon
