#pragma once

#include "korav/demo/demo_firm.h"

// The passwords of the demo firm as the user reads them, on the terminal
// and in "demo-zugang.txt" beside the firm's files; lines end with "\n".
QString DemoAccessText(const DemoAccess& access);

inline constexpr char16_t kDemoAccessFile[] = u"demo-zugang.txt";
