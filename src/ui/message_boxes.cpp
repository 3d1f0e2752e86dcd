// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes with the game's captions and buttons in the language of the text table, and
// the password and new-record dialogs.
#include "message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include "dialog_buttons.h"
#include "plain_text.h"
#include "tfrm_heslo.h"
#include "tfrm_rekord.h"

namespace mirvalon {

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

int captionWidth(const QString& caption)
{
    QFont title = QApplication::font();
    title.setBold(true);
    title.setPixelSize(title.pixelSize() > 0 ? title.pixelSize() * 4 / 3 : 15);
    constexpr int kFrameRoom = 130; // window icon, three title-bar buttons and the borders
    return QFontMetrics(title).horizontalAdvance(caption) + kFrameRoom;
}

void fitMessageBox(QMessageBox& box)
{
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    // A message box sizes itself to its text; a spacer across its grid keeps it wide enough.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(captionWidth(box.windowTitle()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

int MessageBoxes::language() const
{
    return m_settings ? m_settings->loadedLanguage : 0;
}

// A box with the caption "Mirvalon" and an OK button in the language of the texts.
void MessageBoxes::showPlain(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Mirvalon"), QString(), QMessageBox::Ok,
                    m_owner);
    setPlainBoxText(box, text);
    translateButtons(box, language());
    fitMessageBox(box);
    box.exec();
}

MessageBoxes::MessageBoxes(QWidget* owner, const TextTable& texts,
                           std::function<Tfrm_Heslo*()> heslo, std::function<Tfrm_Rekord*()> rekord)
    : m_owner(owner), m_texts(texts), m_heslo(std::move(heslo)), m_rekord(std::move(rekord))
{
}

void MessageBoxes::setSettings(const GameSettings* settings)
{
    m_settings = settings;
}

void MessageBoxes::showMessage(int index, int number, const std::string& text)
{
    if (index < 0 || index >= kMessageCount)
        return;
    // Only message 0 takes the row number and only message 6 the file name.
    const std::string shown =
        formatMessage(m_texts.messages[index], index == Message::GameWon ? number : 0,
                      index == Message::InformationMissing ? text : std::string());
    showPlain(q(shown));
}

bool MessageBoxes::askQuestion(int index)
{
    if (index < 0 || index >= kQuestionCount)
        return false;
    const QuestionKind& kind = questionKind(index);
    QMessageBox box(m_owner);
    box.setWindowTitle(q(m_texts.questionCaptions[index]));
    setPlainBoxText(box, q(formatMessage(m_texts.questionTexts[index], 0, {})));
    box.setIcon(kind.icon == QuestionIcon::Question ? QMessageBox::Question : QMessageBox::Warning);
    const int l = language();
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    if (kind.buttons == QuestionButtons::Ok) {
        ok = box.addButton(dialogButtonText(DialogButton::Ok, l), QMessageBox::AcceptRole);
    } else {
        yes = box.addButton(dialogButtonText(DialogButton::Yes, l), QMessageBox::YesRole);
        no = box.addButton(dialogButtonText(DialogButton::No, l), QMessageBox::NoRole);
        if (kind.buttons == QuestionButtons::YesNoCancel)
            box.setEscapeButton(
                box.addButton(dialogButtonText(DialogButton::Cancel, l), QMessageBox::RejectRole));
        else
            box.setEscapeButton(no);
    }
    box.setDefaultButton(kind.defaultButton == QuestionDefault::Yes  ? yes
                         : kind.defaultButton == QuestionDefault::No ? no
                                                                     : ok);
    fitMessageBox(box);
    box.exec();
    return yes && box.clickedButton() == yes;
}

void MessageBoxes::showPlainMessage(const std::string& text)
{
    showPlain(q(text));
}

bool MessageBoxes::passwordDialog(PasswordMode mode, std::string& password, std::string& authText)
{
    QString pw = q(password);
    QString auth = q(authText);
    const bool ok = m_heslo()->run(mode, pw, auth, m_owner);
    password = pw.toStdString();
    authText = auth.toStdString();
    return ok;
}

std::optional<std::string> MessageBoxes::newRecordDialog(const GameState& state,
                                                         bool& shareNewRecords)
{
    Tfrm_Rekord* rekord = m_rekord();
    rekord->setIntroFormat(q(m_texts.recordIntro));
    rekord->setSyncChanged([&shareNewRecords](bool on) { shareNewRecords = on; });
    const auto name = rekord->run(state, shareNewRecords, m_owner);
    rekord->setSyncChanged(nullptr); // the box is not the game's to follow once closed
    if (!name)
        return std::nullopt;
    return name->toStdString();
}

} // namespace mirvalon
