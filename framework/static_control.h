#pragma once

#include "framework/window.h"

// A static text or picture control. Its parent's colour requests about it are
// offered to it first, so a derived control answers them in its own table
// with on::Reflected(WM_CTLCOLORSTATIC, ...).
class CStatic : public CWnd {};
