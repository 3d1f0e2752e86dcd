// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfrm_rozbor.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

#include "engine/game_settings.h"
#include "fixed_dialog.h"

namespace mirvalon {

namespace {

constexpr std::array<int, Tfrm_Rozbor::kColumns> kColumnWidths = {48, 96, 88, 82, 96};

QLocale localeOf(int language)
{
    return language == English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
           : language == Czech ? QLocale(QLocale::Czech, QLocale::CzechRepublic)
                               : QLocale(QLocale::Slovak, QLocale::Slovakia);
}

} // namespace

Tfrm_Rozbor::Tfrm_Rozbor(QWidget* parent)
    : QDialog(parent), m_liveRozbor(new QTreeWidget(this)), m_lblSpolu(new QLabel(this)),
      m_btnZavriet(new QPushButton(QStringLiteral("Zavrieť"), this))
{
    setObjectName(QStringLiteral("Tfrm_Rozbor"));
    setWindowTitle(QStringLiteral("  Rozbor hry"));
    makeFixedDialog(this);
    setFixedSize(kWidth, kHeight);

    m_liveRozbor->setObjectName(QStringLiteral("liveRozbor"));
    m_liveRozbor->setGeometry(8, 8, kWidth - 16, 262);
    m_liveRozbor->setRootIsDecorated(false);
    m_liveRozbor->setUniformRowHeights(true);
    m_liveRozbor->setSelectionMode(QAbstractItemView::NoSelection);
    m_liveRozbor->setFocusPolicy(Qt::NoFocus);
    m_liveRozbor->setColumnCount(kColumns);
    m_liveRozbor->setHeaderLabels({QStringLiteral("Riadok"), QStringLiteral("Možné\npred"),
                                   QStringLiteral("Možné\npo"), QStringLiteral("Mohol byť\nskrytý"),
                                   QStringLiteral("Počítač\nby nechal")});
    m_liveRozbor->header()->setSectionsMovable(false);
    m_liveRozbor->header()->setSectionResizeMode(QHeaderView::Fixed);
    m_liveRozbor->header()->setStretchLastSection(false);
    for (int c = 0; c < kColumns; ++c) {
        m_liveRozbor->setColumnWidth(c, kColumnWidths[c]);
        m_liveRozbor->headerItem()->setTextAlignment(c, Qt::AlignCenter);
    }

    m_lblSpolu->setObjectName(QStringLiteral("lblSpolu"));
    m_lblSpolu->setTextFormat(Qt::PlainText);
    m_lblSpolu->setGeometry(8, 274, kWidth - 16, 18);

    m_btnZavriet->setObjectName(QStringLiteral("btnZavriet"));
    m_btnZavriet->setGeometry(kWidth - 83, 298, 75, 25);
    m_btnZavriet->setDefault(true);
    connect(m_btnZavriet, &QPushButton::clicked, this, &QDialog::accept);
}

void Tfrm_Rozbor::setText(int group, int index, const QString& text)
{
    switch (group) {
    case 0:
        setWindowTitle(QStringLiteral("  ") + text);
        break;
    case 1:
        if (index >= 0 && index < kColumns)
            m_liveRozbor->headerItem()->setText(index, text);
        break;
    case 2:
        (index == 0 ? m_yes : m_no) = text;
        break;
    case 3:
        (index == 0 ? m_total : m_notFound) = text;
        break;
    case 4:
        m_btnZavriet->setText(text);
        break;
    default:
        break;
    }
}

void Tfrm_Rozbor::fill(const GameReview& review)
{
    const QLocale locale = localeOf(m_language);
    m_liveRozbor->clear();
    int row = 0;
    for (const RowAnalysis& r : review.rows) {
        auto* item = new QTreeWidgetItem(m_liveRozbor);
        item->setText(0, QString::number(++row));
        item->setText(1, locale.toString(static_cast<qulonglong>(r.before)));
        item->setText(2, locale.toString(static_cast<qulonglong>(r.after)));
        item->setText(3, r.couldBeHidden ? m_yes : m_no);
        item->setText(4, locale.toString(static_cast<qulonglong>(r.computerLeft)));
        item->setTextAlignment(0, Qt::AlignCenter);
        item->setTextAlignment(3, Qt::AlignCenter);
        for (int c : {1, 2, 4})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    const QString rows =
        review.solved ? QString::number(row) : QStringLiteral("%1 (%2)").arg(row).arg(m_notFound);
    m_lblSpolu->setText(m_total.arg(rows, locale.toString(review.computerRows, 'f', 1)));
}

void Tfrm_Rozbor::run(const GameReview& review, QPoint centre)
{
    fill(review);
    move(centre - QPoint(kWidth / 2, kHeight / 2));
    m_btnZavriet->setFocus();
    exec();
}

} // namespace mirvalon
