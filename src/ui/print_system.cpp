// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_system.h"

namespace mirvalon {

PrintSystem* PrintLibrary::system()
{
    if (!m_tried) {
        m_tried = true;
        if (const auto make =
                reinterpret_cast<MakePrintSystem>(m_library.resolve(kMakePrintSystem)))
            m_system.reset(make());
    }
    return m_system.get();
}

} // namespace mirvalon
