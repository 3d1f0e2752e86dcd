// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the game's name, version and build, who made it, its licence, and a link
// that opens the manual of the 192 games.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace mirvalon {

class BevelBox;

class Tfrm_About : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kWidth = 183;
    static constexpr int kHeight = 357;
    static constexpr int kMarkLines = 6;

    explicit Tfrm_About(QWidget* parent = nullptr);

    // Language file, kind 6: the caption (with its two blanks already added) and lblVerzia.
    void setCaptionText(const QString& text);
    void setVersionText(const QString& text);
    // The lines of our own that the language file does not carry: the authors, the link and
    // the licence panel, in language 0..2.
    void setLanguage(int language);

    // Shows the box modally, centred on `owner`.
    void run(const QWidget* owner);

    // Clicking the link; the window opens the manual with it.
    std::function<void()> onLinkClicked;

    QLabel* nameLabel() const { return m_lblNazov; }
    QLabel* versionLabel() const { return m_lblVerzia; }
    QLabel* buildLabel() const { return m_lblBuild; }
    QLabel* linkLabel() const { return m_lblHttp; }
    QLabel* copyLine(int i) const { return m_lblCopy[i]; }
    QLabel* markLine(int i) const { return m_lblMark[i]; }
    QPushButton* okButton() const { return m_btnOk; }
    BevelBox* frame() const { return m_pnlRamcek; }
    BevelBox* markPanel() const { return m_pnlMark; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centre(QLabel* label, int y);

    BevelBox* m_pnlRamcek;
    QLabel* m_imgIkona;
    QLabel* m_lblNazov;
    QLabel* m_lblVerzia;
    QLabel* m_lblBuild;
    std::array<QLabel*, 2> m_lblCopy{};
    QLabel* m_lblHttp;
    BevelBox* m_pnlMark;
    std::array<QLabel*, kMarkLines> m_lblMark{};
    QPushButton* m_btnOk;
    int m_language = 0;
};

} // namespace mirvalon
