// talven-host: drives the sensor adapter of the built module the way the
// biometric service does, against the simulated sensor, and says in plain
// words what happened. Exit code 0 only when every step gave the expected
// result.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/host/host_device.h"
#include "platform/host/host_trace.h"
#include "platform/results.h"
#include "sim/simulated_sensor.h"
#include "tools/talven_host/adapter_module.h"
#include "tools/talven_host/sensor_session.h"
#include "tools/talven_host/step_report.h"
#include "tools/talven_host/trace_printer.h"

namespace {

struct Options {
    std::string modulePath = TALVEN_ADAPTER_MODULE_PATH;
    uint32_t finger = 7;
};

void PrintUsage() {
    std::printf(
        "usage: talven-host [--module PATH] [--finger ID]\n"
        "  --module PATH  the adapter module to load (default: the one built with this tool)\n"
        "  --finger ID    the finger the simulated sensor sees (default 7)\n");
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--module" && i + 1 < argc) {
            options.modulePath = argv[++i];
        } else if (arg == "--finger" && i + 1 < argc) {
            options.finger = static_cast<uint32_t>(std::stoul(argv[++i]));
        } else {
            return false;
        }
    }
    return true;
}

template <typename Table>
void DescribeTable(talven_host::StepReport& report, const char* kind, const Table* table) {
    char line[160];
    std::snprintf(line, sizeof line, "%-7s table: version %u.%u, type %u, %zu bytes (%zu slots), adapter id %s", kind,
                  table->Version.MajorVersion, table->Version.MinorVersion, table->Type, table->Size,
                  (table->Size - 32) / 8, talven_host::FormatGuid(table->AdapterId).c_str());
    report.Note(line);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        PrintUsage();
        return 2;
    }
    talven_host::StepReport report(stdout);
    std::printf("talven-host: the sensor adapter against the simulated sensor\n\n");

    talven_host::AdapterModule module(options.modulePath);
    if (!report.Check("Load the adapter module " + options.modulePath, module.Loaded(), module.Error())) return 1;
    // The module registered its trace provider while loading; a session at
    // information level sees every message of the units.
    host::TraceSession::Enable(TRACE_LEVEL_INFORMATION, 1);

    PWINBIO_SENSOR_INTERFACE sensorTable = nullptr;
    PWINBIO_ENGINE_INTERFACE engineTable = nullptr;
    PWINBIO_STORAGE_INTERFACE storageTable = nullptr;
    const HRESULT queried = FAILED(module.QuerySensor(&sensorTable))   ? E_POINTER
                            : FAILED(module.QueryEngine(&engineTable)) ? E_POINTER
                                                                       : module.QueryStorage(&storageTable);
    if (!report.Step("Query the three adapter tables", queried)) return 1;
    DescribeTable(report, "sensor", sensorTable);
    DescribeTable(report, "engine", engineTable);
    DescribeTable(report, "storage", storageTable);

    auto chip = std::make_shared<sim::SimulatedSensor>();
    talven_host::SensorSession session(report, *chip, host::OpenDevice(chip), *sensorTable, *engineTable,
                                       *storageTable);
    session.Run(options.finger);

    std::printf("\n%d of %d steps gave the expected result.\n", report.Steps() - report.Failures(), report.Steps());
    return report.Failures() == 0 ? 0 : 1;
}
