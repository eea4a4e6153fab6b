#pragma once

#include "accessibility.h"

// Windows only: each announcement raised as a UI Automation notification on
// the announcer's top-level window, for NVDA and Narrator. The functions are
// looked up in uiautomationcore.dll at the first announcement: Windows before
// 10 (version 1709) has no notifications, and there nothing is raised.
class UiaNotificationChannel : public AnnouncementChannel {
public:
    void announce(QWidget *announcer, const QString &text) override;
};
