// Classic event tracing: provider registration, enable callback, TraceMessage.
#pragma once

#include "win32_types.h"

typedef ULONG64 TRACEHANDLE;
typedef TRACEHANDLE* PTRACEHANDLE;

typedef enum {
    WMI_GET_ALL_DATA = 0,
    WMI_GET_SINGLE_INSTANCE = 1,
    WMI_SET_SINGLE_INSTANCE = 2,
    WMI_SET_SINGLE_ITEM = 3,
    WMI_ENABLE_EVENTS = 4,
    WMI_DISABLE_EVENTS = 5,
    WMI_ENABLE_COLLECTION = 6,
    WMI_DISABLE_COLLECTION = 7,
    WMI_REGINFO = 8,
    WMI_EXECUTE_METHOD = 9,
} WMIDPREQUESTCODE;

typedef ULONG(WINAPI* WMIDPREQUEST)(WMIDPREQUESTCODE requestCode, PVOID requestContext, ULONG* bufferSize,
                                    PVOID buffer);

typedef struct _TRACE_GUID_REGISTRATION {
    LPCGUID Guid;
    HANDLE RegHandle;
} TRACE_GUID_REGISTRATION, *PTRACE_GUID_REGISTRATION;

#define TRACE_LEVEL_NONE 0
#define TRACE_LEVEL_CRITICAL 1
#define TRACE_LEVEL_ERROR 2
#define TRACE_LEVEL_WARNING 3
#define TRACE_LEVEL_INFORMATION 4
#define TRACE_LEVEL_VERBOSE 5

#define TRACE_MESSAGE_SEQUENCE 1
#define TRACE_MESSAGE_GUID 2
#define TRACE_MESSAGE_COMPONENTID 4
#define TRACE_MESSAGE_TIMESTAMP 8
#define TRACE_MESSAGE_SYSTEMINFO 32

extern "C" {
ULONG WINAPI RegisterTraceGuidsW(WMIDPREQUEST requestAddress, PVOID requestContext, LPCGUID controlGuid,
                                 ULONG guidCount, PTRACE_GUID_REGISTRATION traceGuidReg, LPCWSTR mofImagePath,
                                 LPCWSTR mofResourceName, PTRACEHANDLE registrationHandle);
ULONG WINAPI UnregisterTraceGuids(TRACEHANDLE registrationHandle);
TRACEHANDLE WINAPI GetTraceLoggerHandle(PVOID buffer);
UCHAR WINAPI GetTraceEnableLevel(TRACEHANDLE logger);
ULONG WINAPI GetTraceEnableFlags(TRACEHANDLE logger);
// Variable part: (PVOID, SIZE_T) pairs ended by a null pointer.
ULONG TraceMessage(TRACEHANDLE logger, ULONG messageFlags, LPCGUID messageGuid, USHORT messageNumber, ...);
}
