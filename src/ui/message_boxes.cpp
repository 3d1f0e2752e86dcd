// Message boxes with the game's captions and buttons in the language of the text table, and
// the password and new-record dialogs.
#include "message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

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

MessageBoxes::MessageBoxes(QWidget* owner, const TextTable& texts, Tfrm_Heslo* heslo,
                           Tfrm_Rekord* rekord)
    : m_owner(owner), m_texts(texts), m_heslo(heslo), m_rekord(rekord)
{
}

void MessageBoxes::setSettings(GameSettings* settings, bool sharedFolderReady)
{
    m_settings = settings;
    m_sharedFolderReady = sharedFolderReady;
}

void MessageBoxes::showMessage(int index, int number, const std::string& text)
{
    if (index < 0 || index >= kMessageCount)
        return;
    // Only message 0 takes the row number and only message 6 the file name.
    const std::string shown =
        formatMessage(m_texts.messages[index], index == Message::GameWon ? number : 0,
                      index == Message::InformationMissing ? text : std::string());
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Mirvalon"), QString(), QMessageBox::Ok,
                    m_owner);
    setPlainBoxText(box, q(shown));
    box.exec();
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
    static const char* const captions[3][4] = {{"Áno", "Nie", "Zrušiť", "OK"},
                                               {"Ano", "Ne", "Storno", "OK"},
                                               {"Yes", "No", "Cancel", "OK"}};
    const int l = qBound(0, m_settings ? m_settings->loadedLanguage : 0, 2);
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    if (kind.buttons == QuestionButtons::Ok) {
        ok = box.addButton(QString::fromUtf8(captions[l][3]), QMessageBox::AcceptRole);
    } else {
        yes = box.addButton(QString::fromUtf8(captions[l][0]), QMessageBox::YesRole);
        no = box.addButton(QString::fromUtf8(captions[l][1]), QMessageBox::NoRole);
        if (kind.buttons == QuestionButtons::YesNoCancel)
            box.setEscapeButton(
                box.addButton(QString::fromUtf8(captions[l][2]), QMessageBox::RejectRole));
        else
            box.setEscapeButton(no);
    }
    box.setDefaultButton(kind.defaultButton == QuestionDefault::Yes  ? yes
                         : kind.defaultButton == QuestionDefault::No ? no
                                                                     : ok);
    box.exec();
    return yes && box.clickedButton() == yes;
}

void MessageBoxes::showPlainMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Mirvalon"), QString(), QMessageBox::Ok,
                    m_owner);
    setPlainBoxText(box, q(text));
    box.exec();
}

bool MessageBoxes::passwordDialog(PasswordMode mode, std::string& password, std::string& authText)
{
    QString pw = q(password);
    QString auth = q(authText);
    const bool ok = m_heslo->run(mode, pw, auth, m_owner);
    password = pw.toStdString();
    authText = auth.toStdString();
    return ok;
}

std::optional<std::string> MessageBoxes::newRecordDialog(const GameState& state)
{
    m_rekord->setIntroFormat(q(m_texts.recordIntro));
    m_rekord->setSyncChanged([this](bool on) {
        if (m_settings)
            m_settings->syncNewRecords = on;
    });
    const auto name = m_rekord->run(state, m_settings && m_settings->syncNewRecords,
                                    m_sharedFolderReady, m_owner);
    if (!name)
        return std::nullopt;
    return name->toStdString();
}

} // namespace mirvalon
