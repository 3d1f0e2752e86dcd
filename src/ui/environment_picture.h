// SPDX-License-Identifier: GPL-3.0-or-later
// One of the environment pictures over the board. It takes its pixels from the program file
// when it is first shown, never before: most players keep one picture or none, and the pages
// of a picture never shown are then never read.
#pragma once

#include "click_label.h"

namespace mirvalon {

class EnvironmentPicture : public ClickLabel
{
public:
    // `picture` by its name in assets/ ("photo1"), as builtInPicture takes it.
    EnvironmentPicture(QWidget* parent, const char* picture);

    // Takes the picture's pixels unless it already has them.
    void decode();
    bool isDecoded() const { return m_decoded; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    const char* m_picture;
    bool m_decoded = false;
};

} // namespace mirvalon
