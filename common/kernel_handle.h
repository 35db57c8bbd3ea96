#pragma once

#include <windows.h>

#include "common/unique_handle.h"

// The "no handle" value of the kernel handles whose failure value is
// INVALID_HANDLE_VALUE rather than null: files, directory searches and
// process snapshots.
inline HANDLE NoKernelHandle() {
    return INVALID_HANDLE_VALUE;
}

// An open file or process snapshot, closed with CloseHandle.
using KernelHandle = UniqueHandle<HANDLE, &CloseHandle, &NoKernelHandle>;
