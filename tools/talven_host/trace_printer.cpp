#include "tools/talven_host/trace_printer.h"

#include <cstring>
#include <utility>

#include "adapter/trace_units.h"

namespace talven_host {

namespace {

const char* UnitName(const GUID& guid) {
    const std::pair<const GUID*, const char*> units[] = {
        {&talven::ModuleEntryTraceUnit, "module entry"},     {&talven::SensorTraceUnit, "sensor adapter"},
        {&talven::SensorAttachTraceUnit, "sensor attach"},   {&talven::EngineTraceUnit, "engine adapter"},
        {&talven::StorageTraceUnit, "storage adapter"},
    };
    for (const auto& [unit, name] : units) {
        if (SameGuid(*unit, guid)) return name;
    }
    return "unknown unit";
}

// The argument as the decoder would show it: 32-bit values as numbers,
// 64-bit ones as reals, everything else as text.
std::string FormatArgument(const host::TraceArgument& argument) {
    char text[48];
    if (argument.bytes.size() == 4) {
        const uint32_t value = argument.AsUInt32();
        std::snprintf(text, sizeof text, "%u (0x%08X)", value, value);
        return text;
    }
    if (argument.bytes.size() == 8) {
        std::snprintf(text, sizeof text, "%g", argument.AsDouble());
        return text;
    }
    return "\"" + argument.AsText() + "\"";
}

}  // namespace

std::string FormatGuid(const GUID& guid) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", guid.Data1, guid.Data2,
                  guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4],
                  guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return text;
}

bool SameGuid(const GUID& a, const GUID& b) {
    return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

void TracePrinter::PrintNew() {
    const std::vector<host::TraceRecord> records = host::TraceSession::Records();
    for (; printed_ < records.size(); ++printed_) {
        const host::TraceRecord& record = records[printed_];
        std::string line = "      trace " + FormatGuid(record.guid) + " " + UnitName(record.guid) + " #" +
                           std::to_string(record.number);
        for (const host::TraceArgument& argument : record.arguments) line += "  " + FormatArgument(argument);
        std::fprintf(out_, "%s\n", line.c_str());
    }
}

}  // namespace talven_host
