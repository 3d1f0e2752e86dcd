// SPDX-License-Identifier: GPL-3.0-or-later
// What a synchronisation needs from the world around it: the calendar time, a way to wait
// and the progress bar. Tests give a manual clock, so a wait for another copy's lock costs
// them nothing.
#pragma once

namespace mirvalon {

class SyncPort
{
public:
    virtual ~SyncPort() = default;
    // Seconds since the epoch, on the same scale as file time stamps.
    virtual double calendarSeconds() = 0;
    virtual void sleepMs(int milliseconds) = 0;
    // 0..100; the dialog's bar follows it while the dialog is open.
    virtual void progress(int percent) = 0;
};

// The real clock and sleep, and no bar.
class SystemSyncPort : public SyncPort
{
public:
    double calendarSeconds() override;
    void sleepMs(int milliseconds) override;
    void progress(int) override {}
};

} // namespace mirvalon
