// A registered provider and a clean record of trace messages for each test;
// the session itself is left to the test.
#pragma once

#include <gtest/gtest.h>

#include "adapter/trace_provider.h"
#include "platform/host/host_trace.h"

class TraceSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::TraceSession::Disable();
        host::TraceSession::Clear();
        talven::RegisterTraceProvider();
    }
    void TearDown() override {
        talven::UnregisterTraceProvider();
        host::TraceSession::Disable();
        host::TraceSession::Clear();
    }
};
