// A responder that records what the dispatcher hands it, for tests of the
// dispatcher and of the modules that log through it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "diag/msg_responder.h"

namespace talven::test_support {

struct LoggedMessage {
    INT level = 0;
    std::string function;
    INT line = 0;
    std::string text;
    bool operator==(const LoggedMessage&) const = default;
};

// Owned by the test; outlives the responders that write into it.
struct MessageRecord {
    std::vector<LoggedMessage> messages;
    std::vector<std::string> events;  // "<name> wrote", "<name> destroyed", in order
};

class RecordingResponder : public IResponder {
public:
    RecordingResponder(MessageRecord& record, std::string name) : m_record(record), m_name(std::move(name)) {}
    ~RecordingResponder() override { m_record.events.push_back(m_name + " destroyed"); }
    RecordingResponder(const RecordingResponder&) = delete;
    RecordingResponder& operator=(const RecordingResponder&) = delete;

    void Write(INT level, const CHAR* function, INT line, const CHAR* text) override {
        m_record.messages.push_back({level, function, line, text});
        m_record.events.push_back(m_name + " wrote");
    }

private:
    MessageRecord& m_record;
    std::string m_name;
};

// Lets GoogleTest print a message that did not match.
inline void PrintTo(const LoggedMessage& m, std::ostream* out) {
    *out << "{" << m.level << ", \"" << m.function << "\", " << m.line << ", \"" << m.text << "\"}";
}

}  // namespace talven::test_support
