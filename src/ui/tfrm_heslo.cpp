// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_heslo.h"

#include "engine/saved_task.h"
#include "fixed_dialog.h"
#include "plain_text.h"
#include "storable_text_validator.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

namespace mirvalon {

namespace {
constexpr int kClientWidth = 193;
constexpr int kFrameHeight = 27; // caption and border of the designed outer heights
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
} // namespace

Tfrm_Heslo::Tfrm_Heslo(QWidget* parent)
    : QDialog(parent), m_lblATX(new QLabel(this)), m_edtATX(new QLineEdit(this)),
      m_lblText01(new QLabel(QStringLiteral("( Tento autorizačný text sa zobrazí"), this)),
      m_lblText02(new QLabel(QStringLiteral("len po úspešnom ukončení hry! )"), this)),
      m_lblHSL(new QLabel(this)), m_edtHSL(new QLineEdit(this)),
      m_btnOk(new QPushButton(QStringLiteral("OK"), this)),
      m_btnCancel(new QPushButton(QStringLiteral("Storno"), this))
{
    setObjectName(QStringLiteral("Tfrm_Heslo"));
    setWindowTitle(QStringLiteral("  Heslo"));
    makeFixedDialog(this);
    m_lblATX->setObjectName(QStringLiteral("lblATX"));
    m_edtATX->setObjectName(QStringLiteral("edtATX"));
    m_lblText01->setObjectName(QStringLiteral("lblText01"));
    m_lblText02->setObjectName(QStringLiteral("lblText02"));
    m_lblHSL->setObjectName(QStringLiteral("lblHSL"));
    m_edtHSL->setObjectName(QStringLiteral("edtHSL"));
    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));

    // A screen reader names each field by its label.
    m_lblATX->setBuddy(m_edtATX);
    m_lblHSL->setBuddy(m_edtHSL);
    m_lblATX->setText(m_labelATX + ':');
    m_lblHSL->setText(m_labelHSL + ':');
    m_edtATX->setMaxLength(kMaxAuthTextLength);
    m_edtHSL->setMaxLength(kMaxPasswordLength);
    m_edtHSL->setEchoMode(QLineEdit::Password);
    // The password shows as stars, whatever bullet the style would draw.
    m_edtHSL->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    m_edtATX->setToolTip(QStringLiteral("Zadajte max. 30 znakov!"));
    m_edtHSL->setToolTip(QStringLiteral("Zadajte max. 20 znakov!"));
    m_btnOk->setDefault(true);
    m_btnOk->setAutoDefault(true);
    m_btnCancel->setAutoDefault(false);

    m_lblATX->setGeometry(16, 10, 161, 14);
    m_edtATX->setGeometry(16, 26, 161, 21);
    m_lblText01->adjustSize();
    m_lblText02->adjustSize();
    centreTextLines();
    m_btnOk->resize(kButtonWidth, kButtonHeight);
    m_btnCancel->resize(kButtonWidth, kButtonHeight);

    connect(m_btnOk, &QPushButton::clicked, this, &Tfrm_Heslo::btnOkClick);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Characters a saved game cannot hold are refused as they are typed.
    for (QLineEdit* field : {m_edtATX, m_edtHSL}) {
        field->setValidator(new StorableTextValidator(
            [this](const QString& text) { return !m_filter || m_filter(text); },
            [this, field] {
                QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), m_refusedHint,
                                   field);
            },
            field));
    }
    prepare(PasswordMode::SetUp);
}

void Tfrm_Heslo::centreTextLines()
{
    m_lblText01->move((kClientWidth - m_lblText01->width()) / 2, 52);
    m_lblText02->move((kClientWidth - m_lblText02->width()) / 2, 66);
}

void Tfrm_Heslo::prepare(PasswordMode mode)
{
    m_mode = mode;
    const bool setUp = mode == PasswordMode::SetUp;
    const bool ask = mode == PasswordMode::Ask;
    const bool show = mode == PasswordMode::ShowAuthText;
    m_lblATX->setVisible(setUp || show);
    m_edtATX->setVisible(setUp || show);
    m_lblText01->setVisible(setUp);
    m_lblText02->setVisible(setUp);
    m_lblHSL->setVisible(setUp || ask);
    m_edtHSL->setVisible(setUp || ask);
    m_btnCancel->setVisible(!show);
    m_edtATX->setReadOnly(show);
    if (setUp)
        m_edtATX->clear();

    const int labelTop = setUp ? 105 : 21;
    const int editTop = setUp ? 101 : 17;
    // The edit field gives way to a label longer than the designed 40 pixels ("Password:").
    const int labelWidth = qMax(40, m_lblHSL->sizeHint().width());
    const int editLeft = qMax(60, 16 + labelWidth + 4);
    m_lblHSL->setGeometry(16, labelTop, labelWidth, 14);
    m_edtHSL->setGeometry(editLeft, editTop, 16 + 161 - editLeft, 21);
    int height = 205;
    if (setUp) {
        m_btnOk->move(16, 139);
        m_btnCancel->move(102, 139);
    } else if (ask) {
        m_btnOk->move(16, 55);
        m_btnCancel->move(102, 55);
        height = 121;
    } else {
        m_btnOk->move(59, 65);
        height = 131;
    }
    setFixedSize(kClientWidth, height - kFrameHeight);
    // The caption is the mode's label without its colon.
    setWindowTitle(' ' + (ask ? m_labelHSL : show ? m_labelATX : QString()));
}

bool Tfrm_Heslo::run(PasswordMode mode, QString& password, QString& authText, const QWidget* owner)
{
    prepare(mode);
    m_edtHSL->setText(mode == PasswordMode::SetUp ? QString() : password);
    if (mode == PasswordMode::Ask)
        m_edtHSL->clear();
    if (mode == PasswordMode::ShowAuthText)
        m_edtATX->setText(authText);
    if (owner) {
        const QRect screen = owner->screen() ? owner->screen()->availableGeometry() : QRect();
        const QPoint corner = owner->frameGeometry().topLeft();
        move(qMax(screen.left() + 10, corner.x() + 138), qMax(screen.top() + 10, corner.y() + 126));
    }
    const bool ok = exec() == QDialog::Accepted;
    if (ok && mode == PasswordMode::SetUp) {
        password = m_edtHSL->text();
        authText = m_edtATX->text();
    } else if (ok && mode == PasswordMode::Ask) {
        password = m_edtHSL->text();
    }
    return ok;
}

void Tfrm_Heslo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_mode == PasswordMode::SetUp)
        m_edtATX->setFocus();
    else if (m_mode == PasswordMode::Ask)
        m_edtHSL->setFocus();
    else
        m_btnOk->setFocus();
}

void Tfrm_Heslo::btnOkClick()
{
    if (m_mode == PasswordMode::SetUp) {
        const MissingText missing =
            missingPasswordText(m_edtHSL->text().toStdString(), m_edtATX->text().toStdString());
        if (missing != MissingText::None) {
            flashEmpty(missing == MissingText::AuthText ? m_edtATX : m_edtHSL);
            return;
        }
    }
    accept();
}

void Tfrm_Heslo::flashEmpty(QLineEdit* field)
{
    const QString own = field->styleSheet();
    field->setStyleSheet(own + QStringLiteral("background-color: rgb(128, 128, 128);"));
    field->setFocus();
    QTimer::singleShot(100, field, [field, own] { field->setStyleSheet(own); });
}

void Tfrm_Heslo::setCaptionText(const QString& text)
{
    setWindowTitle(text);
}

void Tfrm_Heslo::setLabelText(int index, const QString& text)
{
    // The two field labels arrive with their colon; the mode captions use them without it.
    const QString bare = text.endsWith(':') ? text.chopped(1) : text;
    switch (index) {
    case 0:
        m_labelATX = bare;
        m_lblATX->setText(bare + ':');
        break;
    case 1:
        m_lblText01->setText(text);
        m_lblText01->adjustSize();
        break;
    case 2:
        m_lblText02->setText(text);
        m_lblText02->adjustSize();
        break;
    case 3:
        m_labelHSL = bare;
        m_lblHSL->setText(bare + ':');
        break;
    default:
        return;
    }
    centreTextLines();
}

void Tfrm_Heslo::setHintText(int index, const QString& text)
{
    if (index == 0)
        m_edtATX->setToolTip(plainToolTip(text));
    else if (index == 1)
        m_edtHSL->setToolTip(plainToolTip(text));
}

} // namespace mirvalon
