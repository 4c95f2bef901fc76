#pragma once

#include "suite/app/command_line.h"
#include "suite/app/host_application.h"

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace app_test {

// An offscreen application whose user data folder (component registry, demo database) is a fresh folder,
// and per test a fresh demo suite database. start() runs suite-host in this process without a person:
// message boxes and lookup windows are answered by script.
class AppTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    suite::HostOptions headless() const;
    std::unique_ptr<suite::HostApplication> start(const suite::HostOptions& options);
    // The console opened by host, with its views synced; fails the test when it did not open.
    suite::ModuleWindow& openConsole(suite::HostApplication& host);

    QTemporaryDir dir_;
    QString database_;
};

}  // namespace app_test
