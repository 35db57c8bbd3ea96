#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

#include "framework/handles.h"

namespace test_support {

// The object a screen reader gets for the window's client area.
ComHandle<IAccessible> ClientObject(HWND window);

// What the object says about itself; a question it does not answer leaves
// "" or -1.
struct AccessibleFacts {
    std::string name;
    std::string value;
    long role = -1;
    long state = -1;
    std::string defaultAction;
};
AccessibleFacts ReadFacts(IAccessible& object);

VARIANT SelfChild();

}  // namespace test_support
