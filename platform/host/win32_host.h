// Host declarations of the Win32 API subset the modules use. Each group lives
// in its own header; this one pulls them all in.
#pragma once

#include "win32_types.h"
#include "win32_errors.h"
#include "win32_module.h"
#include "win32_heap.h"
#include "win32_sync.h"
#include "win32_device.h"
#include "win32_trace.h"
#include "win32_registry.h"
#include "win32_service.h"
#include "win32_version.h"
#include "win32_file.h"
#include "win32_debug.h"
#include "win32_process.h"
#include "win32_session.h"
#include "win32_power.h"
