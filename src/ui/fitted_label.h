// SPDX-License-Identifier: GPL-3.0-or-later
// A label as large as its text, measured only while it is on view: measuring loads the
// label's font, and the bold labels of a beaten record and the captions of the panels over the
// board are hidden at start, so the window's first picture does without their font.
#pragma once

#include <QLabel>
#include <functional>

namespace mirvalon {

class FittedLabel : public QLabel
{
public:
    using QLabel::QLabel;

    // Sets the text; the label takes its size now when on view, else when it is next shown,
    // and then runs onFitted.
    void setFittedText(const QString& text);
    // Run each time the label has taken its text's size (a panel centres its caption).
    std::function<void()> onFitted;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void fit();

    bool m_unfitted = false;
};

} // namespace mirvalon
