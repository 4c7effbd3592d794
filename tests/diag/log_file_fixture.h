// A scratch folder for log files, and the host's clock and ids pinned so
// that log lines are known to the byte.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/host/host_process.h"

namespace talven::test_support {

inline constexpr char kBanner[] = ">>>>>>Quillon Log Start \n";
inline constexpr char kEndMarker[] = ">>>>>>End \n\r";

class LogFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   ("diag-" + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        host::FixLocalTime({2024, 5, 2, 7, 14, 3, 7, 42});
        host::FixIds(4312, 988);
    }
    void TearDown() override {
        host::UseSystemTime();
        host::UseRealIds();
        std::filesystem::remove_all(m_folder);
    }

    std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path m_folder;
};

}  // namespace talven::test_support
