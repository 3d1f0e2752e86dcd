// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync_ports.h"

#include <chrono>
#include <thread>

namespace mirvalon {

double SystemSyncPort::calendarSeconds()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(now).count();
}

void SystemSyncPort::sleepMs(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace mirvalon
