// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the target of a language file: it sets the captions, shortcuts and hints
// the file names by their codes.
#pragma once

#include "persistence/view_ports.h"

namespace mirvalon {

class Tfrm_Logic;

class WindowTexts : public LanguageTargets
{
public:
    explicit WindowTexts(Tfrm_Logic& window) : m_window(window) {}

    void setMenuItem(const std::vector<int>& path, const std::string& caption,
                     const std::optional<std::string>& shortcut) override;
    void setContextMenuItem(int index, const std::string& caption,
                            const std::optional<std::string>& shortcut) override;
    void setMainControl(MainControl control, const std::string& caption,
                        const std::optional<std::string>& hint) override;
    void setMainLabel(MainLabel label, const std::string& caption,
                      const std::optional<std::string>& hint) override;
    void setStatusPanel(int panel, const std::string& text) override;
    void setPanelCaption(PanelCaption panel, const std::string& text) override;
    void setListColumn(int column, const std::string& title) override;
    void setUntimedStatusText(const std::string& text) override;
    void setDialogText(int kind, int group, int index, int item, const std::string& text,
                       const std::optional<std::string>& hint) override;
    void fileAccepted() override;

private:
    Tfrm_Logic& m_window;
};

} // namespace mirvalon
