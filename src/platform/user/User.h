// Everything of the window manager in one include: windows, messages, painting, input, timers, the caret,
// the clipboard, scroll bars, metrics and the beep.
#pragma once

#include "platform/user/Beep.h"
#include "platform/user/Caret.h"
#include "platform/user/Clipboard.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Metrics.h"
#include "platform/user/Paint.h"
#include "platform/user/ScrollBars.h"
#include "platform/user/Timers.h"
#include "platform/user/Windows.h"
