#pragma once

#include <windows.h>

#include <unknwn.h>

#include "common/unique_handle.h"

// An icon from LoadImage without LR_SHARED, which the caller must destroy.
using IconHandle = UniqueHandle<HICON, &DestroyIcon>;

// A pen, brush, font, bitmap or region the caller created.
template <class GdiObject>
using GdiHandle = UniqueHandle<GdiObject, &DeleteObject>;

inline void ReleaseInterface(IUnknown* object) {
    object->Release();
}

// A reference to a COM object, released when it goes.
template <class Interface>
using ComHandle = UniqueHandle<Interface*, &ReleaseInterface>;
